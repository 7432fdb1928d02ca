#include "core/game_end.h"

#include <algorithm>
#include <utility>

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

// The time of day the clock was paused at; -1 while it is not paused.
constinit int64_t& g_pausedAt = detail::programGame.pausedAt;

// The clock's present: the moment it was paused while a pause lasts.
int64_t ClockNow() {
    return g_pausedAt >= 0 ? g_pausedAt : platform::MillisecondsOfDay();
}

std::string TwoDigits(int64_t v) {
    return std::string(1, static_cast<char>('0' + v / 10)) + static_cast<char>('0' + v % 10);
}

// Whether the game was played to its end rather than abandoned: the memory
// grids have no hidden card left, the answer rows of "Forget me not" are
// full; other games end when they are won.
bool PlayedToTheEnd() {
    const int kind = Rule(rule::kGoalKind);
    const int rows = TableauCount();
    if (kind == 36 || kind == 37 || kind == 39) {
        for (int r = 0; r < rows; ++r) {
            const std::string& row = FilaPiles[static_cast<size_t>(r)];
            for (int s = 0; s < SlotCount(row); ++s)
                if (CardCode c = SlotCode(row, s); c >= 1 && !IsFaceUp(c)) return false;
        }
        return true;
    }
    if (kind == 38) {
        for (int r = 0; r < std::min(rows, 10); ++r)
            if (FilaPiles[static_cast<size_t>(r)].empty()) return false;
        return rows >= 10;
    }
    return Flag(flag::kFinished);
}

int GameMisses() {
    return Rule(rule::kGoalKind) == 38 ? 10 - TwinMatchCount() : MainGame.Opt(opt::kMisses);
}

// A deal nobody touched is no game: it is neither recorded nor reported.
bool PlayedAtAll() {
    return PlayedToTheEnd() || PlayerActed(ProgramGame());
}

