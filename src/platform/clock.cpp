#include "platform/clock.h"

#include <chrono>
#include <ctime>
#include <random>

namespace bw::platform {

int Clock::Today() {
    const std::time_t t = std::time(nullptr);
    std::tm local{};
    localtime_r(&t, &local);
    return (local.tm_year + 1900) * 10000 + (local.tm_mon + 1) * 100 + local.tm_mday;
}

namespace {

class RealClock : public Clock {
public:
    int64_t MillisecondsOfDay() override {
        using namespace std::chrono;
        auto now = system_clock::now();
        std::time_t t = system_clock::to_time_t(now);
        std::tm local{};
        localtime_r(&t, &local);
        auto ms = duration_cast<milliseconds>(now.time_since_epoch()).count() % 1000;
        return (local.tm_hour * 3600 + local.tm_min * 60 + local.tm_sec) * 1000LL + ms;
    }
    uint32_t TickCount() override {
        using namespace std::chrono;
        return static_cast<uint32_t>(
            duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
    }
    int64_t HighResCounter() override {
        using namespace std::chrono;
        return duration_cast<nanoseconds>(steady_clock::now().time_since_epoch()).count();
    }
    int64_t HighResFrequency() override { return 1000000000; }
};

class RealRandom : public Random {
public:
    void Seed(uint64_t seed) override { engine_.seed(seed); }
    int64_t Below(int64_t n) override {
        if (n <= 0) return 0;
        return std::uniform_int_distribution<int64_t>(0, n - 1)(engine_);
    }

private:
    std::mt19937_64 engine_{5489u};
};

RealClock g_realClock;
RealRandom g_realRandom;
Clock* g_clock = &g_realClock;
Random* g_random = &g_realRandom;

}  // namespace

Clock& SystemClock() {
    return *g_clock;
}
Random& Rng() {
    return *g_random;
}
void SetClock(Clock* clock) {
    g_clock = clock ? clock : &g_realClock;
}
void SetRandom(Random* random) {
    g_random = random ? random : &g_realRandom;
}

void SeedRandomFromClock() {
    Rng().Seed(static_cast<uint64_t>(SystemClock().HighResCounter()) ^
               static_cast<uint64_t>(SystemClock().MillisecondsOfDay()));
}

}  // namespace bw::platform
