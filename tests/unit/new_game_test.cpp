#include <gtest/gtest.h>

#include <functional>
#include <map>

#include "core/game.h"
#include "core/game_status.h"
#include "core/move_engine.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/rules.h"
#include "core/score.h"
#include "core/state.h"
#include "flow_fakes.h"
#include "platform/ini.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace bw {
namespace {

using Log = std::vector<std::string>;
using Column = std::map<int, int>;

// Game 7 "Four Rows": four tableau piles of 13, no bookmarks.
// Game 201 "Two Rows": two tableau piles of 26, demo offered.
const Column kFourRows = {{21, 1}, {368, 4}, {371, 52}, {375, 13}, {376, 13}, {377, 13}, {378, 13}};
const Column kTwoRows = {{45, 1}, {368, 2}, {371, 52}, {375, 26}, {376, 26}};

std::string GamesDat(const std::vector<std::pair<std::string, Column>>& games) {
    std::string out = "[Sect1]\r\n";
    int id = 0;
    for (const auto& g : games) {
        std::string line = "030 " + FormatNumber(id == 0 ? 7 : 201, 3) + "0  " + g.first;
        out += EncodeGamesText(line) + "\r\n";
        ++id;
    }
    out += "[Sect2]\r\n";
    for (int entry = 0; entry < 489; ++entry) {
        std::string line = FormatNumber(entry, 4);
        line.resize(16, ' ');
        bool any = false;
        for (const auto& g : games) {
            auto it = g.second.find(entry);
            std::string v = it == g.second.end() ? "0" : std::to_string(it->second);
            any = any || it != g.second.end();
            v.resize(11, ' ');
            line += v;
        }
        if (any) out += EncodeGamesText(line) + "\r\n";
    }
    return out;
}

// The card set-up of a loaded game, as the test gives it.
struct SetUpCall : IGameSetUp {
    std::function<void()> run;
    void SetUpLoadedGame() override { run(); }
};

class NewGame : public ::testing::Test {
protected:
    test::FlowFixture fx;
    int hookCalls = 0;
    SetUpCall setUp;

    NewGame() {
        fx.core.dir.write("GAMES.DAT",
                          GamesDat({{"Four Rows", kFourRows}, {"Two Rows", kTwoRows}}));
        fx.SettingsFileExists();
        LoadCatalogue();
        SetParameter(185, 1, "Y");
        SetValue(ProgramGame().values.id, field::kGameId, "7");
        SetValue(ProgramGame().values.name, field::kGameName, "Four Rows");
        SetValue(ProgramGame().values.player, field::kPlayer, "Player 1");
        setUp.run = [this] { ++hookCalls; };
        InstalledPorts().setUp = &setUp;
    }
    // Answers for the offset table (91 draws), then the two factors.
    void NextNumber(int64_t a, int64_t b) {
        fx.random.script.assign(91, 0);
        fx.random.script.push_back(a);
        fx.random.script.push_back(b);
    }
    std::string Number() { return ProgramGame().values.number; }
    int TableCards() {
        int n = 0;
        for (auto* list : {&ProgramGame().MazzoPiles, &ProgramGame().FilaPiles,
                           &ProgramGame().DestPiles, &ProgramGame().AppoggPiles})
            for (const auto& p : *list) n += SlotCount(p);
        return n;
    }
};

TEST_F(NewGame, ConfirmQuitAsksOnlyAboutAnUnfinishedGame) {
    EXPECT_TRUE(ConfirmQuit(ProgramGame()));  // no game
    SetFlag(ProgramGame(), flag::kInProgress, true);
    fx.dialogs.answers = {false, true};
    EXPECT_FALSE(ConfirmQuit(ProgramGame()));
    EXPECT_TRUE(ConfirmQuit(ProgramGame(), "Start a new game for player Ann?"));
    EXPECT_EQ(fx.dialogs.confirms, (Log{"Quit this game?", "Start a new game for player Ann?"}));

    SetFlag(ProgramGame(), flag::kFinished, true);
    EXPECT_TRUE(ConfirmQuit(ProgramGame()));
    SetFlag(ProgramGame(), flag::kFinished, false);
    SetParameter(185, 1, "N");
    EXPECT_TRUE(ConfirmQuit(ProgramGame()));
    EXPECT_EQ(fx.dialogs.confirms.size(), 2u);

    SetFlag(ProgramGame(), flag::kWinAnimation, true);
    EXPECT_FALSE(ConfirmQuit(ProgramGame()));
}

TEST_F(NewGame, WithoutAGameItAsksNothingAndDealsANewNumber) {
    NextNumber(3, 5);
    NewGameCommand(ProgramGame());
    EXPECT_TRUE(fx.dialogs.confirms.empty());
    EXPECT_EQ(Number(), "0000000000015");
    EXPECT_EQ(fx.random.bounds.back(), 999999);
    EXPECT_EQ(fx.random.bounds[fx.random.bounds.size() - 2], 9999999);
    EXPECT_EQ(hookCalls, 1);  // the rules were loaded for the first deal
    EXPECT_EQ(ProgramGame().GameRules[368], 4);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]), 13);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kClockRuns));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFinished));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(117), 1);
    EXPECT_EQ(fx.window.time, "0:00:00");
    EXPECT_EQ(fx.window.score, "0");
    EXPECT_EQ(fx.window.captions.back(), "Brindlewick 2003 3.1  [Four Rows]  [0000000000015]");
    EXPECT_EQ(fx.table.events, (Log{"empty", "draw animated"}));
    EXPECT_TRUE(fx.window.Saw("play on bookmark=0"));
    EXPECT_EQ(fx.dialogs.busy, 0);
}

