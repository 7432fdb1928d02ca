#include "core/stock_moves.h"
#include "core/game.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <optional>

#include "core/autoplay.h"
#include "core/history.h"
#include "core/joker_caption.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "support/engine_fakes.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

// A pile string from codes, bottom first; every card gets `face`.
std::string Pile(std::initializer_list<int> codes, char face = '1') {
    std::string s;
    for (int c : codes) {
        s += FormatCode(c);
        if (c >= 1) SetFaceFlag(ProgramGame().CardRegister, c, face);
    }
    return s;
}

std::string Faces(const std::string& pile) {
    std::string f;
    for (int i = 0; i < SlotCount(pile); ++i)
        f += FaceFlag(ProgramGame().CardRegister, SlotCode(pile, i));
    return f;
}

class StockMoves : public ::testing::Test {
protected:
    test::CoreFixture fx;
    test::EngineTable table;
    std::string& stock = ProgramGame().MazzoPiles[0];
    std::string& turned = ProgramGame().MazzoPiles[1];
    std::string& waste = ProgramGame().MazzoPiles[2];

    StockMoves() {
        InstalledPorts().SetTable(&table);
        SetFlag(ProgramGame(), flag::kInProgress, true);
    }
    static void Rule(int entry, int value) {
        ProgramGame().GameRules[static_cast<size_t>(entry)] = static_cast<int16_t>(value);
    }
    static std::string& Fila(int n) { return ProgramGame().FilaPiles[static_cast<size_t>(n - 1)]; }
    static std::string& Appogg(int n) {
        return ProgramGame().AppoggPiles[static_cast<size_t>(n - 1)];
    }
    static void SoundsOn(std::initializer_list<int> switches) {
        SetParameter(141, 1, "Y");
        for (int p : switches) SetParameter(p, 1, "Y");
    }
    // Seven tableau piles, four foundations, one card turned at a time,
    // a face-down stock and two passes through it.
    void Klondike() {
        Rule(367, 4);
        Rule(368, 7);
        Rule(22, 1);
        Rule(15, 2);
        Rule(7, 1);
        ProgramGame().Options.SetOpt(73, 1);
    }
    bool Run(const std::string& op) {
        const std::optional<MoveTarget> t = ParseMoveTarget(op);
        return t && ExecuteStockOperation(ProgramGame(), 0, *t);
    }
};

TEST_F(StockMoves, OperationNames) {
    // The stored names read as the typed targets and write back as themselves.
    for (const char* op :
         {"Mazzo_Vis", "Mazzo_Waste", "Mazzo_Redeal", "Add_Tableaus", "Add_Tableaus_Last",
          "Fill_Tableaus", "Add_Tableau_07", "Add_Reserves", "Add_Reserve_3", "Selezionate_Dest",
          "Selezionate_Fila", "Stock_To_Pile_Monte_Carlo", "Waste", "Stock02", "Fila3", "Dest16",
          "Appogg10", "Dest_Autoplay2"}) {
        const std::optional<MoveTarget> t = ParseMoveTarget(op);
        ASSERT_TRUE(t) << op;
        EXPECT_EQ(MoveTargetName(*t), op);
    }
    EXPECT_EQ(ParseMoveTarget("Dest_Autoplay02"), ToFoundationByAutoplay(2));
    EXPECT_EQ(ParseMoveTarget("Dest01"), ToPile(kDest, 1));
    EXPECT_EQ(ParseMoveTarget("Add_Tableau_7"), StockOp(MoveOp::kAddTableau, 0));  // deals nowhere
    for (const char* name :
         {"Mazzo", "Fila41", "Dest17", "Appogg0", "Dest_Autoplay", "Nowhere", ""})
        EXPECT_FALSE(ParseMoveTarget(name)) << name;
    Klondike();
    stock = Pile({1, 2}, '0');
    EXPECT_FALSE(Run("Fila3"));
    EXPECT_EQ(stock, "001002");
}

// ---- Turning and redealing --------------------------------------------------

