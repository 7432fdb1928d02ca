#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/history.h"
#include "interaction/selection.h"
#include "interaction_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Cards;
using test::Clubs;
using test::Diamonds;
using test::Hearts;
using test::Spades;

constexpr CardCode kJack = 11, kQueen = 12, kKing = 13;

class Selection : public test::InteractionTest {
protected:
    Selection() {
        ProgramGame().GameRules[3] = 1;
        ProgramGame().GameRules[367] = 4;
        ProgramGame().Options.SetStockLeft(0, 10);
        ProgramGame().Options.SetStockTop(0, 10);
        ProgramGame().Options.SetStockLeft(1, 110);
        ProgramGame().Options.SetStockTop(1, 10);
        ProgramGame().Options.SetStockLeft(2, 210);
        ProgramGame().Options.SetStockTop(2, 10);
        for (int i = 1; i < 4; ++i) {
            ProgramGame().Options.SetDestLeft(i, 400 + 100 * i);
            ProgramGame().Options.SetDestTop(i, 10);
        }
    }

    // One card per tableau pile, four piles a row, 90 px across and 120 down
    // from (100, 200); Dest1 holds the selection and is not on the table.
    void Grid(int goal, int target, std::initializer_list<CardCode> cards) {
        ProgramGame().GameRules[51] = static_cast<int16_t>(goal);
        ProgramGame().GameRules[39] = static_cast<int16_t>(target);
        int i = 0;
        for (CardCode c : cards) {
            ProgramGame().FilaLeft[static_cast<size_t>(i)] =
                static_cast<int16_t>(100 + 90 * (i % 4));
            ProgramGame().FilaTop[static_cast<size_t>(i)] =
                static_cast<int16_t>(200 + 120 * (i / 4));
            ProgramGame().FilaPiles[static_cast<size_t>(i)] = c ? Cards({c}) : std::string();
            ++i;
        }
        ProgramGame().GameRules[368] = static_cast<int16_t>(i);
        SetFlag(ProgramGame(), flag::kInProgress, true);
    }
    static int X(int pile) { return 110 + 90 * (pile % 4); }
    static int Y(int pile) { return 210 + 120 * (pile / 4); }
    static void Click(int pile) {
        PointerPress(ProgramGame(), MouseButton::kLeft, 0, X(pile), Y(pile));
    }
    int Beeps() const { return fx.dialogs.beeps; }
};

// The verdict of a goal kind's rule on a selection, the newest card last.
std::string Judge(int goal, std::initializer_list<CardCode> cards) {
    switch (JudgeSelection(ProgramGame(), goal, std::vector<CardCode>(cards))) {
        case Verdict::kGrow: return "grow";
        case Verdict::kRefuse: return "refuse";
        case Verdict::kComplete: return "complete";
    }
    return "?";
}

