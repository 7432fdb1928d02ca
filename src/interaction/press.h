#pragma once
// A press on the card table: the hit test (pointer position to pile, card and
// card rectangle), the pick-up tests, and the press handler that turns a
// press into a pick-up, a stock operation, a turned card, a memory step or a
// beep.
#include <string>

#include "core/cards.h"

namespace bw {

struct Game;

struct PileHit {
    std::string
        name;  // "Mazzo", "Mazzo_Vis", "Mazzo_Waste", "Fila"N, "Dest"N, "Appogg"N; empty = nothing
    CardCode card = 0;
    int left = 0, top = 0, right = 0, bottom = 0;
};

struct CardUnderPoint {
    CardCode card = 0;  // 0: no card under the point
    int left = 0;
    int top = 0;
};

PileHit HitTest(Game& g, int x, int y);
// The card of a tableau pile ("Fila") or reserve cell ("Appogg") under the
// point; `index` is the 0-based pile index.
CardUnderPoint CardAt(Game& g, const std::string& kind, const std::string& pile, int index, int x,
                      int y);
// Whether the card with every card above it may be lifted; sets option 95
// to the top card of that run.
bool CanPickUp(Game& g, CardCode card, bool relaxed);
// Whether the cards from `card` to the top of tableau pile `index` build on
// each other under the game's build rule.
bool IsRun(Game& g, CardCode card, int index);
bool ReserveBlockFree(Game& g, CardCode card);

enum class MouseButton { kLeft, kRight, kMiddle };
constexpr int kShiftKey = 1;
constexpr int kCtrlKey = 2;
constexpr int kAltKey = 4;

void PointerPress(Game& g, MouseButton button, int shift, int x, int y);
// How far up and left a held card is drawn above the place it covers on the
// table (the lifted look of shadowed cards); 0 without shadows.
int HeldLift();

// Steps a press hands over to the drag, the double-click shortcuts and the
// selection games, installed with Install<IPressHooks>. Every method does
// nothing by default.
class IPressHooks {
public:
    virtual ~IPressHooks() = default;
    // The right-click shortcut for the hit pile and card.
    virtual void RightClickShortcut(Game& /*g*/, const PileHit& /*hit*/) {}
    // One-click games: the click shortcut with both destinations.
    virtual void ClickShortcut(Game& /*g*/, const PileHit& /*hit*/) {}
    // Selection games (rule::kSelectSum != 0).
    virtual void SelectionPress(Game& /*g*/, MouseButton /*button*/, int /*shift*/, int /*x*/,
                                int /*y*/, const PileHit& /*hit*/) {}
    // Pair-selection games (goal kinds 3, 4 and 33).
    virtual void PairSelect(Game& /*g*/, CardCode /*card*/) {}
    // Goal kind 4: no card of the next row lies on the card.
    virtual bool IsUncovered(Game& /*g*/, CardCode /*card*/) { return false; }
    // Foundation pick-up rule 3: the card may leave its foundation.
    virtual bool CanLeaveFoundation(Game& /*g*/, CardCode /*card*/) { return false; }
    // The image that follows the pointer, for the card in option 94.
    virtual void BuildHeldImage(Game& /*g*/) {}
    // Takes the card (with `single` clear, the run from it) off the table
    // picture; the pile data stay as they are.
    virtual void LiftCards(Game& /*g*/, CardCode /*card*/, bool /*single*/) {}
    // Draws the held image at a window position.
    virtual void DrawHeldImage(Game& /*g*/, int /*left*/, int /*top*/) {}
};

IPressHooks& PressHooks();

}  // namespace bw
