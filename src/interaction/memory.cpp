#include "interaction/memory.h"

#include <algorithm>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/families/memory.h"
#include "core/game.h"
#include "core/history.h"
#include "core/look_time.h"
#include "core/memory_log.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/sounds.h"
#include "core/state.h"
#include "interaction/announce.h"
#include "interaction/press.h"
#include "platform/clock.h"

namespace bw {

namespace {

int Foundations() {
    return std::clamp<int>(Rule(ProgramGame(), rule::kDests), 0, 16);
}
std::string RowName(int row) {
    return PileName(kFila, row + 1);
}
const std::string& Row(int row) {
    return ProgramGame().FilaPiles[static_cast<size_t>(row)];
}

struct GridCard {
    int row;
    int slot;
    CardCode card;
};

// Every card of the grid, row by row and slot by slot, holes left out.
std::vector<GridCard> GridCards() {
    std::vector<GridCard> cards;
    for (int r = 0; r < TableauCount(ProgramGame()); ++r)
        for (int s = 0; s < SlotCount(Row(r)); ++s)
            if (CardCode c = SlotCode(Row(r), s); c >= 1) cards.push_back({r, s, c});
    return cards;
}

std::vector<GridCard> FaceUpGridCards() {
    std::vector<GridCard> cards = GridCards();
    std::erase_if(cards, [](const GridCard& g) { return IsHidden(g.card); });
    return cards;
}

// Where a turned-back card's back goes: its slot in a row of side-by-side
// cards, otherwise the row's anchor.
CardPoint TurnBackPosition(const GridCard& g) {
    if (Rule(ProgramGame(), rule::kTableFamily) == 9)
        return CardSlotPosition(ProgramGame(), RowName(g.row), g.row, g.slot);
    return {ProgramGame().FilaLeft[static_cast<size_t>(g.row)],
            FilaTopOnScreen(ProgramGame(), g.row)};
}

bool Matches(CardCode a, CardCode b) {
    if (a < 1 || RankOf(a) != RankOf(b)) return false;
    if (Rule(ProgramGame(), rule::kGoalKind) == goal::kPairs)
        return a + 52 == b || b + 52 == a;  // the same card of the two decks
    return true;
}

// The pair leaves the grid for the "Waste", each card leaving a hole; taking
// it away adds no undo step of its own.
void TakePairAway() {
    const CardPoint waste = {ProgramGame().Options.StockLeft(2), ProgramGame().Options.StockTop(2)};
    for (const GridCard& g : FaceUpGridCards()) {
        const std::string name = RowName(g.row);
        PressHooks().LiftCards(g.card, true);
        const CardPoint from = CardSlotPosition(ProgramGame(), name, g.row, g.slot);
        CardAnimations().FlyCard(g.card, from.left, from.top, waste.left, waste.top);
        ProgramGame().Options.SetOpt(opt::kHeld, g.card);
        const bool moved = ExecuteMove(ProgramGame(), 1, "Waste");
        ProgramGame().Options.SetOpt(opt::kHeld, 0);
        if (!moved) continue;
        std::string& row = ProgramGame().FilaPiles[static_cast<size_t>(g.row)];
        if (SlotCode(row, g.slot) != g.card) {
            row.insert(std::min(row.size(), static_cast<size_t>(g.slot) * 3), "000");
            // The move drew the shortened row shifted left, over this hole and
            // any later one: every hole shows the table again.
            for (int k = 0; k < SlotCount(row); ++k) {
                if (SlotCode(row, k) != 0) continue;
                const CardPoint hole = CardSlotPosition(ProgramGame(), name, g.row, k);
                CardDrawing().EraseRect(hole.left, hole.top, hole.left + CardWidth,
                                        hole.top + CardHeight, kOnBoth);
            }
            PileDrawing().RedrawPile(name);
        }
        DropNewestSteps(ProgramGame(), 1);
    }
}

}  // namespace

bool IsHidden(CardCode card) {
    return card < 1 || FaceFlag(ProgramGame().CardRegister, card) == '0';
}

void TurnCardUp(CardCode card, int x, int y, int row) {
    RecordStep(ProgramGame(), 1);
    SetFaceFlag(ProgramGame().CardRegister, card, '1');
    NoteCardTurned(ProgramGame(), card);
    PlayAnnouncer().CardTurned(card);
    const bool shadows = !ParameterIs(field::kCardsShadowed, "N");
    const int lift = shadows ? CardShadowOffset() - 2 : 0;
    const int liftedX = x - lift, liftedY = y - lift;
    const bool inRow = row >= 0 && row < 40;
    const std::string& pile = inRow ? Row(row) : std::string();
    const int slots = SlotCount(pile);
    if (slots == 1 || (slots >= 2 && IsFaceUp(ProgramGame(), SlotCode(pile, slots - 2))))
        PressHooks().LiftCards(card, true);
    CardDrawing().DrawCardFace(card, liftedX, liftedY, kOnScreen);
    if (shadows) CardAnimations().FlyCard(card, liftedX, liftedY, x, y);
    PlaySwitched("Face_up", field::kSoundsFaceUp);
    CardDrawing().DrawCardFace(card, x, y, kOnTable);
    if (slots == 1 && SlotCode(pile, 0) == card) PileDrawing().RedrawPile(RowName(row));
}

bool PairClick(CardCode card, int x, int y, int row) {
    if (!IsHidden(card)) return true;
    const std::vector<GridCard> up = FaceUpGridCards();
    int n = static_cast<int>(up.size());
    CardCode a = n >= 1 ? up[0].card : 0;
    CardCode b = n >= 2 ? up[1].card : 0;
    if (n == 0) BeginMemoryTurn(ProgramGame());
    if (n < 2) {
        TurnCardUp(card, x, y, row);
        b = card;
        ++n;
    }
    if (n == 2) {
        if (Matches(a, b)) {
            PlayAnnouncer().PairFound(a, b);
            TakePairAway();
        } else {
            // The slip is counted before the miss is told, so a listener
            // can tell whose memory failed.
            NotePairMiss(ProgramGame(), a, b);
            PlayAnnouncer().Missed();
            TurnBackAll();
        }
    }
    return true;
}

void TurnBackAll() {
    ProgramGame().Options.SetOpt(opt::kMisses, ProgramGame().Options.Opt(opt::kMisses) + 1);
    // The program may be closed during a pause: the game kept for the next
    // start must not show these cards.
    ProgramGame().turningBack = true;
    // The player's look time keeps the cards up; the rest turn back at the
    // usual pace.
    int pause = WrongPairMs();
    for (const GridCard& g : FaceUpGridCards()) {
        Waits().Wait(pause);
        pause = kTurnBackPauseMs;
        SetFaceFlag(ProgramGame().CardRegister, g.card, '0');
        const CardPoint at = TurnBackPosition(g);
        CardDrawing().DrawCardBack(at.left, at.top, kOnBoth);
    }
    ProgramGame().turningBack = false;
}

std::vector<CardCode> FaceUpGridCodes() {
    std::vector<CardCode> codes;
    for (const GridCard& g : FaceUpGridCards()) codes.push_back(g.card);
    return codes;
}

int SequenceLength(const std::string& code) {
    std::string& record = ProgramGame().AppoggPiles[0];
    if (!code.empty()) record += code;
    const int length = RecordedRunLength(ProgramGame());
    // The new card must continue a run that began with an ace.
    if (!code.empty() && length != SlotCount(record)) {
        NoteSequenceMiss(ProgramGame(), SlotCode(code, 0));
        PlayAnnouncer().Missed();
        record.clear();
        TurnBackAll();
    }
    return length;
}

bool AllGridCardsUp() {
    for (const GridCard& g : GridCards())
        if (IsHidden(g.card)) return false;
    return true;
}

void MemoryPress(CardCode card, int x, int y, int row) {
    const int goal = Rule(ProgramGame(), rule::kGoalKind);
    if (goal == goal::kAceToKing) {
        if (IsHidden(card)) {
            BeginMemoryTurn(ProgramGame());
            TurnCardUp(card, x, y, row);
            SequenceLength(FormatCode(card));
        }
    } else if (goal == goal::kPairs || goal == goal::kConcentration) {
        if (IsHidden(card)) PairClick(card, x, y, row);
    }
    UpdateScore(ProgramGame());
    SetFlag(ProgramGame(), flag::kFinished, IsGameWon(ProgramGame()));
    if (AllGridCardsUp() && !GameHooks().EndGame(ProgramGame())) TableView().ShowTable();
}

void DealTwins() {
    RecordStep(ProgramGame(), 1);
    const int rows = TableauCount(ProgramGame());
    const int twinRows = rows - 10;
    for (int i = 0; i < Foundations(); ++i) {
        const CardCode model = BottomCode(ProgramGame().DestPiles[static_cast<size_t>(i)]);
        if (model < 1 || twinRows <= 0) continue;
        int r = 10 + static_cast<int>(platform::RandomBelow(9));
        if (r >= rows) r = 10;
        // Look for a free row among the twin rows only, once round at most.
        int tried = 0;
        while (!Row(r).empty() && tried < twinRows) {
            r = r + 1 >= rows ? 10 : r + 1;
            ++tried;
        }
        if (!Row(r).empty()) continue;  // every twin row is taken
        AppendCard(ProgramGame(), ProgramGame().FilaPiles, r, model + 52, "1");
    }
    for (int i = 0; i < Foundations(); ++i) {
        const int r = 10 + i;
        if (r >= rows || Row(r).empty()) continue;
        Waits().Wait(kTurnBackPauseMs);
        const int left = ProgramGame().FilaLeft[static_cast<size_t>(r)],
                  top = FilaTopOnScreen(ProgramGame(), r);
        CardDrawing().DrawCardFace(BottomCode(Row(r)), left, top, kOnBoth);
        CardDrawing().RestoreCardCorners(left, top, kOnBoth);
    }
}

}  // namespace bw
