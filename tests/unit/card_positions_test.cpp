#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "platform/clock.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

// Answers RandomBelow from a script, 0 once it runs out.
class ScriptedRandom : public platform::Random {
public:
    std::deque<int64_t> next;
    void Seed(uint64_t) override {}
    int64_t Below(int64_t n) override {
        if (next.empty()) return 0;
        int64_t v = next.front();
        next.pop_front();
        return n > 0 ? v % n : 0;
    }
};

std::string Pile(std::initializer_list<int> codes) {
    std::string s;
    for (int c : codes) s += FormatCode(c);
    return s;
}

class CardPositions : public ::testing::Test {
protected:
    test::CoreFixture fx;
    CardPositions() {
        ResetPileAnchors(ProgramGame());
        ProgramGame().CardWidth = 71;
        ProgramGame().CardHeight = 96;
        // Size "B" steps.
        ProgramGame().Options.SetOpt(64, 18);
        ProgramGame().Options.SetOpt(66, 4);
        ProgramGame().Options.SetOpt(65, 12);
        ProgramGame().Options.SetOpt(67, 4);
        ProgramGame().Options.SetOpt(72, 6);
        ProgramGame().Options.SetOpt(75, 3);
        ProgramGame().Options.SetOpt(83, 7);
        ProgramGame().Options.SetOpt(101, 12);
        ProgramGame().Options.SetOpt(102, 8);
        ProgramGame().OffsetTable = {};
        SetParameter(179, 1, "N");
    }
    ~CardPositions() override { platform::SetRandom(nullptr); }
    void FaceDown(std::initializer_list<int> codes) {
        for (int c : codes) SetFaceFlag(ProgramGame().CardRegister, c, '0');
    }
};

TEST_F(CardPositions, DownwardCascadeStepsByFace) {
    ProgramGame().GameRules[3] = 1;
    ProgramGame().FilaLeft[0] = 100;
    ProgramGame().FilaTop[0] = 50;
    ProgramGame().FilaPiles[0] = Pile({1, 2, 3, 4, 5});
    FaceDown({1, 2, 3});
    // Three face-down steps and one face-up step: 3 x 4 + 18.
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 80);
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 100);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, true), 98);
    // Card k is asked for with above = n - k and the next-slot form.
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 5, true), 50);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 2, true), 62);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 4).top, 80);
    EXPECT_EQ(PileBottomEdge(ProgramGame(), "Fila1", 0), 80 + 96);
    // Tops follow the scroll offset; lefts do not.
    ProgramGame().Options.SetOpt(90, 20);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 60);
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 100);

    // Family 12 counts a hole as face up; family 1 as face down.
    ProgramGame().FilaPiles[0] = Pile({0, 0, 5});
    ProgramGame().Options.SetOpt(90, 0);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 58);
    ProgramGame().GameRules[3] = 12;
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 86);
}

TEST_F(CardPositions, EmptyPilesAndOffTablePiles) {
    ProgramGame().GameRules[3] = 1;
    ProgramGame().GameRules[4] = 1;
    ProgramGame().GameRules[5] = 5;
    ProgramGame().FilaLeft[3] = 40;
    ProgramGame().FilaTop[3] = 30;
    ProgramGame().Options.SetDestLeft(2, 300);
    ProgramGame().Options.SetDestTop(2, 10);
    ProgramGame().Options.SetAppoggLeft(1, 500);
    ProgramGame().Options.SetAppoggTop(1, 20);
    ProgramGame().Options.SetStockLeft(1, 7);
    ProgramGame().Options.SetStockTop(1, 8);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila4", 3, 0, true), 30);
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila4", 3, 0, true), 40);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Dest3", 2, 0, true), 10);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Appogg2", 1, 0, true), 20);
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Mazzo_Vis", 1, 0, true), 7);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Mazzo_Vis", 1, 0, false), 8);

    // A reserve cell of direction 5 steps by entry 75 per card, faces aside.
    ProgramGame().AppoggPiles[1] = Pile({1, 2, 3});
    FaceDown({2});
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Appogg2", 1, 0, false), 26);
    // The stock group lies squared whatever it holds.
    ProgramGame().MazzoPiles[1] = Pile({10, 11, 12});
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Mazzo_Vis", 1, 0, true), 8);
    // A pile off the table keeps its marker, cards or not.
    ProgramGame().FilaPiles[5] = Pile({1, 2});
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila6", 5, 0, false), ProgramGame().FilaTop[5]);
    EXPECT_FALSE(OnTable(CardTopInPile(ProgramGame(), "Fila6", 5, 0, false)));
    EXPECT_FALSE(OnTable(CardLeftInPile(ProgramGame(), "Dest9", 8, 0, true)));
}

