// Test games with a stock dealt onto the tableau, with jokers, with jumps in
// a grid and with short piles refilled from the stock, played through the
// main window.
#include "engine_play_support.h"

#include "core/game.h"
#include "interaction/undo.h"
#include "render/drawing.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

constexpr CardCode kJoker1 = 105;
constexpr CardCode kJoker2 = 106;

// ---------------------------------------------------------------------------
// A stock that deals onto every tableau pile

class StockDealPlay : public EnginePlay {
protected:
    void SetUp() override {
        Start(902, "Test Stock Deal");
        Deal("0000000000007");
    }
};

TEST_F(StockDealPlay, APressDealsOneCardToEveryPileAsOneMarkedStep) {
    ASSERT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 20);
    for (int i = 0; i < 8; ++i)
        ASSERT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]), 4);
    const TableState dealt = CurrentTable();
    const std::string stock = ProgramGame().MazzoPiles[0];

    Click(StockCentre(0));
    for (int i = 0; i < 8; ++i) {
        const std::string& pile = ProgramGame().FilaPiles[static_cast<size_t>(i)];
        ASSERT_EQ(SlotCount(pile), 5) << i;
        // Pile 1 got the stock's top card, pile 2 the next.
        EXPECT_EQ(TopCode(pile), SlotCode(stock, 19 - i)) << i;
        EXPECT_TRUE(IsFaceUp(ProgramGame(), TopCode(pile))) << i;
    }
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 12);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 1);
    EXPECT_EQ(ProgramGame().pointer.DealCounter, 1);
    EXPECT_GE(Played("Shuffle"), 1);
    const TableState once = CurrentTable();

    // One undo takes the whole deal back; the mark travels with the step.
    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 0);
    EXPECT_EQ(CountMarks(ProgramGame().RedoMarks, 2), 1);
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), once);
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 1);
    EXPECT_EQ(CountMarks(ProgramGame().RedoMarks, 2), 0);

    // The third press runs out after four piles.
    Click(StockCentre(0));
    Click(StockCentre(0));
    EXPECT_TRUE(ProgramGame().MazzoPiles[0].empty());
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[static_cast<size_t>(i)]), i < 4 ? 7 : 6) << i;
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 3);
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 2), 3);
    // An empty stock deals nothing and records nothing.
    const TableState end = CurrentTable();
    Click(StockCentre(0));
    EXPECT_EQ(CurrentTable(), end);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 3);
    for (int k = 0; k < 3; ++k) window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
}

TEST_F(StockDealPlay, ACardMovedFromAPileTurnsTheCardUnderItUp) {
    // Find a top card that another pile's top takes (down, any suit).
    for (int from = 0; from < 8; ++from) {
        const CardCode card = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(from)]);
        for (int to = 0; to < 8; ++to) {
            const CardCode on = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(to)]);
            if (to == from || RankOf(on) != RankOf(card) + 1) continue;
            const std::string source = "Fila" + std::to_string(from + 1);
            const CardCode under = SlotCode(ProgramGame().FilaPiles[static_cast<size_t>(from)], 2);
            ASSERT_FALSE(IsFaceUp(ProgramGame(), under));
            ASSERT_TRUE(DragOnto(TopOf(source), "Fila" + std::to_string(to + 1)));
            EXPECT_EQ(TopCode(ProgramGame().FilaPiles[static_cast<size_t>(to)]), card);
            EXPECT_TRUE(IsFaceUp(ProgramGame(), under));
            window.mnuUndo->trigger();
            EXPECT_FALSE(IsFaceUp(ProgramGame(), under));
            EXPECT_EQ(TopCode(ProgramGame().FilaPiles[static_cast<size_t>(from)]), card);
            return;
        }
    }
    GTEST_SKIP() << "this deal has no move between tableau piles";
}

// ---------------------------------------------------------------------------
// Jokers

class JokerPlay : public EnginePlay {
protected:
    void SetUp() override { Start(903, "Test Jokers"); }
};

TEST_F(JokerPlay, ThePackHasNoCourtCardsButTwoJokers) {
    Deal("0000000000000");
    std::vector<CardCode> all;
    for (const std::string& p : ProgramGame().FilaPiles)
        for (CardCode c : Cards(p)) all.push_back(c);
    ASSERT_EQ(all.size(), 46u);
    EXPECT_EQ(std::count(all.begin(), all.end(), kJoker1), 1);
    EXPECT_EQ(std::count(all.begin(), all.end(), kJoker2), 1);
    for (CardCode c : all) {
        EXPECT_TRUE(IsJoker(c) || RankOf(c) <= 11) << c;
        EXPECT_TRUE(IsFaceUp(ProgramGame(), c)) << c;
    }
}

