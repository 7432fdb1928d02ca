// bw_soak: the monkey soak of the main window.
//
//   bw_soak [--events N] [--seed S] [--episode-length L] [--keep-going] [--trace FILE]
//   bw_soak --replay SETUP (--play EVENTS | --generate N) [--trace FILE]
//
// plays N events (default 20000) in episodes of L events (default 400), one
// game each, every shipped and every test game in turn, and checks the
// invariants after every event. --trace writes each episode's setup ("# "
// first) and after every event a line with TableHash(): the golden trace
// that an engine change must reproduce. The seed is printed first; a failure prints
// its episode and the shortest event list found that still fails, as a
// command that replays it. Exit code 1 after a failure.
#include <unistd.h>

#include <QApplication>
#include <atomic>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <random>
#include <string>
#include <thread>

#include "core/game.h"
#include "core/game_text.h"
#include "soak.h"
#include "support/program_game.h"

namespace {

using namespace bw::soak;
using Clock = std::chrono::steady_clock;

// What a crash or a hang should still be able to say: the episode and how
// far it got, as the command that replays it.
char g_context[4096];
std::atomic<int> g_eventIndex{0};
std::atomic<long long> g_progress{0};
std::FILE* g_trace = nullptr;
// --round-trip: after every event the game is written as text, read back
// into a new Game that must equal it, and play goes on from that copy.
bool g_roundTrip = false;

void AfterEvent(uint64_t hash) {
    if (g_trace) std::fprintf(g_trace, "%016llx\n", static_cast<unsigned long long>(hash));
    if (!g_roundTrip) return;
    bw::Game loaded;
    std::string error;
    const bool read = bw::LoadGameText(bw::SaveGameText(bw::ProgramGame()), loaded, error);
    loaded.values = bw::ProgramGame().values;  // kept beside the text, not in it
    if (!read || !(loaded == bw::ProgramGame())) {
        std::fprintf(stderr, "soak: the game did not survive its text: %s\n",
                     error.empty() ? "it reads back different" : error.c_str());
        std::exit(1);
    }
    bw::ProgramGame() = std::move(loaded);
}

void TraceEpisode(const EpisodeSetup& setup) {
    if (g_trace) std::fprintf(g_trace, "# %s\n", FormatSetup(setup).c_str());
}

void SetContext(const EpisodeSetup& setup) {
    std::snprintf(g_context, sizeof g_context, "bw_soak --replay '%s' --generate ",
                  FormatSetup(setup).c_str());
}

void WriteContext() {
    const char* head = "\nsoak: stopped in the episode replayed by\n  ";
    [[maybe_unused]] ssize_t n = ::write(2, head, std::strlen(head));
    n = ::write(2, g_context, std::strlen(g_context));
    char count[32];
    std::snprintf(count, sizeof count, "%d\n", g_eventIndex.load() + 1);
    n = ::write(2, count, std::strlen(count));
}

extern "C" void OnFatalSignal(int sig) {
    WriteContext();
    std::signal(sig, SIG_DFL);
    std::raise(sig);
}

extern "C" void __sanitizer_set_death_callback(void (*)(void)) __attribute__((weak));

// A hang (an unanswered dialog, an endless loop) ends the run with its episode.
void StartWatchdog() {
    std::thread([] {
        long long last = -1;
        int still = 0;
        for (;;) {
            std::this_thread::sleep_for(std::chrono::seconds(10));
            const long long now = g_progress.load();
            still = now == last ? still + 1 : 0;
            last = now;
            if (still >= 12) {
                const char* msg = "\nsoak: no event finished for two minutes (a hang)";
                [[maybe_unused]] ssize_t n = ::write(2, msg, std::strlen(msg));
                WriteContext();
                ::_exit(3);
            }
        }
    }).detach();
}

// Delta debugging over the event list: drop ever smaller runs of events as
// long as the same invariant still breaks.
std::vector<Event> Shrink(const EpisodeSetup& setup, std::vector<Event> events,
                          const std::string& kind) {
    const auto started = Clock::now();
    int replays = 0;
    auto fails = [&](const std::vector<Event>& candidate) {
        ++replays;
        ++g_progress;
        const RunResult r = RunEpisode(setup, &candidate, 0, nullptr);
        return !r.failure.empty() && FailureKind(r.failure) == kind;
    };
    size_t parts = 2;
    while (events.size() >= 2 && replays < 600 &&
           Clock::now() - started < std::chrono::minutes(5)) {
        const size_t chunk = (events.size() + parts - 1) / parts;
        bool reduced = false;
        for (size_t start = 0; start < events.size(); start += chunk) {
            std::vector<Event> rest(events.begin(), events.begin() + static_cast<long>(start));
            rest.insert(rest.end(),
                        events.begin() + static_cast<long>(std::min(start + chunk, events.size())),
                        events.end());
            if (fails(rest)) {
                events = std::move(rest);
                parts = std::max<size_t>(parts - 1, 2);
                reduced = true;
                break;
            }
        }
        if (!reduced) {
            if (parts >= events.size()) break;
            parts = std::min(parts * 2, events.size());
        }
    }
    std::printf("soak: shrunk in %d replays\n", replays);
    return events;
}

void Report(const EpisodeSetup& setup, const std::vector<Event>& played, const RunResult& r) {
    std::printf("\nsoak: FAILED after event %d of episode %s\n  %s\n", r.failedAt + 1,
                FormatSetup(setup).c_str(), r.failure.c_str());
    std::fflush(stdout);
    std::vector<Event> events(played.begin(), played.begin() + r.failedAt + 1);
    auto* const trace = OnTrace;
    OnTrace = nullptr;  // the replays of the shrinking are not part of the trace
    events = Shrink(setup, events, FailureKind(r.failure));
    const RunResult again = RunEpisode(setup, &events, 0, nullptr);
    OnTrace = trace;
    std::printf("soak: the shortest failing list found, %zu events:\n", events.size());
    for (const Event& e : events) std::printf("  %s\n", Describe(e).c_str());
    std::printf("  -> %s\nreplay with:\n  bw_soak --replay '%s' --play '%s'\n",
                again.failure.empty() ? "(passes alone: the failure needs the full list)"
                                      : again.failure.c_str(),
                FormatSetup(setup).c_str(), FormatEvents(events).c_str());
}

}  // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);

    long long total = 20000;
    int length = 400;
    bool keepGoing = false;
    uint64_t seed = static_cast<uint64_t>(Clock::now().time_since_epoch().count()) ^
                    static_cast<uint64_t>(::getpid());
    std::string replay, play, trace;
    int generate = -1;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        const bool more = i + 1 < argc;
        if (a == "--events" && more)
            total = std::stoll(argv[++i]);
        else if (a == "--seed" && more)
            seed = std::stoull(argv[++i]);
        else if (a == "--episode-length" && more)
            length = std::max(1, std::stoi(argv[++i]));
        else if (a == "--keep-going")
            keepGoing = true;
        else if (a == "--replay" && more)
            replay = argv[++i];
        else if (a == "--play" && more)
            play = argv[++i];
        else if (a == "--generate" && more)
            generate = std::stoi(argv[++i]);
        else if (a == "--trace" && more)
            trace = argv[++i];
        else if (a == "--round-trip")
            g_roundTrip = true;
        else {
            std::fprintf(
                stderr,
                "usage: bw_soak [--events N] [--seed S] [--episode-length L] [--keep-going] "
                "[--trace FILE] [--round-trip]\n"
                "       bw_soak --replay SETUP (--play EVENTS | --generate N) [--trace FILE]\n");
            return 2;
        }
    }
    if (!trace.empty()) {
        g_trace = std::fopen(trace.c_str(), "w");
        if (!g_trace) {
            std::fprintf(stderr, "soak: cannot write %s\n", trace.c_str());
            return 2;
        }
    }
    if (g_trace || g_roundTrip) OnTrace = AfterEvent;
    std::signal(SIGSEGV, OnFatalSignal);
    std::signal(SIGABRT, OnFatalSignal);
    std::signal(SIGFPE, OnFatalSignal);
    if (__sanitizer_set_death_callback) __sanitizer_set_death_callback(WriteContext);
    StartWatchdog();
    OnEvent = [](int index) {
        g_eventIndex = index;
        ++g_progress;
    };

    if (!replay.empty()) {
        const auto setup = ParseSetup(replay);
        const auto events = play.empty() ? std::optional<std::vector<Event>>() : ParseEvents(play);
        if (!setup || (!events && generate < 0)) {
            std::fprintf(stderr, "soak: cannot read the episode or its events\n");
            return 2;
        }
        SetContext(*setup);
        TraceEpisode(*setup);
        std::vector<Event> played;
        const RunResult r = RunEpisode(*setup, events ? &*events : nullptr, generate, &played);
        for (const Event& e : played) std::printf("  %s\n", Describe(e).c_str());
        std::printf("soak: %d events, %s\n", r.eventsRun,
                    r.failure.empty() ? "every invariant held" : r.failure.c_str());
        return r.failure.empty() ? 0 : 1;
    }

    std::printf("soak: seed %llu, %lld events\n", static_cast<unsigned long long>(seed), total);
    std::fflush(stdout);
    const std::vector<GameRef> games = AllGames();
    if (games.empty()) {
        std::fprintf(stderr, "soak: no games found\n");
        return 2;
    }
    std::mt19937_64 rng(seed);
    std::vector<size_t> order(games.size());
    for (size_t i = 0; i < order.size(); ++i) order[i] = i;
    long long events = 0, checks = 0, undoChecks = 0;
    int failures = 0, episodes = 0, deals = 0, dialogs = 0, ended = 0;
    const auto started = Clock::now();
    while (events < total) {
        // Every game in turn, in an order of the seed's.
        if (episodes % static_cast<int>(games.size()) == 0)
            std::shuffle(order.begin(), order.end(), rng);
        const GameRef& game = games[order[static_cast<size_t>(episodes) % games.size()]];
        const EpisodeSetup setup = MakeSetup(rng(), game);
        ++episodes;
        SetContext(setup);
        TraceEpisode(setup);
        std::vector<Event> played;
        const int n = static_cast<int>(std::min<long long>(length, total - events));
        const RunResult r = RunEpisode(setup, nullptr, n, &played);
        events += std::max(r.eventsRun, 1);
        checks += r.checks;
        undoChecks += r.undoChecks;
        deals += r.deals;
        dialogs += r.dialogs;
        ended += r.ended;
        g_progress += r.eventsRun + 1;
        if (!r.failure.empty()) {
            ++failures;
            Report(setup, played, r);
            if (!keepGoing) break;
        }
    }
    const double seconds = std::chrono::duration<double>(Clock::now() - started).count();
    std::printf(
        "soak: seed %llu: %lld events in %d episodes over %zu games, %d tables dealt, "
        "%d games played to the end, %d dialogs answered; %lld invariant checks (%lld undo-redo "
        "round trips), "
        "%d failure(s); %.0f events/s (%.1f s)\n",
        static_cast<unsigned long long>(seed), events, episodes, games.size(), deals, ended,
        dialogs, checks, undoChecks, failures, events / std::max(seconds, 1e-9), seconds);
    return failures == 0 ? 0 : 1;
}
