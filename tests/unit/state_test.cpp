#include <gtest/gtest.h>

#include "core/cards.h"
#include "core/game.h"
#include "core/history.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/rules.h"
#include "core/state.h"
#include "storage/catalogue.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

class State : public ::testing::Test {
protected:
    test::CoreFixture fx;
};

TEST_F(State, CardFunctions) {
    EXPECT_EQ(RankOf(53), 1);
    EXPECT_EQ(RankOf(104), 13);
    EXPECT_EQ(RankOf(105), 100);
    EXPECT_EQ(RankOf(0), -1);
    EXPECT_EQ(RankOf(109), -1);
    EXPECT_EQ(SuitOf(27), 2);
    EXPECT_EQ(SuitOf(107), -1);
    EXPECT_EQ(SuitOf(66), 1);
    EXPECT_TRUE(IsRed(78));
    EXPECT_FALSE(IsRed(79));
    EXPECT_TRUE(IsFaceCard(102));
    EXPECT_FALSE(IsFaceCard(105));
    EXPECT_EQ(RankText(1) + RankText(10) + RankText(13) + RankText(0), "A10K");
    EXPECT_EQ(NextRank(13), 1);
    EXPECT_EQ(PrevRank(1), 13);
    EXPECT_EQ(FormatCode(7), "007");
}

TEST_F(State, CardRegisterLayout) {
    ASSERT_EQ(ProgramGame().CardRegister.size(), 108u);
    EXPECT_EQ(ProgramGame().CardRegister[0], "CUORI_A        10011");
    EXPECT_EQ(ProgramGame().CardRegister[14], "QUADR_02       20151");
    EXPECT_EQ(ProgramGame().CardRegister[61], "CUORI_10       10621");
    EXPECT_EQ(ProgramGame().CardRegister[107], "JOKER          41081");
    SetFaceFlag(ProgramGame().CardRegister, 27, '0');
    EXPECT_EQ(ProgramGame().CardRegister[26], "FIORI_A        30270");
    EXPECT_TRUE(IsFaceDown(ProgramGame(), 27));
    EXPECT_TRUE(IsFaceDown(ProgramGame(), 0));
}

TEST_F(State, PileNamesAndTopCards) {
    EXPECT_EQ(PileKindOf("Mazzo_Vis"), 2);
    EXPECT_EQ(PileKindOf("Mazzo"), 1);
    EXPECT_EQ(PileKindOf("Appogg10"), 6);
    EXPECT_EQ(PileKindOf("Waste"), 3);
    EXPECT_EQ(PileKindOf("Foo"), 0);
    EXPECT_EQ(PileNumberOf("Fila40"), 40);
    EXPECT_EQ(PileNumberOf("Dest_Autoplay3"), 0);
    ProgramGame().FilaPiles[2] = "001014027";
    EXPECT_EQ(TopCardOf(ProgramGame(), "Fila3"), 27);
    EXPECT_EQ(TopCardOf(ProgramGame(), "Fila4"), 0);
    ProgramGame().MazzoPiles[2] = "005";
    EXPECT_EQ(TopCardOf(ProgramGame(), "Waste"), 0);
    EXPECT_EQ(TopCardOf(ProgramGame(), "Fila99"), 0);
}

TEST_F(State, TakeCardModes) {
    ProgramGame().FilaPiles[0] = "001014027";
    EXPECT_TRUE(TakeCard(ProgramGame().FilaPiles, 0, 14, 2));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001000027");
    ProgramGame().FilaPiles[0] = "001014027";
    EXPECT_TRUE(TakeCard(ProgramGame().FilaPiles, 0, 27, 3));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001014");
    ProgramGame().FilaPiles[0] = "001000027";
    EXPECT_TRUE(TakeCard(ProgramGame().FilaPiles, 0, 27, 3));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001");
    ProgramGame().FilaPiles[0] = "000027";
    EXPECT_TRUE(TakeCard(ProgramGame().FilaPiles, 0, 27, 3));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_FALSE(TakeCard(ProgramGame().FilaPiles, 0, 5, 1));
    EXPECT_TRUE(ProgramGame().FilaPiles[0].empty());
    ProgramGame().FilaPiles[0] = "005";
    EXPECT_TRUE(TakeCard(ProgramGame().FilaPiles, 0, 5, 0));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "005");
}