TEST_F(Selection, PyramidKingAloneAndPairsOfThirteenFromUncoveredCards) {
    // Three rows side by side; row 1's card lies under row 2's two.
    ProgramGame().GameRules[3] = 4;
    ProgramGame().GameRules[51] = 4;
    ProgramGame().GameRules[368] = 3;
    ProgramGame().Options.SetOpt(72, 10);
    for (int r = 0; r < 3; ++r) {
        ProgramGame().FilaLeft[static_cast<size_t>(r)] = 100;
        ProgramGame().FilaTop[static_cast<size_t>(r)] = static_cast<int16_t>(200 + 120 * r);
    }
    ProgramGame().FilaPiles[0] = Cards({Hearts(9)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(5), Spades(kKing)});
    ProgramGame().FilaPiles[2] = Cards({Clubs(8), Diamonds(4), Clubs(kQueen)});
    EXPECT_FALSE(IsUncovered(ProgramGame(), Hearts(9)));
    EXPECT_FALSE(IsUncovered(ProgramGame(), Spades(kKing)));  // the 4 and the queen lie on it
    EXPECT_TRUE(IsUncovered(ProgramGame(), Clubs(8)));
    // Either of the two cards below covers it.
    ProgramGame().FilaPiles[2] = "000" + Cards({Diamonds(4)}) + "000";
    EXPECT_FALSE(IsUncovered(ProgramGame(), Hearts(5)));
    EXPECT_FALSE(IsUncovered(ProgramGame(), Spades(kKing)));
    ProgramGame().FilaPiles[2] = Cards({Clubs(8)}) + "000000";
    EXPECT_FALSE(IsUncovered(ProgramGame(), Hearts(5)));
    EXPECT_TRUE(IsUncovered(ProgramGame(), Spades(kKing)));
    ProgramGame().FilaPiles[2] = Cards({Clubs(8), Diamonds(4), Clubs(kQueen)});

    // A covered king does nothing.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 200, 330);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(table.Count("frame"), 0);

    // 8 and 5: the 5 is covered, refused silently; 8 then the queen's
    // neighbour 4 does not make 13 and stays; a third card is refused.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 450);  // the 8
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Clubs(8)}));
    EXPECT_TRUE(table.Has("frame @100,440 both"));
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 330);  // the covered 5
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Clubs(8)}));
    // The 8 again: deselected, its frame taken off.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 450);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_TRUE(table.Has("unframe " + std::to_string(Clubs(8)) + " @100,440 both"));

    // The queen and the stock's ace make 13: the stock's top card pairs with
    // a selected card.
    ProgramGame().MazzoPiles[0] = Cards({Hearts(1)});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 270, 450);  // the queen (slot 2)
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);    // the stock's ace
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Clubs(kQueen), Hearts(1)}));
    EXPECT_EQ(ProgramGame().FilaPiles[2],
              Cards({Clubs(8), Diamonds(4)}) + "000");  // holes keep the places
    EXPECT_EQ(window.calls, (std::vector<std::string>{"swallow", "input"}));

    // With the last row gone the king is uncovered: removed at once.
    ProgramGame().FilaPiles[2] = "000000000";
    EXPECT_TRUE(IsUncovered(ProgramGame(), Spades(kKing)));
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 200, 330);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(5)}) + "000");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Clubs(kQueen), Hearts(1), Spades(kKing)}));
    EXPECT_EQ(game.ends, 0);

    ProgramGame().FilaPiles[1] = "000000";
    EXPECT_TRUE(IsUncovered(ProgramGame(), Hearts(9)));
    ProgramGame().FilaPiles[0] = Cards({Spades(kKing) + 52});
    // The last card: the win ends the game.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_EQ(ProgramGame().FilaPiles[0], "000");
    EXPECT_EQ(game.ends, 1);
}

TEST_F(Selection, PairsOfFourteenRefuseAThirdCard) {
    Grid(3, 0, {Hearts(5), Spades(4), Clubs(3), Diamonds(9)});
    Click(0);
    Click(1);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(5), Spades(4)}));
    Click(2);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(5), Spades(4)}));  // the first two stay
    EXPECT_EQ(table.Count("frame"), 2);
    // Deselect the 4, then the 9 makes 14 with the 5.
    Click(1);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(5)}));
    Click(3);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Hearts(5), Diamonds(9)}));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_EQ(ProgramGame().FilaPiles[3], "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    // Only top cards of tableau piles count in goal kind 3.
    ProgramGame().FilaPiles[1] = Cards({Spades(4), Hearts(10)});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, X(1), Y(1) + 2);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
}

