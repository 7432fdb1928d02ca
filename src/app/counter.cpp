#include "app/counter.h"

#include <QCoreApplication>
#include <algorithm>
#include <chrono>
#include <thread>

#include "platform/clock.h"

namespace bw {

namespace {

// A test clock only moves when told: a wait on it passes the time itself
// and returns at once.
platform::ManualClock* ManualClockInUse() {
    return dynamic_cast<platform::ManualClock*>(&platform::SystemClock());
}

void HandleEvents() {
    if (QCoreApplication::instance()) QCoreApplication::processEvents(QEventLoop::AllEvents);
}

// Waits for `ms` on the stopwatch; `responsive` handles events meanwhile.
void WaitOnCounter(int ms, bool responsive) {
    if (ms <= 0) return;
    C_TCounter counter;
    counter.Start();
    const int64_t target = static_cast<int64_t>(ms) * 1000;
    for (;;) {
        if (responsive) HandleEvents();
        const int64_t elapsed = counter.ElapsedMicroseconds();
        if (elapsed >= target) return;
        const int64_t remaining = target - elapsed;
        if (auto* manual = ManualClockInUse()) {
            manual->Advance((remaining + 999) / 1000);
            continue;
        }
        // Short naps instead of a pure spin: the precision stays well
        // below a millisecond and the other processes keep their core.
        std::this_thread::sleep_for(std::chrono::microseconds(std::min<int64_t>(remaining, 500)));
    }
}

}  // namespace

void C_TCounter::Start() {
    start_ = platform::SystemClock().HighResCounter();
}

int64_t C_TCounter::ElapsedMicroseconds() const {
    auto& clock = platform::SystemClock();
    const int64_t frequency = clock.HighResFrequency();
    if (frequency <= 0) return 0;
    const int64_t counts = clock.HighResCounter() - start_;
    // Split into whole seconds and the rest so that large counts cannot
    // overflow the multiplication; round the rest to nearest.
    const int64_t seconds = counts / frequency;
    const int64_t rest = counts % frequency;
    int64_t micro = (rest * 1000000 * 2 + (rest >= 0 ? frequency : -frequency)) / (2 * frequency);
    return seconds * 1000000 + micro;
}

void WaitMilliseconds(int ms) {
    WaitOnCounter(ms, false);
}

void WaitMillisecondsResponsive(int ms) {
    WaitOnCounter(ms, true);
}

void WaitTicksResponsive(int ms) {
    if (ms <= 0) return;
    const uint32_t start = platform::TickCount();
    for (;;) {
        HandleEvents();
        // Unsigned difference: correct across the 32-bit wrap of the count.
        const uint32_t elapsed = platform::TickCount() - start;
        if (elapsed >= static_cast<uint32_t>(ms)) return;
        if (auto* manual = ManualClockInUse()) {
            manual->Advance(static_cast<int64_t>(ms) - elapsed);
            continue;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
}

}  // namespace bw
