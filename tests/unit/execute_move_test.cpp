#include <gtest/gtest.h>

#include <string>

#include "core/game.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/state.h"
#include "support/program_game.h"
#include "support/recording_table.h"
#include "support/test_support.h"

namespace bw {
namespace {

class CountingHooks : public IGameHooks {
public:
    int ends = 0;
    bool EndGame(Game& /*g*/) override {
        ++ends;
        return false;
    }
};

class ExecuteMoveTest : public ::testing::Test {
protected:
    test::CoreFixture fx;
    test::RecordingTable table;
    IWindow window;
    CountingHooks hooks;
    ExecuteMoveTest() {
        InstalledPorts().SetTable(&table);
        InstalledPorts().SetWindow(&window);
        InstalledPorts().game = &hooks;
        ProgramGame().GameRules[368] = 4;
        ProgramGame().GameRules[367] = 4;
        ProgramGame().GameRules[369] = 2;
        for (int i = 0; i < 4; ++i) {
            ProgramGame().FilaLeft[static_cast<size_t>(i)] = static_cast<int16_t>(10 + 100 * i);
            ProgramGame().FilaTop[static_cast<size_t>(i)] = 200;
        }
        SetParameter(141, 1, "Y");
    }
    void Hold(CardCode c) { ProgramGame().Options.SetOpt(94, c); }
};

TEST_F(ExecuteMoveTest, CardToWasteRecordsUndoAndClearsRedo) {
    ProgramGame().FilaPiles[0] = "001002";
    RecordStep(ProgramGame(), 0);  // something to redo from earlier
    ASSERT_EQ(StepCount(ProgramGame().RedoLists), 1);
    SetFaceFlag(ProgramGame().CardRegister, 2, '0');
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "002");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 2), '1');
    // The undo step holds the table as it was, the redo history is gone.
    ASSERT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(ProgramGame().UndoLists[2][0], "00110020");
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    EXPECT_TRUE(table.Has("erase Fila1 001002>001"));
    EXPECT_TRUE(table.Has("pile Fila1"));
    EXPECT_TRUE(table.Has("top Waste"));
    EXPECT_EQ(ProgramGame().Options.Opt(91), 1);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kStockOperation));
}

TEST_F(ExecuteMoveTest, TableauTargetTakesTheCardWithEverythingAboveIt) {
    ProgramGame().FilaPiles[0] = "001002003";
    ProgramGame().FilaPiles[1] = "010";
    SetFaceFlag(ProgramGame().CardRegister, 3, '0');
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 2, ToPile(kFila, 2)));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001");
    EXPECT_EQ(ProgramGame().FilaPiles[1], "010002003");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 3), '1');
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    // Undo brings both piles and the face back.
    ASSERT_TRUE(PopStepInto(ProgramGame(), ProgramGame().UndoLists, ProgramGame().UndoMarks));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001002003");
    EXPECT_EQ(ProgramGame().FilaPiles[1], "010");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 3), '0');

    // A reserve card onto a tableau pile, and a stack out of a reserve cell.
    ProgramGame().AppoggPiles[1] = "020021";
    Hold(20);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 4)));
    EXPECT_EQ(ProgramGame().AppoggPiles[1], "");
    EXPECT_EQ(ProgramGame().FilaPiles[3], "020021");
}

TEST_F(ExecuteMoveTest, HolesAndSlottedRows) {
    // Slotted rows lift one card: only that card moves, even onto a tableau pile.
    ProgramGame().GameRules[3] = 9;
    ProgramGame().FilaPiles[0] = "001002003";
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 3)));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001003");
    EXPECT_EQ(ProgramGame().FilaPiles[2], "002");

    // Family 12: a tableau card going to a foundation leaves a hole.
    ProgramGame().GameRules[3] = 12;
    ProgramGame().FilaPiles[1] = "005006";
    Hold(5);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 2)));
    EXPECT_EQ(ProgramGame().FilaPiles[1], "000006");
    EXPECT_EQ(ProgramGame().DestPiles[1], "005");
    // ... but not one going to the waste.
    Hold(6);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    EXPECT_EQ(ProgramGame().FilaPiles[1], "000");
}