TEST_F(StockMoves, TurningMovesCardsOneAtATimeFaceUp) {
    Klondike();
    Rule(22, 3);
    SoundsOn({176});
    stock = Pile({1, 2, 3, 4}, '0');
    ProgramGame().Options.SetOpt(89, 1);
    ASSERT_TRUE(Run("Mazzo_Vis"));
    EXPECT_EQ(stock, "001");
    EXPECT_EQ(turned, "004003002");  // the stock's top card went first
    EXPECT_EQ(Faces(turned), "111");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 1), '0');
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kStockOperation));
    EXPECT_EQ(ProgramGame().Options.Opt(89), 0);
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"Stock"});

    // Fewer cards than the count: turning stops with the stock.
    ASSERT_TRUE(Run("Mazzo_Vis"));
    EXPECT_EQ(stock, "");
    EXPECT_EQ(turned, "004003002001");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 2);
}

TEST_F(StockMoves, TurningOntoTheWasteAndWithoutACount) {
    Klondike();
    Rule(22, 0);  // no count in the rules: one card
    stock = Pile({5, 6}, '0');
    ASSERT_TRUE(Run("Mazzo_Waste"));
    EXPECT_EQ(waste, "006");
    EXPECT_EQ(turned, "");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 6), '1');
    EXPECT_TRUE(fx.sound.played.empty());  // sounds are off by default here
}

TEST_F(StockMoves, RedealWithTwoPassesWorksTwiceThenNoMore) {
    Klondike();
    turned = Pile({1, 2, 3});
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 2);
    EXPECT_EQ(stock, "003002001");  // reversed: the first card turned comes first again
    EXPECT_EQ(Faces(stock), "000");
    EXPECT_EQ(turned, "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);

    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Run("Mazzo_Vis"));
    EXPECT_EQ(turned, "001002003");
    // A press on the empty stock redeals through the turning operation too.
    ASSERT_TRUE(Run("Mazzo_Vis"));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
    EXPECT_EQ(stock, "003002001");

    for (int i = 0; i < 3; ++i) ASSERT_TRUE(Run("Mazzo_Vis"));
    const int steps = StepCount(ProgramGame().UndoLists);
    EXPECT_FALSE(Run("Mazzo_Vis"));
    EXPECT_FALSE(Run("Mazzo_Redeal"));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
    EXPECT_EQ(turned, "001002003");
    EXPECT_EQ(stock, "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), steps);
}

TEST_F(StockMoves, RedealConditions) {
    Klondike();
    Rule(15, -1);  // unlimited
    ProgramGame().Options.SetOpt(73, 40);
    turned = Pile({1, 2});
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 41);

    // A stock that is dealt face up is redealt face up.
    Rule(7, 0);
    std::swap(stock, turned);
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(Faces(stock), "11");

    // Not with cards in the stock, nor with a single turned card.
    std::swap(stock, turned);
    stock = Pile({9});
    EXPECT_FALSE(Run("Mazzo_Redeal"));
    stock.clear();
    turned = Pile({4});
    ProgramGame().Options.SetOpt(89, 1);
    EXPECT_FALSE(Run("Mazzo_Redeal"));
    EXPECT_EQ(ProgramGame().Options.Opt(89), 0);  // the pending press is over either way

    Rule(15, 0);  // no redeal at all
    turned = Pile({4, 5, 6});
    EXPECT_FALSE(Run("Mazzo_Redeal"));
}

TEST_F(StockMoves, RedealSoundsFollowTheAnimationSwitch) {
    Klondike();
    Rule(15, -1);
    SoundsOn({183, 252});
    turned = Pile({1, 2, 3});
    SetParameter(242, 1, "Y");
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"Redeal (loop)"});
    EXPECT_EQ(fx.sound.stops, 1);  // the loop ends with the animation
    EXPECT_EQ(table.redeals, std::vector<int>{3});

    std::swap(stock, turned);
    SetParameter(242, 1, "N");
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(fx.sound.played.back(), "Red_no_a");
    EXPECT_EQ(table.redeals.size(), 1u);

    std::swap(stock, turned);
    SetParameter(252, 1, "N");
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(fx.sound.played.size(), 2u);
    SetParameter(141, 1, "N");
    SetParameter(242, 1, "Y");
    std::swap(stock, turned);
    ASSERT_TRUE(Run("Mazzo_Redeal"));
    EXPECT_EQ(fx.sound.played.size(), 2u);
    EXPECT_EQ(fx.sound.stops, 1);
}

