#pragma once
// The monkey soak: random presses, drags, releases, double- and right-clicks,
// key shortcuts and window resizes played into the real main window
// (offscreen, on the test clock, so every wait is instant), with the table's
// invariants checked after every event. An episode is one game started from
// a fresh program folder; everything in it follows from its seed, so a
// failing episode replays exactly and its events can be shrunk.
#include <cstdint>
#include <functional>
#include <optional>
#include <random>
#include <string>
#include <vector>

namespace bw::soak {

struct Event {
    enum Kind : char {
        kPress = 'P',
        kMove = 'M',
        kRelease = 'R',
        kDoubleClick = 'D',
        kKey = 'K',
        kResize = 'Z',
        kTick = 'T',
    };
    Kind kind = kTick;
    int x = 0, y = 0;   // table pixels; the size for kResize
    char button = 'L';  // 'L', 'R' or 'M'
    bool ctrl = false;
    int key = 0;  // Qt::Key of kKey (with `ctrl`)
    // Decides whatever the event makes the program ask: confirmations and
    // the choices made in the dialogs that open.
    uint32_t choice = 0;
};

// "P120,340,L", "R120,340,Lc" (Ctrl held), "K16777265", "Kc89", "Z1000,700",
// "T"; each followed by "/" and the choice when it is not 0. Lists are
// separated by ";".
std::string FormatEvents(const std::vector<Event>& events);
std::optional<std::vector<Event>> ParseEvents(const std::string& text);
std::string Describe(const Event& e);

// Which game, on what settings: all of it from the seed.
struct EpisodeSetup {
    uint64_t seed = 0;
    std::string gamesFile;  // "shipped" or "test"
    int gameId = 0;
    std::string gameName;
    std::string prefs;  // extra "Preference" lines, CR LF each
};
std::string FormatSetup(const EpisodeSetup& setup);
std::optional<EpisodeSetup> ParseSetup(const std::string& text);

struct GameRef {
    std::string gamesFile;
    int id = 0;
    std::string name;
};
// Every game with a rules column in the shipped and the test GAMES.DAT.
std::vector<GameRef> AllGames();
EpisodeSetup MakeSetup(uint64_t seed, const GameRef& game);

struct RunResult {
    int eventsRun = 0;
    long long checks = 0;      // invariant checks made
    long long undoChecks = 0;  // of them, undo-then-redo round trips
    int deals = 0;             // tables dealt (the first, new games, opened games)
    int dialogs = 0;           // modal dialogs answered
    int ended = 0;             // games played to their end
    std::string failure;       // empty when every invariant held
    int failedAt = -1;         // index of the event after which it failed
};

// Plays an episode: `events` as given (a replay), or `generate` more events
// made up on the way from the setup's seed. `generated` receives every event
// played, so a failure can be replayed and shrunk.
RunResult RunEpisode(const EpisodeSetup& setup, const std::vector<Event>* events, int generate,
                     std::vector<Event>* generated);

// Called with each event's index before it is played (the soak's watchdog).
inline void (*OnEvent)(int index) = nullptr;

// Called after each event with TableHash() (the golden trace of --trace).
inline void (*OnTrace)(uint64_t hash) = nullptr;

// A hash of what the game is: every pile, every face flag, the score, the
// game flags and the depth of both history lists. Nothing that depends on
// the build, the run or the clock goes in, so the same episode gives the
// same hashes from any build of an unchanged engine.
uint64_t TableHash();

// The invariant a failure message names (the text before ":").
std::string FailureKind(const std::string& failure);

}  // namespace bw::soak
