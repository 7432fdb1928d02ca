// The press of the patience kinds with a rule of their own: tableau cards
// played onto "Waste" (kinds 2, 12 and 15), piles that take no drop (32 and
// 46), cards left in place (40, 53, 54 and 61), "Mazzo_Vis" playing the next
// rank up (61) and the row drop of kind 19.
#include "core/game.h"
#include "core/move_engine.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/families/family_press.h"

namespace bw {

namespace {

// Goal kinds 2 and 15 play tableau cards onto the "Waste", one rank up or down.
bool WasteAccepts(Game& g, CardCode card, int goal) {
    const CardCode top = TopCode(g.MazzoPiles[2]);
    const int a = RankOf(card), b = RankOf(top);
    if (goal != goal::kOntoWasteTurning && top >= 1 && ((a == 13 && b == 1) || (a == 1 && b == 13)))
        return false;
    return CanPlace(g, top >= 1 ? top : -1, card,
                    {.dropFlag = false,
                     .corner = goal == goal::kOntoWasteTurning,
                     .buildRule = 2,
                     .direction = 2,
                     .baseRank = Rule(g, rule::kBaseRank1)});
}

bool NoTableauDrops(int goal) {
    return goal == goal::kNoTableauDrops || goal == goal::kNoTableauDropsScoreless;
}

// Goal kind 19 lays cards in rows: a card goes next to the last card of a
// row of the same rank or suit, or into an empty row.
bool RowAccepts(Game& g, int index, CardCode card) {
    const std::string& row = g.FilaPiles[static_cast<size_t>(index)];
    const CardCode last = TopCode(row);
    if (!MovingStackIsSingle(g)) return false;
    if (last < 1) return true;
    return RankOf(last) == RankOf(card) || (SuitOf(last) >= 0 && SuitOf(last) == SuitOf(card));
}

class Patience : public FamilyPress {
public:
    bool TakesRightClickShortcut(const Game& g) const override {
        return !NoTableauDrops(Rule(g, rule::kGoalKind));
    }

    std::optional<PressStep> TableauCard(Game& g, const TableauCardPress& press,
                                         Pickup& pick) const override {
        const bool left = press.button == MouseButton::kLeft,
                   right = press.button == MouseButton::kRight;
        const int goal = Rule(g, rule::kGoalKind);
        if (left && (goal == goal::kOntoWaste || goal == goal::kOntoWasteTurning)) {
            if (press.isTop && WasteAccepts(g, press.hit.card, goal)) {
                pick.accepted = true;
                return PressStep::kStep11;
            }
            if (Opt(g, opt::kAutoplay) == 0) Dialogs().Beep();
            return PressStep::kEnd;
        }
        if (goal == goal::kEddy) return PressStep::kStep11;
        if (right && NoTableauDrops(goal)) return PressStep::kStep11;
        if (goal == goal::kFaceDownPlayable || goal == goal::kPickUpAny ||
            goal == goal::kPickUpAnyToo)
            return PressStep::kStep11;
        return {};
    }

    bool LeavesTableauCard(const Game& g) const override {
        return Rule(g, rule::kGoalKind) == goal::kNextRankUp;
    }

    void AfterStockPress(Game& g) const override {
        const int goal = Rule(g, rule::kGoalKind);
        if ((goal == goal::kOntoWaste || goal == goal::kOntoWasteTurning) &&
            Flag(g, flag::kFinished))
            GameHooks().EndGame(g);
    }

    bool VisibleStockCard(Game& g, const PileHit& hit) const override {
        const CardCode base = TopCode(g.DestPiles[0]);
        if (Rule(g, rule::kGoalKind) == goal::kNextRankUp && base >= 1 &&
            RankOf(hit.card) == NextRank(RankOf(base))) {
            CardAnimations().FlyCard(hit.card, hit.left, hit.top, g.Options.DestLeft(0),
                                     g.Options.DestTop(0));
            g.Options.SetOpt(opt::kHeld, hit.card);
            ExecuteMove(g, 1, ToPile(kDest, 1));
            g.Options.SetOpt(opt::kHeld, 0);
            if (Flag(g, flag::kFinished)) GameHooks().EndGame(g);
            return true;
        }
        return false;
    }

    // The card taken up flies straight onto "Waste".
    void AfterPickUp(Game& g, const Pickup& pick) const override {
        const int goal = Rule(g, rule::kGoalKind);
        if (goal == goal::kOntoWaste || goal == goal::kEddy || goal == goal::kOntoWasteTurning) {
            CardAnimations().FlyCard(pick.card, g.pointer.DragRect.left, g.pointer.DragRect.top,
                                     g.Options.StockLeft(2), g.Options.StockTop(2));
            // The flight empties the hand (option 94); the move needs the card.
            g.Options.SetOpt(opt::kHeld, pick.card);
            ExecuteMove(g, 1, ToPile(kWaste));
            g.Options.SetOpt(opt::kHeld, 0);
            g.Options.SetOpt(opt::kHeldTop, 0);
            if (Flag(g, flag::kFinished)) GameHooks().EndGame(g);
        }
    }

    bool TakesTableauDrops(const Game& g) const override {
        return !NoTableauDrops(Rule(g, rule::kGoalKind));
    }

    std::optional<bool> TableauDropRule(Game& g, int index, CardCode card) const override {
        if (Rule(g, rule::kGoalKind) == goal::kRowDrop) return RowAccepts(g, index, card);
        return {};
    }
};

}  // namespace

const FamilyPress& PatiencePressFamily() {
    static const Patience family;
    return family;
}

}  // namespace bw
