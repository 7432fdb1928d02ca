// The press of the memory grids (goal kinds 36 to 39): a grid card pressed
// is turned up and judged; "Forget me not" takes the shared rules.
#include "core/game.h"
#include "interaction/families/family_press.h"
#include "interaction/memory.h"

namespace bw {

namespace {

class Memory : public FamilyPress {
public:
    std::optional<PressStep> TableauCard(Game& g, const TableauCardPress& press,
                                         Pickup& /*pick*/) const override {
        const int goal = Rule(g, rule::kGoalKind);
        if (IsMemoryPressGoal(goal)) {
            MemoryPress(g, press.hit.card, press.hit.left, press.hit.top, press.index);
            return PressStep::kEnd;
        }
        return {};
    }
};

}  // namespace

const FamilyPress& MemoryPressFamily() {
    static const Memory family;
    return family;
}

}  // namespace bw
