#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/card_positions.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/history.h"
#include "core/move_engine.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/pointer_state.h"
#include "core/ports.h"
#include "core/state.h"
#include "interaction/press.h"
#include "support/program_game.h"
#include "support/recording_table.h"
#include "support/test_support.h"

namespace bw {
namespace {

class PressRecorder : public IPressHooks {
public:
    std::vector<std::string> calls;
    bool uncovered = false;
    void RightClickShortcut(Game&, const PileHit& hit) override {
        calls.push_back("right " + hit.name);
    }
    void ClickShortcut(Game&, const PileHit& hit) override { calls.push_back("click " + hit.name); }
    void SelectionPress(Game&, MouseButton, int, int, int, const PileHit& hit) override {
        calls.push_back("select " + hit.name);
    }
    void PairSelect(Game&, CardCode card) override {
        calls.push_back("pair " + std::to_string(card));
    }
    bool IsUncovered(Game&, CardCode) override { return uncovered; }
    void BuildHeldImage(Game&) override { calls.push_back("image"); }
    void LiftCards(Game&, CardCode card, bool single) override {
        calls.push_back("lift " + std::to_string(card) + (single ? " single" : " run"));
    }
    void DrawHeldImage(Game&, int left, int top) override {
        calls.push_back("held @" + std::to_string(left) + "," + std::to_string(top));
    }
};

class Hooks : public IGameHooks {
public:
    int ticks = 0;
    void ClockTick(Game&) override { ++ticks; }
};

class Press : public ::testing::Test {
protected:
    test::CoreFixture fx;
    test::RecordingTable table;
    PressRecorder hooks;
    Hooks game;