TEST_F(ExecuteMoveTest, RefusedRequestsChangeNothing) {
    ProgramGame().FilaPiles[0] = "001002";
    Hold(0);
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    Hold(50);  // not on the table
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    Hold(2);
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 1)));  // its own pile
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 41)));
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 17)));
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kAppogg, 0)));
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kMazzo)));
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToFoundationByAutoplay(0)));
    EXPECT_FALSE(
        ExecuteMove(ProgramGame(), 1, StockOp(MoveOp::kRemoveSelection)));  // nothing selected
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001002");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_TRUE(table.calls.empty());
    EXPECT_EQ(ProgramGame().Options.Opt(91), 0);
}

TEST_F(ExecuteMoveTest, StockOperationsGoThroughTheSameEntry) {
    ProgramGame().MazzoPiles[0] = "030031";
    ProgramGame().GameRules[22] = 1;
    EXPECT_TRUE(ExecuteMove(ProgramGame(), 1, StockOp(MoveOp::kTurnStock)));
    EXPECT_EQ(ProgramGame().MazzoPiles[0], "030");
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "031");
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 31));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(91), 1);  // the common tail ran
}

TEST_F(ExecuteMoveTest, FoundationsFirstUntilTheTableauFillStarts) {
    ProgramGame().GameRules[40] = 1;
    ProgramGame().FilaPiles[0] = "001002";
    Hold(2);
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 2)));
    EXPECT_FALSE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 1)));
    EXPECT_EQ(ProgramGame().Options.Opt(91), 1);
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 2)));
    EXPECT_EQ(ProgramGame().Options.Opt(91), 2);
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 3)));
    EXPECT_EQ(ProgramGame().Options.Opt(91), 2);  // stops counting at 2

    // With the automatic fill the first move starts it at once.
    ResetGameState(ProgramGame());
    ProgramGame().GameRules[368] = 4;
    ProgramGame().GameRules[41] = 1;
    ProgramGame().FilaPiles[0] = "001";
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 1)));
    EXPECT_EQ(ProgramGame().Options.Opt(91), 2);
}

TEST_F(ExecuteMoveTest, MoveSoundsFollowTheirSwitches) {
    ProgramGame().FilaPiles[0] = "001002003004005";
    SetParameter(184, 1, "Y");
    SetParameter(143, 1, "Y");
    SetParameter(177, 1, "Y");
    SetParameter(175, 1, "Y");
    Hold(5);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 1)));
    Hold(4);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToFoundationByAutoplay(3)));
    EXPECT_EQ(ProgramGame().DestPiles[2], "004");
    Hold(3);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kAppogg, 1)));
    ProgramGame().GameRules[51] = 37;
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    ProgramGame().GameRules[51] = 12;
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kMazzoVis)));
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "001");
    EXPECT_EQ(fx.sound.played, (std::vector<std::string>{"Foundation", "Autoplay", "Tableau",
                                                         "Pairing", "Tableau"}));

    fx.sound.played.clear();
    SetParameter(184, 1, "N");
    Hold(3);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 4)));
    SetParameter(184, 1, "Y");
    SetParameter(141, 1, "N");  // the master switch
    Hold(4);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 4)));
    EXPECT_TRUE(fx.sound.played.empty());
}

TEST_F(ExecuteMoveTest, ExposedTableauCardsTurnUpUnlessAutoplayRuns) {
    ProgramGame().GameRules[42] = 1;
    ProgramGame().FilaPiles[0] = "001002";
    ProgramGame().FilaPiles[1] = "007";
    SetFaceFlag(ProgramGame().CardRegister, 1, '0');
    SetFaceFlag(ProgramGame().CardRegister, 7, '0');  // another pile's face-down top turns up too
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 1)));
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 1), '1');
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 7), '1');
    EXPECT_TRUE(table.Has("turn 1 @10,200"));
    EXPECT_TRUE(table.Has("turn 7 @110,200"));

    // Not while autoplay runs, not with the preference off, not without the rule.
    ProgramGame().FilaPiles[0] = "001002";
    SetFaceFlag(ProgramGame().CardRegister, 1, '0');
    ProgramGame().DestPiles[0].clear();
    SetAutoplaySwitch(ProgramGame(), true);
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 1)));
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 1), '0');
    SetAutoplaySwitch(ProgramGame(), false);
    SetParameter(239, 1, "N");
    Hold(1);
    ProgramGame().FilaPiles[0] = "002001";
    SetFaceFlag(ProgramGame().CardRegister, 2, '0');
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 2)));
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 2), '0');
}

