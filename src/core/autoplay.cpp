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

bool CanDrop(Game& g, const std::string& pile, CardCode card) {
    return AutoplayMoves().CanDrop(g, pile, card);
}

bool AnimateMoves() {
    return GetParameter(field::kCardsAnimate) != "N";
}

// Where a card lies, to tell a move that changed nothing from one that did.
CardPlace PlaceOf(Game& g, CardCode card) {
    return FindCardPlace(g, card,
                         {{kMazzo, 0, 3}, {kFila, 0, 40}, {kDest, 0, 16}, {kAppogg, 0, 10}});
}

// Carries out one card's move; true only when the move engine reports a
// move and the card's pile really changed, so a loop always ends.
bool MoveCard(Game& g, CardCode card, int left, int top, const std::string& pile,
              const MoveTarget& target) {
    if (AnimateMoves()) CardAnimations().FlyCard(card, left, top, pile);
    // The flight takes the card out of the hand (option 94) when it lands:
    // hold it again for the move.
    g.Options.SetOpt(opt::kHeld, card);
    const CardPlace from = PlaceOf(g, card);
    const std::string before = from.Found() ? *from.pile : std::string();
    const bool moved = AutoplayMoves().Move(g, 1, target);
    return moved && (!from.Found() || *from.pile != before);
}

// Every foundation must start with one rank (empty rules 92 and 93) and
// none has started yet.
bool FoundationStartBlocked(Game& g) {
    const int n = RuleCount(g, rule::kDests, 16);
    if (n == 0) return false;
    for (int i = 0; i < n; ++i) {
        const int rule = Rule(g, rule::kBaseRank1 + i);
        if ((rule != 92 && rule != 93) || !g.DestPiles[static_cast<size_t>(i)].empty())
            return false;
    }
    return true;
}

bool NextToOnVisibleStock(Game& g, CardCode card) {
    const CardCode top = TopCode(g.MazzoPiles[1]);
    if (top < 1 || IsJoker(top) || IsJoker(card) || SuitOf(top) != SuitOf(card)) return false;
    return NextRank(RankOf(top)) == RankOf(card) || PrevRank(RankOf(top)) == RankOf(card);
}

std::string TopNonEmpty(Game& g, std::initializer_list<const char*> names) {
    for (const char* n : names) {
        const std::string* p = PileByName(g, n);
        if (p && !p->empty()) return n;
    }
    return std::string();
}

bool StockEmpty(Game& g) {
    return g.MazzoPiles[0].empty() && g.MazzoPiles[1].empty();
}

bool AnyReserveHoldsCard(Game& g) {
    return std::any_of(g.AppoggPiles.begin(), g.AppoggPiles.end(),
                       [](const std::string& p) { return !p.empty(); });
}

std::string FirstNonEmptyReserve(Game& g) {
    for (int i = 0; i < RuleCount(g, rule::kReserves, 10); ++i)
        if (!g.AppoggPiles[static_cast<size_t>(i)].empty()) return Name("Appogg", i);
    return std::string();
}

// How one fill mode fills: which piles, how many cards each, from where.
struct FillPlan {
    std::function<bool(int)> pile;        // 0-based pile index may be filled
    int cards = 1;                        // up to this many cards per pile
    bool firstPileOnly = false;           // one empty pile per pass
    std::function<std::string()> source;  // the pile of the next card, "" none
};

bool PlanFor(Game& g, int mode, FillPlan& plan) {
    auto every = [](int) { return true; };
    auto gridTail = [&](int i) {
        return i >= Rule(g, rule::kFixedCols) * Rule(g, rule::kFixedRows);
    };
    auto visOrStock = [&] { return TopNonEmpty(g, {"Mazzo_Vis", "Mazzo"}); };
    auto stockOrVis = [&] { return TopNonEmpty(g, {"Mazzo", "Mazzo_Vis"}); };
    auto only = [&g](const char* name) { return [&g, name] { return TopNonEmpty(g, {name}); }; };
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
        case 14: plan = {every, 1, false, [&g] { return FirstNonEmptyReserve(g); }}; return true;
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
bool FillAllowed(Game& g, int mode) {
    switch (mode) {
        case 1: return !g.AppoggPiles[0].empty();
        case 2:
        case 3:
        case 8:
        case 9:
        case 11:
        case 12:
        case 13:
        case 16:
        case 17: return !StockEmpty(g);
        case 10: return !AnyReserveHoldsCard(g);
        // Mode 4 fills gaps only during the first pass through the stock;
        // after a redeal they are left to the player.
        case 4: return g.Options.Opt(opt::kStockPasses) == 1;
        default: return true;
    }
}

}  // namespace