TEST_F(NewGame, TheConfirmQuitSwitchNNeverAsks) {
    NewGameCommand(ProgramGame());
    const std::string first = ProgramGame().FilaPiles[0];
    SetParameter(185, 1, "N");
    NextNumber(1234, 5678);
    NewGameCommand(ProgramGame());
    EXPECT_TRUE(fx.dialogs.confirms.empty());
    EXPECT_TRUE(fx.window.Saw("play off"));  // the running game was ended
    EXPECT_EQ(Number(), "0000007006652");
    EXPECT_NE(ProgramGame().FilaPiles[0], first);
}

TEST_F(NewGame, CancelKeepsTheRunningGame) {
    NewGameCommand(ProgramGame());
    const std::string before = ProgramGame().FilaPiles[0] + ProgramGame().FilaPiles[1];
    const std::string number = Number();
    NextNumber(42, 42);
    fx.dialogs.answers = {false};
    NewGameCommand(ProgramGame());
    EXPECT_EQ(fx.dialogs.confirms, Log{"Quit this game?"});
    EXPECT_EQ(ProgramGame().FilaPiles[0] + ProgramGame().FilaPiles[1], before);
    EXPECT_EQ(Number(), number);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_FALSE(fx.window.Saw("play off"));
}

TEST_F(NewGame, AWonGameOffersTheNextGameInsteadOfDealing) {
    NewGameCommand(ProgramGame());
    const std::string number = Number();
    SetFlag(ProgramGame(), flag::kFinished, true);
    NextNumber(42, 42);
    NewGameCommand(ProgramGame());
    EXPECT_TRUE(fx.window.Saw("open dialog"));
    EXPECT_EQ(Number(), number);
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
}

TEST_F(NewGame, GameNumbersAlwaysHaveThirteenDigits) {
    SetFlag(ProgramGame(), flag::kInProgress, true);  // the caption names a dealt game only
    fx.random.script = {0, 0};
    DrawGameNumber(ProgramGame());
    EXPECT_EQ(Number(), "0000000000000");
    fx.random.script = {9999998, 999998};
    DrawGameNumber(ProgramGame());
    EXPECT_EQ(Number(), "9999978000004");
    fx.random.script = {999999, 999999};  // product below 10^12
    DrawGameNumber(ProgramGame());
    EXPECT_EQ(Number(), "0999998000001");
    EXPECT_EQ(fx.window.captions.back(), "Brindlewick 2003 3.1  [Four Rows]  [0999998000001]");
}