TEST_F(ExecuteMoveTest, TheWinTestSeesTheTableAfterTheJumpedCardLeft) {
    // Goal 45 is won with four cards left: five before the jump, four after.
    ProgramGame().GameRules[368] = 9;
    ProgramGame().GameRules[28] = 3;
    ProgramGame().GameRules[51] = 45;
    for (int i = 0; i < 9; ++i) ProgramGame().GameRules[static_cast<size_t>(212 + i)] = 71;
    ProgramGame().FilaPiles[0] = "001";
    ProgramGame().FilaPiles[1] = "002";
    ProgramGame().FilaPiles[4] = "003";
    ProgramGame().FilaPiles[7] = "004";
    ProgramGame().FilaPiles[8] = "005";
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 3)));
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "002");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kFinished));
}

TEST_F(ExecuteMoveTest, JumpRemovalAndTwinRowCheckAfterTableauMoves) {
    // A grid three piles wide: 0 1 2 / 3 4 5 / 6 7 8.
    ProgramGame().GameRules[368] = 9;
    ProgramGame().GameRules[28] = 3;
    for (int i = 0; i < 9; ++i) ProgramGame().GameRules[static_cast<size_t>(212 + i)] = 71;
    ProgramGame().FilaPiles[0] = "001";
    ProgramGame().FilaPiles[1] = "002";
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 3)));  // along the row over pile 2
    EXPECT_EQ(ProgramGame().FilaPiles[1], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "002");
    EXPECT_TRUE(table.Has("erase Fila2 002>"));
    EXPECT_TRUE(table.Has("pile Fila2"));

    ProgramGame().FilaPiles[0] = "004";
    ProgramGame().FilaPiles[3] = "003";
    Hold(4);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 7)));  // down the column over pile 4
    EXPECT_EQ(ProgramGame().FilaPiles[3], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "002003");

    // Two places apart across a row's end is no jump.
    ProgramGame().FilaPiles[3] = "005";
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 5)));
    EXPECT_EQ(ProgramGame().FilaPiles[3], "005");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "002003");

    // "Forget me not": the move that fills the last answer row ends the game.
    ProgramGame().GameRules[51] = 38;
    for (int j = 0; j < 10; ++j)
        ProgramGame().FilaPiles[static_cast<size_t>(j)] = j < 8 ? FormatCode(20 + j) : "";
    ProgramGame().AppoggPiles[1] = "040";
    Hold(40);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 10)));
    EXPECT_EQ(hooks.ends, 0);  // row 9 still empty
    ProgramGame().AppoggPiles[1] = "041";
    Hold(41);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 9)));
    EXPECT_EQ(hooks.ends, 1);
}

TEST_F(ExecuteMoveTest, ScoreWinFlagHighlightAndLowestPoint) {
    ProgramGame().GameRules[51] = 35;  // score = -n + 10 x cards in the waste; won at the target
    ProgramGame().GameRules[371] = 52;
    ProgramGame().GameRules[50] = -42;
    ProgramGame().FilaPiles[0] = "001002";
    ProgramGame().FilaTop[0] = 200;
    Hold(2);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kWaste)));
    EXPECT_EQ(ProgramGame().values.score, "-42");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kFinished));

    // The lowest card drawn raises option 93 (table coordinates).
    ProgramGame().GameRules[3] = 1;
    ProgramGame().Options.SetOpt(64, 18);
    ProgramGame().Options.SetOpt(90, 30);
    ProgramGame().FilaPiles[1] = "010011";
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kFila, 2)));
    EXPECT_EQ(ProgramGame().Options.Opt(93), 200 + 2 * 18 + 96);

    ProgramGame().Options.SetOpt(103, 1);
    ProgramGame().GameRules[84] = 72;
    Hold(1);
    ASSERT_TRUE(ExecuteMove(ProgramGame(), 1, ToPile(kDest, 3)));
    EXPECT_TRUE(table.Has("highlight 2"));
    EXPECT_GE(table.Count("joker"), 1);
}

}  // namespace
}  // namespace bw
