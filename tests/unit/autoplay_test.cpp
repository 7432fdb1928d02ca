#include <gtest/gtest.h>

#include "core/autoplay.h"
#include "core/game.h"
#include "core/game_status.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "flow_fakes.h"
#include "platform/ini.h"
#include "storage/autoplay_prefs.h"
#include "support/program_game.h"

namespace bw {
namespace {

using Log = std::vector<std::string>;

class Autoplay : public ::testing::Test {
protected:
    test::FlowFixture fx;
    test::PlainMoves moves;
    std::function<bool(const std::string&, CardCode)> accepts = test::FoundationsInSuit;

    Autoplay() {
        ProgramGame().GameRules[367] = 4;
        ProgramGame().GameRules[368] = 4;
        ProgramGame().GameRules[369] = 0;
        for (int i = 52; i < 56; ++i) ProgramGame().GameRules[static_cast<size_t>(i)] = 1;
        SetFlag(ProgramGame(), flag::kInProgress, true);
        SetAutoplaySwitch(ProgramGame(), true);
        InstalledPorts().moves = &engine;
    }
    // The placement test and the moves of the test; with `idle` every move
    // reports success without moving the card.
    struct TestEngine : IAutoplayMoves {
        Autoplay& t;
        bool idle = false;
        explicit TestEngine(Autoplay& test) : t(test) {}
        bool CanDrop(Game& /*g*/, const std::string& pile, CardCode card) override {
            return t.accepts(pile, card);
        }
        bool Move(Game& /*g*/, int count, const MoveTarget& target) override {
            return idle || t.moves.Move(count, MoveTargetName(target));
        }
    } engine{*this};
    // Deals codes (bottom first) face up onto a pile.
    static void Put(const std::string& pile, std::initializer_list<CardCode> codes,
                    char face = '1') {
        std::string* p = PileByName(ProgramGame(), pile);
        for (CardCode c : codes) {
            *p += FormatCode(c);
            SetFaceFlag(ProgramGame().CardRegister, c, face);
        }
    }
};

TEST_F(Autoplay, SwitchedOffItNeverMoves) {
    SetAutoplaySwitch(ProgramGame(), false);
    Put("Fila1", {1});
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    AutoplayAfterRelease(ProgramGame());
    RunAutoplayLoop(ProgramGame());
    EXPECT_TRUE(moves.log.empty());
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001");
}

TEST_F(Autoplay, NeedsAGameWithTableauPiles) {
    Put("Fila1", {1});
    SetFlag(ProgramGame(), flag::kInProgress, false);
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    SetFlag(ProgramGame(), flag::kInProgress, true);
    ProgramGame().GameRules[368] = 0;
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    EXPECT_TRUE(moves.log.empty());
}

TEST_F(Autoplay, PassesRunUntilNothingMoves) {
    Put("Fila1", {2, 1});  // two of hearts under the ace
    Put("Fila2", {14});    // ace of diamonds
    SetFlag(ProgramGame(), flag::kEnded, true);
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, (Log{"1>Dest_Autoplay1", "14>Dest_Autoplay2", "2>Dest_Autoplay1"}));
    EXPECT_EQ(ProgramGame().DestPiles[0], "001002");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(fx.table.events, (Log{"fly 1 Dest1", "fly 14 Dest2", "fly 2 Dest1"}));
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
}

TEST_F(Autoplay, ReservesAreScannedAgainAfterEachTableauCard) {
    ProgramGame().GameRules[369] = 1;
    Put("Appogg1", {2});
    Put("Fila1", {1});
    Put("Fila2", {14});
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, (Log{"1>Dest_Autoplay1", "2>Dest_Autoplay1", "14>Dest_Autoplay2"}));
}

TEST_F(Autoplay, VisibleStockIsOfferedUnlessTheRulesKeepIt) {
    Put("Mazzo_Vis", {1});
    ProgramGame().GameRules[8] = 1;
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    ProgramGame().GameRules[8] = 0;
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, Log{"1>Dest_Autoplay1"});
}