// ---- Dealing from the stock -------------------------------------------------

TEST_F(StockMoves, AddTableausStopsWhenTheStockRunsOut) {
    Klondike();
    for (int i = 1; i <= 7; ++i) Rule(291 + i, 1);
    stock = Pile({10, 11, 12}, '0');
    ASSERT_TRUE(Run("Add_Tableaus"));
    EXPECT_EQ(Fila(1), "012");
    EXPECT_EQ(Fila(2), "011");
    EXPECT_EQ(Fila(3), "010");
    for (int n = 4; n <= 7; ++n) EXPECT_EQ(Fila(n), "") << n;
    EXPECT_EQ(stock, "");
    EXPECT_EQ(Faces(Fila(1) + Fila(2) + Fila(3)), "111");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(112), 0);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kStockOperation));

    // Nothing left to deal: no move and no undo step.
    EXPECT_FALSE(Run("Add_Tableaus"));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
}

TEST_F(StockMoves, DealCodesDecideWhereAndHow) {
    Klondike();
    const int codes[7] = {0, 13, 6, 7, 7, 1, 12};
    for (int i = 0; i < 7; ++i) Rule(292 + i, codes[i]);
    Fila(5) = Pile({40});
    stock = Pile({20, 21, 22, 23, 24}, '1');
    ASSERT_TRUE(Run("Add_Tableaus"));
    EXPECT_EQ(Fila(1), "");     // code 0: passed over
    EXPECT_EQ(Fila(2), "");     // code 13: outside 1..12
    EXPECT_EQ(Fila(3), "024");  // code 6: face down
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 24), '0');
    EXPECT_EQ(Fila(4), "");        // code 7 on an empty pile: passed over
    EXPECT_EQ(Fila(5), "040023");  // code 7 on a pile with cards
    EXPECT_EQ(Fila(6), "022");
    EXPECT_EQ(Fila(7), "021");
    EXPECT_EQ(Faces(Fila(5) + Fila(6) + Fila(7)), "1111");
    EXPECT_EQ(stock, "020");

    // Code 6 lies face down only for the whole-row deal.
    stock = Pile({25});
    ASSERT_TRUE(Run("Add_Tableau_03"));
    EXPECT_EQ(Fila(3), "024025");
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, 25), '1');

    // The last-row deal takes every pile whatever its code.
    stock = Pile({30, 31, 32, 33, 34, 35, 36});
    ASSERT_TRUE(Run("Add_Tableaus_Last"));
    EXPECT_EQ(Fila(1), "036");
    EXPECT_EQ(Fila(4), "033");
    EXPECT_EQ(stock, "");
}

TEST_F(StockMoves, NumberedTableauDealsNeedAValidPile) {
    Klondike();
    for (int i = 1; i <= 7; ++i) Rule(291 + i, 1);
    stock = Pile({1, 2, 3});
    for (const char* bad :
         {"Add_Tableau_00", "Add_Tableau_08", "Add_Tableau_7", "Add_Tableau_x1", "Add_Tableau_011"})
        EXPECT_FALSE(Run(bad)) << bad;
    EXPECT_EQ(stock, "001002003");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    ASSERT_TRUE(Run("Add_Tableau_07"));
    EXPECT_EQ(Fila(7), "003");
    EXPECT_EQ(Fila(1), "");
}

TEST_F(StockMoves, FillTableausDealsOnlyOntoEmptyPilesWithoutAStep) {
    Klondike();
    for (int i = 1; i <= 7; ++i) Rule(291 + i, 0);  // the fill ignores the codes
    Fila(1) = Pile({40});
    Fila(3) = Pile({41});
    Fila(4) = Pile({42});
    Fila(6) = Pile({43});
    stock = Pile({1, 2, 3, 4}, '0');
    ASSERT_TRUE(Run("Fill_Tableaus"));
    EXPECT_EQ(Fila(1), "040");
    EXPECT_EQ(Fila(2), "004");
    EXPECT_EQ(Fila(3), "041");
    EXPECT_EQ(Fila(5), "003");
    EXPECT_EQ(Fila(7), "002");
    EXPECT_EQ(stock, "001");
    EXPECT_EQ(Faces("004003002"), "111");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(112), 0);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kStockOperation));
    EXPECT_FALSE(Run("Fill_Tableaus"));  // no empty pile left
}