bool IAutoplayMoves::CanDrop(Game& g, const std::string& pile, CardCode card) {
    return CanDropOn(g, pile, card);
}
bool IAutoplayMoves::Move(Game& g, int count, const MoveTarget& target) {
    return ExecuteMove(g, count, target);
}
void IAutoplayMoves::FillAfterRemoval(Game& g) {
    FillEmptyTableaus(g);
}

bool AutoMoveCard(Game& g, CardCode card, int left, int top, int kinds) {
    if (!IsFaceUp(g, card)) return false;
    g.Options.SetOpt(opt::kHeld, card);
    const bool forPlayer = (kinds & target::kForPlayer) != 0;
    const int own = TableauHolding(g, card);
    bool moved = false;
    bool tried = false;  // the first pile that accepts gets the card
    auto offer = [&](const std::string& pile, const MoveTarget& move) {
        if (tried || !CanDrop(g, pile, card)) return;
        tried = true;
        moved = MoveCard(g, card, left, top, pile, move);
    };

    // Only the player may start foundations that must all start alike.
    if ((kinds & target::kFoundations) && (forPlayer || !FoundationStartBlocked(g)))
        for (int i = 0; i < RuleCount(g, rule::kDests, 16) && !tried; ++i)
            if (OnTable(g.Options.DestLeft(i)))
                offer(Name("Dest", i),
                      forPlayer ? ToPile(kDest, i + 1) : ToFoundationByAutoplay(i + 1));
    for (bool empty : {false, true}) {
        if (!(kinds & (empty ? target::kEmptyTableaus : target::kTableaus))) continue;
        for (int i = 0; i < TableauCount(g) && !tried; ++i) {
            const std::string& p = g.FilaPiles[static_cast<size_t>(i)];
            if (i == own || p.empty() != empty || !OnTable(g.FilaLeft[static_cast<size_t>(i)]))
                continue;
            offer(Name("Fila", i), ToPile(kFila, i + 1));
        }
    }
    if (kinds & target::kReserves)
        for (int i = 0; i < RuleCount(g, rule::kReserves, 10) && !tried; ++i)
            if (OnTable(g.Options.AppoggLeft(i))) offer(Name("Appogg", i), ToPile(kAppogg, i + 1));
    // Onto "Mazzo_Vis" the held card goes as a card move; the stock operation
    // of that name would turn cards from the stock instead.
    if ((kinds & target::kStockVis) && !tried && Rule(g, rule::kVisTarget) == 2 &&
        Rule(g, rule::kVisMode) != 4 && OnTable(g.Options.StockLeft(1)) &&
        NextToOnVisibleStock(g, card)) {
        tried = true;
        moved = MoveCard(g, card, left, top, "Mazzo_Vis", ToPile(kMazzoVis));
    }

    if (moved && forPlayer) g.Options.SetOpt(opt::kCountsPlayed, 1);
    g.Options.SetOpt(opt::kHeld, 0);
    g.Options.SetOpt(opt::kHeldTop, 0);
    return moved;
}