TEST_F(NewGame, AReplayDealsTheStoredNumberAgain) {
    NextNumber(777, 888);
    StartGame(ProgramGame(), true, true, kNewGameNumber, false);
    const std::string table = ProgramGame().FilaPiles[0] + ProgramGame().FilaPiles[1] +
                              ProgramGame().FilaPiles[2] + ProgramGame().FilaPiles[3];
    NextNumber(1, 1);
    StartGame(ProgramGame(), true, true, 1, false);
    EXPECT_EQ(Number(), FormatNumber(777 * 888, 13));
    EXPECT_EQ(ProgramGame().Options.Opt(117), 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0] + ProgramGame().FilaPiles[1] + ProgramGame().FilaPiles[2] +
                  ProgramGame().FilaPiles[3],
              table);
    EXPECT_EQ(TableCards(), 52);
    EXPECT_EQ(hookCalls, 1);  // the loaded rules were restored, not reloaded
}

TEST_F(NewGame, StartResetsThePerGameState) {
    for (int o : {88, 89, 91, 99, 110, 112, 113, 114, 117}) ProgramGame().Options.SetOpt(o, 3);
    ProgramGame().Options.SetOpt(116, 1);
    ProgramGame().RunningCount = 9;
    SetValue(ProgramGame().values.newGameMarkA, field::kNewGameMarkA, "1");
    SetValue(ProgramGame().values.newGameMarkB, field::kNewGameMarkB, "1");
    SetFlag(ProgramGame(), flag::kFinished, true);
    StartGame(ProgramGame(), true, false, 1, false);
    for (int o : {88, 89, 91, 99, 110, 112, 113, 114, 117})
        EXPECT_EQ(ProgramGame().Options.Opt(o), 0) << o;
    EXPECT_EQ(ProgramGame().Options.Opt(116), -1);
    EXPECT_EQ(ProgramGame().RunningCount, 0);
    EXPECT_EQ(ProgramGame().values.newGameMarkA, "0");
    EXPECT_EQ(ProgramGame().values.newGameMarkB, "0");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFinished));
}

TEST_F(NewGame, DrawingFollowsTheSwitches) {
    SetParameter(241, 1, "N");
    StartGame(ProgramGame(), true, true, 1, false);
    EXPECT_EQ(fx.table.events, (Log{"empty", "draw"}));
    SetParameter(241, 1, "Y");
    fx.table.events.clear();
    StartGame(ProgramGame(), true, false, 1, false);
    EXPECT_EQ(fx.table.events, (Log{"empty", "draw"}));
    fx.table.events.clear();
    StartGame(ProgramGame(), true, true, 1, true);  // quiet
    EXPECT_TRUE(fx.table.events.empty());
}

TEST_F(NewGame, TheClockStartsOnceTheTableIsDrawn) {
    fx.clock.dayStart = 8 * 3600 * 1000;
    fx.window.separator = ".";
    Log labels;
    fx.table.onRepaint = [&] {
        labels.push_back(fx.window.time);
        fx.clock.Advance(3000);
    };
    StartGame(ProgramGame(), true, true, 1, false);
    EXPECT_EQ(labels, Log{"0.00.00"});
    EXPECT_EQ(ProgramGame().GameTimes[0], 8 * 3600 * 1000 + 3000);
    EXPECT_EQ(fx.window.time, "0.00.00");
}

TEST_F(NewGame, AutoplayRunsAfterAPause) {
    StartGame(ProgramGame(), true, true, 1, false);
    EXPECT_TRUE(fx.core.waits.waits.empty());
    SetAutoplaySwitch(ProgramGame(), true);
    SetGameCommands(ProgramGame(), false);
    StartGame(ProgramGame(), true, true, 1, false);
    EXPECT_TRUE(fx.core.waits.waits.empty());
    SetGameCommands(ProgramGame(), true);
    StartGame(ProgramGame(), true, true, 1, false);
    EXPECT_EQ(fx.core.waits.waits, std::vector<int>{800});
}

