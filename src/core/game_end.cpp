#include "core/game_end.h"

#include <algorithm>
#include <utility>

#include "core/families/family.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/look_time.h"
#include "core/memory_log.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/sounds.h"
#include "core/state.h"
#include "core/tr_marker.h"
#include "platform/clock.h"
#include "platform/paths.h"

namespace bw {

namespace {

constexpr int64_t kLastSecondOfDay = (23 * 3600 + 59 * 60 + 59) * 1000LL;

// The clock's present: the moment it was paused while a pause lasts.
int64_t ClockNow(const Game& g) {
    return g.pausedAt >= 0 ? g.pausedAt : platform::MillisecondsOfDay();
}

std::string TwoDigits(int64_t v) {
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

// Whether the game was played to its end rather than abandoned.
bool PlayedToTheEnd(const Game& g) {
    return FamilyOf(g).PlayedToTheEnd(g);
}

// A deal nobody touched is no game: it is neither recorded nor reported.
bool PlayedAtAll(const Game& g) {
    return PlayedToTheEnd(g) || PlayerActed(g);
}

// Adds the ending game to the current player's record. An abandoned game
// counts as lost, whatever its score.
void RecordEndingGame(const Game& g, bool won, int seconds) {
    if (!PlayedAtAll(g)) return;
    const bool ended = PlayedToTheEnd(g);
    GameResult r;
    r.score = ScoreValue(g);
    r.seconds = seconds;
    r.misses = FamilyOf(g).Misses(g);
    r.slips = Slips(g);
    r.won = won && ended;
    r.date = platform::Today();
    r.lookMs = LookTimeOfGame(Rule(g, rule::kGoalKind));
    const int gameId = GameId(g, -1);
    GameStore().RecordResult(gameId, g.values.player, r);
    if (!Turns(g).turns.empty()) GameStore().RecordTurns(gameId, g.values.player, r.date, Turns(g));
}

}  // namespace

std::string MissesText(int misses, int slips, bool withSlips) {
    std::string text = BW_TR_NOOP("Messages", "Misses: ") + std::to_string(misses);
    if (withSlips)
        text += " (" + std::to_string(slips) +
                (slips == 1 ? BW_TR_NOOP("Messages", " slip)") : BW_TR_NOOP("Messages", " slips)"));
    return text;
}

int64_t ElapsedBetween(int64_t start, int64_t now) {
    if (now >= start) return now - start;
    return (kLastSecondOfDay - start) + now;
}

std::string FormatElapsed(int64_t ms) {
    if (ms < 0) ms = 0;
    const int64_t seconds = ms / 1000;
    const std::string sep = StatusDisplay().TimeSeparator();
    return std::to_string(seconds / 3600) + sep + TwoDigits(seconds / 60 % 60) + sep +
           TwoDigits(seconds % 60);
}

int ElapsedSeconds(const Game& g) {
    return static_cast<int>(Status(g).elapsedMs / 1000);
}

void RefreshTimeDisplay(Game& g) {
    if (!Flag(g, flag::kClockRuns)) return;
    AnnounceElapsed(g, ElapsedBetween(g.GameTimes[0], ClockNow(g)));
}

void StartClock(Game& g) {
    g.GameTimes[0] = platform::MillisecondsOfDay();
    if (g.pausedAt >= 0) g.pausedAt = g.GameTimes[0];
    SetFlag(g, flag::kClockRuns, true);
}

void PauseClock(Game& g) {
    if (g.pausedAt < 0) g.pausedAt = platform::MillisecondsOfDay();
}

void ResumeClock(Game& g) {
    if (g.pausedAt < 0) return;
    const int64_t away = ElapsedBetween(g.pausedAt, platform::MillisecondsOfDay());
    g.pausedAt = -1;
    if (!Flag(g, flag::kClockRuns)) return;
    // The start moves on by the pause, across midnight as ElapsedBetween counts.
    g.GameTimes[0] += away;
    if (g.GameTimes[0] >= kLastSecondOfDay) g.GameTimes[0] -= kLastSecondOfDay;
    RefreshTimeDisplay(g);
}

bool ClockPaused(const Game& g) {
    return g.pausedAt >= 0;
}

void ClockTick(Game& g) {
    if (ClockPaused(g)) return;
    RefreshTimeDisplay(g);
    FamilyOf(g).ClockTick(g);
}

namespace {

// `solo`: the game counts in the player's results and shows its end dialog;
// a match's game does neither, for its seats have records of their own.
bool EndGameAs(Game& g, bool solo) {
    if (!Flag(g, flag::kInProgress)) return false;
    // Ended already, by the call that is showing its end: nothing to redraw.
    if (g.ending) return true;
    g.ending = true;
    struct Ending {
        Game& g;
        ~Ending() { g.ending = false; }
    } ending{g};
    Dialogs().PushBusyCursor();
    bool busy = true;
    auto restoreCursor = [&busy] {
        if (busy) Dialogs().PopBusyCursor();
        busy = false;
    };
    StatusDisplay().HidePileSizePanel();

    if (Rule(g, rule::kScoreToWin) != 0)
        SetFlag(g, flag::kFinished, TextInt(g.values.score, 0) >= Rule(g, rule::kScoreToWin));
    const bool won = solo && Flag(g, flag::kFinished);
    const bool clockRan = Flag(g, flag::kClockRuns);
    g.GameTimes[1] = ClockNow(g);
    SetFlag(g, flag::kClockRuns, false);

    CommandStates().DisablePlayCommands();

    const std::string gameFile = g.values.file;
    if (!gameFile.empty()) {
        platform::DeleteFile(gameFile);
        SetValue(g.values.file, field::kGameFile, "");
    }

    const GoalFamily& family = FamilyOf(g);
    const int64_t playedMs = clockRan ? ElapsedBetween(g.GameTimes[0], g.GameTimes[1])
                                      : int64_t{ElapsedSeconds(g)} * 1000;
    // One measure of the game's time: the label shows it from here on (the
    // result dialog included) and the record keeps the same seconds.
    if (clockRan) AnnounceElapsed(g, playedMs);
    const bool played = PlayedAtAll(g);
    if (solo) RecordEndingGame(g, won, static_cast<int>(playedMs / 1000));
    if (solo && family.ShowsMemoryEnd() && played) {
        StatusDisplay().ShowStatusText(
            MissesText(family.Misses(g), Slips(g), family.CountsSlips(g)));
        GameWindows().ShowMemoryEnd(won);
    }
    GameWindows().RefreshGameMark();

    g.Options.SetOpt(opt::kHeld, 0);
    g.Options.SetOpt(opt::kHeldTop, 0);
    SetFlag(g, flag::kFinished, false);
    SetFlag(g, flag::kInProgress, false);
    SetFlag(g, flag::kEnded, true);
    g.Options.SetOpt(opt::kCloseAsked, 0);
    GameObserver().HistoryChanged();

    if (won) {
        restoreCursor();
        Waits().Wait(200);
        PlayEventSound("Won", GetParameter(field::kSoundsGameWon) == "Y");
        GameWindows().PlayWinningAnimation();
        SetFlag(g, flag::kWinAnimation, false);
    }
    restoreCursor();

    if (g.Options.Opt(opt::kCloseAsked) == 1) {
        GameWindows().CloseMainWindow();
    } else if (won && g.Options.Opt(opt::kNoDialogAfterWin) == 0 &&
               g.Options.Opt(opt::kEdition) != 1) {
        TableView().PaintEmptyTable();
        GameWindows().OpenGameDialog();
    }
    return won;
}

}  // namespace

bool EndGame(Game& g) {
    return EndGameAs(g, !g.inMatch);
}

}  // namespace bw