TEST_F(JokerPlay, AJokerOnAFoundationStandsForTheNextCard) {
    ClearTable();
    Lay("Dest1", {H(1), H(2)});
    std::vector<CardCode> clubs;
    for (int r = 1; r <= 11; ++r) clubs.push_back(C(r));
    Lay("Dest3", clubs);
    Lay("Fila1", {kJoker1});
    Lay("Fila2", {H(3)});
    Lay("Fila3", {H(4)});
    Lay("Fila4", {kJoker2});
    ShowLaidTable();
    const TableState laid = CurrentTable();
    // Never onto an empty foundation.
    EXPECT_TRUE(DragOnto(TopOf("Fila1"), "Dest2"));
    EXPECT_EQ(CurrentTable(), laid);

    ASSERT_TRUE(DragOnto(TopOf("Fila1"), "Dest1"));
    EXPECT_EQ(Cards(ProgramGame().DestPiles[0]), (std::vector<CardCode>{H(1), H(2), kJoker1}));
    ASSERT_FALSE(table.captions.empty());
    EXPECT_EQ(table.captions.back().foundation, 0);
    EXPECT_EQ(table.captions.back().text, "Joker = 3");
    EXPECT_EQ(table.captions.back().suit, "SUIT_HEARTS");
    const TableState withJoker = CurrentTable();
    // Not a joker on a joker, and not the card the joker replaces.
    EXPECT_TRUE(DragOnto(TopOf("Fila4"), "Dest1"));
    EXPECT_TRUE(DragOnto(TopOf("Fila2"), "Dest1"));
    EXPECT_EQ(CurrentTable(), withJoker);
    ASSERT_TRUE(DragOnto(TopOf("Fila3"), "Dest1"));
    EXPECT_EQ(TopCode(ProgramGame().DestPiles[0]), H(4));
    // On the jack the second joker is the queen the pack lacks.
    ASSERT_TRUE(DragOnto(TopOf("Fila4"), "Dest3"));
    EXPECT_EQ(SlotCount(ProgramGame().DestPiles[2]), 12);
    EXPECT_EQ(TopCode(ProgramGame().DestPiles[2]), kJoker2);

    window.mnuUndo->trigger();
    window.mnuUndo->trigger();
    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), laid);
    // With the joker gone from the foundations its caption goes too.
    ASSERT_FALSE(table.captions.empty());
    EXPECT_EQ(table.captions.back().foundation, -1);
}

// ---------------------------------------------------------------------------
// Jumps in a grid

class JumpPlay : public EnginePlay {
protected:
    void SetUp() override { Start(904, "Test Jumps"); }
    static std::string Place(int i) { return "Fila" + std::to_string(i + 1); }
    static int Empty() {
        for (int i = 0; i < 25; ++i)
            if (ProgramGame().FilaPiles[static_cast<size_t>(i)].empty()) return i;
        return -1;
    }
};

TEST_F(JumpPlay, ACardJumpsIntoTheGapAndTheCardJumpedOverLeaves) {
    Deal("0000000000000");
    const int gap = Empty();
    ASSERT_GE(gap, 0);
    EXPECT_EQ(CardsOnTableau(), 24);
    for (int i = 0; i < 25; ++i)
        EXPECT_TRUE(OnTable(ProgramGame().FilaLeft[static_cast<size_t>(i)])) << i;
    // Q of clubs is the card left out.
    for (const std::string& p : ProgramGame().FilaPiles) EXPECT_LT(FindSlot(p, C(12)), 0);

    // A neighbour may not step in, a card two away in the row or column may.
    const int row = gap / 5, col = gap % 5;
    int neighbour = -1, jumper = -1;
    for (int d : {1, -1, 5, -5}) {
        const int n = gap + d, j = gap + 2 * d;
        const bool rowMove = d == 1 || d == -1;
        if (n < 0 || n >= 25 || (rowMove && n / 5 != row)) continue;
        neighbour = n;
        if (j < 0 || j >= 25 || (rowMove && j / 5 != row) || (!rowMove && j % 5 != col)) continue;
        jumper = j;
        break;
    }
    ASSERT_GE(neighbour, 0);
    ASSERT_GE(jumper, 0);
    const TableState dealt = CurrentTable();
    EXPECT_TRUE(DragOnto(TopOf(Place(neighbour)), Place(gap)));
    EXPECT_EQ(CurrentTable(), dealt);

    const int middle = (gap + jumper) / 2;
    const CardCode jumping = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(jumper)]);
    const CardCode over = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(middle)]);
    ASSERT_TRUE(DragOnto(TopOf(Place(jumper)), Place(gap)));
    EXPECT_EQ(TopCode(ProgramGame().FilaPiles[static_cast<size_t>(gap)]), jumping);
    EXPECT_TRUE(ProgramGame().FilaPiles[static_cast<size_t>(jumper)].empty());
    EXPECT_TRUE(ProgramGame().FilaPiles[static_cast<size_t>(middle)].empty());
    EXPECT_EQ(TopCode(ProgramGame().MazzoPiles[2]), over);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);

    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), dealt);
    // A right click finds the jump by itself.
    RightClick(TopOf(Place(jumper)));
    EXPECT_EQ(TopCode(ProgramGame().FilaPiles[static_cast<size_t>(gap)]), jumping);
    EXPECT_EQ(TopCode(ProgramGame().MazzoPiles[2]), over);
}