TEST_F(State, TakeCardAnywhereSearchOrder) {
    ProgramGame().GameRules[368] = 2;
    ProgramGame().FilaPiles[2] = "009";  // beyond the game's tableau: not searched
    ProgramGame().MazzoPiles[0] = "009";
    EXPECT_EQ(TakeCardAnywhere(ProgramGame(), 9, 1), kMazzo);
    EXPECT_EQ(ProgramGame().FilaPiles[2], "009");
    ProgramGame().AppoggPiles[9] = "011";
    EXPECT_EQ(TakeCardAnywhere(ProgramGame(), 11, 2), kAppogg);
    EXPECT_EQ(ProgramGame().AppoggPiles[9], "000");
    EXPECT_EQ(TakeCardAnywhere(ProgramGame(), 50, 1), 255);
}

// One search for every caller: the ranges in the order given, each cut to
// its list, stock-side piles named by their index.
TEST_F(State, FindCardPlaceFollowsTheRangesInOrder) {
    ProgramGame().DestPiles[0] = "007";  // a selection list naming the card
    ProgramGame().FilaPiles[39] = "001007";
    ProgramGame().MazzoPiles[2] = "008";
    CardPlace p = FindCardPlace(ProgramGame(), 7, {{kDest, 0, 16}, {kFila, 0, 40}});
    EXPECT_EQ(p.kind, kDest);
    EXPECT_EQ(p.Name(), "Dest1");
    p = FindCardPlace(ProgramGame(), 7, {{kDest, 1, 15}, {kFila, 30, 99}});
    EXPECT_EQ(p.Name(), "Fila40");
    EXPECT_EQ(p.slot, 1);
    EXPECT_EQ(p.pile, &ProgramGame().FilaPiles[39]);
    EXPECT_FALSE(FindCardPlace(ProgramGame(), 7, {{kFila, 0, 39}}).Found());
    p = FindCardPlace(ProgramGame(), 8, {{kMazzo, 0, 3}});
    EXPECT_EQ(p.kind, kWaste);
    EXPECT_EQ(p.Name(), "Waste");
}

TEST_F(State, SetFaceRules) {
    const std::string pile = "001002003004";
    SetFace(ProgramGame(), pile, -1, Face::kUp);
    EXPECT_EQ(std::string() + FaceFlag(ProgramGame().CardRegister, 1) +
                  FaceFlag(ProgramGame().CardRegister, 2) +
                  FaceFlag(ProgramGame().CardRegister, 3) + FaceFlag(ProgramGame().CardRegister, 4),
              "1010");
    SetFace(ProgramGame(), pile, -2, Face::kUp);
    EXPECT_EQ(std::string() + FaceFlag(ProgramGame().CardRegister, 1) +
                  FaceFlag(ProgramGame().CardRegister, 2) +
                  FaceFlag(ProgramGame().CardRegister, 3) + FaceFlag(ProgramGame().CardRegister, 4),
              "0101");
    SetFace(ProgramGame(), pile, -3, Face::kUp);
    EXPECT_EQ(std::string() + FaceFlag(ProgramGame().CardRegister, 1) +
                  FaceFlag(ProgramGame().CardRegister, 2) +
                  FaceFlag(ProgramGame().CardRegister, 3) + FaceFlag(ProgramGame().CardRegister, 4),
              "1000");
    SetFace(ProgramGame(), pile, 2, Face::kUp);
    EXPECT_EQ(std::string() + FaceFlag(ProgramGame().CardRegister, 1) +
                  FaceFlag(ProgramGame().CardRegister, 2) +
                  FaceFlag(ProgramGame().CardRegister, 3) + FaceFlag(ProgramGame().CardRegister, 4),
              "1011");
    SetFace(ProgramGame(), pile, 0, Face::kDown);
    EXPECT_EQ(std::string() + FaceFlag(ProgramGame().CardRegister, 1) +
                  FaceFlag(ProgramGame().CardRegister, 2) +
                  FaceFlag(ProgramGame().CardRegister, 3) + FaceFlag(ProgramGame().CardRegister, 4),
              "1011");
}

