// Klondike- and FreeCell-like test games played through the main window:
// drops that the rules take or refuse, the best-covered of two piles, the
// stock with its redeal limit, the shortcuts, undo and redo, and a win.
#include "engine_play_support.h"

#include "core/autoplay.h"
#include "core/game.h"
#include "interaction/drag.h"
#include "interaction/undo.h"
#include "render/drawing.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

class KlondikePlay : public EnginePlay {
protected:
    void SetUp() override { Start(900, "Test Klondike"); }
};

TEST_F(KlondikePlay, DealsTheStaircaseWithOnlyTheTopCardsUp) {
    Deal("0000000000000");
    for (int i = 0; i < 7; ++i) {
        const std::vector<CardCode> pile = Cards(ProgramGame().FilaPiles[static_cast<size_t>(i)]);
        ASSERT_EQ(pile.size(), static_cast<size_t>(i + 1));
        for (size_t k = 0; k < pile.size(); ++k)
            EXPECT_EQ(IsFaceUp(ProgramGame(), pile[k]), k + 1 == pile.size())
                << "Fila" << i + 1 << " card " << k;
        EXPECT_TRUE(OnTable(ProgramGame().FilaLeft[static_cast<size_t>(i)]));
    }
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 24);
    for (CardCode c : Cards(ProgramGame().MazzoPiles[0])) EXPECT_FALSE(IsFaceUp(ProgramGame(), c));
    EXPECT_TRUE(ProgramGame().MazzoPiles[1].empty());
    // The piles lie apart: stock, turned stock and foundations on one row
    // above the tableau.
    for (int i = 0; i < 2; ++i) EXPECT_TRUE(OnTable(ProgramGame().Options.StockLeft(i))) << i;
    for (int i = 0; i < 4; ++i) EXPECT_TRUE(OnTable(ProgramGame().Options.DestLeft(i))) << i;
    EXPECT_LT(ProgramGame().Options.StockLeft(0) + ProgramGame().CardWidth,
              ProgramGame().Options.StockLeft(1));
    EXPECT_LT(ProgramGame().Options.StockLeft(1) + ProgramGame().CardWidth,
              ProgramGame().Options.DestLeft(0));
    EXPECT_LT(ProgramGame().Options.DestTop(0) + ProgramGame().CardHeight,
              ProgramGame().FilaTop[0]);
    for (int i = 1; i < 7; ++i)
        EXPECT_LT(ProgramGame().FilaLeft[static_cast<size_t>(i - 1)] + ProgramGame().CardWidth,
                  ProgramGame().FilaLeft[static_cast<size_t>(i)]);
}

// A table laid by hand for the drop tests: a king to build on, a queen on a
// face-down card, a queen of the wrong colour, an empty pile, a run from a
// king, a lone ace and two spades that do not form a run.
class KlondikeTable : public KlondikePlay {
protected:
    void SetUp() override {
        KlondikePlay::SetUp();
        ClearTable();
        Lay("Fila1", {S(13)});
        Lay("Fila2", {C(5), H(12)}, {C(5)});
        Lay("Fila3", {S(12)});
        Lay("Fila5", {D(13), C(12), H(11)});
        Lay("Fila6", {H(1)});
        Lay("Fila7", {S(11), S(10)});
        Lay("Mazzo", {C(1), D(2)}, {C(1), D(2)});
        ShowLaidTable();
        laid = CurrentTable();
    }
    TableState laid;
};

TEST_F(KlondikeTable, RefusedDropsPutTheCardsBackUnchanged) {
    // Held and let go where it was: back without a drop test.
    Click(TopOf("Fila3"));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    // A black queen on a black king, then on an empty pile that wants a king.
    EXPECT_TRUE(DragOnto(TopOf("Fila3"), "Fila1"));
    EXPECT_TRUE(
        DragTo(TopOf("Fila3"), ProgramGame().FilaLeft[3] + 2, ProgramGame().FilaTop[3] + 2));
    // Spades of one colour are no run: nothing is lifted from inside them.
    EXPECT_FALSE(DragOnto(CardOf("Fila7", 0), "Fila1"));
    EXPECT_EQ(CurrentTable(), laid);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_FALSE(CardsLifted(ProgramGame()));
    EXPECT_EQ(Beeps(), 0);  // a refused drop glides back without a sound of complaint
    EXPECT_GE(table.glides, 2);
    EXPECT_GE(Played("card_down"), 2);
}