TEST_F(Autoplay, FaceDownTableauTopsAreTurnedWhenTheGameSaysSo) {
    Put("Fila1", {1}, '0');
    EXPECT_FALSE(RunAutoplay(ProgramGame()));  // face down: never offered
    ProgramGame().GameRules[42] = 1;
    SetParameter(239, 1, "N");
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    SetParameter(239, 1, "Y");
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, Log{"1>Dest_Autoplay1"});
    EXPECT_EQ(fx.table.events.front(), "turn Fila1");
}

TEST_F(Autoplay, FoundationsThatMustStartAlikeAreNotStarted) {
    for (int i = 52; i < 56; ++i) ProgramGame().GameRules[static_cast<size_t>(i)] = 92;
    accepts = [](const std::string& p, CardCode) { return PileKindOf(p) == kDest; };
    Put("Fila1", {5});
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    ProgramGame().GameRules[55] = 93;
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    EXPECT_TRUE(moves.log.empty());
    EXPECT_TRUE(AutoMoveCard(ProgramGame(), 5, -1, -1, target::kFoundations | target::kForPlayer));
    EXPECT_EQ(moves.log, Log{"5>Dest1"});  // the player may start one
    Put("Fila1", {6});
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, (Log{"5>Dest1", "6>Dest_Autoplay1"}));
}

TEST_F(Autoplay, FoundationsOffTheTableAreSkipped) {
    ProgramGame().Options.SetDestLeft(0, kOffDest);
    accepts = [](const std::string& p, CardCode) { return PileKindOf(p) == kDest; };
    Put("Fila1", {1});
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, Log{"1>Dest_Autoplay2"});
}

TEST_F(Autoplay, AWinningMoveEndsTheGame) {
    Put("Fila1", {2, 1});
    moves.after = [] {
        if (ProgramGame().DestPiles[0].size() == 6) SetFlag(ProgramGame(), flag::kFinished, true);
    };
    ProgramGame().Options.SetOpt(109, 1);
    Put("Fila2", {3});
    EXPECT_TRUE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, (Log{"1>Dest_Autoplay1", "2>Dest_Autoplay1"}));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_TRUE(fx.window.Saw("play off"));
    RunAutoplayLoop(ProgramGame());
    EXPECT_EQ(moves.log.size(), 2u);
}

TEST_F(Autoplay, RefusedOrEmptyMovesEndTheLoop) {
    Put("Fila1", {1});
    moves.refuse = true;
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(moves.log, Log{"1>Dest_Autoplay1"});
    // An engine that reports success without moving the card.
    engine.idle = true;
    EXPECT_FALSE(RunAutoplay(ProgramGame()));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001");
}

TEST_F(Autoplay, AutoMoveCardTriesTargetsInOrder) {
    ProgramGame().GameRules[369] = 2;
    Put("Fila1", {7});
    Put("Fila2", {22});
    std::vector<std::string> asked;
    accepts = [&](const std::string& p, CardCode) {
        asked.push_back(p);
        return p == "Appogg2";
    };
    SetFaceFlag(ProgramGame().CardRegister, 30, '0');
    EXPECT_FALSE(AutoMoveCard(ProgramGame(), 30, -1, -1, 0xFF));  // face down: nothing asked
    EXPECT_TRUE(asked.empty());

    const int all =
        target::kFoundations | target::kTableaus | target::kEmptyTableaus | target::kReserves;
    EXPECT_TRUE(AutoMoveCard(ProgramGame(), 7, -1, -1, all));
    EXPECT_EQ(asked, (Log{"Dest1", "Dest2", "Dest3", "Dest4", "Fila2", "Fila3", "Fila4", "Appogg1",
                          "Appogg2"}));
    EXPECT_EQ(moves.log, Log{"7>Appogg2"});
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(116), 0);

    asked.clear();
    EXPECT_FALSE(AutoMoveCard(ProgramGame(), 22, -1, -1, target::kEmptyTableaus));
    EXPECT_EQ(asked, (Log{"Fila1", "Fila3", "Fila4"}));  // Fila1 is empty now
}