TEST_F(NewGame, GoalKind44RunsTheWinTestAtOnce) {
    LoadGame(ProgramGame());
    ProgramGame().GameRules[51] = 44;
    SaveRuleBases(ProgramGame());
    SetFlag(ProgramGame(), flag::kFinished, true);
    StartGame(ProgramGame(), true, true, 1, false);
    // That goal kind's win test never holds, so play goes on.
    EXPECT_FALSE(Flag(ProgramGame(), flag::kFinished));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_FALSE(fx.window.Saw("play off"));
}

TEST_F(NewGame, LoadGameResetsAnchorsBeforeTheHook) {
    SetValue(ProgramGame().values.id, field::kGameId, "201");
    ProgramGame().GameRules[100] = 5;
    ProgramGame().Options.SetDestLeft(0, 40);
    ProgramGame().FilaLeft[3] = 40;
    int destLeftInHook = 0;
    int filaLeftInHook = 0;
    int pilesInHook = 0;
    setUp.run = [&] {
        destLeftInHook = ProgramGame().Options.DestLeft(0);
        filaLeftInHook = ProgramGame().FilaLeft[3];
        pilesInHook = ProgramGame().GameRules[368];
    };
    LoadGame(ProgramGame());
    EXPECT_EQ(destLeftInHook, kOffDest);
    EXPECT_EQ(filaLeftInHook, kOffFila);
    EXPECT_EQ(pilesInHook, 2);
    EXPECT_EQ(ProgramGame().GameRules[100], 0);
    EXPECT_EQ(fx.window.events, (Log{"menus demo=1 save=1", "undo captions"}));

    SetValue(ProgramGame().values.id, field::kGameId, "7");
    fx.window.events.clear();
    InstalledPorts().setUp = nullptr;
    LoadGame(ProgramGame());
    EXPECT_EQ(fx.window.events, (Log{"menus demo=0 save=0", "undo captions"}));
}

TEST_F(NewGame, OpeningTheSameGameForTheSamePlayerDoesNothing) {
    NewGameCommand(ProgramGame());
    const std::string number = Number();
    fx.window.events.clear();
    EXPECT_FALSE(OpenGame(ProgramGame(), 7, "Four Rows", kNewGameNumber, true, "Player 1"));
    EXPECT_TRUE(fx.dialogs.confirms.empty());
    EXPECT_TRUE(fx.window.events.empty());
    EXPECT_EQ(Number(), number);
    EXPECT_EQ(platform::IniReadString(SettingsFile(), "Preference", "Game", "-"), "-");
    EXPECT_EQ(fx.dialogs.busy, 0);
}

TEST_F(NewGame, OpeningAnotherGameLoadsAndDealsIt) {
    NewGameCommand(ProgramGame());
    ProgramGame().Options.SetOpt(74, 1);
    fx.window.knowsTree = true;
    fx.window.treeNum = -30;
    fx.window.treePos = 12;
    fx.window.events.clear();
    NextNumber(11, 11);
    EXPECT_TRUE(OpenGame(ProgramGame(), 201, "Two Rows", kNewGameNumber, true, "Player 1"));
    EXPECT_EQ(fx.dialogs.confirms, Log{"Quit this game?"});
    EXPECT_EQ(ProgramGame().values.id, "201");
    EXPECT_EQ(ProgramGame().values.name, "Two Rows");
    EXPECT_EQ(ProgramGame().values.startMarkA, "0000");
    EXPECT_EQ(ProgramGame().values.startMarkB, "0000");
    EXPECT_EQ(ProgramGame().Options.Opt(74), 0);
    EXPECT_EQ(hookCalls, 2);
    EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[0]), 26);
    EXPECT_TRUE(ProgramGame().FilaPiles[2].empty());
    EXPECT_EQ(Number(), "0000000000121");
    EXPECT_EQ(fx.window.captions.back(), "Brindlewick 2003 3.1  [Two Rows]  [0000000000121]");
    EXPECT_TRUE(fx.window.Saw("play on bookmark=1"));
    const std::string cfg = SettingsFile();
    EXPECT_EQ(platform::IniReadString(cfg, "Preference", "Game", ""), "201");
    EXPECT_EQ(platform::IniReadString(cfg, "Preference", "Game_Name", ""), "Two Rows");
    EXPECT_EQ(platform::IniReadString(cfg, "Preference", "Game_TreeNum", ""), "-30");
    EXPECT_EQ(platform::IniReadString(cfg, "Preference", "Game_TreePos", ""), "12");
    EXPECT_EQ(fx.dialogs.busy, 0);
}

