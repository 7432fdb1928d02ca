#include <gtest/gtest.h>

#include <algorithm>

#include "core/game.h"
#include "core/game_end.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/memory_log.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "flow_fakes.h"
#include "platform/paths.h"
#include "support/program_game.h"

namespace bw {
namespace {

constexpr int64_t kHour = 3600 * 1000;

class GameEnd : public ::testing::Test {
protected:
    test::FlowFixture fx;
    test::FlowWindow& window = fx.window;

    GameEnd() {
        SetParameter(141, 1, "Y");
        SetParameter(144, 1, "Y");
    }
    // A game in progress whose clock started at 10:00:00.
    void Playing() {
        SetFlag(ProgramGame(), flag::kInProgress, true);
        SetFlag(ProgramGame(), flag::kClockRuns, true);
        fx.clock.dayStart = 10 * kHour;
        ProgramGame().GameTimes[0] = 10 * kHour;
    }
};

TEST_F(GameEnd, WithoutAGameNothingChanges) {
    const std::string file = fx.core.dir.file("game.tmp");
    fx.core.dir.write("game.tmp", "x");
    SetValue(ProgramGame().values.file, field::kGameFile, file);
    SetFlag(ProgramGame(), flag::kFinished, true);
    ProgramGame().Options.SetOpt(94, 5);
    EXPECT_FALSE(EndGame(ProgramGame()));
    EXPECT_TRUE(window.events.empty());
    EXPECT_TRUE(platform::FileExists(file));
    EXPECT_EQ(ProgramGame().values.file, file);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kFinished));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 5);
}

TEST_F(GameEnd, ALostGameStopsTheClockAndClearsItsFile) {
    Playing();
    fx.clock.Advance(65 * 1000);
    const std::string file = fx.core.dir.file("saved.gam");
    fx.core.dir.write("saved.gam", "position");
    SetValue(ProgramGame().values.file, field::kGameFile, file);
    ProgramGame().Options.SetOpt(94, 12);
    ProgramGame().Options.SetOpt(95, 13);
    ProgramGame().Options.SetOpt(71, 1);

    EXPECT_FALSE(EndGame(ProgramGame()));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kClockRuns));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFinished));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_EQ(ProgramGame().GameTimes[1], 10 * kHour + 65 * 1000);
    EXPECT_EQ(window.time, "0:01:05");
    EXPECT_FALSE(platform::FileExists(file));
    EXPECT_EQ(ProgramGame().values.file, "");
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(95), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(71), 0);
    EXPECT_EQ(window.events, (std::vector<std::string>{"hide sizes", "play off", "mark"}));
    EXPECT_TRUE(fx.core.sound.played.empty());
    EXPECT_TRUE(fx.core.waits.waits.empty());
    EXPECT_TRUE(fx.table.events.empty());
    EXPECT_EQ(fx.dialogs.busy, 0);
}

TEST_F(GameEnd, TargetScoreDecidesTheResult) {
    Playing();
    ProgramGame().GameRules[50] = 10;
    SetValue(ProgramGame().values.score, field::kScore, "9");
    SetFlag(ProgramGame(), flag::kFinished, true);
    EXPECT_FALSE(EndGame(ProgramGame()));

    Playing();
    SetValue(ProgramGame().values.score, field::kScore, "10");
    SetFlag(ProgramGame(), flag::kFinished, false);
    ProgramGame().Options.SetOpt(109, 1);  // no next-game offer
    EXPECT_TRUE(EndGame(ProgramGame()));
}

TEST_F(GameEnd, MemoryGamesShowTheirResultDialog) {
    for (int kind : {35, 36, 37, 38, 39, 40}) {
        Playing();
        window.events.clear();
        ProgramGame().GameRules[51] = static_cast<int16_t>(kind);
        NoteCardTurned(ProgramGame(), 1);  // a game that was played
        EndGame(ProgramGame());
        EXPECT_EQ(window.Saw("memory end lost"), kind >= 36 && kind <= 39) << kind;
    }
    Playing();
    ProgramGame().GameRules[51] = 37;
    SetFlag(ProgramGame(), flag::kFinished, true);
    ProgramGame().Options.SetOpt(109, 1);
    window.events.clear();
    EndGame(ProgramGame());
    EXPECT_TRUE(window.Saw("memory end won"));
}