TEST_F(StockMoves, FamilyEightLeavesAHoleInTheFirstPilePerCard) {
    Klondike();
    Rule(368, 3);
    Rule(3, 8);
    for (int i = 1; i <= 3; ++i) Rule(291 + i, 1);
    stock = Pile({7, 8, 9});
    ASSERT_TRUE(Run("Add_Tableaus"));
    EXPECT_EQ(Fila(1), "009000000000");
    EXPECT_EQ(Fila(2), "008");
    EXPECT_EQ(Fila(3), "007");
}

TEST_F(StockMoves, ReserveDeals) {
    Klondike();
    Rule(369, 4);
    Rule(342, 5);
    Rule(343, 5);
    Rule(344, 2);
    Rule(345, 0);
    stock = Pile({1, 2, 3, 4, 5, 6});
    ASSERT_TRUE(Run("Add_Reserves"));
    EXPECT_EQ(Appogg(1), "006");
    EXPECT_EQ(Appogg(2), "005");
    EXPECT_EQ(Appogg(3), "004");
    EXPECT_EQ(Appogg(4), "");
    EXPECT_EQ(std::string() + FaceFlag(ProgramGame().CardRegister, 6) +
                  FaceFlag(ProgramGame().CardRegister, 5) + FaceFlag(ProgramGame().CardRegister, 4),
              "001");  // code 5: face down
    ASSERT_TRUE(Run("Add_Reserve_3"));
    EXPECT_EQ(Appogg(3), "004003");
    for (const char* bad : {"Add_Reserve_5", "Add_Reserve_0", "Add_Reserve_", "Add_Reserve_12"})
        EXPECT_FALSE(Run(bad)) << bad;

    // Reserve code 5 stops dealing once the stock passes are used up.
    ProgramGame().Options.SetOpt(73, 2);
    EXPECT_FALSE(Run("Add_Reserves"));
    EXPECT_FALSE(Run("Add_Reserve_1"));
    EXPECT_EQ(stock, "001002");
    Rule(15, -1);  // ... which never happens without a limit
    EXPECT_TRUE(Run("Add_Reserve_1"));
    EXPECT_EQ(Appogg(1), "006002");
}

TEST_F(StockMoves, DealingSoundsAndRedraws) {
    Klondike();
    Rule(369, 1);
    Rule(342, 1);
    for (int i = 1; i <= 7; ++i) Rule(291 + i, 1);
    SoundsOn({177});
    stock = Pile({1, 2, 3, 4, 5, 6, 7, 8, 9});
    ASSERT_TRUE(Run("Add_Tableau_02"));
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"Shuffle"});  // gated by the tableau switch
    EXPECT_EQ(table.Redrawn(), (std::vector<std::string>{"Fila2", "Mazzo"}));
    ASSERT_TRUE(Run("Add_Reserves"));
    EXPECT_EQ(fx.sound.played.size(), 1u);  // reserves go by the shuffle switch, off here
    SetParameter(149, 1, "Y");
    SetParameter(177, 1, "N");
    ASSERT_TRUE(Run("Add_Reserves"));
    EXPECT_EQ(fx.sound.played.size(), 2u);
    ASSERT_TRUE(Run("Add_Tableaus"));
    EXPECT_EQ(fx.sound.played.size(), 2u);
}

// ---- Selection games ----------------------------------------------------------

class SelectionGame : public StockMoves {
protected:
    // A pair-removal game: selection kept in Dest1, eight tableau piles.
    void Setup(int goal, int family) {
        Rule(51, goal);
        Rule(39, 13);
        Rule(3, family);
        Rule(367, 1);
        Rule(368, 8);
    }
};

