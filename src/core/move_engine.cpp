// Placeholder until the move engine lands (its branch replaces this file).
#include "core/move_engine.h"

namespace bw {
int LocateCard(CardCode) { return 0; }
bool OfferToFoundations(CardCode, int) { return false; }
bool OfferToFoundationsGrouped(CardCode, int) { return false; }
}  // namespace bw