// A copy is a whole game down to its values: another deal for another player
// and a scoring on the copy leave the original's values as they were.
TEST_F(NewGame, ACopyKeepsTheOriginalsValues) {
    NewGameCommand(ProgramGame());
    SetValue(ProgramGame().values.score, field::kScore, " -1234567");  // the field's cut
    EXPECT_EQ(ProgramGame().values.score, "-12345");
    const GameValues before = ProgramGame().values;
    Game copy = ProgramGame();
    NextNumber(11, 11);
    ASSERT_TRUE(OpenGame(copy, 201, "Two Rows", kNewGameNumber, false, "Ann"));
    UpdateScore(copy);
    EXPECT_EQ(copy.values.id, "201");
    EXPECT_EQ(copy.values.name, "Two Rows");
    EXPECT_EQ(copy.values.player, "Ann");
    EXPECT_EQ(copy.values.number, "0000000000121");
    EXPECT_NE(copy.values.score, before.score);
    EXPECT_EQ(ProgramGame().values, before);
}

TEST_F(NewGame, OpeningWithoutRememberingWritesNothing) {
    EXPECT_TRUE(OpenGame(ProgramGame(), 201, "Two Rows", kNewGameNumber, false, "Player 1"));
    EXPECT_EQ(platform::IniReadString(SettingsFile(), "Preference", "Game", "-"), "-");
}

TEST_F(NewGame, AnotherPlayerKeepsTheGameButStartsAgain) {
    NewGameCommand(ProgramGame());
    ProgramGame().Options.SetOpt(77, 1);  // the suite's caption shows the player
    fx.window.events.clear();
    fx.dialogs.answers = {false};
    EXPECT_FALSE(OpenGame(ProgramGame(), 7, "Four Rows", kNewGameNumber, false, "Ann"));
    EXPECT_EQ(ProgramGame().values.player, "Player 1");

    EXPECT_TRUE(OpenGame(ProgramGame(), 7, "Four Rows", kNewGameNumber, false, "Ann"));
    EXPECT_EQ(ProgramGame().values.player, "Ann");
    EXPECT_EQ(platform::IniReadString(SettingsFile(), "Preference", "UserDefault", ""), "Ann");
    EXPECT_TRUE(fx.window.Saw("marks"));
    EXPECT_EQ(hookCalls, 1);  // same game: not loaded again
    EXPECT_EQ(fx.window.captions.back().rfind("Quillory 2004 6.2  [Four Rows]  [Ann]  [", 0), 0u);
}

TEST_F(NewGame, OpeningEnablesTheCommandsAndAppliesThePerGameAutoplay) {
    SetGameCommands(ProgramGame(), false);
    EXPECT_TRUE(OpenGame(ProgramGame(), 201, "Two Rows", kNewGameNumber, false, "Player 1"));
    EXPECT_TRUE(fx.window.Saw("commands on"));

    ProgramGame().Options.SetOpt(105, 2);
    SetAutoplaySwitch(ProgramGame(), true);
    std::string games(210, 'Y');
    games[7] = 'N';
    platform::IniWriteString(SettingsFile(), "Autoplay", "Games", games);
    fx.window.events.clear();
    EXPECT_TRUE(OpenGame(ProgramGame(), 7, "Four Rows", kNewGameNumber, false, "Player 1"));
    EXPECT_FALSE(fx.window.checked);
    EXPECT_FALSE(fx.window.Saw("commands on"));
}