TEST_F(SelectionGame, RemovesBothSelectedCardsToTheWaste) {
    Setup(1, 1);
    SoundsOn({175});
    Fila(1) = Pile({20, 1});
    Fila(2) = Pile({21, 12});
    ProgramGame().DestPiles[0] = FormatCode(12) + FormatCode(1);
    SetFaceFlag(ProgramGame().CardRegister, 12, '0');  // a face-down card still goes out face up
    ASSERT_TRUE(Run("Selezionate_Dest"));
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(waste, "012001");
    EXPECT_EQ(Faces(waste), "11");
    EXPECT_EQ(Fila(1), "020");
    EXPECT_EQ(Fila(2), "021");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"Pairing"});
    EXPECT_EQ(fx.waits.waits, std::vector<int>{150});
    ASSERT_EQ(table.flights.size(), 2u);
    EXPECT_EQ(table.flights[0].code, 12);
    EXPECT_EQ(table.flights[0].left, -1);  // from where it lies
    EXPECT_EQ(table.flights[1].code, 1);
    EXPECT_EQ(table.flights[1].to, "Waste");
    EXPECT_TRUE(Flag(ProgramGame(), flag::kStockOperation));
}

TEST_F(SelectionGame, FamilyFourLeavesHolesExceptInTheStock) {
    Setup(4, 4);
    Fila(1) = Pile({20, 6, 22});
    turned = Pile({7, 8});
    ProgramGame().DestPiles[0] = FormatCode(6) + FormatCode(7);
    ASSERT_TRUE(Run("Selezionate_Dest"));
    EXPECT_EQ(Fila(1), "020000022");
    EXPECT_EQ(turned, "008");
    EXPECT_EQ(waste, "006007");
    EXPECT_EQ(table.Count("repaint"), 1);  // the whole table is redrawn in this family
}

TEST_F(SelectionGame, NothingToRemove) {
    Setup(1, 1);
    EXPECT_FALSE(Run("Selezionate_Dest"));
    // A selection whose cards are no longer on the table is dropped, not
    // turned into duplicate cards on the waste.
    ProgramGame().DestPiles[0] = FormatCode(30);
    EXPECT_FALSE(Run("Selezionate_Dest"));
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(waste, "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    // One stale code among real ones is passed over.
    Fila(1) = Pile({5});
    ProgramGame().DestPiles[0] = FormatCode(30) + FormatCode(5);
    ASSERT_TRUE(Run("Selezionate_Dest"));
    EXPECT_EQ(waste, "005");
}

TEST_F(SelectionGame, GoalThirtyThreeRefillsAfterwards) {
    Setup(33, 1);
    struct CountingFill : IAutoplayMoves {
        int fills = 0;
        void FillAfterRemoval(Game& /*g*/) override {
            ++fills;
            EXPECT_EQ(ProgramGame().DestPiles[0], "");  // runs after the removal
        }
    } fill;
    InstalledPorts().moves = &fill;
    const int& fills = fill.fills;
    Fila(1) = Pile({5});
    Fila(2) = Pile({8});
    ProgramGame().DestPiles[0] = FormatCode(5) + FormatCode(8);
    ASSERT_TRUE(Run("Selezionate_Dest"));
    EXPECT_EQ(fills, 1);
    Setup(3, 1);
    Fila(3) = Pile({9});
    ProgramGame().DestPiles[0] = FormatCode(9);
    ASSERT_TRUE(Run("Selezionate_Dest"));
    EXPECT_EQ(fills, 1);
    InstalledPorts().moves = nullptr;
}

TEST_F(SelectionGame, GoalFortySevenFollowsTheRow) {
    Setup(47, 1);
    Fila(3) = Pile({4});
    Fila(5) = Pile({17, 30});
    Fila(4) = Pile({43});
    // Selected: the card of pile 3, a card of pile 5, the card of pile 4.
    ProgramGame().DestPiles[0] = FormatCode(4) + FormatCode(30) + FormatCode(43);
    ASSERT_TRUE(Run("Selezionate_Dest"));
    // Pile 3 emptied, so its neighbour's top card goes next.
    EXPECT_EQ(waste, "004043030");
    EXPECT_EQ(Fila(5), "017");
}

TEST_F(SelectionGame, SelectedFilaDealsOntoEmptyPiles) {
    Setup(1, 1);
    SoundsOn({177});
    Fila(2) = Pile({40});
    Fila(5) = Pile({41});
    stock = Pile({1, 2, 3, 4, 5}, '0');
    ASSERT_TRUE(Run("Selezionate_Fila"));
    EXPECT_EQ(Fila(1), "005");
    EXPECT_EQ(Fila(3), "004");
    EXPECT_EQ(Fila(4), "003");
    EXPECT_EQ(Fila(6), "002");
    EXPECT_EQ(Fila(7), "001");
    EXPECT_EQ(Fila(8), "");  // the stock ran out
    EXPECT_EQ(Faces("005004003002001"), "11111");
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"Shuffle"});
    EXPECT_FALSE(Run("Selezionate_Fila"));
}