TEST_F(KlondikeTable, LegalDropsMoveAndUndoRedoRestoreTheTableExactly) {
    std::vector<TableState> states{laid};
    // A red queen on the black king: the face-down five left behind turns up.
    ASSERT_TRUE(DragOnto(TopOf("Fila2"), "Fila1"));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[0]), (std::vector<CardCode>{S(13), H(12)}));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]), (std::vector<CardCode>{C(5)}));
    EXPECT_TRUE(IsFaceUp(ProgramGame(), C(5)));
    EXPECT_EQ(Played("Tableau"), 1);
    states.push_back(CurrentTable());
    // The run from the king of diamonds goes whole to the empty pile.
    ASSERT_TRUE(
        DragTo(CardOf("Fila5", 0), ProgramGame().FilaLeft[3] + 3, ProgramGame().FilaTop[3] + 3));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[3]), (std::vector<CardCode>{D(13), C(12), H(11)}));
    EXPECT_TRUE(ProgramGame().FilaPiles[4].empty());
    states.push_back(CurrentTable());
    // The ace to a foundation.
    ASSERT_TRUE(DragOnto(TopOf("Fila6"), "Dest3"));
    EXPECT_EQ(Cards(ProgramGame().DestPiles[2]), (std::vector<CardCode>{H(1)}));
    EXPECT_EQ(Played("Foundation"), 1);
    states.push_back(CurrentTable());
    ASSERT_EQ(StepCount(ProgramGame().UndoLists), 3);

    // Back step by step to the table as it was laid, face flags included ...
    for (int k = 2; k >= 0; --k) {
        window.mnuUndo->trigger();
        EXPECT_EQ(CurrentTable(), states[static_cast<size_t>(k)]) << "undo to " << k;
        EXPECT_TRUE(ScreenShowsTable(window)) << "undo to " << k;
    }
    EXPECT_FALSE(IsFaceUp(ProgramGame(), C(5)));
    // ... and forward again.
    for (size_t k = 1; k < states.size(); ++k) {
        window.mnuRedo->trigger();
        EXPECT_EQ(CurrentTable(), states[k]) << "redo to " << k;
        EXPECT_TRUE(ScreenShowsTable(window)) << "redo to " << k;
    }
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 3);
    // A new move after an undo drops what could have been redone.
    window.mnuUndo->trigger();
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 1);
    ASSERT_TRUE(DragOnto(TopOf("Fila6"), "Dest1"));
    EXPECT_EQ(StepCount(ProgramGame().RedoLists), 0);
}

TEST_F(KlondikeTable, TheBestCoveredOfTwoPilesTakesTheCard) {
    // Two black kings side by side; a red queen from a third pile is
    // dropped across both.
    ClearTable();
    Lay("Fila1", {S(13)});
    Lay("Fila2", {C(13)});
    Lay("Fila4", {H(12)});
    ShowLaidTable();
    const int l1 = ProgramGame().FilaLeft[0], l2 = ProgramGame().FilaLeft[1],
              top = ProgramGame().FilaTop[0] + 5;
    const int gap = l2 - l1 - ProgramGame().CardWidth;
    ASSERT_GT(ProgramGame().CardWidth - gap, 20) << "the piles must be close enough to cover both";
    // Mostly over the second king.
    ASSERT_TRUE(DragTo(TopOf("Fila4"), l1 + ProgramGame().CardWidth - 8, top));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]), (std::vector<CardCode>{C(13), H(12)}));
    window.mnuUndo->trigger();
    // Mostly over the first.
    ASSERT_TRUE(DragTo(TopOf("Fila4"), l2 - ProgramGame().CardWidth + 8, top));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[0]), (std::vector<CardCode>{S(13), H(12)}));
    window.mnuUndo->trigger();
    // Covered alike: the higher pile number wins.
    if ((ProgramGame().CardWidth + gap) % 2 == 0) {
        ASSERT_TRUE(DragTo(TopOf("Fila4"), l1 + (ProgramGame().CardWidth + gap) / 2, top));
        EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]), (std::vector<CardCode>{C(13), H(12)}));
    }
    // Mostly over a king that refuses the red queen: the other pile, covered
    // less, still gets its chance.
    ClearTable();
    Lay("Fila1", {D(13)});
    Lay("Fila2", {C(13)});
    Lay("Fila4", {H(12)});
    ShowLaidTable();
    ASSERT_TRUE(DragTo(TopOf("Fila4"), l2 - ProgramGame().CardWidth + 8, top));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]), (std::vector<CardCode>{C(13), H(12)}));
}

