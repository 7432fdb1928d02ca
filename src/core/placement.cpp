// Placeholder until the placement rules land (their branch replaces this file).
#include "core/placement.h"

namespace bw {
bool CanPlace(CardCode, CardCode, int, bool, int, bool, bool, int, int, int) { return false; }
bool CanDropOnTableau(int, CardCode) { return false; }
bool CanDropOnFoundation(int, CardCode) { return false; }
bool CanDropOn(const std::string&, CardCode) { return false; }
}  // namespace bw