TEST_F(SelectionGame, MonteCarloClosesUpAndRefills) {
    Setup(8, 1);
    Rule(368, 6);
    Fila(1) = Pile({1});
    Fila(3) = Pile({3});
    Fila(5) = Pile({5});
    Fila(6) = Pile({6});
    ProgramGame().DestPiles[0] = FormatCode(1);  // a half-made selection
    stock = Pile({10, 11, 12}, '0');
    ASSERT_TRUE(Run("Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(Fila(1), "001");
    EXPECT_EQ(Fila(2), "003");
    EXPECT_EQ(Fila(3), "005");
    EXPECT_EQ(Fila(4), "006");
    EXPECT_EQ(Fila(5), "012");
    EXPECT_EQ(Fila(6), "011");
    EXPECT_EQ(Faces("012011"), "11");
    EXPECT_EQ(stock, "010");
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);

    // With the stock empty only a gap before a card is worth closing.
    stock.clear();
    Fila(5).clear();
    Fila(6).clear();
    ProgramGame().DestPiles[0] = FormatCode(3);
    EXPECT_FALSE(Run("Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(ProgramGame().DestPiles[0], "003");
    Fila(2).clear();
    ASSERT_TRUE(Run("Stock_To_Pile_Monte_Carlo"));
    EXPECT_EQ(Fila(1) + "|" + Fila(2) + "|" + Fila(3) + "|" + Fila(4), "001|005|006|");
    // Without any empty pile nothing happens.
    Rule(368, 3);
    EXPECT_FALSE(Run("Stock_To_Pile_Monte_Carlo"));
}

TEST_F(SelectionGame, TellsTheTailWhetherATableauCardLeft) {
    Setup(1, 1);
    StockEffects fx1;
    turned = Pile({7});
    ProgramGame().DestPiles[0] = FormatCode(7);
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kRemoveSelection), &fx1));
    EXPECT_FALSE(fx1.leftTableau);
    Fila(4) = Pile({8});
    ProgramGame().DestPiles[0] = FormatCode(8);
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kRemoveSelection), &fx1));
    EXPECT_TRUE(fx1.leftTableau);
    // A deal onto the tableau takes nothing from it.
    for (int i = 1; i <= 8; ++i) Rule(291 + i, 1);
    stock = Pile({1, 2});
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kAddTableaus), &fx1));
    EXPECT_FALSE(fx1.leftTableau);
    // Closing up moves whole piles.
    Fila(6) = Pile({9});
    ASSERT_TRUE(ExecuteStockOperation(ProgramGame(), 0, StockOp(MoveOp::kCloseUpTableau), &fx1));
    EXPECT_TRUE(fx1.leftTableau);
}

// ---- Joker caption ------------------------------------------------------------

class Joker : public StockMoves {
protected:
    test::DpiScreen screen;
    Joker() {
        InstalledPorts().screen = &screen;
        Rule(367, 4);
        Rule(84, 72);
    }
    static std::string& Dest(int n) { return ProgramGame().DestPiles[static_cast<size_t>(n - 1)]; }
};

