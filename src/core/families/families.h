#pragma once
// The family objects, for the registry and the families' own files.
#include "core/families/family.h"

namespace bw {

const GoalFamily& MemoryFamily();
// Every game outside the memory grids, the selection games included: their
// win test and score follow the goal kind as patience's do.
const GoalFamily& PatienceFamily();

// The default win test: stock, tableau and the reserve cells in play empty;
// with `holesCountEmpty` a tableau pile of holes counts as empty.
bool DefaultWin(Game& g, bool holesCountEmpty);

}  // namespace bw
