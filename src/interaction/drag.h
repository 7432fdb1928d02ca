#pragma once
// Dragging and dropping: the held cards follow the pointer as one image; on
// release the piles under the image are ranked by how much of it covers them
// and offered the cards in turn. Lifting takes the held cards off the table
// picture only: the pile data never change while cards are held.
#include <string>
#include <vector>

#include "core/cards.h"
#include "core/pointer_state.h"
#include "interaction/press.h"

namespace bw {

struct Game;

// A pile a held card may be dropped on. `kind` is the pile kind code as the
// ranking records it: 5 foundation, 4 tableau, 6 reserve cell, 2 "Mazzo_Vis";
// `index` is 0-based (1 for "Mazzo_Vis").
struct DropTarget {
    int kind = 0;
    int index = 0;
    bool operator==(const DropTarget&) const = default;
};

// --- Pick-up (the press handler's hooks) ------------------------------------
// Builds the held image for the card in option 94 (the pointer state's RunHeight tall).
void BuildHeldImage(Game& g);
// Takes the card (single) or the run from it (not single) off the table
// picture and redraws what lay under it; the pile lists are left unchanged.
void LiftCards(Game& g, CardCode card, bool single);
// The held image drawn on the window at (left, top).
void DrawHeldImage(Game& g, int left, int top);

// --- Pointer events ----------------------------------------------------------
void PointerMove(Game& g, int x, int y);
void PointerRelease(Game& g, MouseButton button);

// --- Drop -----------------------------------------------------------------------
// Edges included on both rectangles.
bool Intersects(const HeldRect& held, const HeldRect& pile);
// The ranking measure; 0 when the rectangles do not meet.
int OverlapArea(const HeldRect& held, const HeldRect& pile);
// Up to four piles under the held rectangle, the best covered first; equal
// coverage goes to the higher kind code, then the higher index.
std::vector<DropTarget> RankTargets(Game& g, const HeldRect& held);
// The rectangle of a target's top card (of its first free place when empty).
HeldRect TargetRect(Game& g, const DropTarget& target);
std::string TargetName(const DropTarget& target);
// Offers the held card (option 94) to the ranked piles; true when moved.
bool DropHeld(Game& g, CardCode card, const HeldRect& held);
// The same with the candidates given; cards not lifted yet are lifted just
// before they glide to a pile that takes them.
bool DropHeldOn(Game& g, CardCode card, const HeldRect& held,
                const std::vector<DropTarget>& candidates);
// Puts the held cards back where they lie in the pile data.
void ReturnHeld(Game& g, CardCode card);

// Foundation pick-up rule 3: the foundation's top card may be taken back
// only when some tableau pile or reserve cell would take it.
bool CanLeaveFoundation(Game& g, CardCode card);

// Whether the held cards are currently lifted off the table picture.
bool CardsLifted(const Game& g);
// Forgets the lifted state and the shown image (the hold has ended).
void EndHold(Game& g);

}  // namespace bw