TEST_F(CardPositions, SidewaysDirections) {
    ProgramGame().FilaLeft[0] = 200;
    ProgramGame().FilaTop[0] = 100;
    ProgramGame().FilaPiles[0] = Pile({1, 2, 3});
    FaceDown({1});
    ProgramGame().GameRules[3] = 2;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 200 + 4 + 12);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 100);
    ProgramGame().GameRules[3] = 10;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 200 - 4 - 12);
    ProgramGame().GameRules[3] = 4;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, true), 200 + 3 * (71 + 6));
    ProgramGame().GameRules[3] = 6;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 200 + 2 * 7);
    // Squared families put every card on the anchor.
    ProgramGame().GameRules[3] = 0;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, true), 200);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, true), 100);
    // Family 11: each pile's own direction.
    ProgramGame().GameRules[3] = 11;
    ProgramGame().TableauPileFamily[0] = 2;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 216);
    ProgramGame().TableauPileFamily[0] = 1;

    // Foundations of direction 2 fan out to the right.
    ProgramGame().GameRules[4] = 2;
    ProgramGame().Options.SetDestLeft(0, 10);
    ProgramGame().Options.SetDestTop(0, 10);
    ProgramGame().DestPiles[0] = Pile({1, 2});
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Dest1", 0, 0, false), 14);
}

TEST_F(CardPositions, SquaredWithOneStepDirection7) {
    ProgramGame().GameRules[3] = 7;
    ProgramGame().FilaLeft[0] = 0;
    ProgramGame().FilaTop[0] = 100;
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, true), 100);  // empty: the anchor
    ProgramGame().FilaPiles[0] = Pile({1});
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 100);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, true), 118);
    ProgramGame().FilaPiles[0] = Pile({1, 2, 3, 4});
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 4, true), 100);  // the bottom card
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 0, false), 118);
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Fila1", 0, 2, true), 118);
}

TEST_F(CardPositions, SlottedRows) {
    ProgramGame().FilaLeft[0] = 10;
    ProgramGame().FilaTop[0] = 20;
    ProgramGame().FilaPiles[0] = Pile({1, 0, 3, 4, 5, 6, 7});
    ProgramGame().GameRules[3] = 9;
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 2).left, 10 + 2 * 73);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 2).top, 20);
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila1", 0, 0, false), 10 + 6 * 73);

    // Family 8: rows of three, the second row running right to left.
    ProgramGame().GameRules[3] = 8;
    ProgramGame().GameRules[43] = 3;
    const int pitchX = 71 + 12, pitchY = 96 + 8;
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 1).left, 10 + pitchX);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 3).left, 10 + 2 * pitchX);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 3).top, 20 + pitchY);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 5).left, 10);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 6).left, 10);
    EXPECT_EQ(CardSlotPosition(ProgramGame(), "Fila1", 0, 6).top, 20 + 2 * pitchY);
    // -1: as many as fit across the screen (1920 by default).
    ProgramGame().GameRules[43] = -1;
    EXPECT_EQ(Direction8PerRow(ProgramGame()), 1920 / pitchX);
}

TEST_F(CardPositions, JitterShiftsDownwardTableauCardsOnly) {
    ProgramGame().GameRules[3] = 1;
    for (int r = 0; r < 7; ++r)
        for (int c = 0; c < 13; ++c)
            ProgramGame().OffsetTable[static_cast<size_t>(r)][static_cast<size_t>(c)] = r * 10 + c;
    // Rows: pile p < 7 uses row p (0-based), later piles row p mod 6.
    EXPECT_EQ(JitterFor(ProgramGame(), 6, 0), 60);
    EXPECT_EQ(JitterFor(ProgramGame(), 7, 0), 10);
    EXPECT_EQ(JitterFor(ProgramGame(), 12, 0), 0);
    // Columns: card 12 uses column 12, card 13 column 1, card 24 column 0.
    EXPECT_EQ(JitterFor(ProgramGame(), 0, 12), 12);
    EXPECT_EQ(JitterFor(ProgramGame(), 0, 13), 1);
    EXPECT_EQ(JitterFor(ProgramGame(), 0, 24), 0);

    ProgramGame().FilaLeft[1] = 100;
    ProgramGame().FilaTop[1] = 0;
    std::string pile;
    for (int c = 1; c <= 14; ++c) pile += FormatCode(c);
    ProgramGame().FilaPiles[1] = pile;
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila2", 1, 0, false), 100);  // "Piles_TT" off
    SetParameter(179, 1, "Y");
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila2", 1, 0, false),
              100 + 11);  // card 13 -> column 1
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila2", 1, 2, true), 100 + 10 + 12);  // card 12
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila2", 1, 0, true),
              100 + 10 + 2);         // next slot = card 14
    ProgramGame().GameRules[3] = 2;  // not a downward cascade: no jitter
    ProgramGame().FilaPiles[1] = Pile({1});
    EXPECT_EQ(CardLeftInPile(ProgramGame(), "Fila2", 1, 0, false), 100);
}