TEST_F(KlondikePlay, TheStockIsTurnedBackTwiceAndThenNoMore) {
    Deal("0000000000000");
    const std::string stock = ProgramGame().MazzoPiles[0];
    ASSERT_EQ(SlotCount(stock), 24);
    bool drawn = false;
    auto turnAll = [&] {
        for (int i = 0; i < 24; ++i) Click(StockCentre(0));
        ASSERT_TRUE(ProgramGame().MazzoPiles[0].empty());
        ASSERT_EQ(SlotCount(ProgramGame().MazzoPiles[1]), 24);
    };
    turnAll();
    // The stock's top card came first, so "Mazzo_Vis" holds the stock upside down.
    EXPECT_EQ(TopCode(ProgramGame().MazzoPiles[1]), BottomCode(stock));
    for (CardCode c : Cards(ProgramGame().MazzoPiles[1])) EXPECT_TRUE(IsFaceUp(ProgramGame(), c));
    EXPECT_EQ(PileMarkCode(ProgramGame(), kMarkStock, 0, drawn), "022");
    const int steps = StepCount(ProgramGame().UndoLists);

    Click(StockCentre(0));  // first redeal
    EXPECT_EQ(ProgramGame().Options.Opt(73), 2);
    EXPECT_EQ(ProgramGame().MazzoPiles[0], stock);
    for (CardCode c : Cards(ProgramGame().MazzoPiles[0])) EXPECT_FALSE(IsFaceUp(ProgramGame(), c));
    EXPECT_TRUE(ProgramGame().MazzoPiles[1].empty());
    EXPECT_EQ(table.redeals, (std::vector<int>{24}));
    EXPECT_EQ(Played("Redeal (loop)"), 1);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), steps + 1);

    turnAll();
    // The counter stands at the limit: one redeal is left, and the empty
    // stock says so.
    EXPECT_EQ(PileMarkCode(ProgramGame(), kMarkStock, 0, drawn), "022");
    Click(StockCentre(0));  // second redeal
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
    EXPECT_EQ(ProgramGame().MazzoPiles[0], stock);

    turnAll();
    EXPECT_EQ(PileMarkCode(ProgramGame(), kMarkStock, 0, drawn), "008");
    const TableState used = CurrentTable();
    const int before = StepCount(ProgramGame().UndoLists);
    Click(StockCentre(0));  // no third redeal
    EXPECT_EQ(CurrentTable(), used);
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), before);
    EXPECT_EQ(table.redeals.size(), 2u);
    // An undone turn brings a card back, but the passes stay used.
    window.mnuUndo->trigger();
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
}

TEST_F(KlondikeTable, DoubleAndRightClicksChooseTheDestination) {
    ClearTable();
    Lay("Fila1", {H(1)});
    Lay("Fila2", {S(13)});
    Lay("Fila3", {D(12)});
    Lay("Fila4", {S(10), H(9), C(8)}, {S(10)});
    Lay("Fila5", {C(10)});
    Lay("Mazzo", {C(1), D(2), D(3)}, {C(1), D(2), D(3)});
    ShowLaidTable();
    // The defaults: a double click sends to the foundations only.
    DoubleClick(TopOf("Fila1"));
    EXPECT_EQ(Cards(ProgramGame().DestPiles[0]), (std::vector<CardCode>{H(1)}));
    EXPECT_TRUE(ProgramGame().FilaPiles[0].empty());
    const TableState afterAce = CurrentTable();
    DoubleClick(TopOf("Fila3"));  // no foundation takes a queen
    EXPECT_EQ(CurrentTable(), afterAce);
    // A right click may use the tableau.
    RightClick(TopOf("Fila3"));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]), (std::vector<CardCode>{S(13), D(12)}));
    EXPECT_TRUE(ProgramGame().FilaPiles[2].empty());
    // On a card inside a run: the whole run goes, never back to its own pile.
    RightClick(CardOf("Fila4", 1));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[4]), (std::vector<CardCode>{C(10), H(9), C(8)}));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[3]), (std::vector<CardCode>{S(10)}));
    EXPECT_TRUE(IsFaceUp(ProgramGame(), S(10)));
    // A double click on the stock is two presses.
    DoubleClick(StockCentre(0));
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[1]), 2);
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 1);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 5);
}

class KlondikeAutoplay : public EnginePlay {
protected:
    void SetUp() override { Start(900, "Test Klondike", "AutoPlay=Y\r\n"); }
};