TEST_F(Selection, SumsOfTenAndFifteen) {
    Grid(1, 10,
         {Hearts(3), Spades(7), Clubs(10), Diamonds(2), Hearts(kJack), Spades(kJack), Clubs(kJack),
          Diamonds(kJack)});
    ProgramGame().MazzoPiles[0] = Cards({Hearts(12), Hearts(13)});
    // 3 and 7: removed, and the empty piles are dealt again from the stock.
    Click(0);
    Click(1);
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Hearts(3), Spades(7)}));
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Hearts(13)}));
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(12)}));
    EXPECT_EQ(ProgramGame().MazzoPiles[0], "");
    // A number card with a ten: refused.
    Click(3);
    Click(2);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Diamonds(2)}));
    Click(3);
    // Four jacks.
    for (int i = 4; i < 8; ++i) Click(i);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(ProgramGame().FilaPiles[4], "");
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[2]), 6);

    // With option 71 at 1 nothing is dealt after a removal.
    ProgramGame().Options.SetOpt(71, 1);
    ProgramGame().MazzoPiles[0] = Cards({Clubs(1)});
    ProgramGame().FilaPiles[4] = Cards({Clubs(4)});
    ProgramGame().FilaPiles[5] = Cards({Clubs(6)});
    Click(4);
    Click(5);
    EXPECT_EQ(ProgramGame().FilaPiles[4], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[0], Cards({Clubs(1)}));

    // The rule itself.
    EXPECT_EQ(Judge(1, {Hearts(2), Spades(3), Clubs(5)}), "refuse");  // a third once a number
    EXPECT_EQ(Judge(1, {Hearts(2), Spades(3)}), "grow");
    EXPECT_EQ(Judge(1, {Hearts(kJack), Spades(kQueen)}), "refuse");
    EXPECT_EQ(Judge(1, {Hearts(10), Spades(10), Clubs(10)}), "grow");
    EXPECT_EQ(Judge(1, {Hearts(10), Spades(10), Clubs(10), Diamonds(10)}), "complete");
    EXPECT_EQ(Judge(1, {Hearts(kKing), Spades(4)}), "refuse");
    ProgramGame().GameRules[39] = 15;
    EXPECT_EQ(Judge(1, {Hearts(2), Spades(6)}), "grow");
    EXPECT_EQ(Judge(1, {Hearts(2), Spades(6), Clubs(7)}), "complete");
    EXPECT_EQ(Judge(1, {Hearts(9), Spades(6)}), "complete");
    EXPECT_EQ(Judge(1, {Hearts(9), Spades(10)}), "refuse");
}

TEST_F(Selection, ElevensAndCourtTriples) {
    Grid(17, 11, {Hearts(kJack), Spades(7), Clubs(4), Diamonds(kQueen), Hearts(kKing)});
    // A jack, then a seven: the seven is refused.
    Click(0);
    Click(1);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(kJack)}));
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(7)}));
    Click(0);
    Click(1);
    Click(2);
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Spades(7), Clubs(4)}));
    Click(0);
    Click(3);
    Click(4);
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[2]), 5);
    // The win: nothing left anywhere.
    EXPECT_EQ(game.ends, 1);

    EXPECT_EQ(Judge(17, {Hearts(kJack), Spades(kJack)}), "refuse");
    EXPECT_EQ(Judge(17, {Hearts(10), Spades(1)}), "complete");
    EXPECT_EQ(Judge(17, {Hearts(3), Spades(4)}), "grow");
    EXPECT_EQ(Judge(17, {Hearts(3), Spades(4), Clubs(5)}), "refuse");
    EXPECT_EQ(Judge(26, {Hearts(kJack), Spades(kQueen)}), "grow");
    EXPECT_EQ(Judge(26, {Hearts(kQueen), Spades(kQueen)}), "refuse");
    EXPECT_EQ(Judge(26, {Hearts(kJack), Spades(kQueen), Clubs(kKing)}), "complete");
    EXPECT_EQ(Judge(26, {Hearts(5), Spades(kQueen)}), "refuse");
}

TEST_F(Selection, NinesAndTheTenToKingGroup) {
    Grid(24, 9,
         {Hearts(9), Spades(4), Clubs(5), Diamonds(10), Hearts(kJack), Spades(kQueen), Clubs(kKing),
          Diamonds(2)});
    // A nine alone is removed at once.
    Click(0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Hearts(9)}));
    Click(1);
    Click(2);
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[2]), 3);
    for (int i = 3; i < 7; ++i) Click(i);
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[2]), 7);
    // A number card with a face is refused.
    ProgramGame().FilaPiles[0] = Cards({Hearts(kKing) + 52});
    Click(7);
    Click(0);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Diamonds(2)}));

    EXPECT_EQ(Judge(24, {Hearts(10), Spades(10)}), "refuse");
    EXPECT_EQ(Judge(24, {Hearts(2), Spades(3), Clubs(4)}), "refuse");
    EXPECT_EQ(Judge(24, {Hearts(2), Spades(3)}), "grow");
}