TEST_F(Autoplay, MovesForThePlayerCountTheGameAsPlayed) {
    Put("Fila1", {1});
    ProgramGame().Options.SetOpt(116, -1);
    ProgramGame().Options.SetOpt(95, 9);
    EXPECT_TRUE(AutoMoveCard(ProgramGame(), 1, 10, 20, target::kFoundations | target::kForPlayer));
    EXPECT_EQ(moves.log, Log{"1>Dest1"});
    EXPECT_EQ(ProgramGame().Options.Opt(116), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(95), 0);
    SetParameter(67, 1, "N");  // no flight
    Put("Fila1", {14});
    EXPECT_TRUE(AutoMoveCard(ProgramGame(), 14, 10, 20, target::kFoundations));
    EXPECT_EQ(fx.table.events, Log{"fly 1 Dest1"});
}

TEST_F(Autoplay, VisibleStockTakesANeighbourOfTheSameSuit) {
    accepts = [](const std::string&, CardCode) { return false; };
    Put("Mazzo_Vis", {13});  // king of hearts
    Put("Fila1", {1, 14, 12, 2});
    auto tryCard = [](CardCode c) {
        return AutoMoveCard(ProgramGame(), c, -1, -1, target::kStockVis);
    };
    EXPECT_FALSE(tryCard(2));  // rules do not offer the visible stock yet
    ProgramGame().GameRules[353] = 2;
    ProgramGame().GameRules[354] = 4;
    EXPECT_FALSE(tryCard(2));
    ProgramGame().GameRules[354] = 0;
    EXPECT_FALSE(tryCard(2));   // two on king: not adjacent
    EXPECT_FALSE(tryCard(14));  // ace of diamonds: other suit
    EXPECT_TRUE(tryCard(1));    // ace after king
    EXPECT_EQ(moves.log, Log{"1>Stock02"});
    EXPECT_TRUE(tryCard(2));  // two on the ace
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "013001002");
}

// --- Filling empty tableau piles ---------------------------------------

class Fill : public Autoplay {
protected:
    Fill() {
        accepts = [](const std::string&, CardCode) { return false; };
        ProgramGame().GameRules[368] = 4;
    }
    Log Run(int mode) {
        ProgramGame().GameRules[23] = static_cast<int16_t>(mode);
        moves.log.clear();
        FillEmptyTableaus(ProgramGame());
        return moves.log;
    }
};

TEST_F(Fill, NothingWithoutModeOrGameOrBeforeTheAutomaticFill) {
    Put("Mazzo", {5, 6});
    EXPECT_TRUE(Run(0).empty());
    ProgramGame().GameRules[40] = 1;
    EXPECT_TRUE(Run(3).empty());
    ProgramGame().Options.SetOpt(91, 1);
    SetFlag(ProgramGame(), flag::kInProgress, false);
    EXPECT_TRUE(Run(3).empty());
    SetFlag(ProgramGame(), flag::kInProgress, true);
    EXPECT_EQ(Run(3), (Log{"6>Fila1", "5>Fila2"}));
    EXPECT_EQ(fx.table.events, (Log{"fly 6 Fila1", "fly 5 Fila2"}));
    EXPECT_TRUE(Run(99).empty());
}

TEST_F(Fill, ModeOneTakesReserveCellOne) {
    ProgramGame().GameRules[369] = 2;
    Put("Appogg2", {9});
    Put("Fila2", {30});
    EXPECT_TRUE(Run(1).empty());
    Put("Appogg1", {5, 6});
    EXPECT_EQ(Run(1), (Log{"6>Fila1", "5>Fila3"}));
    EXPECT_TRUE(ProgramGame().FilaPiles[3].empty());
}

TEST_F(Fill, GridTailModesFillOnlyPilesPastTheGrid) {
    ProgramGame().GameRules[25] = 1;
    ProgramGame().GameRules[26] = 2;  // piles 1 and 2 form the grid
    Put("Mazzo", {5, 6});
    Put("Mazzo_Vis", {7});
    EXPECT_EQ(Run(2), (Log{"7>Fila3", "6>Fila4"}));
    EXPECT_TRUE(ProgramGame().FilaPiles[0].empty());
    ProgramGame().FilaPiles[2].clear();
    ProgramGame().FilaPiles[3].clear();
    EXPECT_EQ(Run(8), (Log{"5>Fila3"}));

    // Mode 10 waits for every reserve cell to be empty.
    ProgramGame().FilaPiles[2].clear();
    Put("Mazzo", {8});
    Put("Appogg5", {9});
    EXPECT_TRUE(Run(10).empty());
    ProgramGame().AppoggPiles[4].clear();
    EXPECT_EQ(Run(10), (Log{"8>Fila3"}));
}

