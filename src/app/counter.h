#pragma once
// C_TCounter, the stopwatch on the high-resolution counter, and the short
// waits built on it (animations, the pause before a wrong pair turns back).
#include <cstdint>

namespace bw {

class C_TCounter {
public:
    // Remembers the current count.
    void Start();
    // (now - start) * 1 000 000 / frequency, rounded to the nearest integer.
    int64_t ElapsedMicroseconds() const;

private:
    int64_t start_ = 0;
};

// Busy wait: nothing else runs, no repaint.
void WaitMilliseconds(int ms);
// The same while the window keeps handling events, so it repaints.
void WaitMillisecondsResponsive(int ms);
// Sleeps until `ms` have passed while the window repaints; the player's
// first key or mouse press ends it early. Presses are held from then on
// and carried out, in order, as soon as the program is back in its event
// loop (after the caller's work that followed the wait).
void WaitMillisecondsForPlayer(int ms);
// Waits on the millisecond tick count while handling events (the players
// dialog's short pause).
void WaitTicksResponsive(int ms);

}  // namespace bw
