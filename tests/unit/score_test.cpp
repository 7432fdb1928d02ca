#include <gtest/gtest.h>

#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/state.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

class ScoreWindow : public IWindow {
public:
    std::string shown;
    void ShowScore(const std::string& text) override { shown = text; }
};

class Score : public ::testing::Test {
protected:
    test::CoreFixture fx;
    ScoreWindow window;
    Score() { InstalledPorts().SetWindow(&window); }
    int Shown() {
        UpdateScore(ProgramGame());
        return static_cast<int>(TextInt(ProgramGame().values.score, -99999));
    }
};

TEST_F(Score, MemoryRows) {
    ProgramGame().GameRules[51] = 37;
    ProgramGame().Options.SetOpt(99, 3);
    ProgramGame().MazzoPiles[2] = "001053002054003055004056005057";  // five twin pairs
    EXPECT_EQ(Shown(), -8);
    EXPECT_EQ(window.shown, "-8");

    ProgramGame().GameRules[51] = 39;
    EXPECT_EQ(Shown(), 7 * 5 - 3 - 52);

    ProgramGame().GameRules[51] = 36;
    ProgramGame().Options.SetOpt(99, 1);
    ProgramGame().AppoggPiles[0] = "001002003";
    EXPECT_EQ(Shown(), -8);
    ProgramGame().AppoggPiles[0] = "002";
    EXPECT_EQ(RecordedRunLength(ProgramGame()), 0);
    ProgramGame().AppoggPiles[0] = "001";
    EXPECT_EQ(RecordedRunLength(ProgramGame()), 1);
    ProgramGame().AppoggPiles[0] = "001003";
    EXPECT_EQ(RecordedRunLength(ProgramGame()), 0);
}

TEST_F(Score, ForgetMeNotCountsMatchesOnlyWhenTheAnswerRowsAreFull) {
    ProgramGame().GameRules[51] = 38;
    ProgramGame().GameRules[371] = 52;
    for (int j = 0; j < 10; ++j)
        ProgramGame().DestPiles[static_cast<size_t>(j)] = FormatCode(j + 1);
    for (int j = 0; j < 9; ++j)
        ProgramGame().FilaPiles[static_cast<size_t>(j)] = FormatCode(j + 53);
    EXPECT_EQ(TwinMatchCount(ProgramGame()), 0);
    EXPECT_EQ(Shown(), -52);
    ProgramGame().FilaPiles[9] = FormatCode(70);  // a wrong twin under the tenth model
    EXPECT_EQ(TwinMatchCount(ProgramGame()), 9);
    EXPECT_EQ(Shown(), -52 + 90);
}

TEST_F(Score, ScoreGoalsWinWhenTheTargetIsReached) {
    ProgramGame().GameRules[51] = 37;
    ProgramGame().GameRules[50] = 40;
    SetValue(ProgramGame().values.score, field::kScore, "39");
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    SetValue(ProgramGame().values.score, field::kScore, "40");
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    ProgramGame().GameRules[50] = -2;
    SetValue(ProgramGame().values.score, field::kScore, "-2");
    EXPECT_TRUE(IsGameWon(ProgramGame()));

    // The score can reach the target with pairs still face down in the grid.
    ProgramGame().GameRules[368] = 2;
    ProgramGame().FilaPiles[0] = "000014";
    ProgramGame().FilaPiles[1] = "066000";
    SetFaceFlag(ProgramGame().CardRegister, 14, '0');
    SetFaceFlag(ProgramGame().CardRegister, 66, '0');
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    SetFaceFlag(ProgramGame().CardRegister, 14, '1');
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    SetFaceFlag(ProgramGame().CardRegister, 66, '1');
    EXPECT_TRUE(IsGameWon(ProgramGame()));
}

TEST_F(Score, DefaultWinAndScore) {
    ProgramGame().GameRules[368] = 2;
    ProgramGame().GameRules[369] = 1;
    ProgramGame().GameRules[371] = 52;
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    ProgramGame().FilaPiles[1] = "000";
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    ProgramGame().GameRules[51] = 4;  // holes count as empty
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    ProgramGame().AppoggPiles[0] = "005";
    EXPECT_FALSE(IsGameWon(ProgramGame()));

    ProgramGame().GameRules[51] = 0;
    ProgramGame().DestPiles[0] = "001002003";
    ProgramGame().MazzoPiles[2] = "010";
    EXPECT_EQ(Shown(), 0);  // standard scoring not selected
    SetParameter(120, 2, "01");
    EXPECT_EQ(Shown(), -52 + 5 + 15);
    ProgramGame().GameRules[47] = 1;
    EXPECT_EQ(Shown(), -32 + 5 + 15);
    // In a selection game Dest1 is the selection: selected cards score nothing.
    ProgramGame().GameRules[39] = 10;
    EXPECT_EQ(Shown(), -32 + 5);
}

TEST_F(Score, GoalKindsWithoutARecomputedScoreKeepTheShownOne) {
    ProgramGame().GameRules[51] = 9;
    SetValue(ProgramGame().values.score, field::kScore, "17");
    window.shown = "unchanged";
    EXPECT_EQ(Shown(), 17);
    EXPECT_EQ(window.shown, "unchanged");
    ProgramGame().GameRules[368] = 1;
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    ProgramGame().FilaPiles[0] = "001";
    EXPECT_TRUE(IsGameWon(ProgramGame()));
}

TEST_F(Score, NineDownToOneAndSums) {
    ProgramGame().GameRules[51] = 43;
    ProgramGame().GameRules[368] = 2;
    ProgramGame().GameRules[371] = 52;
    ProgramGame().FilaPiles[1] = "009008007006005004003002001";
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    EXPECT_EQ(Shown(), -52 + 225);
    ProgramGame().GameRules[51] = 57;
    ProgramGame().GameRules[368] = 16;
    for (int i = 0; i < 16; ++i)
        ProgramGame().FilaPiles[static_cast<size_t>(i)] = FormatCode(i % 10 + 1);
    ProgramGame().Options.SetOpt(118, 1 + 2 + 3 + 4);
    ProgramGame().Options.SetOpt(119, 5 + 6 + 7 + 8);
    ProgramGame().Options.SetOpt(120, 9 + 10 + 1 + 2);
    ProgramGame().Options.SetOpt(121, 3 + 4 + 5 + 6);
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    EXPECT_EQ(Shown(), 48);
    ProgramGame().Options.SetOpt(121, 0);
    EXPECT_EQ(Shown(), -52);
}

}  // namespace
}  // namespace bw
