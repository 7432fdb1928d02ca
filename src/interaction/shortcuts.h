#pragma once
// Sending a card to a pile the program picks: a double-click, a right-click,
// and the plain click of one-click games. Foundations are tried first, then
// the tableau, the reserve cells and "Mazzo_Vis", each by the drop of a drag
// with that one pile as the only candidate.
#include "core/cards.h"
#include "interaction/press.h"

namespace bw {

// The table's double-click: acts on the card of the last press.
void DoubleClickMove(Game& g);
// A right press without Ctrl on the hit pile and card.
void RightClickMove(Game& g, const PileHit& hit);
// Eligibility and destinations of the gesture; neither flag set is the
// one-click games' plain click.
void ShortcutMove(Game& g, bool doubleClick, bool rightClick, const PileHit& hit);
// Tries the destinations in order; true when the card (or the run from it,
// with single clear) was moved.
bool SendCard(Game& g, CardCode card, int left, int top, int right, int bottom, bool single,
              bool toFoundations, bool toTableaus, bool reservesAllowed);

}  // namespace bw