TEST_F(KlondikeAutoplay, ARunsToExhaustionAfterADrop) {
    ASSERT_TRUE(window.mnuAutoplay->isChecked());
    ClearTable();
    Lay("Dest1", {H(1), H(2), H(3), H(4)});
    Lay("Dest2", {S(1)});
    Lay("Fila1", {H(6)});
    Lay("Fila2", {H(5)});
    Lay("Fila3", {S(2), H(7)}, {S(2)});
    Lay("Fila4", {C(9)});
    Lay("Mazzo_Vis", {C(3), H(8)});
    Lay("Mazzo", {D(5)}, {D(5)});
    ShowLaidTable();
    const int before = Played("Autoplay");  // the deal may have had its own
    ASSERT_TRUE(DragOnto(TopOf("Fila2"), "Dest1"));
    // 6, 7 and 8 of hearts follow; the two of spades, turned up, goes too.
    EXPECT_EQ(Cards(ProgramGame().DestPiles[0]),
              (std::vector<CardCode>{H(1), H(2), H(3), H(4), H(5), H(6), H(7), H(8)}));
    EXPECT_EQ(Cards(ProgramGame().DestPiles[1]), (std::vector<CardCode>{S(1), S(2)}));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[3]), (std::vector<CardCode>{C(9)}));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[1]), (std::vector<CardCode>{C(3)}));
    EXPECT_EQ(Played("Autoplay") - before, 4);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 5);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
}

TEST_F(KlondikeTable, SwitchingAutoplayOnPlaysAtOnce) {
    ASSERT_FALSE(window.mnuAutoplay->isChecked());
    ClearTable();
    Lay("Fila1", {H(2)});
    Lay("Fila2", {H(1)});
    Lay("Fila3", {C(9)});
    ShowLaidTable();
    // With the switch off a drop is followed by nothing.
    ASSERT_TRUE(DragOnto(TopOf("Fila2"), "Dest1"));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[0]), (std::vector<CardCode>{H(2)}));
    window.mnuAutoplay->trigger();
    EXPECT_TRUE(window.mnuAutoplay->isChecked());
    EXPECT_TRUE(window.tbAutoPlay->isChecked());
    EXPECT_EQ(Cards(ProgramGame().DestPiles[0]), (std::vector<CardCode>{H(1), H(2)}));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[2]), (std::vector<CardCode>{C(9)}));
}

TEST_F(KlondikeTable, TheLastCardHomeEndsTheGameWon) {
    ClearTable();
    for (int suit = 0; suit < 4; ++suit) {
        std::vector<CardCode> run;
        for (int rank = 1; rank <= (suit == 3 ? 12 : 13); ++rank) run.push_back(suit * 13 + rank);
        Lay("Dest" + std::to_string(suit + 1), run);
    }
    Lay("Fila4", {S(13)});
    ShowLaidTable();
    ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    ASSERT_TRUE(DragOnto(TopOf("Fila4"), "Dest4"));
    EXPECT_EQ(SlotCount(ProgramGame().DestPiles[3]), 13);
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kClockRuns));
    EXPECT_EQ(Played("Won"), 1);
    EXPECT_EQ(gameOffers, 1);  // the next game is offered
    EXPECT_FALSE(CanUndo(ProgramGame()));
}

class FreeCellPlay : public EnginePlay {
protected:
    void SetUp() override { Start(901, "Test FreeCell"); }
};

TEST_F(FreeCellPlay, DealsEverythingFaceUp) {
    Deal("1234567890123");
    const int sizes[8] = {7, 7, 7, 7, 6, 6, 6, 6};
    for (int i = 0; i < 8; ++i) {
        EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]), sizes[i]) << i;
        for (CardCode c : Cards(ProgramGame().FilaPiles[static_cast<size_t>(i)]))
            EXPECT_TRUE(IsFaceUp(ProgramGame(), c));
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_TRUE(OnTable(ProgramGame().Options.AppoggLeft(i))) << i;
        EXPECT_TRUE(OnTable(ProgramGame().Options.DestLeft(i))) << i;
    }
    EXPECT_LT(ProgramGame().Options.AppoggLeft(3) + ProgramGame().CardWidth,
              ProgramGame().Options.DestLeft(0));
}