// Adds the ending game to the current player's record. An abandoned game
// counts as lost, whatever its score.
void RecordEndingGame(bool won, int seconds) {
    if (!PlayedAtAll()) return;
    const bool ended = PlayedToTheEnd();
    GameResult r;
    r.score = static_cast<int>(ParameterInt(field::kScore, 0));
    r.seconds = seconds;
    r.misses = GameMisses();
    r.slips = Slips(ProgramGame());
    r.won = won && ended;
    r.date = platform::Today();
    r.lookMs = LookTimeOfGame(Rule(rule::kGoalKind));
    const int gameId = static_cast<int>(ParameterInt(field::kGameId, -1));
    GameStore().RecordResult(gameId, GetParameter(field::kPlayer), r);
    if (!Turns(ProgramGame()).turns.empty())
        GameStore().RecordTurns(gameId, GetParameter(field::kPlayer), r.date, Turns(ProgramGame()));
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

int ElapsedSeconds() {
    return static_cast<int>(Status(ProgramGame()).elapsedMs / 1000);
}

void RefreshTimeDisplay() {
    if (!Flag(flag::kClockRuns)) return;
    AnnounceElapsed(ProgramGame(), ElapsedBetween(GameTimes[0], ClockNow()));
}

void StartClock() {
    GameTimes[0] = platform::MillisecondsOfDay();
    if (g_pausedAt >= 0) g_pausedAt = GameTimes[0];
    SetFlag(flag::kClockRuns, true);
}

void PauseClock() {
    if (g_pausedAt < 0) g_pausedAt = platform::MillisecondsOfDay();
}

void ResumeClock() {
    if (g_pausedAt < 0) return;
    const int64_t away = ElapsedBetween(g_pausedAt, platform::MillisecondsOfDay());
    g_pausedAt = -1;
    if (!Flag(flag::kClockRuns)) return;
    // The start moves on by the pause, across midnight as ElapsedBetween counts.
    GameTimes[0] += away;
    if (GameTimes[0] >= kLastSecondOfDay) GameTimes[0] -= kLastSecondOfDay;
    RefreshTimeDisplay();
}

bool ClockPaused() {
    return g_pausedAt >= 0;
}

void ClockTick() {
    if (ClockPaused()) return;
    RefreshTimeDisplay();
    IMemoryPlay* memory = InstalledPorts().memory;
    if (Rule(rule::kGoalKind) != 38 || !memory) return;
    const CardCode model = BottomCode(DestPiles[0]);
    if (ElapsedSeconds() > StudySeconds() && IsFaceUp(model) && FilaPiles[0].empty()) {
        RecordStep(ProgramGame(), 1);
        memory->EndMemorisePhase();
    }
}

namespace {

// A match is being played on the table: see SetMatchInPlay.
bool matchInPlay = false;

// `solo`: the game counts in the player's results and shows its end dialog;
// a match's game does neither, for its seats have records of their own.
bool EndGameAs(bool solo) {
    if (!Flag(flag::kInProgress)) return false;
    // Ended already, by the call that is showing its end: nothing to redraw.
    if (ProgramGame().ending) return true;
    ProgramGame().ending = true;
    struct Ending {
        ~Ending() { ProgramGame().ending = false; }
    } ending;
    Dialogs().PushBusyCursor();
    bool busy = true;
    auto restoreCursor = [&busy] {
        if (busy) Dialogs().PopBusyCursor();
        busy = false;
    };
    StatusDisplay().HidePileSizePanel();

    if (Rule(rule::kScoreToWin) != 0)
        SetFlag(flag::kFinished, ParameterInt(field::kScore, 0) >= Rule(rule::kScoreToWin));
    const bool won = solo && Flag(flag::kFinished);
    const bool clockRan = Flag(flag::kClockRuns);
    GameTimes[1] = ClockNow();
    SetFlag(flag::kClockRuns, false);

    CommandStates().DisablePlayCommands();

    const std::string gameFile = GetParameter(field::kGameFile);
    if (!gameFile.empty()) {
        platform::DeleteFile(gameFile);
        SetParameter(field::kGameFile, "");
    }

    const int kind = Rule(rule::kGoalKind);
    const int64_t playedMs =
        clockRan ? ElapsedBetween(GameTimes[0], GameTimes[1]) : int64_t{ElapsedSeconds()} * 1000;
    // One measure of the game's time: the label shows it from here on (the
    // result dialog included) and the record keeps the same seconds.
    if (clockRan) AnnounceElapsed(ProgramGame(), playedMs);
    const bool played = PlayedAtAll();
    if (solo) RecordEndingGame(won, static_cast<int>(playedMs / 1000));
    if (solo && kind >= 36 && kind <= 39 && played) {
        StatusDisplay().ShowStatusText(MissesText(GameMisses(), Slips(ProgramGame()), kind != 38));
        GameWindows().ShowMemoryEnd(won);
    }
    GameWindows().RefreshGameMark();

    MainGame.SetOpt(opt::kHeld, 0);
    MainGame.SetOpt(opt::kHeldTop, 0);
    SetFlag(flag::kFinished, false);
    SetFlag(flag::kInProgress, false);
    SetFlag(flag::kEnded, true);
    MainGame.SetOpt(opt::kCloseAsked, 0);
    GameObserver().HistoryChanged();

    if (won) {
        restoreCursor();
        Waits().Wait(200);
        PlayEventSound("Won", GetParameter(field::kSoundsGameWon) == "Y");
        GameWindows().PlayWinningAnimation();
        SetFlag(flag::kWinAnimation, false);
    }
    restoreCursor();

    if (MainGame.Opt(opt::kCloseAsked) == 1) {
        GameWindows().CloseMainWindow();
    } else if (won && MainGame.Opt(opt::kNoDialogAfterWin) == 0 &&
               MainGame.Opt(opt::kEdition) != 1) {
        TableView().PaintEmptyTable();
        GameWindows().OpenGameDialog();
    }
    return won;
}

}  // namespace

bool EndGame() {
    return EndGameAs(!matchInPlay);
}

void SetMatchInPlay(bool on) {
    matchInPlay = on;
}

bool MatchInPlay() {
    return matchInPlay;
}

}  // namespace bw
