#include <gtest/gtest.h>

#include "core/params.h"
#include "core/piles.h"
#include "core/ports.h"
#include "core/score.h"
#include "core/state.h"
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
        return static_cast<int>(ParameterInt(pos::kScore, 6, -99999));
    }
};

TEST_F(Score, MemoryRows) {
    GameRules[51] = 37;
    MainGame.SetOpt(99, 3);
    MazzoPiles[2] = "001053002054003055004056005057";  // five twin pairs
    EXPECT_EQ(Shown(), -8);
    EXPECT_EQ(window.shown, "-8");

    GameRules[51] = 39;
    EXPECT_EQ(Shown(), 7 * 5 - 3 - 52);

    GameRules[51] = 36;
    MainGame.SetOpt(99, 1);
    AppoggPiles[0] = "001002003";
    EXPECT_EQ(Shown(), -8);
    AppoggPiles[0] = "002";
    EXPECT_EQ(RecordedRunLength(ProgramGame()), 0);
    AppoggPiles[0] = "001";
    EXPECT_EQ(RecordedRunLength(ProgramGame()), 1);
    AppoggPiles[0] = "001003";
    EXPECT_EQ(RecordedRunLength(ProgramGame()), 0);
}

TEST_F(Score, ForgetMeNotCountsMatchesOnlyWhenTheAnswerRowsAreFull) {
    GameRules[51] = 38;
    GameRules[371] = 52;
    for (int j = 0; j < 10; ++j) DestPiles[static_cast<size_t>(j)] = FormatCode(j + 1);
    for (int j = 0; j < 9; ++j) FilaPiles[static_cast<size_t>(j)] = FormatCode(j + 53);
    EXPECT_EQ(TwinMatchCount(ProgramGame()), 0);
    EXPECT_EQ(Shown(), -52);
    FilaPiles[9] = FormatCode(70);  // a wrong twin under the tenth model
    EXPECT_EQ(TwinMatchCount(ProgramGame()), 9);
    EXPECT_EQ(Shown(), -52 + 90);
}

TEST_F(Score, ScoreGoalsWinWhenTheTargetIsReached) {
    GameRules[51] = 37;
    GameRules[50] = 40;
    SetParameter(pos::kScore, 6, "39");
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    SetParameter(pos::kScore, 6, "40");
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    GameRules[50] = -2;
    SetParameter(pos::kScore, 6, "-2");
    EXPECT_TRUE(IsGameWon(ProgramGame()));

    // The score can reach the target with pairs still face down in the grid.
    GameRules[368] = 2;
    FilaPiles[0] = "000014";
    FilaPiles[1] = "066000";
    SetFaceFlag(ProgramGame().CardRegister, 14, '0');
    SetFaceFlag(ProgramGame().CardRegister, 66, '0');
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    SetFaceFlag(ProgramGame().CardRegister, 14, '1');
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    SetFaceFlag(ProgramGame().CardRegister, 66, '1');
    EXPECT_TRUE(IsGameWon(ProgramGame()));
}

TEST_F(Score, DefaultWinAndScore) {
    GameRules[368] = 2;
    GameRules[369] = 1;
    GameRules[371] = 52;
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    FilaPiles[1] = "000";
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    GameRules[51] = 4;  // holes count as empty
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    AppoggPiles[0] = "005";
    EXPECT_FALSE(IsGameWon(ProgramGame()));

    GameRules[51] = 0;
    DestPiles[0] = "001002003";
    MazzoPiles[2] = "010";
    EXPECT_EQ(Shown(), 0);  // standard scoring not selected
    SetParameter(120, 2, "01");
    EXPECT_EQ(Shown(), -52 + 5 + 15);
    GameRules[47] = 1;
    EXPECT_EQ(Shown(), -32 + 5 + 15);
    // In a selection game Dest1 is the selection: selected cards score nothing.
    GameRules[39] = 10;
    EXPECT_EQ(Shown(), -32 + 5);
}

TEST_F(Score, GoalKindsWithoutARecomputedScoreKeepTheShownOne) {
    GameRules[51] = 9;
    SetParameter(pos::kScore, 6, "17");
    window.shown = "unchanged";
    EXPECT_EQ(Shown(), 17);
    EXPECT_EQ(window.shown, "unchanged");
    GameRules[368] = 1;
    EXPECT_FALSE(IsGameWon(ProgramGame()));
    FilaPiles[0] = "001";
    EXPECT_TRUE(IsGameWon(ProgramGame()));
}

TEST_F(Score, NineDownToOneAndSums) {
    GameRules[51] = 43;
    GameRules[368] = 2;
    GameRules[371] = 52;
    FilaPiles[1] = "009008007006005004003002001";
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    EXPECT_EQ(Shown(), -52 + 225);
    GameRules[51] = 57;
    GameRules[368] = 16;
    for (int i = 0; i < 16; ++i) FilaPiles[static_cast<size_t>(i)] = FormatCode(i % 10 + 1);
    MainGame.SetOpt(118, 1 + 2 + 3 + 4);
    MainGame.SetOpt(119, 5 + 6 + 7 + 8);
    MainGame.SetOpt(120, 9 + 10 + 1 + 2);
    MainGame.SetOpt(121, 3 + 4 + 5 + 6);
    EXPECT_TRUE(IsGameWon(ProgramGame()));
    EXPECT_EQ(Shown(), 48);
    MainGame.SetOpt(121, 0);
    EXPECT_EQ(Shown(), -52);
}

}  // namespace
}  // namespace bw
