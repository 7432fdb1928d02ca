#pragma once
// Whether a card (or the stack that starts with it) may be put on a pile,
// interpreted from the per-pile rule entries of GameRules. Never changes the table.
#include <string>

#include "core/cards.h"

namespace bw {

// T: the target's top card (-1 or 0 for an empty pile); M: the moving card.
bool CanPlace(CardCode T, CardCode M, int emptyRule, bool dropFlag, int pileIndex, bool corner,
              bool isFoundation, int buildRule, int direction, int baseRank);
bool CanDropOnTableau(int index, CardCode M);
bool CanDropOnFoundation(int index, CardCode M);
// By pile name: "Fila"N, "Dest"N, "Appogg"N (reserve rules included).
bool CanDropOn(const std::string& name, CardCode M);

}  // namespace bw