    Press() {
        InstalledPorts().SetTable(&table);
        InstalledPorts().game = &game;
        Install<IPressHooks>(&hooks);
        ResetPileAnchors(ProgramGame());
        ProgramGame().CardWidth = 71;
        ProgramGame().CardHeight = 96;
        ProgramGame().OffsetTable = {};
        ProgramGame().Options.SetOpt(64, 18);
        ProgramGame().Options.SetOpt(66, 4);
        ProgramGame().Options.SetOpt(65, 12);
        ProgramGame().Options.SetOpt(67, 4);
        ProgramGame().Options.SetOpt(72, 6);
        ProgramGame().GameRules[3] = 1;
        ProgramGame().GameRules[368] = 4;
        ProgramGame().GameRules[367] = 4;
        ProgramGame().GameRules[369] = 2;
        ProgramGame().GameRules[13] = -1;
        for (int i = 0; i < 4; ++i) {
            ProgramGame().FilaLeft[static_cast<size_t>(i)] = static_cast<int16_t>(100 + 100 * i);
            ProgramGame().FilaTop[static_cast<size_t>(i)] = 200;
        }
        SetFlag(ProgramGame(), flag::kInProgress, true);
        ProgramGame().pointer.PeekCard = {};
        ProgramGame().pointer.RunHeight = 0;
        ProgramGame().pointer.MouseIdleStamp = 5;
    }
    ~Press() override { Install<IPressHooks>(nullptr); }
    void Down(std::initializer_list<int> codes) {
        for (int c : codes) SetFaceFlag(ProgramGame().CardRegister, c, '0');
    }
    static std::string Where(const PileHit& h) {
        return h.name + ":" + std::to_string(h.card) + " " + std::to_string(h.left) + "," +
               std::to_string(h.top) + "," + std::to_string(h.right) + "," +
               std::to_string(h.bottom);
    }
};

TEST_F(Press, HitTestStockAndEdges) {
    ProgramGame().Options.SetStockLeft(0, 10);
    ProgramGame().Options.SetStockTop(0, 10);
    ProgramGame().Options.SetStockLeft(2, 10);
    ProgramGame().Options.SetStockTop(2, 120);
    ProgramGame().MazzoPiles[0] = "001002";
    EXPECT_EQ(Where(HitTest(ProgramGame(), 10, 10)), "Mazzo:2 10,10,81,106");
    EXPECT_EQ(HitTest(ProgramGame(), 81, 106).name, "Mazzo");  // the right and bottom edges count
    EXPECT_EQ(HitTest(ProgramGame(), 82, 106).name, "");
    EXPECT_EQ(HitTest(ProgramGame(), 81, 107).name, "");
    EXPECT_EQ(Where(HitTest(ProgramGame(), 20, 130)),
              "Mazzo_Waste:0 10,120,81,216");  // empty: still hit
    // Nothing: all zero.
    EXPECT_EQ(Where(HitTest(ProgramGame(), 5000, 5000)), ":0 0,0,0,0");

    // The stock is tried before a tableau pile under it.
    ProgramGame().FilaLeft[0] = 10;
    ProgramGame().FilaTop[0] = 10;
    ProgramGame().FilaPiles[0] = "005";
    EXPECT_EQ(HitTest(ProgramGame(), 20, 20).name, "Mazzo");
}

TEST_F(Press, HitTestDownwardCascade) {
    ProgramGame().FilaPiles[0] = "001002003";
    Down({1});
    // Bands: card 1 200..203, card 2 204..221, the top card 222..318.
    EXPECT_EQ(Where(HitTest(ProgramGame(), 110, 201)), "Fila1:1 100,200,171,296");
    EXPECT_EQ(Where(HitTest(ProgramGame(), 110, 204)), "Fila1:2 100,204,171,300");
    EXPECT_EQ(HitTest(ProgramGame(), 110, 221).card, 2);
    EXPECT_EQ(HitTest(ProgramGame(), 110, 222).card, 3);
    EXPECT_EQ(Where(HitTest(ProgramGame(), 171, 318)),
              "Fila1:3 100,222,171,318");  // corner of the top card
    EXPECT_EQ(HitTest(ProgramGame(), 172, 318).name, "");
    EXPECT_EQ(HitTest(ProgramGame(), 110, 319).name, "");
    // Scrolled: tops move up, lefts stay.
    ProgramGame().Options.SetOpt(90, 100);
    EXPECT_EQ(Where(HitTest(ProgramGame(), 110, 122)), "Fila1:3 100,122,171,218");
}

TEST_F(Press, HitTestOverlapsAndEmptyPiles) {
    // Two single-card piles overlapping from x 150 to 171.
    ProgramGame().FilaLeft[1] = 150;
    ProgramGame().FilaPiles[0] = "001";
    ProgramGame().FilaPiles[1] = "002";
    EXPECT_EQ(HitTest(ProgramGame(), 160, 250).name, "Fila1");  // the lower pile wins
    ProgramGame().GameRules[3] = 4;
    EXPECT_EQ(HitTest(ProgramGame(), 160, 250).name,
              "Fila2");  // side by side: the pile drawn last wins
    EXPECT_EQ(HitTest(ProgramGame(), 110, 250).name, "Fila1");

    // An empty pile's rectangle ends the tableau search with nothing.
    ProgramGame().GameRules[3] = 1;
    ProgramGame().FilaPiles[0].clear();
    EXPECT_EQ(Where(HitTest(ProgramGame(), 160, 250)), ":0 0,0,0,0");
    EXPECT_EQ(HitTest(ProgramGame(), 110, 250).name, "");
    EXPECT_EQ(HitTest(ProgramGame(), 200, 250).name, "Fila2");

    // Family 4 rows: the gap between two cards is no card.
    ProgramGame().GameRules[3] = 4;
    ProgramGame().FilaPiles[0] = "001003";
    ProgramGame().FilaLeft[1] = 1000;
    EXPECT_EQ(HitTest(ProgramGame(), 171, 250).card, 1);
    EXPECT_EQ(HitTest(ProgramGame(), 174, 250).name, "");
    EXPECT_EQ(Where(HitTest(ProgramGame(), 177, 250)), "Fila1:3 177,200,248,296");
}

TEST_F(Press, HitTestSidewaysFans) {
    ProgramGame().GameRules[3] = 2;
    ProgramGame().FilaPiles[0] = "001002003";
    Down({1});
    EXPECT_EQ(HitTest(ProgramGame(), 103, 250).card, 1);  // 4 px of the face-down card
    EXPECT_EQ(HitTest(ProgramGame(), 104, 250).card, 2);
    EXPECT_EQ(Where(HitTest(ProgramGame(), 116, 250)), "Fila1:3 116,200,187,296");
    EXPECT_EQ(HitTest(ProgramGame(), 187, 296).card, 3);
    EXPECT_EQ(HitTest(ProgramGame(), 188, 250).name, "");

    // Cascading left: the top card is the leftmost, the others show their right strips.
    ProgramGame().GameRules[3] = 10;
    EXPECT_EQ(Where(HitTest(ProgramGame(), 84, 250)), "Fila1:3 84,200,155,296");
    EXPECT_EQ(HitTest(ProgramGame(), 156, 250).card, 2);
    EXPECT_EQ(HitTest(ProgramGame(), 167, 250).card, 2);
    EXPECT_EQ(HitTest(ProgramGame(), 168, 250).card, 1);
    EXPECT_EQ(HitTest(ProgramGame(), 171, 250).card, 1);
    EXPECT_EQ(HitTest(ProgramGame(), 172, 250).name, "");
}

TEST_F(Press, SlottedRowsHitOnlyCards) {
    ProgramGame().GameRules[3] = 9;
    ProgramGame().FilaLeft[0] = 10;
    ProgramGame().FilaTop[0] = 20;
    ProgramGame().FilaPiles[0] = "001000003";
    EXPECT_EQ(Where(HitTest(ProgramGame(), 10, 20)), "Fila1:1 10,20,81,116");
    EXPECT_EQ(HitTest(ProgramGame(), 81, 116).card, 1);
    EXPECT_EQ(HitTest(ProgramGame(), 82, 50).name, "");       // between two slots
    EXPECT_EQ(HitTest(ProgramGame(), 83 + 30, 50).name, "");  // on the hole
    EXPECT_EQ(Where(HitTest(ProgramGame(), 156 + 71, 50)), "Fila1:3 156,20,227,116");
    EXPECT_EQ(HitTest(ProgramGame(), 156 + 72, 50).name, "");  // just right of the row
    EXPECT_EQ(HitTest(ProgramGame(), 229 + 30, 50).name, "");  // where a next slot would be

    // Family 8: rows of two, the second running right to left; holes hit nothing.
    ProgramGame().GameRules[3] = 8;
    ProgramGame().GameRules[43] = 2;
    ProgramGame().Options.SetOpt(101, 12);
    ProgramGame().Options.SetOpt(102, 8);
    ProgramGame().FilaPiles[0] = "001000003004";
    EXPECT_EQ(HitTest(ProgramGame(), 20, 30).card, 1);
    EXPECT_EQ(HitTest(ProgramGame(), 10 + 83 + 5, 30).name, "");  // slot 1 is a hole
    EXPECT_EQ(HitTest(ProgramGame(), 10 + 83 + 5, 20 + 104 + 5).card,
              3);  // slot 2, right end of row 2
    EXPECT_EQ(HitTest(ProgramGame(), 15, 20 + 104 + 5).card, 4);
    EXPECT_EQ(HitTest(ProgramGame(), 15, 20 + 2 * 104 + 5).name, "");
    EXPECT_EQ(HitTest(ProgramGame(), 800, 800).name, "");
}

TEST_F(Press, HitTestFoundationsAndReserves) {
    ProgramGame().GameRules[4] = 1;
    ProgramGame().Options.SetDestLeft(2, 500);
    ProgramGame().Options.SetDestTop(2, 10);
    ProgramGame().DestPiles[2] = "001002";
    // Only the top card's rectangle: 28..124.
    EXPECT_EQ(HitTest(ProgramGame(), 510, 15).name, "");
    EXPECT_EQ(Where(HitTest(ProgramGame(), 510, 124)), "Dest3:2 500,28,571,124");
    ProgramGame().Options.SetDestLeft(3, 600);
    ProgramGame().Options.SetDestTop(3, 10);
    EXPECT_EQ(Where(HitTest(ProgramGame(), 610, 15)),
              "Dest4:0 600,10,671,106");  // empty foundations are hit

    ProgramGame().GameRules[5] = 1;
    ProgramGame().Options.SetAppoggLeft(0, 800);
    ProgramGame().Options.SetAppoggTop(0, 10);
    ProgramGame().Options.SetAppoggLeft(1, 900);
    ProgramGame().Options.SetAppoggTop(1, 10);
    ProgramGame().AppoggPiles[0] = "005006";
    EXPECT_EQ(Where(HitTest(ProgramGame(), 810, 15)), "Appogg1:5 800,10,871,106");
    EXPECT_EQ(Where(HitTest(ProgramGame(), 810, 124)), "Appogg1:6 800,28,871,124");
    EXPECT_EQ(HitTest(ProgramGame(), 910, 15).name, "");  // an empty cell reports nothing
    ProgramGame().GameRules[14] = -11;  // lifted whole: the cell's rectangle, one card high
    EXPECT_EQ(Where(HitTest(ProgramGame(), 810, 100)), "Appogg1:6 800,10,871,106");
    // Cells beyond the game's count are not tried.
    ProgramGame().GameRules[369] = 0;
    EXPECT_EQ(HitTest(ProgramGame(), 810, 15).name, "");
}

TEST_F(Press, PickUpRules) {
    ProgramGame().FilaPiles[0] = "011012013";
    ProgramGame().FilaPiles[1] = "001";
    EXPECT_TRUE(CanPickUp(ProgramGame(), 12, false));
    EXPECT_EQ(ProgramGame().Options.Opt(95), 13);  // the run's top card
    ProgramGame().GameRules[13] = -12;
    EXPECT_FALSE(CanPickUp(ProgramGame(), 12, false));
    EXPECT_TRUE(CanPickUp(ProgramGame(), 13, false));
    ProgramGame().FilaPiles[0] = "013012";
    EXPECT_TRUE(CanPickUp(ProgramGame(), 13, false));  // a king with a card on it
    ProgramGame().GameRules[13] = -13;
    EXPECT_TRUE(CanPickUp(ProgramGame(), 13, false));  // the whole pile
    ProgramGame().FilaPiles[0] = "011013012";
    EXPECT_FALSE(CanPickUp(ProgramGame(), 13, false));
    ProgramGame().GameRules[13] = 2;
    EXPECT_TRUE(CanPickUp(ProgramGame(), 13, false));
    EXPECT_FALSE(CanPickUp(ProgramGame(), 11, false));
    ProgramGame().GameRules[13] = 0;
    EXPECT_FALSE(CanPickUp(ProgramGame(), 12, false));

    // -5 and -6: free cells and empty piles.
    ProgramGame().FilaPiles[2] = "020";
    ProgramGame().FilaPiles[3] = "021";
    ProgramGame().FilaPiles[0] = "011012013014";
    ProgramGame().GameRules[13] = -5;
    // Two free cells, no empty pile: three cards.
    EXPECT_TRUE(CanPickUp(ProgramGame(), 12, false));
    EXPECT_FALSE(CanPickUp(ProgramGame(), 11, false));
    ProgramGame().AppoggPiles[0] = "030";  // one free cell: two cards
    EXPECT_TRUE(CanPickUp(ProgramGame(), 13, false));
    EXPECT_FALSE(CanPickUp(ProgramGame(), 12, false));
    ProgramGame().FilaPiles[3].clear();  // and one empty pile: 1 + 1 + 1
    EXPECT_TRUE(CanPickUp(ProgramGame(), 12, false));
    EXPECT_FALSE(CanPickUp(ProgramGame(), 12, true));  // relaxed: 1 + 1
    ProgramGame().GameRules[13] = -6;
    EXPECT_FALSE(CanPickUp(ProgramGame(), 12, false));
    EXPECT_TRUE(CanPickUp(ProgramGame(), 13, false));
    ProgramGame().GameRules[13] = -7;  // other negatives: as many as empty piles, at least one
    EXPECT_TRUE(CanPickUp(ProgramGame(), 14, false));
    EXPECT_FALSE(CanPickUp(ProgramGame(), 13, false));

    // -16: a row card may go when every slot before it, or after it, is a hole.
    ProgramGame().GameRules[13] = -16;
    ProgramGame().FilaPiles[0] = "000011012000";
    EXPECT_TRUE(CanPickUp(ProgramGame(), 11, false));
    EXPECT_TRUE(CanPickUp(ProgramGame(), 12, false));
    ProgramGame().FilaPiles[0] = "010011012";
    EXPECT_FALSE(CanPickUp(ProgramGame(), 11, false));

    EXPECT_FALSE(CanPickUp(ProgramGame(), 50, false));  // not on the table
    EXPECT_EQ(ProgramGame().Options.Opt(95), 0);
}

TEST_F(Press, RunsFollowTheBuildMode) {
    // Queen of diamonds on the jack of hearts: no pile rule builds that.
    ProgramGame().FilaPiles[0] = "011025";
    ProgramGame().GameRules[212] = 0;          // same suit
    ProgramGame().GameRules[172] = 0;          // downwards
    EXPECT_TRUE(IsRun(ProgramGame(), 11, 0));  // mode 0: any run
    for (int mode : {1, 10, 11}) {
        ProgramGame().GameRules[2] = static_cast<int16_t>(mode);
        EXPECT_FALSE(IsRun(ProgramGame(), 11, 0)) << "mode " << mode;
        EXPECT_TRUE(IsRun(ProgramGame(), 25, 0)) << "mode " << mode;  // the top card alone
    }
    EXPECT_FALSE(IsRun(ProgramGame(), 30, 0));  // not in the pile
    // Jack of hearts on the queen of hearts, downwards in suit: a run.
    ProgramGame().FilaPiles[0] = "012011";
    ProgramGame().GameRules[2] = 1;
    EXPECT_TRUE(IsRun(ProgramGame(), 12, 0));
}

TEST_F(Press, ReserveBlockFreeOpensFromTheOuterEdges) {
    ProgramGame().GameRules[368] = 20;
    ProgramGame().FilaPiles[11] = "001";
    ProgramGame().FilaPiles[12] = "002";  // left half of the second group
    EXPECT_FALSE(ReserveBlockFree(ProgramGame(), 2));
    EXPECT_TRUE(ReserveBlockFree(ProgramGame(), 1));
    ProgramGame().FilaPiles[17] = "003";  // right half
    ProgramGame().FilaPiles[19] = "004";
    EXPECT_FALSE(ReserveBlockFree(ProgramGame(), 3));
    EXPECT_TRUE(ReserveBlockFree(ProgramGame(), 4));
    ProgramGame().AppoggPiles[0] = "010";
    ProgramGame().AppoggPiles[2] = "011";
    ProgramGame().AppoggPiles[6] = "012";
    ProgramGame().AppoggPiles[9] = "013";
    EXPECT_TRUE(ReserveBlockFree(ProgramGame(), 10));
    EXPECT_FALSE(ReserveBlockFree(ProgramGame(), 11));
    EXPECT_FALSE(ReserveBlockFree(ProgramGame(), 12));
    EXPECT_TRUE(ReserveBlockFree(ProgramGame(), 13));
    EXPECT_TRUE(ReserveBlockFree(ProgramGame(), 40));  // elsewhere
}

TEST_F(Press, LeftPressPicksUpTheTopCardLiftedByTheShadow) {
    SetParameter(178, 1, "Y");
    SetParameter(141, 1, "Y");
    SetParameter(182, 1, "Y");
    ProgramGame().FilaPiles[0] = "001002";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 130, 250);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 2);
    EXPECT_EQ(ProgramGame().Options.Opt(95), 2);
    EXPECT_EQ(ProgramGame().Options.Opt(85), 130);
    EXPECT_EQ(ProgramGame().Options.Opt(86), 250);
    EXPECT_EQ(ProgramGame().Options.Opt(106), 130);
    EXPECT_EQ(ProgramGame().Options.Opt(107), 250);
    EXPECT_EQ(ProgramGame().pointer.MouseIdleStamp, -1);
    EXPECT_EQ(game.ticks, 1);
    // The card lies at (100, 218); it is drawn 7 up and left and the grab
    // point follows.
    EXPECT_EQ(ProgramGame().pointer.GrabOffset.x, 30 + 7);
    EXPECT_EQ(ProgramGame().pointer.GrabOffset.y, 32 + 7);
    EXPECT_EQ(ProgramGame().pointer.DragRect.left, 100);
    EXPECT_EQ(ProgramGame().pointer.DragRect.top, 218);
    EXPECT_EQ(ProgramGame().pointer.DragRect.bottom, 314);
    EXPECT_EQ(ProgramGame().pointer.RunHeight, 96);
    EXPECT_TRUE(MovingStackIsSingle(ProgramGame()));
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"image", "lift 2 single", "held @93,211"}));
    EXPECT_EQ(fx.sound.played, std::vector<std::string>{"card_up"});

    // While a card is held another press does nothing.
    hooks.calls.clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 330, 250);
    EXPECT_TRUE(hooks.calls.empty());
    EXPECT_EQ(ProgramGame().Options.Opt(94), 2);
    EXPECT_EQ(ProgramGame().Options.Opt(85), 130);
}

