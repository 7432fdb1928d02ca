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

int Foundations(Game& g) {
    return std::clamp<int>(Rule(g, rule::kDests), 0, 16);
}
std::string RowName(int row) {
    return PileName(kFila, row + 1);
}
const std::string& Row(const Game& g, int row) {
    return g.FilaPiles[static_cast<size_t>(row)];
}

struct GridCard {
    int row;
    int slot;
    CardCode card;
};

// Every card of the grid, row by row and slot by slot, holes left out.
std::vector<GridCard> GridCards(const Game& g) {
    std::vector<GridCard> cards;
    for (int r = 0; r < TableauCount(g); ++r)
        for (int s = 0; s < SlotCount(Row(g, r)); ++s)
            if (CardCode c = SlotCode(Row(g, r), s); c >= 1) cards.push_back({r, s, c});
    return cards;
}

std::vector<GridCard> FaceUpGridCards(const Game& g) {
    std::vector<GridCard> cards = GridCards(g);
    std::erase_if(cards, [&g](const GridCard& gc) { return IsHidden(g, gc.card); });
    return cards;
}

// Where a turned-back card's back goes: its slot in a row of side-by-side
// cards, otherwise the row's anchor.
CardPoint TurnBackPosition(Game& g, const GridCard& gc) {
    if (Rule(g, rule::kTableFamily) == 9)
        return CardSlotPosition(g, RowName(gc.row), gc.row, gc.slot);
    return {g.FilaLeft[static_cast<size_t>(gc.row)], FilaTopOnScreen(g, gc.row)};
}

bool Matches(Game& g, CardCode a, CardCode b) {
    if (a < 1 || RankOf(a) != RankOf(b)) return false;
    if (Rule(g, rule::kGoalKind) == goal::kPairs)
        return a + 52 == b || b + 52 == a;  // the same card of the two decks
    return true;
}

// The pair leaves the grid for the "Waste", each card leaving a hole; taking
// it away adds no undo step of its own.
void TakePairAway(Game& g) {
    Game& game = g;
    const CardPoint waste = {game.Options.StockLeft(2), game.Options.StockTop(2)};
    for (const GridCard& gc : FaceUpGridCards(g)) {
        const std::string name = RowName(gc.row);
        PressHooks().LiftCards(game, gc.card, true);
        const CardPoint from = CardSlotPosition(game, name, gc.row, gc.slot);
        CardAnimations().FlyCard(gc.card, from.left, from.top, waste.left, waste.top);
        game.Options.SetOpt(opt::kHeld, gc.card);
        const bool moved = ExecuteMove(game, 1, ToPile(kWaste));
        game.Options.SetOpt(opt::kHeld, 0);
        if (!moved) continue;
        std::string& row = game.FilaPiles[static_cast<size_t>(gc.row)];
        if (SlotCode(row, gc.slot) != gc.card) {
            row.insert(std::min(row.size(), static_cast<size_t>(gc.slot) * 3), "000");
            // The move drew the shortened row shifted left, over this hole and
            // any later one: every hole shows the table again.
            for (int k = 0; k < SlotCount(row); ++k) {
                if (SlotCode(row, k) != 0) continue;
                const CardPoint hole = CardSlotPosition(game, name, gc.row, k);
                CardDrawing().EraseRect(hole.left, hole.top, hole.left + g.CardWidth,
                                        hole.top + g.CardHeight, kOnBoth);
            }
            PileDrawing().RedrawPile(name);
        }
        DropNewestSteps(game, 1);
    }
}

}  // namespace

bool IsHidden(const Game& g, CardCode card) {
    return card < 1 || FaceOf(g, card) == Face::kDown;
}

void TurnCardUp(Game& g, CardCode card, int x, int y, int row) {
    RecordStep(g, 1);
    SetCardFace(g, card, Face::kUp);
    NoteCardTurned(g, card);
    PlayAnnouncer().CardTurned(g, card);
    const bool shadows = !ParameterIs(field::kCardsShadowed, "N");
    const int lift = shadows ? CardShadowOffset() - 2 : 0;
    const int liftedX = x - lift, liftedY = y - lift;
    const bool inRow = row >= 0 && row < 40;
    const std::string& pile = inRow ? Row(g, row) : std::string();
    const int slots = SlotCount(pile);
    if (slots == 1 || (slots >= 2 && IsFaceUp(g, SlotCode(pile, slots - 2))))
        PressHooks().LiftCards(g, card, true);
    CardDrawing().DrawCardFace(card, liftedX, liftedY, kOnScreen);
    if (shadows) CardAnimations().FlyCard(card, liftedX, liftedY, x, y);
    PlaySwitched("Face_up", field::kSoundsFaceUp);
    CardDrawing().DrawCardFace(card, x, y, kOnTable);
    if (slots == 1 && SlotCode(pile, 0) == card) PileDrawing().RedrawPile(RowName(row));
}