TEST_F(JumpPlay, TheJumpThatLeavesFourCardsWinsTheGame) {
    ClearTable();
    Lay("Fila1", {H(1)});
    Lay("Fila2", {H(2)});
    Lay("Fila10", {H(3)});
    Lay("Fila20", {H(4)});
    Lay("Fila25", {H(5)});
    ShowLaidTable();
    ASSERT_TRUE(DragOnto(TopOf("Fila1"), "Fila3"));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), (std::vector<CardCode>{H(2)}));
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(Played("Won"), 1);
    EXPECT_EQ(gameOffers, 1);
}

// ---------------------------------------------------------------------------
// Short piles refilled from the stock

class RefillPlay : public EnginePlay {
protected:
    void SetUp() override {
        Start(905, "Test Refill");
        ClearTable();
        Lay("Fila2", {H(5), H(6), H(7)});
        Lay("Fila3", {C(5), C(6), C(7)});
        Lay("Fila4", {S(5), S(6), S(7)});
        Lay("Fila5", {H(8), H(9), H(10)});
        Lay("Fila6", {C(8), C(9), C(10)});
        Lay("Mazzo_Vis", {S(1), S(2), S(3), S(4)});
        ShowLaidTable();
    }
};

TEST_F(RefillPlay, AnEmptyStockIsTurnedBackToRefillAsOneUndoStep) {
    const TableState laid = CurrentTable();
    ASSERT_EQ(ProgramGame().Options.Opt(73), 1);
    Click(StockCentre(0));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 2);
    // "Mazzo_Vis" went back upside down; the pile takes the stock's top cards.
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[0]), (std::vector<CardCode>{S(1), S(2), S(3)}));
    for (CardCode c : Cards(ProgramGame().FilaPiles[0])) EXPECT_TRUE(IsFaceUp(ProgramGame(), c));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), (std::vector<CardCode>{S(4)}));
    EXPECT_TRUE(ProgramGame().MazzoPiles[1].empty());
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    const TableState refilled = CurrentTable();
    // The redeal that came first is taken back with the rest.
    window.mnuUndo->trigger();
    EXPECT_EQ(CurrentTable(), laid);
    window.mnuRedo->trigger();
    EXPECT_EQ(CurrentTable(), refilled);
}

TEST_F(RefillPlay, TheLastRedealIsUsedAndTheStockMarkAgrees) {
    bool drawn = false;
    // The counter at the limit: one redeal is left, as the engine counts.
    ProgramGame().Options.SetOpt(73, 2);
    EXPECT_EQ(PileMarkCode(ProgramGame(), kMarkStock, 0, drawn), "022");
    Click(StockCentre(0));
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
    EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[0]), 3);

    // Used up: the press leaves the short pile short, and the mark says so.
    window.mnuUndo->trigger();
    ASSERT_TRUE(ProgramGame().FilaPiles[0].empty());
    ASSERT_EQ(SlotCount(ProgramGame().MazzoPiles[1]), 4);
    EXPECT_EQ(PileMarkCode(ProgramGame(), kMarkStock, 0, drawn), "008");
    const TableState used = CurrentTable();
    Click(StockCentre(0));
    EXPECT_EQ(CurrentTable(), used);
    EXPECT_EQ(ProgramGame().Options.Opt(73), 3);
}

TEST_F(RefillPlay, WithNoPileShortAPressTurnsACard) {
    Lay("Fila1", {D(1), D(2), D(3)});
    Lay("Mazzo", {D(9), D(10)}, {D(9), D(10)});
    ShowLaidTable();
    Click(StockCentre(0));
    EXPECT_EQ(TopCode(ProgramGame().MazzoPiles[1]), D(10));
    EXPECT_EQ(SlotCount(ProgramGame().MazzoPiles[0]), 1);
    EXPECT_EQ(SlotCount(ProgramGame().FilaPiles[0]), 3);
}

}  // namespace
}  // namespace bw::test