TEST_F(Selection, PairsOfARankAndTurningCardsUp) {
    Grid(25, 99, {Hearts(6), Spades(6), Clubs(7), Diamonds(6)});
    // A face-down top card turns up instead of being selected.
    Down({Clubs(7)});
    Click(2);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), Clubs(7)));
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    Click(0);
    Click(2);  // different ranks
    EXPECT_EQ(Beeps(), 1);
    Click(1);
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_EQ(ProgramGame().FilaPiles[1], "");
    EXPECT_EQ(Judge(25, {Hearts(6), Spades(6), Clubs(6)}), "refuse");

    // In goal kind 26 the same; elsewhere a face-down card is just left alone.
    ProgramGame().GameRules[51] = 7;
    Down({Diamonds(6)});
    Click(3);
    EXPECT_FALSE(IsFaceUp(ProgramGame(), Diamonds(6)));
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
}

TEST_F(Selection, UncoveredPairsAndTheVisibleStock) {
    Grid(16, 99, {Hearts(8), Spades(8), Clubs(8)});
    ProgramGame().FilaPiles[2] = Cards({Clubs(8), Diamonds(2)});
    // Not the top card of its pile: refused.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, X(2), Y(2) + 2);
    EXPECT_EQ(Beeps(), 1);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    // "Mazzo_Vis" while empty turns a card from the stock.
    ProgramGame().MazzoPiles[0] = Cards({Hearts(2)});
    ProgramGame().GameRules[22] = 1;
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 120, 20);
    EXPECT_EQ(ProgramGame().MazzoPiles[1], Cards({Hearts(2)}));
    // Its card pairs with a tableau card.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 120, 20);
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, X(2), Y(2) + 30);
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "");
    EXPECT_EQ(ProgramGame().FilaPiles[2], Cards({Clubs(8)}));
    Click(0);
    Click(1);
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Hearts(2), Diamonds(2), Hearts(8), Spades(8)}));
}

TEST_F(Selection, EighteensAndTensTwentiesThirties) {
    Grid(18, 18, {Hearts(1), Spades(5), Clubs(6), Diamonds(7), Hearts(kKing), Spades(kQueen)});
    Click(0);  // an ace alone
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    Click(1);
    Click(4);
    Click(5);  // a second face
    EXPECT_EQ(Beeps(), 1);
    Click(2);
    Click(3);
    EXPECT_EQ(ProgramGame().MazzoPiles[2],
              Cards({Hearts(1), Spades(5), Hearts(kKing), Clubs(6), Diamonds(7)}));
    EXPECT_EQ(Judge(18, {Hearts(2), Spades(3), Clubs(4), Diamonds(5)}), "refuse");
    EXPECT_EQ(Judge(18, {Hearts(2), Spades(1)}), "refuse");
    EXPECT_EQ(Judge(18, {Hearts(kJack), Spades(2), Clubs(3), Diamonds(4), Hearts(5)}), "refuse");

    Grid(20, 10, {Hearts(kKing), Spades(kQueen), Clubs(4), Diamonds(6)});
    Click(0);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(kKing)}));  // 10 alone is not enough
    Click(1);
    EXPECT_EQ(ProgramGame().FilaPiles[1], "");  // 20
    EXPECT_EQ(Judge(20, {Hearts(kKing), Spades(kQueen), Clubs(kJack)}), "complete");
    EXPECT_EQ(Judge(20, {Hearts(9), Spades(5), Clubs(9)}), "grow");  // never refused
}

