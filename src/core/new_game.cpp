#include "core/new_game.h"
#include "core/families/family.h"

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <utility>
#include <vector>

#include "build_info.h"
#include "core/autoplay.h"
#include "core/deal.h"
#include "core/game.h"
#include "core/game_end.h"
#include "core/game_status.h"
#include "core/memory_log.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/score.h"
#include "core/state.h"
#include "core/tr_marker.h"
#include "platform/clock.h"
#include "platform/ini.h"

namespace bw {

namespace {

// The hourglass from construction until Release (or the end of the scope).
class Hourglass {
public:
    Hourglass() { Dialogs().PushBusyCursor(); }
    ~Hourglass() { Release(); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
    void Release() {
        if (on_) Dialogs().PopBusyCursor();
        on_ = false;
    }

private:
    bool on_ = true;
};

// Undo in a game that turns grid cards up would show them again for
// nothing: the pairing and sequence games switch it off the way the
// player's mode "2" does, in memory only; any other game takes the
// player's mode back from the settings file.
void ApplyUndoModeOfGame(Game& g) {
    const int goal = Rule(g, rule::kGoalKind);
    const bool turnsGridCards =
        goal == goal::kAceToKing || goal == goal::kPairs || goal == goal::kConcentration;
    SetValue(g.values.undoMode, field::kUndoMode,
             turnsGridCards
                 ? "2"
                 : platform::IniReadString(SettingsFile(), "Preference", "Undo_Enabled", "0"));
    AllowUndoRedo(g, Status(g).commands && g.values.undoMode != "2");
}

}  // namespace

bool ConfirmQuit(Game& g, const std::string& question) {
    if (Flag(g, flag::kWinAnimation)) return false;
    if (GetParameter(field::kConfirmQuitGame) == "N") return true;
    if (Flag(g, flag::kInProgress) && !Flag(g, flag::kFinished))
        return Dialogs().Confirm(question.empty() ? BW_TR_NOOP("Messages", "Quit this game?")
                                                  : question);
    return true;
}

void NewGameCommand(Game& g) {
    if (!ConfirmQuit(g)) return;
    if (EndGame(g)) return;  // a won game has offered the next one already
    Hourglass busy;
    StartGame(g, true, true, kNewGameNumber, false);
}

void RestartDealCommand(Game& g) {
    if (!Flag(g, flag::kInProgress) && !Flag(g, flag::kEnded)) return;
    if (!ConfirmQuit(g)) return;
    if (EndGame(g)) return;  // a won game has offered the next one already
    Hourglass busy;
    StartGame(g, true, true, kStoredGameNumber, false);
}

std::optional<std::string> DealNumberFromText(const std::string& text) {
    const size_t b = text.find_first_not_of(' ');
    if (b == std::string::npos) return std::nullopt;
    const std::string digits = text.substr(b, text.find_last_not_of(' ') - b + 1);
    if (digits.size() > 13 || digits.find_first_not_of("0123456789") != std::string::npos)
        return std::nullopt;
    return GameNumberDigits(digits);
}

std::optional<std::string> DailyDealNumber(int gameId, int year, unsigned month, unsigned day) {
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    if (!date.ok() || year < 1 || year > 9999) return std::nullopt;
    char key[40];
    std::snprintf(key, sizeof key, "%04d-%02u-%02u:%d", year, month, day, gameId);
    uint64_t hash = 14695981039346656037ULL;
    for (const char* c = key; *c; ++c) {
        hash ^= static_cast<unsigned char>(*c);
        hash *= 1099511628211ULL;
    }
    char digits[16];
    std::snprintf(digits, sizeof digits, "%013llu",
                  static_cast<unsigned long long>(hash % 10000000000000ULL));
    return std::string(digits);
}

std::optional<CalendarDate> ParseCalendarDate(const std::string& text) {
    if (text.size() != 10 || text[4] != '-' || text[7] != '-') return std::nullopt;
    for (size_t i : {0, 1, 2, 3, 5, 6, 8, 9})
        if (text[i] < '0' || text[i] > '9') return std::nullopt;
    const CalendarDate d{std::stoi(text.substr(0, 4)),
                         static_cast<unsigned>(std::stoi(text.substr(5, 2))),
                         static_cast<unsigned>(std::stoi(text.substr(8, 2)))};
    if (!DailyDealNumber(0, d.year, d.month, d.day)) return std::nullopt;
    return d;
}

bool PlayDealNumber(Game& g, const std::string& number) {
    if (!Flag(g, flag::kInProgress) && !Flag(g, flag::kEnded)) return false;
    if (!ConfirmQuit(g)) return false;
    if (EndGame(g)) return false;
    Hourglass busy;
    SetValue(g.values.number, field::kGameNumber, number);
    StartGame(g, true, true, kStoredGameNumber, false);
    return true;
}

bool OpenGame(Game& g, int id, const std::string& name, int mode, bool remember,
              const std::string& player) {
    Hourglass busy;
    const bool changedGame = TextInt(g.values.id, -99999) != id;
    const bool changedPlayer = FieldText(field::kPlayer, player) != g.values.player;
    if (!(changedGame || changedPlayer || !Flag(g, flag::kInProgress))) return false;
    if (!ConfirmQuit(g)) return false;
    if (EndGame(g)) return true;

    if (changedGame || changedPlayer) {
        SetValue(g.values.startMarkA, field::kStartMarkA, "0000");
        SetValue(g.values.startMarkB, field::kStartMarkB, "0000");
    }
    if (changedPlayer) {
        SetValue(g.values.player, field::kPlayer, player);
        GameStore().RememberPlayer(g.values.player);
        UpdateTitle(g);
        GameWindows().RefreshOpenGameMarks();
    }
    if (changedGame || g.Options.Opt(opt::kForcedAnnounced) == 2)
        g.Options.SetOpt(opt::kForcedAnnounced, 0);
    SetValue(g.values.id, field::kGameId, std::to_string(id));
    SetValue(g.values.name, field::kGameName, name);
    if (changedGame) LoadGame(g);
    if (!Status(g).commands) SetGameCommands(g, true);
    if (changedGame) ApplyGameAutoplay(g, id);
    StartGame(g, true, true, mode, false);

    if (remember) {
        // Only the dialog knows the tree; a game it does not show keeps the
        // last branch remembered.
        DialogPlace place;
        const bool known = GameWindows().GameTreePlace(id, place.treeNum, place.treePos);
        GameStore().RememberGame(id, name, known ? std::optional(place) : std::nullopt);
    }
    return true;
}

void DrawOffsetTable(Game& g) {
    for (auto& row : g.OffsetTable) {
        row[0] = 0;
        int p = static_cast<int>(platform::RandomBelow(4));
        int s = 0;
        for (size_t i = 1; i < row.size(); ++i) {
            int c = static_cast<int>(platform::RandomBelow(4));
            if ((p == 3 && c == 3) || ((c == 1 || c == 2) && p != 3)) c = 0;
            const int d = c <= 2 ? c : -1;
            s += d;
            if (s >= 3) {
                row[i] = d - 2;
                s -= 2;
            } else if (s < -2) {
                row[i] = d + 2;
                s += 2;
            } else {
                row[i] = d;
            }
            p = c;
        }
    }
}

namespace {

// A game whose rules are cut off would deal an empty table and count every
// deal and exit as lost: it is named and not dealt.
void RefuseUnreadableGame(Game& g) {
    std::string text = kUnreadableRulesMessage;
    text.replace(text.find("%1"), 2, g.values.name);
    text.replace(text.find("%2"), 2, ProgramFile("GAMES.DAT"));
    SetFlag(g, flag::kInProgress, false);
    SetFlag(g, flag::kFinished, false);
    CommandStates().DisablePlayCommands();
    TableView().PaintEmptyTable();
    Dialogs().Info(text);
}

}  // namespace

bool StartGame(Game& g, bool deal, bool animate, int mode, bool quiet) {
    Hourglass busy;
    UpdateTitle(g);

    for (int o :
         {opt::kTableDrawn, opt::kStockPressed, opt::kFillTableaus, opt::kMisses, opt::kMoveMarkA,
          opt::kMoveMarkB, opt::kAutoplay, opt::kStockChanged, opt::kRandomNumber})
        g.Options.SetOpt(o, 0);
    g.Options.SetOpt(opt::kCountsPlayed, -1);
    g.RunningCount = 0;

    ClearPiles(g, false, deal);
    DrawOffsetTable(g);
    SetValue(g.values.newGameMarkA, field::kNewGameMarkA, "0");
    SetValue(g.values.newGameMarkB, field::kNewGameMarkB, "0");

    if (deal) {
        ResetMemoryLog(g);
        StatusDisplay().ShowStatusText(std::string());
        if (Rule(g, rule::kPackCards) != 0)
            RestoreRuleBases(g);
        else
            LoadGame(g);
        if (!GameRulesReadable()) {
            RefuseUnreadableGame(g);
            return true;
        }
        SetFlag(g, flag::kClockRuns, false);
        AnnounceElapsed(g, 0);
        g.Options.SetOpt(opt::kStockPasses, 1);
        SetValue(g.values.score, field::kScore, "0");
        if (mode == kNewGameNumber) {
            g.Options.SetOpt(opt::kRandomNumber, 1);
            DrawGameNumber(g);
        }
        DealGame(g);
        WindowControl().TableDealt();
    }

    SetFlag(g, flag::kInProgress, true);
    SetFlag(g, flag::kFinished, false);
    GameObserver().HistoryChanged();
    UpdateTitle(g);
    if (!quiet) TableView().PaintEmptyTable();
    AnnounceScore(g, g.values.score);
    RefreshTimeDisplay(g);
    if (!quiet) TableView().RepaintTable(animate && GetParameter(field::kDealAnimation) != "N");

    if (!Flag(g, flag::kClockRuns)) {
        StartClock(g);
        RefreshTimeDisplay(g);
    }

    if (Status(g).autoplay && Status(g).commands) {
        Waits().WaitForPlayer(800);
        RunAutoplayLoop(g);
    }

    busy.Release();
    // Autoplay may have ended a won game; its commands stay off then.
    if (Flag(g, flag::kInProgress))
        CommandStates().EnablePlayCommands(Rule(g, rule::kNoSaving) != 1);

    if (Rule(g, rule::kGoalKind) == goal::kPlayedOut && Flag(g, flag::kInProgress)) {
        SetFlag(g, flag::kFinished, IsGameWon(g));
        if (Flag(g, flag::kFinished)) EndGame(g);
    }
    return true;
}

void DrawGameNumber(Game& g) {
    const long long a = platform::RandomBelow(9999999);
    const long long b = platform::RandomBelow(999999);
    const std::string digits = "0000000000000" + std::to_string(a * b);
    SetValue(g.values.number, field::kGameNumber, digits.substr(digits.size() - 13));
    UpdateTitle(g);
}

void LoadGame(Game& g) {
    LoadGameRules(g, GameId(g, -1));
    ApplyUndoModeOfGame(g);
    ResetPileAnchors(g);
    CommandStates().EnableGameMenus(Rule(g, rule::kHintsDemo) == 1, Rule(g, rule::kNoSaving) != 1);
    CommandStates().UpdateUndoCaptions();
    GameSetUp().SetUpLoadedGame();
}

std::string TitleText(Game& g) {
    const bool suite = g.Options.Opt(opt::kEdition) == 1;
    std::string caption = suite ? std::string("Quillory 2004") + " " + "6.2" + " "
                                : std::string("Brindlewick 2003") + " " + BW_VERSION + " ";
    // Until a game is dealt (or when the open-game dialog was left without
    // one) the table shows no game, and neither does the caption.
    if (!Flag(g, flag::kInProgress) && !Flag(g, flag::kEnded)) {
        caption.pop_back();
        return caption;
    }
    caption += " [" + g.values.name + "]";
    if (suite) caption += "  [" + g.values.player + "]";
    const std::string number = g.values.number;
    if (!number.empty()) caption += "  [" + number + "]";
    return caption;
}

void UpdateTitle(Game& g) {
    const std::string caption = TitleText(g);
    if (caption == g.caption) return;
    g.caption = caption;
    StatusDisplay().SetCaption(caption);
}

void ResetTitle(Game& g) {
    g.caption.clear();
}

int OffsetAt(const Game& g, int row, int position) {
    if (row < 1 || row > 7 || position < 0 || position > 12) return 0;
    return g.OffsetTable[static_cast<size_t>(row - 1)][static_cast<size_t>(position)];
}

}  // namespace bw