TEST_F(State, StackFromTableauThenReserves) {
    ProgramGame().GameRules[368] = 3;
    ProgramGame().GameRules[369] = 1;
    ProgramGame().FilaPiles[1] = "010011012";
    ProgramGame().AppoggPiles[0] = "020021";
    EXPECT_EQ(StackFrom(ProgramGame(), 11, false), "011012");
    EXPECT_EQ(StackFrom(ProgramGame(), 20, true), "020021");
    EXPECT_EQ(ProgramGame().AppoggPiles[0], "");
    EXPECT_EQ(StackFrom(ProgramGame(), 30, true), "");
    EXPECT_TRUE(IsTableauTop(ProgramGame(), 12));
    EXPECT_FALSE(IsTableauTop(ProgramGame(), 11));
}

TEST_F(State, AnchorsReadTopsMinusScroll) {
    ResetPileAnchors(ProgramGame());
    EXPECT_EQ(ProgramGame().Options.StockLeft(2), kOffStock);
    EXPECT_EQ(ProgramGame().Options.DestTop(15), kOffDest);
    EXPECT_EQ(ProgramGame().FilaLeft[39], kOffFila);
    EXPECT_EQ(ProgramGame().Options.AppoggLeft(9), kOffAppogg);
    ProgramGame().Options.SetDestTop(3, 200);
    ProgramGame().Options.SetOpt(90, 30);
    ProgramGame().FilaTop[0] = 100;
    EXPECT_EQ(ProgramGame().Options.DestTop(3), 170);
    EXPECT_EQ(FilaTopOnScreen(ProgramGame(), 0), 70);
    EXPECT_EQ(ProgramGame().Options.Opt(20), 200);
}

TEST_F(State, ClearPilesKeepsUndoUnlessTheTableGoes) {
    ProgramGame().FilaPiles[0] = "001";
    RecordStep(ProgramGame(), 1);
    RecordStep(ProgramGame(), 2);
    ClearPiles(ProgramGame(), false, false);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001");
    SetFlag(ProgramGame(), flag::kInProgress, true);
    ClearPiles(ProgramGame(), false, true);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
}

TEST_F(State, HistorySnapshotsRoundTrip) {
    ProgramGame().FilaPiles[0] = "007000008";
    SetFaceFlag(ProgramGame().CardRegister, 7, '0');
    EXPECT_EQ(PileImage(ProgramGame(), ProgramGame().FilaPiles[0]), "007000000081");
    RecordStep(ProgramGame(), 1);
    EXPECT_EQ(ProgramGame().UndoMarks, ",");
    EXPECT_EQ(ProgramGame().UndoLists[2].size(), 40u);
    EXPECT_EQ(ProgramGame().UndoLists[0].size(), 3u);
    ProgramGame().FilaPiles[0] = "008";
    SetFaceFlag(ProgramGame().CardRegister, 7, '1');
    ASSERT_TRUE(PopStepInto(ProgramGame(), ProgramGame().UndoLists, ProgramGame().UndoMarks));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "007000008");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 7), '0');
    EXPECT_FALSE(PopStepInto(ProgramGame(), ProgramGame().UndoLists, ProgramGame().UndoMarks));
}

TEST_F(State, MarksMergeAndCount) {
    RecordStep(ProgramGame(), 1);
    RecordStep(ProgramGame(), 1);
    MarkStep(ProgramGame(), 2);
    EXPECT_EQ(ProgramGame().UndoMarks, ",,002");
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 1);
    DropNewestSteps(ProgramGame(), 1);
    EXPECT_EQ(ProgramGame().UndoMarks, ",002");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    DropNewestSteps(ProgramGame(), 5);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(CountMarks(",002001,002", 2), 2);
}