// The shifts are the offset table a new game draws: a second table that no
// game drew left every cascade straight.
TEST_F(CardPositions, EveryNewGameDrawsTheCascadesShifts) {
    ScriptedRandom rng;
    // Row 0: first draw 0, then steps left, back right, suppressed steps and
    // a running sum that reaches -3 and is pulled back.
    rng.next = {0, 3, 1, 2, 3, 3, 3, 0, 3, 0, 0, 0, 0};
    // Row 1: first draw 3, a right step of 2 allowed after it, and a sum
    // that reaches 3 and is pulled back.
    for (int64_t v : {3, 2, 3, 2, 0, 0, 0, 0, 0, 0, 0, 0, 0}) rng.next.push_back(v);
    platform::SetRandom(&rng);
    ProgramGame().OffsetTable[6][5] = 9;
    DrawOffsetTable(ProgramGame());
    const std::array<int, 13> row0 = {0, -1, 1, 0, -1, 0, -1, 0, 1, 0, 0, 0, 0};
    const std::array<int, 13> row1 = {0, 2, -1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0};
    for (int k = 0; k < 13; ++k) {
        EXPECT_EQ(JitterFor(ProgramGame(), 0, k), row0[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(JitterFor(ProgramGame(), 1, k), row1[static_cast<size_t>(k)]) << k;
        EXPECT_EQ(JitterFor(ProgramGame(), 7, k), row1[static_cast<size_t>(k)]) << k;
    }
    EXPECT_EQ(JitterFor(ProgramGame(), 6, 5), 0);  // every row is redrawn

    // Whatever the draws, the values stay within two pixels, and the
    // cascades do get shifted.
    platform::SetRandom(nullptr);
    platform::Rng().Seed(42);
    int shifted = 0;
    for (int round = 0; round < 50; ++round) {
        DrawOffsetTable(ProgramGame());
        for (int p = 0; p < 7; ++p) {
            EXPECT_EQ(JitterFor(ProgramGame(), p, 0), 0);
            for (int k = 0; k < 13; ++k) {
                const int v = JitterFor(ProgramGame(), p, k);
                EXPECT_GE(v, -2);
                EXPECT_LE(v, 2);
                shifted += v != 0;
            }
        }
    }
    EXPECT_GT(shifted, 0);
}

TEST_F(CardPositions, StackEdgeRaise) {
    EXPECT_EQ(StackRaiseDepth(0, false), 0);
    EXPECT_EQ(StackRaiseDepth(1, false), 0);
    EXPECT_EQ(StackRaiseDepth(2, false), 1);
    EXPECT_EQ(StackRaiseDepth(3, false), 1);
    EXPECT_EQ(StackRaiseDepth(52, false), 8);
    EXPECT_EQ(StackRaiseDepth(200, false), 15);
    EXPECT_EQ(StackRaiseDepth(52, true), 2);
    EXPECT_EQ(StackRaiseDepth(13, false, kFoundationRaiseCap), 2);

    // The stock moves from its base position by the depth, both ways.
    ProgramGame().Options.SetOpt(123, 100);
    ProgramGame().Options.SetOpt(127, 50);
    std::string stock;
    for (int c = 1; c <= 52; ++c) stock += FormatCode(c);
    ProgramGame().MazzoPiles[0] = stock;
    EXPECT_TRUE(RaiseStockPile(ProgramGame(), 0, false));
    EXPECT_EQ(ProgramGame().Options.StockLeft(0), 92);
    EXPECT_EQ(ProgramGame().Options.StockTop(0), 42);
    EXPECT_FALSE(RaiseStockPile(ProgramGame(), 0, false));  // already there
    ProgramGame().MazzoPiles[0].clear();
    EXPECT_TRUE(RaiseStockPile(ProgramGame(), 0, false));
    EXPECT_EQ(ProgramGame().Options.StockLeft(0), 100);

    // A foundation of 13 cards is raised by the cap of 2.
    ProgramGame().Options.SetOpt(135 + 3, 400);
    ProgramGame().Options.SetOpt(152 + 3, 20);
    ProgramGame().DestPiles[3] = stock.substr(0, 39);
    EXPECT_TRUE(RaiseFoundation(ProgramGame(), 3, false));
    EXPECT_EQ(ProgramGame().Options.DestLeft(3), 398);
    EXPECT_EQ(ProgramGame().Options.DestTop(3), 18);
    // Foundations of direction 2 or 7 keep their place.
    ProgramGame().GameRules[4] = 7;
    ProgramGame().Options.SetDestLeft(3, 400);
    EXPECT_FALSE(RaiseFoundation(ProgramGame(), 3, false));
    EXPECT_EQ(ProgramGame().Options.DestLeft(3), 400);
}

}  // namespace
}  // namespace bw
