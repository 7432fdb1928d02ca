#pragma once
// Time and randomness behind one seam, so tests can fix both.
#include <cstdint>
#include <memory>

namespace bw::platform {

class Clock {
public:
    virtual ~Clock() = default;
    // Milliseconds since local midnight (time of day).
    virtual int64_t MillisecondsOfDay() = 0;
    // Milliseconds since an arbitrary start, wrapping like a 32-bit tick count.
    virtual uint32_t TickCount() = 0;
    // High-resolution counter and its frequency (counts per second).
    virtual int64_t HighResCounter() = 0;
    virtual int64_t HighResFrequency() = 0;
    // Today's local date as YYYYMMDD.
    virtual int Today();
};

class Random {
public:
    virtual ~Random() = default;
    virtual void Seed(uint64_t seed) = 0;
    // Uniform integer in [0, n); 0 when n <= 0.
    virtual int64_t Below(int64_t n) = 0;
};

// The process-wide services; the real ones unless replaced (tests).
Clock& SystemClock();
Random& Rng();
// Installs a replacement (not owned); nullptr restores the real one.
void SetClock(Clock* clock);
void SetRandom(Random* random);

inline int64_t MillisecondsOfDay() {
    return SystemClock().MillisecondsOfDay();
}
inline uint32_t TickCount() {
    return SystemClock().TickCount();
}
// Seeds the generator from the clock (once, at start-up).
void SeedRandomFromClock();
inline int64_t RandomBelow(int64_t n) {
    return Rng().Below(n);
}
inline int Today() {
    return SystemClock().Today();
}

// A clock whose time only moves when told: waits on it return at once.
class ManualClock : public Clock {
public:
    int64_t ms = 0;        // milliseconds since start
    int64_t dayStart = 0;  // time of day at start, in ms
    int64_t MillisecondsOfDay() override { return (dayStart + ms) % 86400000; }
    uint32_t TickCount() override { return static_cast<uint32_t>(ms); }
    int64_t HighResCounter() override { return ms * 1000; }
    int64_t HighResFrequency() override { return 1000000; }
    int date = 20030601;  // YYYYMMDD
    int Today() override { return date; }
    void Advance(int64_t by) { ms += by; }
};

}  // namespace bw::platform