bool RunAutoplay(Game& g) {
    if (!Status(g).autoplay || !Flag(g, flag::kInProgress) || TableauCount(g) == 0) return false;
    SetFlag(g, flag::kEnded, false);
    const int reserves = RuleCount(g, rule::kReserves, 10);
    auto halted = [&] { return Flag(g, flag::kEnded) || Flag(g, flag::kFinished); };
    auto offer = [&](CardCode c) {
        return c >= 1 && AutoMoveCard(g, c, -1, -1, target::kFoundations);
    };
    bool any = false;
    while (!halted()) {
        bool pass = false;
        for (bool again = true; again && !halted();) {
            again = false;
            for (int i = 0; i < reserves && !halted(); ++i)
                again = offer(TopCode(g.AppoggPiles[static_cast<size_t>(i)])) || again;
            pass = pass || again;
        }
        if (!halted() && Rule(g, rule::kVisHeld) == 0 && offer(TopCode(g.MazzoPiles[1])))
            pass = true;
        for (int i = 0; i < TableauCount(g) && !halted(); ++i) {
            const CardCode c = TopCode(g.FilaPiles[static_cast<size_t>(i)]);
            if (c < 1) continue;
            if (!IsFaceUp(g, c) && Rule(g, rule::kAutoTurnUp) == 1 &&
                GetParameter(field::kAutomaticFaceUp) != "N") {
                SetCardFace(g, c, Face::kUp);
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
    if (Flag(g, flag::kFinished)) EndGame(g);
    SetFlag(g, flag::kEnded, false);
    return any;
}

bool FillEmptyTableaus(Game& g) {
    const int mode = Rule(g, rule::kFillMode);
    if (mode == 0 || !Flag(g, flag::kInProgress)) return false;
    if (Rule(g, rule::kFirstToDest) != 0 && g.Options.Opt(opt::kFillTableaus) == 0) return false;
    FillPlan plan;
    if (!PlanFor(g, mode, plan) || !FillAllowed(g, mode)) return false;

    const bool several = plan.cards > 1;
    if (several) g.Options.SetOpt(opt::kStockChanged, 1);
    bool moved = false;
    bool failed = false;
    for (int i = 0; i < TableauCount(g) && !failed; ++i) {
        if (!plan.pile(i) || !g.FilaPiles[static_cast<size_t>(i)].empty()) continue;
        for (int k = 0; k < plan.cards; ++k) {
            const std::string source = plan.source();
            const std::string* from = source.empty() ? nullptr : PileByName(g, source);
            const CardCode c = from ? TopCode(*from) : 0;
            if (c < 1) break;
            if (!MoveCard(g, c, -1, -1, Name("Fila", i), ToPile(kFila, i + 1))) {
                failed = true;  // the engine refuses: leave the rest alone
                break;
            }
            moved = true;
        }
        if (plan.firstPileOnly) break;
    }
    if (several) g.Options.SetOpt(opt::kStockChanged, 0);
    g.Options.SetOpt(opt::kHeld, 0);
    return moved;
}

void RunAutoplayLoop(Game& g) {
    bool moved = RunAutoplay(g);
    while (moved && Flag(g, flag::kInProgress)) {
        FillEmptyTableaus(g);
        moved = RunAutoplay(g);
    }
}

void AutoplayAfterRelease(Game& g) {
    FillEmptyTableaus(g);
    if (!Status(g).autoplay) return;
    while (Flag(g, flag::kInProgress) && RunAutoplay(g)) FillEmptyTableaus(g);
}

void AutoplayCommand(Game& g) {
    const int gameId = GameId(g, -1);
    SetAutoplaySwitch(g, !Status(g).autoplay);
    if (Status(g).autoplay && Flag(g, flag::kInProgress)) RunAutoplayLoop(g);
    StoreGameAutoplay(g, gameId);
}

void ApplyGameAutoplay(Game& g, int gameId) {
    if (!Status(g).commands || g.Options.Opt(opt::kAutoPlayAllGames) != 2) return;
    if (Status(g).autoplay != GameStore().AutoplayStored(gameId)) AutoplayCommand(g);
}

void StoreGameAutoplay(Game& g, int gameId) {
    if (!Status(g).commands || g.Options.Opt(opt::kAutoPlayAllGames) != 2) return;
    GameStore().StoreAutoplay(gameId, Status(g).autoplay);
}

}  // namespace bw
