#include "core/autoplay.h"
#include "core/game.h"

#include <algorithm>
#include <functional>
#include <utility>

#include "core/game_end.h"
#include "core/game_status.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/ports.h"
#include "core/state.h"
#include "platform/ini.h"

namespace bw {

namespace {

std::string Name(const char* word, int index) {
    return word + std::to_string(index + 1);
}

bool CanDrop(const std::string& pile, CardCode card) {
    return AutoplayMoves().CanDrop(pile, card);
}

bool AnimateMoves() {
    return GetParameter(field::kCardsAnimate) != "N";
}

// Where a card lies, to tell a move that changed nothing from one that did.
CardPlace PlaceOf(CardCode card) {
    return FindCardPlace(card, {{kMazzo, 0, 3}, {kFila, 0, 40}, {kDest, 0, 16}, {kAppogg, 0, 10}});
}

// Carries out one card's move; true only when the move engine reports a
// move and the card's pile really changed, so a loop always ends.
bool MoveCard(CardCode card, int left, int top, const std::string& pile,
              const std::string& target) {
    if (AnimateMoves()) CardAnimations().FlyCard(card, left, top, pile);
    // The flight takes the card out of the hand (option 94) when it lands:
    // hold it again for the move.
    MainGame.SetOpt(opt::kHeld, card);
    const CardPlace from = PlaceOf(card);
    const std::string before = from.Found() ? *from.pile : std::string();
    const bool moved = AutoplayMoves().Move(1, target);
    return moved && (!from.Found() || *from.pile != before);
}

int OwnTableau(CardCode card) {
    for (int i = 0; i < TableauCount(); ++i)
        if (FindSlot(FilaPiles[static_cast<size_t>(i)], card) >= 0) return i;
    return -1;
}

// Every foundation must start with one rank (empty rules 92 and 93) and
// none has started yet.
bool FoundationStartBlocked() {
    const int n = RuleCount(rule::kDests, 16);
    if (n == 0) return false;
    for (int i = 0; i < n; ++i) {
        const int rule = Rule(rule::kBaseRank1 + i);
        if ((rule != 92 && rule != 93) || !DestPiles[static_cast<size_t>(i)].empty()) return false;
    }
    return true;
}

bool NextToOnVisibleStock(CardCode card) {
    const CardCode top = TopCode(MazzoPiles[1]);
    if (top < 1 || IsJoker(top) || IsJoker(card) || SuitOf(top) != SuitOf(card)) return false;
    return NextRank(RankOf(top)) == RankOf(card) || PrevRank(RankOf(top)) == RankOf(card);
}

std::string TopNonEmpty(std::initializer_list<const char*> names) {
    for (const char* n : names) {
        const std::string* p = PileByName(n);
        if (p && !p->empty()) return n;
    }
    return std::string();
}

bool StockEmpty() {
    return MazzoPiles[0].empty() && MazzoPiles[1].empty();
}

bool AnyReserveHoldsCard() {
    return std::any_of(AppoggPiles.begin(), AppoggPiles.end(),
                       [](const std::string& p) { return !p.empty(); });
}

std::string FirstNonEmptyReserve() {
    for (int i = 0; i < RuleCount(rule::kReserves, 10); ++i)
        if (!AppoggPiles[static_cast<size_t>(i)].empty()) return Name("Appogg", i);
    return std::string();
}

// How one fill mode fills: which piles, how many cards each, from where.
struct FillPlan {
    std::function<bool(int)> pile;        // 0-based pile index may be filled
    int cards = 1;                        // up to this many cards per pile
    bool firstPileOnly = false;           // one empty pile per pass
    std::function<std::string()> source;  // the pile of the next card, "" none
};

bool PlanFor(int mode, FillPlan& plan) {
    auto every = [](int) { return true; };
    auto gridTail = [](int i) { return i >= Rule(rule::kFixedCols) * Rule(rule::kFixedRows); };
    auto visOrStock = [] { return TopNonEmpty({"Mazzo_Vis", "Mazzo"}); };
    auto stockOrVis = [] { return TopNonEmpty({"Mazzo", "Mazzo_Vis"}); };
    auto only = [](const char* name) { return [name] { return TopNonEmpty({name}); }; };
    switch (mode) {
        case 1: plan = {every, 1, false, only("Appogg1")}; return true;
        case 2:
        case 4:
        case 8:
        case 10: plan = {gridTail, 1, false, visOrStock}; return true;
        case 3: plan = {every, 1, false, stockOrVis}; return true;
        case 5: plan = {every, 3, false, only("Mazzo_Vis")}; return true;
        case 6:
            plan = {[](int i) {
                        static const int kPiles[] = {1, 7, 8, 14, 15, 21, 22, 28};
                        return std::find(std::begin(kPiles), std::end(kPiles), i + 1) !=
                               std::end(kPiles);
                    },
                    1, false, only("Mazzo_Vis")};
            return true;
        case 7: plan = {[](int i) { return i >= 10; }, 1, false, only("Mazzo")}; return true;
        case 9: plan = {every, 4, false, only("Mazzo")}; return true;
        case 11:
            plan = {[](int i) { return i >= 24 && i <= 31; }, 1, false, visOrStock};
            return true;
        case 12: plan = {every, 4, false, visOrStock}; return true;
        // Mode 13: every empty pile, from "Mazzo_Vis" or else "Mazzo" (mode 2 without the grid).
        case 13: plan = {every, 1, false, visOrStock}; return true;
        // Mode 14: every empty pile, from the first reserve cell that holds a card.
        case 14: plan = {every, 1, false, FirstNonEmptyReserve}; return true;
        // Mode 15: every empty pile, from the top of "Waste".
        case 15: plan = {every, 1, false, only("Waste")}; return true;
        // Mode 16: only the first empty pile of a pass, from "Mazzo" or else "Mazzo_Vis".
        case 16: plan = {every, 1, true, stockOrVis}; return true;
        // Mode 17: every empty pile, up to two cards, each from "Mazzo" or else "Mazzo_Vis".
        case 17: plan = {every, 2, false, stockOrVis}; return true;
        default: return false;
    }
}

// The modes' conditions for filling at all.
bool FillAllowed(int mode) {
    switch (mode) {
        case 1: return !AppoggPiles[0].empty();
        case 2:
        case 3:
        case 8:
        case 9:
        case 11:
        case 12:
        case 13:
        case 16:
        case 17: return !StockEmpty();
        case 10: return !AnyReserveHoldsCard();
        // Mode 4 fills gaps only during the first pass through the stock;
        // after a redeal they are left to the player.
        case 4: return MainGame.Opt(opt::kStockPasses) == 1;
        default: return true;
    }
}

}  // namespace

bool IAutoplayMoves::CanDrop(const std::string& pile, CardCode card) {
    return CanDropOn(pile, card);
}
bool IAutoplayMoves::Move(int count, const std::string& target) {
    return ExecuteMove(count, target);
}
void IAutoplayMoves::FillAfterRemoval() {
    FillEmptyTableaus();
}

bool AutoMoveCard(CardCode card, int left, int top, int kinds) {
    if (!IsFaceUp(card)) return false;
    MainGame.SetOpt(opt::kHeld, card);
    const bool forPlayer = (kinds & target::kForPlayer) != 0;
    const int own = OwnTableau(card);
    bool moved = false;
    bool tried = false;  // the first pile that accepts gets the card
    auto offer = [&](const std::string& pile, const std::string& moveName) {
        if (tried || !CanDrop(pile, card)) return;
        tried = true;
        moved = MoveCard(card, left, top, pile, moveName);
    };

    // Only the player may start foundations that must all start alike.
    if ((kinds & target::kFoundations) && (forPlayer || !FoundationStartBlocked()))
        for (int i = 0; i < RuleCount(rule::kDests, 16) && !tried; ++i)
            if (OnTable(MainGame.DestLeft(i)))
                offer(Name("Dest", i), forPlayer ? Name("Dest", i) : Name("Dest_Autoplay", i));
    for (bool empty : {false, true}) {
        if (!(kinds & (empty ? target::kEmptyTableaus : target::kTableaus))) continue;
        for (int i = 0; i < TableauCount() && !tried; ++i) {
            const std::string& p = FilaPiles[static_cast<size_t>(i)];
            if (i == own || p.empty() != empty ||
                !OnTable(ProgramGame().FilaLeft[static_cast<size_t>(i)]))
                continue;
            offer(Name("Fila", i), Name("Fila", i));
        }
    }
    if (kinds & target::kReserves)
        for (int i = 0; i < RuleCount(rule::kReserves, 10) && !tried; ++i)
            if (OnTable(MainGame.AppoggLeft(i))) offer(Name("Appogg", i), Name("Appogg", i));
    // Onto "Mazzo_Vis" the engine's "Stock02" moves the held card; the pile's
    // own name would turn cards from the stock instead.
    if ((kinds & target::kStockVis) && !tried && Rule(rule::kVisTarget) == 2 &&
        Rule(rule::kVisMode) != 4 && OnTable(MainGame.StockLeft(1)) && NextToOnVisibleStock(card)) {
        tried = true;
        moved = MoveCard(card, left, top, "Mazzo_Vis", "Stock02");
    }

    if (moved && forPlayer) MainGame.SetOpt(opt::kCountsPlayed, 1);
    MainGame.SetOpt(opt::kHeld, 0);
    MainGame.SetOpt(opt::kHeldTop, 0);
    return moved;
}

bool RunAutoplay() {
    if (!Status(ProgramGame()).autoplay || !Flag(flag::kInProgress) || TableauCount() == 0)
        return false;
    SetFlag(flag::kEnded, false);
    const int reserves = RuleCount(rule::kReserves, 10);
    auto halted = [] { return Flag(flag::kEnded) || Flag(flag::kFinished); };
    auto offer = [](CardCode c) { return c >= 1 && AutoMoveCard(c, -1, -1, target::kFoundations); };
    bool any = false;
    while (!halted()) {
        bool pass = false;
        for (bool again = true; again && !halted();) {
            again = false;
            for (int i = 0; i < reserves && !halted(); ++i)
                again = offer(TopCode(AppoggPiles[static_cast<size_t>(i)])) || again;
            pass = pass || again;
        }
        if (!halted() && Rule(rule::kVisHeld) == 0 && offer(TopCode(MazzoPiles[1]))) pass = true;
        for (int i = 0; i < TableauCount() && !halted(); ++i) {
            const CardCode c = TopCode(FilaPiles[static_cast<size_t>(i)]);
            if (c < 1) continue;
            if (!IsFaceUp(c) && Rule(rule::kAutoTurnUp) == 1 &&
                GetParameter(field::kAutomaticFaceUp) != "N") {
                SetFaceFlag(c, '1');
                CardAnimations().AnimateTurnUp(Name("Fila", i));
            }
            if (offer(c)) {
                pass = true;
                if (reserves > 0) break;  // the reserves go first again
            }
        }
        if (!pass) break;
        any = true;
    }
    if (Flag(flag::kFinished)) EndGame();
    SetFlag(flag::kEnded, false);
    return any;
}

bool FillEmptyTableaus() {
    const int mode = Rule(rule::kFillMode);
    if (mode == 0 || !Flag(flag::kInProgress)) return false;
    if (Rule(rule::kFirstToDest) != 0 && MainGame.Opt(opt::kFillTableaus) == 0) return false;
    FillPlan plan;
    if (!PlanFor(mode, plan) || !FillAllowed(mode)) return false;

    const bool several = plan.cards > 1;
    if (several) MainGame.SetOpt(opt::kStockChanged, 1);
    bool moved = false;
    bool failed = false;
    for (int i = 0; i < TableauCount() && !failed; ++i) {
        if (!plan.pile(i) || !FilaPiles[static_cast<size_t>(i)].empty()) continue;
        for (int k = 0; k < plan.cards; ++k) {
            const std::string source = plan.source();
            const std::string* from = source.empty() ? nullptr : PileByName(source);
            const CardCode c = from ? TopCode(*from) : 0;
            if (c < 1) break;
            if (!MoveCard(c, -1, -1, Name("Fila", i), Name("Fila", i))) {
                failed = true;  // the engine refuses: leave the rest alone
                break;
            }
            moved = true;
        }
        if (plan.firstPileOnly) break;
    }
    if (several) MainGame.SetOpt(opt::kStockChanged, 0);
    MainGame.SetOpt(opt::kHeld, 0);
    return moved;
}

void RunAutoplayLoop() {
    bool moved = RunAutoplay();
    while (moved && Flag(flag::kInProgress)) {
        FillEmptyTableaus();
        moved = RunAutoplay();
    }
}

void AutoplayAfterRelease() {
    FillEmptyTableaus();
    if (!Status(ProgramGame()).autoplay) return;
    while (Flag(flag::kInProgress) && RunAutoplay()) FillEmptyTableaus();
}

void AutoplayCommand() {
    const int gameId = static_cast<int>(ParameterInt(field::kGameId, -1));
    SetAutoplaySwitch(ProgramGame(), !Status(ProgramGame()).autoplay);
    if (Status(ProgramGame()).autoplay && Flag(flag::kInProgress)) RunAutoplayLoop();
    StoreGameAutoplay(gameId);
}

void ApplyGameAutoplay(int gameId) {
    if (!Status(ProgramGame()).commands || MainGame.Opt(opt::kAutoPlayAllGames) != 2) return;
    if (Status(ProgramGame()).autoplay != GameStore().AutoplayStored(gameId)) AutoplayCommand();
}

void StoreGameAutoplay(int gameId) {
    if (!Status(ProgramGame()).commands || MainGame.Opt(opt::kAutoPlayAllGames) != 2) return;
    GameStore().StoreAutoplay(gameId, Status(ProgramGame()).autoplay);
}

}  // namespace bw