TEST_F(Selection, FacesBalancedByNumbersAndTheEmptyFoundation) {
    Grid(41, 1, {Hearts(5), Spades(6), Clubs(kJack), Diamonds(kQueen)});
    Click(2);
    Click(3);  // faces of 14 or more
    EXPECT_EQ(Beeps(), 1);
    // A press on an empty foundation while cards are selected: a beep.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 510, 20);
    EXPECT_EQ(Beeps(), 2);
    Click(0);
    Click(1);
    EXPECT_EQ(ProgramGame().MazzoPiles[2], Cards({Clubs(kJack), Hearts(5), Spades(6)}));
    EXPECT_EQ(Judge(41, {Hearts(kKing), Spades(6), Clubs(7)}), "complete");
    EXPECT_EQ(Judge(41, {Hearts(kKing), Spades(6)}), "grow");
}

TEST_F(Selection, NeighbourPairsOfAGrid) {
    // Goal kind 8: two of a rank side by side, above each other or diagonal.
    Grid(8, 1, {Hearts(4), Spades(9), Clubs(4), Diamonds(9), Hearts(9), Spades(4)});
    Click(0);
    Click(2);  // two places apart: refused
    EXPECT_EQ(Beeps(), 1);
    Click(5);  // diagonal below
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_EQ(ProgramGame().FilaPiles[5], "");
    EXPECT_EQ(ProgramGame().FilaPiles[2], Cards({Clubs(4)}));  // no new deal in goal kind 8
    EXPECT_EQ(Judge(8, {Spades(9), Hearts(9)}), "complete");   // diagonal
    EXPECT_EQ(Judge(8, {Spades(9), Clubs(4)}), "refuse");
    // The stock press closes the gaps up.
    ProgramGame().MazzoPiles[0] = Cards({Clubs(1)});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(9)}));
    EXPECT_EQ(ProgramGame().FilaPiles[4], Cards({Clubs(1)}));
}

TEST_F(Selection, RowsTwoApartAndSwappedFirstCards) {
    Grid(47, 1, {Hearts(3), Spades(8), Clubs(3), Diamonds(3)});
    ProgramGame().GameRules[50] = 1000;  // the score that wins: out of reach here
    ProgramGame().FilaPiles[22] = Cards({Hearts(3) + 52});
    ProgramGame().FilaPiles[20] = Cards({Spades(3) + 52});
    ProgramGame().GameRules[368] = 24;
    EXPECT_EQ(Judge(47, {Hearts(3), Clubs(3)}), "complete");
    EXPECT_EQ(Judge(47, {Hearts(3), Diamonds(3)}), "refuse");          // three apart
    EXPECT_EQ(Judge(47, {Spades(3) + 52, Hearts(3) + 52}), "refuse");  // pile 23
    Down({Diamonds(3)});
    Click(3);
    EXPECT_EQ(Beeps(), 1);
    Click(0);
    Click(2);
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_EQ(ProgramGame().FilaPiles[2], "");
    // A stock press deals after emptying the selection.
    ProgramGame().GameRules[368] = 4;
    for (int i = 0; i < 4; ++i) ProgramGame().GameRules[static_cast<size_t>(292 + i)] = 1;
    ProgramGame().MazzoPiles[0] = Cards({Clubs(9), Clubs(10), Clubs(11), Clubs(12)});
    Click(1);
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_TRUE(table.Has("unframe " + std::to_string(Spades(8)) + " @190,200 both"));
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Clubs(12)}));

    // Goal kind 57: two first cards change places, gliding 50 ms apart.
    Grid(57, 1, {Hearts(3), Spades(8), Clubs(3)});
    ProgramGame().FilaPiles[1] = Cards({Spades(8), Hearts(2)});
    fx.waits.waits.clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, X(1), Y(1) + 30);  // not a first card
    EXPECT_EQ(Beeps(), 2);
    Click(0);
    Click(2);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Clubs(3)}));
    EXPECT_EQ(ProgramGame().FilaPiles[2], Cards({Hearts(3)}));
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_TRUE(table.Has("fly " + std::to_string(Hearts(3)) + " @100,200 -> @280,200"));
    EXPECT_EQ(fx.waits.waits, std::vector<int>{50});
}