bool PairClick(Game& g, CardCode card, int x, int y, int row) {
    if (!IsHidden(g, card)) return true;
    const std::vector<GridCard> up = FaceUpGridCards(g);
    int n = static_cast<int>(up.size());
    CardCode a = n >= 1 ? up[0].card : 0;
    CardCode b = n >= 2 ? up[1].card : 0;
    if (n == 0) BeginMemoryTurn(g);
    if (n < 2) {
        TurnCardUp(g, card, x, y, row);
        b = card;
        ++n;
    }
    if (n == 2) {
        if (Matches(g, a, b)) {
            PlayAnnouncer().PairFound(g, a, b);
            TakePairAway(g);
        } else {
            // The slip is counted before the miss is told, so a listener
            // can tell whose memory failed.
            NotePairMiss(g, a, b);
            PlayAnnouncer().Missed(g);
            TurnBackAll(g);
        }
    }
    return true;
}

void TurnBackAll(Game& g) {
    g.Options.SetOpt(opt::kMisses, g.Options.Opt(opt::kMisses) + 1);
    // The program may be closed during a pause: the game kept for the next
    // start must not show these cards.
    g.turningBack = true;
    // The player's look time keeps the cards up; the rest turn back at the
    // usual pace.
    int pause = WrongPairMs();
    for (const GridCard& gc : FaceUpGridCards(g)) {
        Waits().Wait(pause);
        pause = kTurnBackPauseMs;
        SetCardFace(g, gc.card, Face::kDown);
        const CardPoint at = TurnBackPosition(g, gc);
        CardDrawing().DrawCardBack(at.left, at.top, kOnBoth);
    }
    g.turningBack = false;
}

std::vector<CardCode> FaceUpGridCodes(const Game& g) {
    std::vector<CardCode> codes;
    for (const GridCard& gc : FaceUpGridCards(g)) codes.push_back(gc.card);
    return codes;
}

int SequenceLength(Game& g, const std::string& code) {
    std::string& record = g.AppoggPiles[0];
    if (!code.empty()) record += code;
    const int length = RecordedRunLength(g);
    // The new card must continue a run that began with an ace.
    if (!code.empty() && length != SlotCount(record)) {
        NoteSequenceMiss(g, SlotCode(code, 0));
        PlayAnnouncer().Missed(g);
        record.clear();
        TurnBackAll(g);
    }
    return length;
}

bool AllGridCardsUp(const Game& g) {
    for (const GridCard& gc : GridCards(g))
        if (IsHidden(g, gc.card)) return false;
    return true;
}

void MemoryPress(Game& g, CardCode card, int x, int y, int row) {
    const int goal = Rule(g, rule::kGoalKind);
    if (goal == goal::kAceToKing) {
        if (IsHidden(g, card)) {
            BeginMemoryTurn(g);
            TurnCardUp(g, card, x, y, row);
            SequenceLength(g, FormatCode(card));
        }
    } else if (goal == goal::kPairs || goal == goal::kConcentration) {
        if (IsHidden(g, card)) PairClick(g, card, x, y, row);
    }
    UpdateScore(g);
    SetFlag(g, flag::kFinished, IsGameWon(g));
    if (AllGridCardsUp(g) && !GameHooks().EndGame(g)) TableView().ShowTable();
}

void DealTwins(Game& g) {
    RecordStep(g, 1);
    const int rows = TableauCount(g);
    const int twinRows = rows - 10;
    for (int i = 0; i < Foundations(g); ++i) {
        const CardCode model = BottomCode(g.DestPiles[static_cast<size_t>(i)]);
        if (model < 1 || twinRows <= 0) continue;
        int r = 10 + static_cast<int>(platform::RandomBelow(9));
        if (r >= rows) r = 10;
        // Look for a free row among the twin rows only, once round at most.
        int tried = 0;
        while (!Row(g, r).empty() && tried < twinRows) {
            r = r + 1 >= rows ? 10 : r + 1;
            ++tried;
        }
        if (!Row(g, r).empty()) continue;  // every twin row is taken
        AppendCard(g, g.FilaPiles, r, model + 52, Face::kUp);
    }
    for (int i = 0; i < Foundations(g); ++i) {
        const int r = 10 + i;
        if (r >= rows || Row(g, r).empty()) continue;
        Waits().Wait(kTurnBackPauseMs);
        const int left = g.FilaLeft[static_cast<size_t>(r)], top = FilaTopOnScreen(g, r);
        CardDrawing().DrawCardFace(BottomCode(Row(g, r)), left, top, kOnBoth);
        CardDrawing().RestoreCardCorners(left, top, kOnBoth);
    }
}

}  // namespace bw