TEST_F(Joker, WhatTheJokerStandsFor) {
    JokerCaption none = ComputeJokerCaption(ProgramGame(), true);
    EXPECT_EQ(none.foundation, -1);
    EXPECT_EQ(none.Memo(), -1);
    EXPECT_EQ(none.text, "");

    Dest(2) = Pile({105});  // alone: stands for nothing
    JokerCaption alone = ComputeJokerCaption(ProgramGame(), true);
    EXPECT_EQ(alone.foundation, 1);
    EXPECT_EQ(alone.position, 0);
    EXPECT_EQ(alone.rank, 0);
    EXPECT_EQ(alone.text, "Joker=");
    EXPECT_EQ(alone.suitImage, "");
    EXPECT_EQ(alone.Memo(), 200);

    Dest(2) += FormatCode(33);  // 7 of clubs above: the 6 of clubs
    JokerCaption below = ComputeJokerCaption(ProgramGame(), true);
    EXPECT_EQ(below.rank, 6);
    EXPECT_EQ(below.text, "Joker = 6");
    EXPECT_EQ(below.suitImage, "SUIT_CLUBS");
    EXPECT_EQ(ComputeJokerCaption(ProgramGame(), false).text, "J = 6");

    Dest(1) = Pile({1, 2, 3, 4, 5, 6, 7, 8, 9, 106});  // the first foundation's joker wins
    JokerCaption ten = ComputeJokerCaption(ProgramGame(), true);
    EXPECT_EQ(ten.foundation, 0);
    EXPECT_EQ(ten.position, 9);
    EXPECT_EQ(ten.text, "Joker=10");
    EXPECT_EQ(ten.suitImage, "SUIT_HEARTS");
    EXPECT_EQ(ten.Memo(), 109);

    // It takes the suit of the foundation's bottom card, and after a king
    // an ace only until a full round lies there.
    Dest(1) = Pile({40, 13, 107});
    EXPECT_EQ(ComputeJokerCaption(ProgramGame(), true).text, "Joker = A");
    EXPECT_EQ(ComputeJokerCaption(ProgramGame(), true).suitImage, "SUIT_SPADES");
    Dest(1) = Pile({40, 41, 42, 43, 44, 45, 46, 47, 48, 49, 50, 51, 52, 13, 107});
    EXPECT_EQ(ComputeJokerCaption(ProgramGame(), true).rank, 0);
}

TEST_F(Joker, CaptionRedrawsOnlyWhenItChanges) {
    Dest(3) = Pile({105});
    ProgramGame().Options.SetOpt(100, -1);
    EXPECT_TRUE(RefreshJokerCaption(ProgramGame()));
    EXPECT_EQ(ProgramGame().Options.Opt(100), 300);
    EXPECT_FALSE(RefreshJokerCaption(ProgramGame()));
    // A card put on the lone joker changes its meaning, not its place.
    Dest(3) += FormatCode(20);
    EXPECT_TRUE(RefreshJokerCaption(ProgramGame()));
    ASSERT_EQ(table.captions.size(), 2u);
    EXPECT_EQ(table.captions[1].foundation, 2);
    EXPECT_EQ(table.captions[1].text, "Joker = 6");
    EXPECT_EQ(table.captions[1].suit, "SUIT_DIAMONDS");
    // The joker leaves: every caption is erased.
    Dest(3) = FormatCode(20);
    EXPECT_TRUE(RefreshJokerCaption(ProgramGame()));
    EXPECT_EQ(table.captions.back().foundation, -1);
    EXPECT_EQ(ProgramGame().Options.Opt(100), -1);
    // After a full repaint the caption is drawn again.
    Dest(3) = Pile({105, 20});
    EXPECT_TRUE(RefreshJokerCaption(ProgramGame()));
    ForgetJokerCaption(ProgramGame());
    EXPECT_TRUE(RefreshJokerCaption(ProgramGame()));
    // Other games have no caption.
    Rule(84, 0);
    ForgetJokerCaption(ProgramGame());
    EXPECT_FALSE(RefreshJokerCaption(ProgramGame()));
}

}  // namespace
}  // namespace bw
