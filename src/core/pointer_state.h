#pragma once
// What the pointer and keyboard handlers leave behind between a press, the
// drag and the release, and the stock's deal counter. Part of the game
// (core/game.h), like the option table entries (94, 95, 106, 107 ...) they
// go with.
#include <cstdint>

namespace bw {

struct GrabPoint {
    int x = 0;  // pointer x - card left at pick-up
    int y = 0;  // pointer y - card top
    bool operator==(const GrabPoint&) const = default;
};

struct HeldRect {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool operator==(const HeldRect&) const = default;
};

// A rectangle of the window the held image covers.
struct ShownArea {
    int left = 0, top = 0, right = 0, bottom = 0;
    bool Empty() const { return right <= left || bottom <= top; }
    bool operator==(const ShownArea&) const = default;
};

// A place of the grid: a slot of a row of side-by-side cards, or a pile.
struct GridPlace {
    int row = 0;   // 0-based tableau pile
    int slot = 0;  // 0 for a pile
    int left = 0;
    int top = 0;
    bool operator==(const GridPlace&) const = default;
};

// The keyboard's focus frame and the twin it holds.
struct KeyState {
    bool shown = false;
    GridPlace focus;  // by row and slot; left and top as last drawn
    bool holding = false;
    GridPlace origin;
    bool operator==(const KeyState&) const = default;
};

struct PointerState {
    GrabPoint GrabOffset;
    // The held card(s) in table coordinates; the drag moves it.
    HeldRect DragRect;
    // Height of the held image: one card, or the picked card's top to the
    // pile's bottom edge for a run. A stack is a single card exactly when this
    // is the card height.
    int RunHeight = 0;
    // The partly hidden card shown whole by a right press; (0, 0) = none.
    GrabPoint PeekCard;
    // Tick count of the last pointer move with no card held; -1 while a press
    // is being handled.
    int64_t MouseIdleStamp = -1;
    // Stock presses that deal in rounds count them here; 0 at a new game.
    int DealCounter = 0;
    // Where the held image is shown on the window (the card itself until the
    // image is first drawn), and whether the table picture shows the cards
    // lifted.
    ShownArea shown;
    bool lifted = false;
    KeyState key;
    bool operator==(const PointerState&) const = default;
};

}  // namespace bw