TEST_F(Press, RunsFaceDownCardsAndPeeks) {
    SetParameter(178, 1, "N");
    SetParameter(179, 1, "N");
    ProgramGame().FilaPiles[0] = "001002003";
    Down({1});
    // A run from inside the pile.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 2);
    EXPECT_EQ(ProgramGame().pointer.RunHeight, 318 - 204);  // to the bottom edge of the pile
    EXPECT_EQ(ProgramGame().pointer.DragRect.bottom, 318);
    EXPECT_FALSE(MovingStackIsSingle(ProgramGame()));
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"image", "lift 2 run"}));
    ProgramGame().Options.SetOpt(94, 0);

    // A face-down card inside the pile is not lifted.
    hooks.calls.clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 201);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_TRUE(hooks.calls.empty());

    // A face-down top card turns up (one undo step) and is not lifted.
    ProgramGame().FilaPiles[1] = "020";
    Down({20});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 210, 210);
    EXPECT_TRUE(IsFaceUp(ProgramGame(), 20));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);

    // Ctrl + right on a partly hidden face-up card shows it whole, with the preference.
    PointerPress(ProgramGame(), MouseButton::kRight, kCtrlKey, 110, 210);
    EXPECT_EQ(fx.dialogs.beeps, 1);
    SetParameter(255, 1, "Y");
    PointerPress(ProgramGame(), MouseButton::kRight, kCtrlKey, 110, 210);
    EXPECT_EQ(fx.dialogs.beeps, 1);
    EXPECT_EQ(ProgramGame().pointer.PeekCard.x, 100);
    EXPECT_EQ(ProgramGame().pointer.PeekCard.y, 204);
    EXPECT_TRUE(table.Has("face 2 @100,204 screen"));
    // Ctrl + right on nothing: no beep either.
    ProgramGame().pointer.PeekCard = {};
    PointerPress(ProgramGame(), MouseButton::kRight, kCtrlKey, 5000, 5000);
    EXPECT_EQ(fx.dialogs.beeps, 1);
}