TEST_F(State, RuleColumnLoadsWithTheSubstitution) {
    // Entry lines: index in columns 1-4, values at 17 + 11c, all stored encoded.
    auto line = [](const std::string& idx, const std::string& a, const std::string& b) {
        std::string plain = idx;
        plain.resize(16, ' ');
        std::string va = a, vb = b;
        va.resize(11, ' ');
        vb.resize(10, ' ');
        return EncodeGamesText(plain + va + vb);
    };
    fx.dir.write("GAMES.DAT", "[Sect1]\r\n[Sect2]\r\n" + line("0051", "37", "-5") + "\r\n" +
                                  line("0368", "4", "") + "\r\nshort\r\n" + line("9999", "1", "1") +
                                  "\r\n[Sect3]\r\n" + line("0050", "1", "1") + "\r\n");
    RuleTable r{};
    LoadRuleColumn(fx.dir.file("GAMES.DAT"), 1, r);
    EXPECT_EQ(r[51], -5);
    EXPECT_EQ(r[368], 0);
    EXPECT_EQ(r[50], 0);
    LoadRuleColumn(fx.dir.file("GAMES.DAT"), 0, r);
    EXPECT_EQ(r[51], 37);
    EXPECT_EQ(r[368], 4);
    LoadRuleColumn(fx.dir.file("GAMES.DAT"), 7, r);
    EXPECT_EQ(r[51], 0);
    LoadRuleColumn(fx.dir.file("missing"), 0, r);
    EXPECT_EQ(r[51], 0);
}

TEST_F(State, RuleBasesSurviveADeal) {
    ProgramGame().GameRules[52] = 7;
    ProgramGame().GameRules[171] = 91;
    SaveRuleBases(ProgramGame());
    ProgramGame().GameRules[52] = 3;
    ProgramGame().GameRules[171] = 12;
    RestoreRuleBases(ProgramGame());
    EXPECT_EQ(ProgramGame().GameRules[52], 7);
    EXPECT_EQ(ProgramGame().GameRules[171], 91);
}

TEST_F(State, SubstitutionIsItsOwnInverse) {
    for (int c = 32; c < 128; ++c) {
        char ch = static_cast<char>(c);
        EXPECT_EQ(DecodeGamesChar(EncodeGamesChar(ch)), ch);
    }
    EXPECT_EQ(EncodeGamesChar(' '), 'P');
}

TEST_F(State, CatalogueLookupsFallBackToASearch) {
    auto entry = [](const std::string& fam, const std::string& id, char cls,
                    const std::string& name) {
        std::string l = fam;
        l.resize(4, ' ');
        l += id + cls + "0 " + name;
        return EncodeGamesText(l);
    };
    LoadCatalogueFromLines({entry("16", "000", '0', "Zero"), entry("16", "201", '0', "Memory"),
                            entry("5", "002", '1', "Hidden"), entry("7", "002", '5', "Two")});
    ASSERT_EQ(MainGame.catalogue.size(), 3u);
    EXPECT_EQ(CatalogueIndex(0), 0);
    EXPECT_EQ(CatalogueIndex(201), 1);
    EXPECT_EQ(CatalogueIndex(2), 2);
    EXPECT_EQ(CatalogueIndex(8001), -1);
    EXPECT_EQ(GameName(201), "Memory");
    EXPECT_EQ(GameName(5), "");
    EXPECT_EQ(GameFamily(2), 7);
    EXPECT_EQ(GameFamily(8000), 800);
    EXPECT_EQ(GameFamily(-3), -1);
}

TEST(ParameterBlockTest, FieldsAndNumbers) {
    ParameterBlock b;
    b.Set(189, 50, std::string(60, 'x'));
    EXPECT_EQ(b.Get(189, 50), std::string(50, 'x'));
    b.Set(62, 4, "  7");
    EXPECT_EQ(b.Get(62, 4), "7");
    b.Set(255, 1, "Y");
    EXPECT_EQ(b.Get(255, 1), "Y");
    EXPECT_EQ(b.Get(5, 1), "");
    b.Set(701, 200, "/tmp/x");
    EXPECT_EQ(b.Get(701, 200), "/tmp/x");
    EXPECT_EQ(b.Get(501, 10), "");
    EXPECT_EQ(FormatNumber(7, 3), "007");
    EXPECT_EQ(FormatNumber(-1, 4), "-001");
    EXPECT_EQ(FormatNumber(12345, 3), "***");
    EXPECT_EQ(FormatNumber(-100, 3), "***");
}

}  // namespace
}  // namespace bw