// An accessible press is queued as a press and a release; the press ends the
// game and the release, delivered inside the result dialog, asked to end it
// again: a second dialog, show and result for the same game.
TEST_F(GameEnd, InputDuringTheEndDoesNotEndTheGameTwice) {
    struct Store : IGameStore {
        int results = 0;
        void RecordResult(int, const std::string&, const GameResult&) override { ++results; }
    } store;
    InstalledPorts().store = &store;
    Playing();
    ProgramGame().GameRules[51] = 37;
    NoteCardTurned(ProgramGame(), 1);
    SetFlag(ProgramGame(), flag::kFinished, true);
    ProgramGame().Options.SetOpt(109, 1);
    int nestedCalls = 0;
    bool nested = false;
    window.onMemoryEnd = [&] {
        if (nestedCalls++ == 0) nested = EndGame(ProgramGame());
    };
    window.onAnimation = [&] { EndGame(ProgramGame()); };
    EXPECT_TRUE(EndGame(ProgramGame()));
    InstalledPorts().store = nullptr;
    EXPECT_TRUE(nested);
    EXPECT_EQ(std::count(window.events.begin(), window.events.end(), "memory end won"), 1);
    EXPECT_EQ(std::count(window.events.begin(), window.events.end(), "animation"), 1);
    EXPECT_EQ(store.results, 1);
    EXPECT_FALSE(ProgramGame().ending);
    // The next game ends as usual.
    window.events.clear();
    window.onMemoryEnd = nullptr;
    window.onAnimation = nullptr;
    Playing();
    NoteCardTurned(ProgramGame(), 1);
    EndGame(ProgramGame());
    EXPECT_TRUE(window.Saw("memory end lost"));
}

TEST_F(GameEnd, AWonGamePlaysItsShowThenOffersTheNextGame) {
    Playing();
    SetFlag(ProgramGame(), flag::kFinished, true);
    int busyDuringShow = -1;
    window.onAnimation = [&] {
        busyDuringShow = fx.dialogs.busy;
        EXPECT_EQ(fx.core.waits.waits, std::vector<int>{200});
        EXPECT_EQ(fx.core.sound.played, std::vector<std::string>{"Won"});
    };
    EXPECT_TRUE(EndGame(ProgramGame()));
    EXPECT_EQ(busyDuringShow, 0);
    EXPECT_EQ(fx.dialogs.busy, 0);
    EXPECT_EQ(window.events, (std::vector<std::string>{"hide sizes", "play off", "mark",
                                                       "animation", "open dialog"}));
    EXPECT_EQ(fx.table.events, std::vector<std::string>{"empty"});
    EXPECT_FALSE(Flag(ProgramGame(), flag::kWinAnimation));
}

TEST_F(GameEnd, WinningSoundAndNextGameOfferHaveTheirSwitches) {
    Playing();
    SetFlag(ProgramGame(), flag::kFinished, true);
    SetParameter(144, 1, "N");
    ProgramGame().Options.SetOpt(109, 1);
    EXPECT_TRUE(EndGame(ProgramGame()));
    EXPECT_TRUE(fx.core.sound.played.empty());
    EXPECT_TRUE(window.Saw("animation"));
    EXPECT_FALSE(window.Saw("open dialog"));

    Playing();
    SetFlag(ProgramGame(), flag::kFinished, true);
    SetParameter(144, 1, "Y");
    SetParameter(141, 1, "N");  // all sounds off
    ProgramGame().Options.SetOpt(109, 0);
    ProgramGame().Options.SetOpt(77, 1);
    window.events.clear();
    EXPECT_TRUE(EndGame(ProgramGame()));
    EXPECT_TRUE(fx.core.sound.played.empty());
    EXPECT_FALSE(window.Saw("open dialog"));
}

TEST_F(GameEnd, LeavingDuringTheShowClosesTheWindow) {
    Playing();
    SetFlag(ProgramGame(), flag::kFinished, true);
    window.onAnimation = [] { ProgramGame().Options.SetOpt(71, 1); };
    EXPECT_TRUE(EndGame(ProgramGame()));
    EXPECT_TRUE(window.Saw("close"));
    EXPECT_FALSE(window.Saw("open dialog"));
}