TEST_F(Press, DispatchBeforeThePileIsLookedAt) {
    ProgramGame().FilaPiles[0] = "001";
    // No game in progress.
    SetFlag(ProgramGame(), flag::kInProgress, false);
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_EQ(game.ticks, 0);
    SetFlag(ProgramGame(), flag::kInProgress, true);
    // The press right after a double click only clears the flag.
    SetFlag(ProgramGame(), flag::kDoubleClick, true);
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_FALSE(Flag(ProgramGame(), flag::kDoubleClick));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(game.ticks, 0);

    PointerPress(ProgramGame(), MouseButton::kRight, 0, 110, 210);
    ProgramGame().GameRules[51] = 33;  // right presses go on in pair games
    PointerPress(ProgramGame(), MouseButton::kRight, 0, 110, 210);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"right Fila1", "pair 1"}));
    ProgramGame().GameRules[51] = 0;
    hooks.calls.clear();
    ProgramGame().GameRules[37] = 1;
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    ProgramGame().GameRules[37] = 0;
    ProgramGame().GameRules[39] = 1;
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"click Fila1", "select Fila1"}));
    EXPECT_EQ(ProgramGame().pointer.RunHeight, 96);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
}

TEST_F(Press, PileKindsOtherThanTheTableau) {
    SetParameter(178, 1, "N");
    SetParameter(179, 1, "N");
    ProgramGame().Options.SetStockLeft(1, 10);
    ProgramGame().Options.SetStockTop(1, 10);
    ProgramGame().MazzoPiles[1] = "007";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 7);
    ProgramGame().Options.SetOpt(94, 0);
    ProgramGame().GameRules[8] = 1;  // a face-down "Mazzo_Vis" is not picked from
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);

    ProgramGame().Options.SetDestLeft(0, 300);
    ProgramGame().Options.SetDestTop(0, 10);
    ProgramGame().DestPiles[0] = "021";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 310, 20);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);  // rule 0: foundations keep their cards
    ProgramGame().GameRules[18] = 2;
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 310, 20);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    ProgramGame().DestPiles[0] = "021022";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 310, 20);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 22);
    ProgramGame().Options.SetOpt(94, 0);

    // A reserve cell of rule -11 is lifted whole, from its anchor.
    ProgramGame().GameRules[5] = 1;
    ProgramGame().GameRules[14] = -11;
    ProgramGame().Options.SetAppoggLeft(0, 500);
    ProgramGame().Options.SetAppoggTop(0, 10);
    ProgramGame().AppoggPiles[0] = "030031";
    hooks.calls.clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 510, 15);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 30);
    EXPECT_EQ(ProgramGame().pointer.GrabOffset.x, 10);
    EXPECT_EQ(ProgramGame().pointer.GrabOffset.y, 5);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"image", "lift 30 single", "held @500,10"}));
    ProgramGame().Options.SetOpt(94, 0);
    ProgramGame().GameRules[14] = -14;  // never from the cells
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 510, 120);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
}