TEST_F(Fill, ModeFourFillsOnlyOnTheFirstPassThroughTheStock) {
    ProgramGame().GameRules[25] = 1;
    ProgramGame().GameRules[26] = 2;
    Put("Mazzo_Vis", {7});
    ProgramGame().Options.SetOpt(73, 2);
    EXPECT_TRUE(Run(4).empty());
    ProgramGame().Options.SetOpt(73, 1);
    EXPECT_EQ(Run(4), (Log{"7>Fila3"}));
}

TEST_F(Fill, StockFirstAndVisibleStockOnlyModes) {
    Put("Mazzo", {5});
    Put("Mazzo_Vis", {7, 8});
    EXPECT_EQ(Run(3), (Log{"5>Fila1", "8>Fila2", "7>Fila3"}));
    for (auto& p : ProgramGame().FilaPiles) p.clear();
    Put("Mazzo_Vis", {7, 8});
    Put("Mazzo", {5});
    EXPECT_EQ(Run(6), (Log{"8>Fila1"}));  // of four piles only the first is one of mode 6's
    ProgramGame().GameRules[368] = 8;
    for (auto& p : ProgramGame().FilaPiles) p.clear();
    Put("Mazzo_Vis", {7, 8, 9});
    EXPECT_EQ(Run(6), (Log{"9>Fila1", "8>Fila7", "7>Fila8"}));
}

TEST_F(Fill, PileRangesOfModesSevenAndEleven) {
    ProgramGame().GameRules[368] = 40;
    for (int i = 0; i < 40; ++i) Put("Fila" + std::to_string(i + 1), {40 + (i % 10)});
    ProgramGame().FilaPiles[9].clear();   // pile 10
    ProgramGame().FilaPiles[10].clear();  // pile 11
    ProgramGame().FilaPiles[23].clear();  // pile 24
    ProgramGame().FilaPiles[24].clear();  // pile 25
    ProgramGame().FilaPiles[31].clear();  // pile 32
    ProgramGame().FilaPiles[32].clear();  // pile 33
    Put("Mazzo", {1, 2, 3, 4});
    EXPECT_EQ(Run(7), (Log{
                          "4>Fila11",
                          "3>Fila24",
                          "2>Fila25",
                          "1>Fila32",
                      }));
    ProgramGame().FilaPiles[10].clear();
    ProgramGame().FilaPiles[23].clear();
    ProgramGame().FilaPiles[24].clear();
    ProgramGame().FilaPiles[31].clear();
    Put("Mazzo", {5, 6, 7});
    EXPECT_EQ(Run(11), (Log{"7>Fila25", "6>Fila32"}));
}

TEST_F(Fill, SeveralCardsPerPileMarkTheStockOperation) {
    std::vector<int> during;
    moves.after = [&] { during.push_back(ProgramGame().Options.Opt(112)); };
    Put("Mazzo_Vis", {1, 2, 3, 4});
    Put("Fila2", {20});
    Put("Fila3", {21});
    Put("Fila4", {22});
    EXPECT_EQ(Run(5), (Log{"4>Fila1", "3>Fila1", "2>Fila1"}));
    EXPECT_EQ(during, (std::vector<int>{1, 1, 1}));
    EXPECT_EQ(ProgramGame().Options.Opt(112), 0);

    ProgramGame().FilaPiles[0].clear();
    ProgramGame().MazzoPiles[1].clear();
    Put("Mazzo", {5, 6, 7, 8, 9});
    EXPECT_EQ(Run(9), (Log{"9>Fila1", "8>Fila1", "7>Fila1", "6>Fila1"}));

    ProgramGame().FilaPiles[0].clear();
    Put("Mazzo_Vis", {10, 11});
    EXPECT_EQ(Run(12), (Log{"11>Fila1", "10>Fila1", "5>Fila1"}));  // then from the stock
}