TEST_F(Selection, SumRulesOfTheTargetAndTheGamesOwnRules) {
    Grid(7, 12, {Hearts(5), Spades(7), Clubs(12)});
    Click(2);  // a card of the target alone
    EXPECT_EQ(ProgramGame().FilaPiles[2], "");
    EXPECT_EQ(Judge(7, {Hearts(2), Spades(3), Clubs(4)}), "refuse");
    EXPECT_EQ(Judge(7, {Hearts(5), Spades(7)}), "complete");
    // Any other goal kind: the sum, with no refusal.
    EXPECT_EQ(Judge(99, {Hearts(5), Spades(4), Clubs(3)}), "complete");
    EXPECT_EQ(Judge(99, {Hearts(5), Spades(4), Clubs(4)}), "grow");

    // 21: two of one suit to the target; 22: two of one colour.
    ProgramGame().GameRules[39] = 10;
    EXPECT_EQ(Judge(21, {Hearts(4), Hearts(6)}), "complete");
    EXPECT_EQ(Judge(21, {Hearts(4), Diamonds(6)}), "refuse");
    EXPECT_EQ(Judge(21, {Hearts(4), Hearts(5)}), "refuse");
    EXPECT_EQ(Judge(22, {Hearts(4), Diamonds(6)}), "complete");
    EXPECT_EQ(Judge(22, {Hearts(4), Spades(6)}), "refuse");
    EXPECT_EQ(Judge(22, {Hearts(4)}), "grow");
    // 23: any number of one suit to the target.
    EXPECT_EQ(Judge(23, {Hearts(2), Hearts(3)}), "grow");
    EXPECT_EQ(Judge(23, {Hearts(2), Hearts(3), Hearts(5)}), "complete");
    EXPECT_EQ(Judge(23, {Hearts(2), Spades(3)}), "refuse");
    EXPECT_EQ(Judge(23, {Hearts(7), Hearts(8)}), "refuse");
    // 45: a card of the target alone, or two neighbours to it.
    Grid(45, 10, {Hearts(4), Spades(6), Clubs(6), Diamonds(10)});
    EXPECT_EQ(Judge(45, {Diamonds(10)}), "complete");
    EXPECT_EQ(Judge(45, {Hearts(4), Spades(6)}), "complete");
    EXPECT_EQ(Judge(45, {Hearts(4), Clubs(6)}), "refuse");  // two places apart
    EXPECT_EQ(Judge(45, {Hearts(4)}), "grow");
    // Their stock presses.
    ProgramGame().MazzoPiles[0] = Cards({Clubs(2)});
    ProgramGame().FilaPiles[1].clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);  // 45: the gaps close up
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Clubs(6)}));
    EXPECT_EQ(ProgramGame().FilaPiles[3], Cards({Clubs(2)}));
    for (int goal : {21, 22, 23}) {
        Grid(goal, 10, {Hearts(4), Spades(6), Clubs(6), Diamonds(10)});
        for (int i = 0; i < 4; ++i) ProgramGame().GameRules[static_cast<size_t>(292 + i)] = 1;
        ProgramGame().MazzoPiles[0] = Cards({Clubs(3)});
        PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
        EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Hearts(4), Clubs(3)})) << goal;
    }
    // Goal kinds 48 and 55 select nothing.
    Grid(55, 10, {Hearts(4)});
    Click(0);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(Judge(48, {Hearts(4)}), "refuse");
}

TEST_F(Selection, InstalledHooksRouteThePress) {
    // Without the hooks the press handler would do nothing with these.
    Grid(33, 0, {Hearts(4)});
    Click(0);
    EXPECT_TRUE(table.Has("frame @100,200 both"));  // goal kind 33 frames only
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    Install<IPressHooks>(nullptr);
    table.calls.clear();
    Click(0);
    EXPECT_FALSE(table.Has("frame @100,200 both"));
}

}  // namespace
}  // namespace bw
