#pragma once
// What the pointer handlers leave behind between a press, the drag and the
// release, and the stock's deal counter. Process-wide, like the option table
// entries (94, 95, 106, 107 ...) they go with.
#include <cstdint>

namespace bw {

struct GrabPoint {
    int x = 0;  // pointer x - card left at pick-up
    int y = 0;  // pointer y - card top
};

struct HeldRect {
    int left = 0, top = 0, right = 0, bottom = 0;
};

inline GrabPoint GrabOffset;
// The held card(s) in table coordinates; the drag moves it.
inline HeldRect DragRect;
// Height of the held image: one card, or the picked card's top to the pile's
// bottom edge for a run. A stack is a single card exactly when this is the
// card height.
inline int RunHeight = 0;
// The partly hidden card shown whole by a right press; (0, 0) = none.
inline GrabPoint PeekCard;
// Tick count of the last pointer move with no card held; -1 while a press is
// being handled.
inline int64_t MouseIdleStamp = -1;
// Stock presses that deal in rounds count them here; 0 at a new game.
inline int DealCounter = 0;

}  // namespace bw