TEST_F(Fill, ImplementerModes) {
    ProgramGame().GameRules[369] = 3;
    Put("Fila2", {20});
    // 13: every empty pile from the visible stock, then the stock.
    Put("Mazzo", {5});
    Put("Mazzo_Vis", {7});
    EXPECT_EQ(Run(13), (Log{"7>Fila1", "5>Fila3"}));
    // 14: from the first reserve cell that holds a card.
    ProgramGame().FilaPiles[0].clear();
    ProgramGame().FilaPiles[2].clear();
    Put("Appogg2", {30, 31});
    Put("Appogg3", {32});
    EXPECT_EQ(Run(14), (Log{"31>Fila1", "30>Fila3", "32>Fila4"}));
    // 15: from the waste.
    for (int i : {0, 2, 3}) ProgramGame().FilaPiles[static_cast<size_t>(i)].clear();
    Put("Waste", {40, 41});
    EXPECT_EQ(Run(15), (Log{"41>Fila1", "40>Fila3"}));
    // 16: only the first empty pile of a pass.
    ProgramGame().FilaPiles[0].clear();
    ProgramGame().FilaPiles[2].clear();
    Put("Mazzo", {6, 8});
    EXPECT_EQ(Run(16), (Log{"8>Fila1"}));
    EXPECT_EQ(Run(16), (Log{"6>Fila3"}));
    // 17: up to two cards each, from the stock, then the visible stock.
    ProgramGame().FilaPiles[0].clear();
    ProgramGame().FilaPiles[2].clear();
    Put("Mazzo", {9});
    Put("Mazzo_Vis", {10, 11});
    EXPECT_EQ(Run(17), (Log{"9>Fila1", "11>Fila1", "10>Fila3"}));
    // Stock modes do nothing with an empty stock.
    ProgramGame().FilaPiles[0].clear();
    for (int mode : {2, 3, 8, 9, 11, 12, 13, 16, 17}) EXPECT_TRUE(Run(mode).empty()) << mode;
}

TEST_F(Fill, ARefusedMoveStopsThePass) {
    Put("Mazzo", {5, 6});
    moves.refuse = true;
    EXPECT_EQ(Run(3), (Log{"6>Fila1"}));
    EXPECT_EQ(ProgramGame().MazzoPiles[0], "005006");
}

TEST_F(Autoplay, LoopAlternatesFillAndFoundationMoves) {
    ProgramGame().GameRules[23] = 3;
    Put("Fila1", {1});
    Put("Fila2", {20});
    Put("Fila3", {21});
    Put("Fila4", {22});
    Put("Mazzo", {3, 2}, '0');
    RunAutoplayLoop(ProgramGame());
    EXPECT_EQ(moves.log, (Log{"1>Dest_Autoplay1", "2>Fila1", "2>Dest_Autoplay1", "3>Fila1",
                              "3>Dest_Autoplay1"}));
    EXPECT_EQ(ProgramGame().DestPiles[0], "001002003");
}

TEST_F(Autoplay, AfterAReleaseTheFillRunsEvenWithTheSwitchOff) {
    ProgramGame().GameRules[23] = 3;
    Put("Fila2", {20});
    Put("Fila3", {21});
    Put("Fila4", {22});
    Put("Mazzo", {3, 2, 1}, '0');
    SetAutoplaySwitch(ProgramGame(), false);
    AutoplayAfterRelease(ProgramGame());
    EXPECT_EQ(moves.log, Log{"1>Fila1"});
    SetAutoplaySwitch(ProgramGame(), true);
    moves.log.clear();
    AutoplayAfterRelease(ProgramGame());  // Fila1 is full: nothing to fill, then autoplay
    EXPECT_EQ(moves.log, (Log{"1>Dest_Autoplay1", "2>Fila1", "2>Dest_Autoplay1", "3>Fila1",
                              "3>Dest_Autoplay1"}));
}

// --- The command and the per-game switch -------------------------------

class AutoplaySwitch : public Autoplay {
protected:
    AutoplaySwitch() {
        fx.SettingsFileExists();
        SetAutoplaySwitch(ProgramGame(), false);
        ProgramGame().Options.SetOpt(105, 2);
        SetValue(ProgramGame().values.id, field::kGameId, "4");
    }
    std::string Stored(const std::string& key) {
        return platform::IniReadString(SettingsFile(), "Autoplay", key, "<missing>");
    }
};