TEST_F(Press, StockPressAsksForGapsToBeFilled) {
    ProgramGame().Options.SetStockLeft(0, 10);
    ProgramGame().Options.SetStockTop(0, 10);
    ProgramGame().MazzoPiles[0] = "040041";
    ProgramGame().GameRules[292] = 2;
    ProgramGame().FilaPiles[0] = "001";
    ProgramGame().FilaPiles[1] = "002";
    ProgramGame().FilaPiles[2] = "003";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
    EXPECT_EQ(fx.dialogs.infos,
              std::vector<std::string>{"Fill in any gaps in the tableau before dealing."});
    ProgramGame().FilaPiles[3] = "004";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 20, 20);
    EXPECT_EQ(fx.dialogs.infos.size(), 1u);
    EXPECT_EQ(ProgramGame().MazzoPiles[0], "040");  // pile 1 is the only one dealt to
    EXPECT_EQ(ProgramGame().FilaPiles[0], "001041");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
}

TEST_F(Press, WasteGamesRefuseCardsThatDoNotFollow) {
    ProgramGame().GameRules[51] = 2;
    ProgramGame().MazzoPiles[2] = "005";
    ProgramGame().FilaPiles[0] = "048";  // 9 of spades on a 5: refused
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_EQ(fx.dialogs.beeps, 1);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    ProgramGame().Options.SetOpt(110, 1);  // no beep while autoplay runs
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    EXPECT_EQ(fx.dialogs.beeps, 1);

    // A 6 on the 5 is taken and played to the waste at once.
    ProgramGame().Options.SetOpt(110, 0);
    ProgramGame().Options.SetStockLeft(2, 600);
    ProgramGame().Options.SetStockTop(2, 10);
    ProgramGame().FilaPiles[0] = "048019";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 230);
    EXPECT_EQ(ProgramGame().MazzoPiles[2], "005019");
    EXPECT_EQ(ProgramGame().FilaPiles[0], "048");
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_TRUE(table.Has("fly 19 @100,218 -> @600,10"));
    EXPECT_EQ(fx.dialogs.beeps, 1);
}

TEST_F(Press, SlottedRowCardsArePickedUpAlone) {
    ProgramGame().GameRules[3] = 9;
    ProgramGame().GameRules[13] = -16;
    SetParameter(178, 1, "N");
    SetParameter(179, 1, "N");
    ProgramGame().FilaPiles[0] = "000005006";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 100 + 73 + 5, 210);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 5);
    EXPECT_EQ(hooks.calls, (std::vector<std::string>{"image", "lift 5 single"}));
    EXPECT_EQ(ProgramGame().pointer.DragRect.left, 173);
    ProgramGame().Options.SetOpt(94, 0);
    ProgramGame().FilaPiles[0] = "004005006";
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 100 + 73 + 5, 210);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
}

}  // namespace
}  // namespace bw
