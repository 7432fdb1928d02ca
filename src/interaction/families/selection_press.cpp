// The press of the selection games whose goal kind selects by a press of
// its own: pairs of top (3) or uncovered (4) cards, the stock's cards in
// kind 4, and kind 33's selection from the tableau. The games with a target
// sum (rule::kSelectSum) are the shared chain's.
#include "core/game.h"
#include "core/history.h"
#include "interaction/families/family_press.h"

namespace bw {

namespace {

class Selection : public FamilyPress {
public:
    bool TakesRightClickShortcut(const Game& g) const override {
        return Rule(g, rule::kGoalKind) != goal::kSelectAndRefill;
    }

    std::optional<PressStep> TableauCard(Game& g, const TableauCardPress& press,
                                         Pickup& /*pick*/) const override {
        const int goal = Rule(g, rule::kGoalKind);
        const CardCode card = press.hit.card;
        if (press.button == MouseButton::kLeft &&
            (goal == goal::kTopCardsSum14 || goal == goal::kUncoveredSum13)) {
            if (goal == goal::kTopCardsSum14 ? press.isTop : PressHooks().IsUncovered(g, card))
                PressHooks().PairSelect(g, card);
            return PressStep::kEnd;
        }
        if (goal == goal::kSelectAndRefill) {
            PressHooks().PairSelect(g, card);
            return PressStep::kEnd;
        }
        return {};
    }

    bool StockCard(Game& g, const PileHit& hit, CardCode top) const override {
        if (Rule(g, rule::kGoalKind) == goal::kUncoveredSum13 && top >= 1 &&
            !g.DestPiles[0].empty()) {
            PressHooks().PairSelect(g, hit.card);
            return true;
        }
        return false;
    }

    bool VisibleStockCard(Game& g, const PileHit& hit) const override {
        if (Rule(g, rule::kGoalKind) == goal::kUncoveredSum13) {
            PressHooks().PairSelect(g, hit.card);
            return true;
        }
        return false;
    }

    bool KeepsSelectionInFirstFoundation(const Game& g) const override {
        const int goal = Rule(g, rule::kGoalKind);
        return goal == goal::kTopCardsSum14 || goal == goal::kUncoveredSum13 ||
               goal == goal::kSelectAndRefill;
    }

    // Each run laid on the tableau is marked in the undo history.
    void AfterTableauDrop(Game& g) const override {
        if (Rule(g, rule::kGoalKind) == goal::kSuitRunToTarget) MarkStep(g, 1);
    }
};

}  // namespace

const FamilyPress& SelectionPressFamily() {
    static const Selection family;
    return family;
}

}  // namespace bw