TEST_F(NewGame, TitleIsSetOnlyWhenItChanges) {
    SetValue(ProgramGame().values.name, field::kGameName, "Memory-Up (6x4)");
    SetFlag(ProgramGame(), flag::kInProgress, true);
    UpdateTitle(ProgramGame());
    UpdateTitle(ProgramGame());
    EXPECT_EQ(fx.window.captions, Log{"Brindlewick 2003 3.1  [Memory-Up (6x4)]"});
    SetValue(ProgramGame().values.number, field::kGameNumber, "0000000004711");
    UpdateTitle(ProgramGame());
    EXPECT_EQ(fx.window.captions.back(),
              "Brindlewick 2003 3.1  [Memory-Up (6x4)]  [0000000004711]");
    ProgramGame().Options.SetOpt(77, 1);
    UpdateTitle(ProgramGame());
    EXPECT_EQ(fx.window.captions.back(),
              "Quillory 2004 6.2  [Memory-Up (6x4)]  [Player 1]  [0000000004711]");
    EXPECT_EQ(fx.window.captions.size(), 3u);
}

TEST_F(NewGame, OffsetRowsStayWithinTwoPixelsOfTheLine) {
    // Row 1: starts after a 0, steps down three times; the third would pass
    // -2 and is folded back. Row 2: up and down until the sum would pass 2.
    fx.random.script = {0, 3, 0, 3, 0, 3, 0, 0, 0, 0, 0, 0, 0, 0, 3, 2, 3, 2, 3, 2,
                        0, 0, 0, 0, 0, 0, 3, 3, 3, 1, 2, 0, 0, 0, 0, 0, 0, 0, 0};
    DrawOffsetTable(ProgramGame());
    using Row = std::array<int, 13>;
    EXPECT_EQ(ProgramGame().OffsetTable[0], (Row{0, -1, 0, -1, 0, 1, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(ProgramGame().OffsetTable[1], (Row{0, -1, 2, -1, 2, -1, 0, 0, 0, 0, 0, 0, 0}));
    // After a 3 a second 3 counts 0; 1 and 2 count only right after a 3.
    EXPECT_EQ(ProgramGame().OffsetTable[2], (Row{0, 0, -1, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(OffsetAt(ProgramGame(), 1, 5), 1);
    EXPECT_EQ(OffsetAt(ProgramGame(), 0, 5), 0);
    EXPECT_EQ(OffsetAt(ProgramGame(), 8, 5), 0);
    EXPECT_EQ(fx.random.bounds.size(), 91u);
    for (int64_t b : fx.random.bounds) EXPECT_EQ(b, 4);
}

}  // namespace
}  // namespace bw

namespace bw {
namespace {

// Players compare results by the deal of the day: its numbers never change.
// (Pinned values from an independent FNV-1a over "YYYY-MM-DD:ID".)
TEST(DealOfTheDay, TheRuleIsFixedPerDateAndGameAndRefusesFalseDates) {
    EXPECT_EQ(DailyDealNumber(201, 2026, 12, 9), "2357426395508");
    EXPECT_EQ(DailyDealNumber(201, 2026, 12, 10), "3205331629314");
    EXPECT_EQ(DailyDealNumber(202, 2026, 12, 9), "5655961280141");
    EXPECT_EQ(DailyDealNumber(3205, 2024, 2, 29), "9734425825972");
    EXPECT_FALSE(DailyDealNumber(201, 2026, 2, 29));
    EXPECT_FALSE(DailyDealNumber(201, 2026, 13, 1));
    EXPECT_FALSE(DailyDealNumber(201, 0, 1, 1));
    ASSERT_TRUE(ParseCalendarDate("2024-02-29"));
    EXPECT_EQ(ParseCalendarDate("2024-02-29")->day, 29u);
    for (const char* bad : {"2026-02-29", "2026-1-09", "2026-12-9", "2026/12/09", "20261209",
                            "2026-12-09x", "", "abcd-ef-gh", "2026-00-10", "2026-12-32"})
        EXPECT_FALSE(ParseCalendarDate(bad)) << bad;
}

}  // namespace
}  // namespace bw
