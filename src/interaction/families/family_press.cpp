// The one place where the game's goal kind picks its press family.
#include "interaction/families/family_press.h"

#include "core/families/family.h"
#include "core/game.h"

namespace bw {

const FamilyPress& FamilyPressOf(const Game& g) {
    const int kind = Rule(g, rule::kGoalKind);
    if (IsMemoryKind(kind)) return MemoryPressFamily();
    if (IsSelectionKind(kind)) return SelectionPressFamily();
    return PatiencePressFamily();
}

}  // namespace bw