TEST_F(FreeCellPlay, RunsMoveAsFarAsTheFreeCellsAllow) {
    ClearTable();
    Lay("Fila1", {S(13), H(12), C(11), D(10), S(9)});
    Lay("Fila2", {D(12)});
    Lay("Fila3", {S(5)});
    Lay("Fila4", {C(7)});
    Lay("Fila5", {H(6)});
    Lay("Fila6", {D(6)});
    Lay("Fila7", {C(4)});
    Lay("Fila8", {H(8)});
    Lay("Appogg1", {C(2)});
    Lay("Appogg2", {D(3)});
    Lay("Appogg3", {H(4)});
    ShowLaidTable();
    const TableState laid = CurrentTable();
    // One free cell and no empty pile: two cards at most, so the jack's run
    // of three is not lifted.
    EXPECT_FALSE(DragOnto(CardOf("Fila1", 2), "Fila2"));
    EXPECT_EQ(CurrentTable(), laid);
    // A card from a cell onto the tableau frees a second cell ...
    ASSERT_TRUE(DragOnto(TopOf("Appogg3"), "Fila3"));
    EXPECT_TRUE(ProgramGame().AppoggPiles[2].empty());
    // ... and the run of three may go now.
    ASSERT_TRUE(DragOnto(CardOf("Fila1", 2), "Fila2"));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]),
              (std::vector<CardCode>{D(12), C(11), D(10), S(9)}));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[0]), (std::vector<CardCode>{S(13), H(12)}));
    // Never a card onto an occupied cell.
    const TableState before = CurrentTable();
    EXPECT_TRUE(DragOnto(TopOf("Fila7"), "Appogg1"));
    EXPECT_EQ(CurrentTable(), before);
    // With two free cells and one empty pile a run of four may be lifted,
    // but onto the empty pile, which is then no help itself, three at most.
    ASSERT_TRUE(DragOnto(TopOf("Fila8"), "Fila2"));
    ASSERT_TRUE(ProgramGame().FilaPiles[7].empty());
    const TableState emptied = CurrentTable();
    EXPECT_TRUE(
        DragTo(CardOf("Fila2", 1), ProgramGame().FilaLeft[7] + 2, ProgramGame().FilaTop[7] + 2));
    EXPECT_EQ(CurrentTable(), emptied);
    ASSERT_TRUE(
        DragTo(CardOf("Fila2", 2), ProgramGame().FilaLeft[7] + 2, ProgramGame().FilaTop[7] + 2));
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[7]), (std::vector<CardCode>{D(10), S(9), H(8)}));
    // A single card into a free cell.
    ASSERT_TRUE(DragOnto(TopOf("Fila7"), "Appogg3"));
    EXPECT_EQ(Cards(ProgramGame().AppoggPiles[2]), (std::vector<CardCode>{C(4)}));

    // Every step back to the laid table and forward again.
    const TableState end = CurrentTable();
    const int steps = StepCount(ProgramGame().UndoLists);
    ASSERT_EQ(steps, 5);
    for (int k = 0; k < steps; ++k) window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), laid);
    for (int k = 0; k < steps; ++k) window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), end);
}

TEST_F(FreeCellPlay, TheBetterCoveredCellTakesTheCard) {
    ClearTable();
    Lay("Fila1", {S(9)});
    Lay("Fila2", {H(9)});
    ShowLaidTable();
    const int l1 = ProgramGame().Options.AppoggLeft(0), l2 = ProgramGame().Options.AppoggLeft(1);
    const int top = ProgramGame().Options.AppoggTop(0) + 4;
    ASSERT_LT(l2 - l1 - ProgramGame().CardWidth, ProgramGame().CardWidth - 20);
    ASSERT_TRUE(DragTo(TopOf("Fila1"), l1 + ProgramGame().CardWidth - 10, top));
    EXPECT_TRUE(ProgramGame().AppoggPiles[0].empty());
    EXPECT_EQ(Cards(ProgramGame().AppoggPiles[1]), (std::vector<CardCode>{S(9)}));
    ASSERT_TRUE(DragTo(TopOf("Fila2"), l2 - ProgramGame().CardWidth + 10, top));
    EXPECT_EQ(Cards(ProgramGame().AppoggPiles[0]), (std::vector<CardCode>{H(9)}));
}

TEST_F(FreeCellPlay, ADoubleClickParksACardThatFitsNowhereElse) {
    ClearTable();
    Lay("Fila1", {S(9), C(1)});
    Lay("Fila2", {H(9)});
    ShowLaidTable();
    DoubleClick(TopOf("Fila1"));
    EXPECT_EQ(Cards(ProgramGame().DestPiles[0]), (std::vector<CardCode>{C(1)}));
    DoubleClick(TopOf("Fila1"));
    EXPECT_EQ(Cards(ProgramGame().AppoggPiles[0]), (std::vector<CardCode>{S(9)}));
    DoubleClick(TopOf("Fila2"));
    EXPECT_EQ(Cards(ProgramGame().AppoggPiles[1]), (std::vector<CardCode>{H(9)}));
    EXPECT_EQ(CardsOnTableau(), 0);
}
}  // namespace
}  // namespace bw::test