TEST_F(AutoplaySwitch, CommandTogglesRunsAndStores) {
    Put("Fila1", {1});
    AutoplayCommand(ProgramGame());
    EXPECT_TRUE(fx.window.checked);
    EXPECT_EQ(moves.log, Log{"1>Dest_Autoplay1"});
    EXPECT_EQ(Stored("Games"), "YYYYYYYYYYYYYY");

    AutoplayCommand(ProgramGame());
    EXPECT_FALSE(fx.window.checked);
    EXPECT_EQ(Stored("Games"), "YYYYNYYYYYYYYY");
    EXPECT_EQ(Stored("Games").size(), 14u);

    SetFlag(ProgramGame(), flag::kInProgress, false);
    Put("Fila2", {14});
    AutoplayCommand(ProgramGame());
    EXPECT_EQ(moves.log.size(), 1u);  // no game: nothing runs
}

TEST_F(AutoplaySwitch, StoreRules) {
    EXPECT_TRUE(StoreGameAutoplaySwitch(4, false));
    EXPECT_EQ(Stored("Games"), "YYYYNYYYYYYYYY");
    EXPECT_TRUE(StoreGameAutoplaySwitch(2, false));  // long enough: kept
    EXPECT_EQ(Stored("Games"), "YYNYNYYYYYYYYY");
    EXPECT_TRUE(StoreGameAutoplaySwitch(13, true));  // id + 2 = 15 > 14: extended to 23
    EXPECT_EQ(Stored("Games"), "YYNYNYYYYYYYYYYYYYYYYYY");
    EXPECT_TRUE(StoreGameAutoplaySwitch(8001, false));
    EXPECT_EQ(Stored("Cust_8001"), "N");
    EXPECT_FALSE(StoreGameAutoplaySwitch(-1, false));
}

TEST_F(AutoplaySwitch, ReadRules) {
    EXPECT_TRUE(GameAutoplayStored(8123));  // a custom game never stored is on
    EXPECT_TRUE(GameAutoplayStored(7));
    platform::IniWriteString(SettingsFile(), "Autoplay", "Games", "YYN");
    platform::IniWriteString(SettingsFile(), "Autoplay", "Cust_8123", "No");
    EXPECT_TRUE(GameAutoplayStored(0));
    EXPECT_FALSE(GameAutoplayStored(2));
    EXPECT_TRUE(GameAutoplayStored(3));
    EXPECT_TRUE(GameAutoplayStored(500));
    EXPECT_FALSE(GameAutoplayStored(8123));
}

TEST_F(AutoplaySwitch, PerGameModeOnlyAndOnlyWhileEnabled) {
    ProgramGame().Options.SetOpt(105, 1);
    StoreGameAutoplay(ProgramGame(), 4);
    EXPECT_EQ(Stored("Games"), "<missing>");
    ApplyGameAutoplay(ProgramGame(), 4);
    EXPECT_FALSE(fx.window.checked);

    ProgramGame().Options.SetOpt(105, 2);
    SetGameCommands(ProgramGame(), false);
    StoreGameAutoplay(ProgramGame(), 4);
    ApplyGameAutoplay(ProgramGame(), 4);
    EXPECT_EQ(Stored("Games"), "<missing>");
    EXPECT_FALSE(fx.window.checked);

    SetGameCommands(ProgramGame(), true);
    fx.window.events.clear();
    SetFlag(ProgramGame(), flag::kInProgress, false);
    SetValue(ProgramGame().values.id, field::kGameId,
             "8123");                        // the command stores for the current game
    ApplyGameAutoplay(ProgramGame(), 8123);  // stored value missing: on
    EXPECT_TRUE(fx.window.checked);
    EXPECT_EQ(Stored("Cust_8123"), "Y");
    ApplyGameAutoplay(ProgramGame(), 8123);  // already matching: no toggle
    EXPECT_EQ(fx.window.events, Log{"autoplay on"});
    StoreGameAutoplaySwitch(4, false);
    SetValue(ProgramGame().values.id, field::kGameId, "4");
    ApplyGameAutoplay(ProgramGame(), 4);
    EXPECT_FALSE(fx.window.checked);
    EXPECT_EQ(Stored("Games"), "YYYYNYYYYYYYYY");
}

}  // namespace
}  // namespace bw