// The engine keeps the time it shows, whatever the label's format.
TEST_F(GameEnd, ElapsedSecondsIsTheTimeShown) {
    window.separator = ".";
    AnnounceElapsed(ProgramGame(), 600'999);
    EXPECT_EQ(window.time, "0.10.00");
    EXPECT_EQ(ElapsedSeconds(ProgramGame()), 600);
    AnnounceElapsed(ProgramGame(), -5);
    EXPECT_EQ(ElapsedSeconds(ProgramGame()), 0);
}

// The clock works on the game it is given and leaves the program's alone.
TEST_F(GameEnd, TheClockRunsOnTheGameItIsGiven) {
    Playing();
    const Game before = ProgramGame();
    Game other;
    StartClock(other);  // 10:00:00
    fx.clock.Advance(5000);
    PauseClock(other);
    EXPECT_TRUE(ClockPaused(other));
    EXPECT_FALSE(ClockPaused(ProgramGame()));
    fx.clock.Advance(60 * 1000);
    ClockTick(other);  // a paused clock stands still
    EXPECT_EQ(ElapsedSeconds(other), 0);
    ResumeClock(other);
    EXPECT_EQ(other.GameTimes[0], 10 * kHour + 60 * 1000);
    fx.clock.Advance(2000);
    ClockTick(other);
    EXPECT_EQ(ElapsedSeconds(other), 7);
    EXPECT_TRUE(ProgramGame() == before);
}

TEST_F(GameEnd, ClockShowsElapsedTimeAcrossMidnight) {
    Playing();
    fx.clock.Advance(kHour + 2 * 60 * 1000 + 3 * 1000 + 999);
    ClockTick(ProgramGame());
    EXPECT_EQ(window.time, "1:02:03");
    window.separator = ".";
    ClockTick(ProgramGame());
    EXPECT_EQ(window.time, "1.02.03");

    window.separator = ":";
    fx.clock.dayStart = 23 * kHour + 59 * 60 * 1000;  // 23:59:00
    fx.clock.ms = 0;
    ProgramGame().GameTimes[0] = fx.clock.MillisecondsOfDay();
    fx.clock.Advance(2 * 60 * 1000);  // 00:01:00
    ClockTick(ProgramGame());
    EXPECT_EQ(window.time, "0:01:59");

    SetFlag(ProgramGame(), flag::kClockRuns, false);
    fx.clock.Advance(10 * 1000);
    ClockTick(ProgramGame());
    EXPECT_EQ(window.time, "0:01:59");
}

class Memorise : public GameEnd, public IMemoryPlay {
protected:
    std::vector<int> stepsAtHook;
    void EndMemorisePhase(Game& g) override { stepsAtHook.push_back(StepCount(g.UndoLists)); }
    Memorise() {
        ProgramGame().GameRules[51] = 38;
        Playing();
        ProgramGame().DestPiles[0] = "001";
        SetFaceFlag(ProgramGame().CardRegister, 1, '1');
        InstalledPorts().memory = this;
    }
};

TEST_F(Memorise, PhaseEndsAfterTenSecondsWithAnUndoStepFirst) {
    fx.clock.Advance(10 * 1000);
    ClockTick(ProgramGame());
    EXPECT_TRUE(stepsAtHook.empty());
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);

    fx.clock.Advance(1000);
    ClockTick(ProgramGame());
    EXPECT_EQ(window.time, "0:00:11");
    EXPECT_EQ(stepsAtHook, std::vector<int>{1});
}

TEST_F(Memorise, PhaseNeedsFaceUpModelsAndAnEmptyAnswerRow) {
    fx.clock.Advance(20 * 1000);
    SetFaceFlag(ProgramGame().CardRegister, 1, '0');
    ClockTick(ProgramGame());
    EXPECT_TRUE(stepsAtHook.empty());
    SetFaceFlag(ProgramGame().CardRegister, 1, '1');
    ProgramGame().FilaPiles[0] = "053";
    ClockTick(ProgramGame());
    EXPECT_TRUE(stepsAtHook.empty());
    ProgramGame().FilaPiles[0].clear();
    ProgramGame().GameRules[51] = 37;
    ClockTick(ProgramGame());
    EXPECT_TRUE(stepsAtHook.empty());
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
}

TEST_F(Memorise, WithoutTheHookNothingIsRecorded) {
    InstalledPorts().memory = nullptr;
    fx.clock.Advance(20 * 1000);
    ClockTick(ProgramGame());
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
}

}  // namespace
}  // namespace bw
