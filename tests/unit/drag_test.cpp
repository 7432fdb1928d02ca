#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/game.h"
#include "core/game_status.h"
#include "core/history.h"
#include "core/move_engine.h"
#include "interaction/drag.h"
#include "interaction_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Cards;
using test::Clubs;
using test::Diamonds;
using test::Hearts;
using test::Spades;

class Drag : public test::InteractionTest {
protected:
    Drag() { Klondike(); }
    // The calls made since the last Clear().
    void Clear() { table.calls.clear(); }
};

// The ranked candidates as "Fila2", "Dest1" ...
std::vector<std::string> Names(const std::vector<DropTarget>& targets) {
    std::vector<std::string> names;
    for (const DropTarget& t : targets) names.push_back(TargetName(t));
    return names;
}

TEST_F(Drag, ReleasedWithoutMovingGoesBackEvenOverALegalPile) {
    ProgramGame().FilaPiles[0] = Cards({Spades(10)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 210, 210);
    ASSERT_EQ(ProgramGame().Options.Opt(94), Hearts(9));
    // Lying right over the black ten, but the pointer never moved.
    ProgramGame().pointer.DragRect = {100, 200, 171, 296};
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(10)}));
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(9)}));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(95), 0);
    EXPECT_TRUE(table.Has("glide @100,200 -> @200,200 shadow"));
    EXPECT_EQ(ProgramGame().Options.Opt(116), 0);

    // Moved there, the same card is taken.
    Clear();
    DragBy(210, 210, -100, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(10), Hearts(9)}));
    EXPECT_EQ(ProgramGame().FilaPiles[1], "");
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(116), 1);  // the game counts as played
    // The card glides from where it was let go to the free place on the ten.
    EXPECT_TRUE(table.Has("glide @100,200 -> @100,218 shadow"));
    EXPECT_EQ(table.Count("glide"), 1);
}

TEST_F(Drag, TheBetterCoveredLegalPileWinsAndTiesGoToTheHigherPile) {
    // Two black tens side by side (x 100 and 200), the red nine at x 300.
    ProgramGame().FilaPiles[0] = Cards({Spades(10)});
    ProgramGame().FilaPiles[1] = Cards({Clubs(10)});
    ProgramGame().FilaPiles[2] = Cards({Hearts(9)});
    EXPECT_EQ(Names(RankTargets(ProgramGame(), {140, 200, 211, 296})),
              (std::vector<std::string>{"Fila1", "Fila2"}));
    EXPECT_EQ(Names(RankTargets(ProgramGame(), {150, 200, 221, 296})),
              (std::vector<std::string>{"Fila2", "Fila1"}));

    // Released at x 140: 31 px over the spade, 11 over the club.
    DragBy(310, 210, -160, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(10), Hearts(9)}));
    // Released at x 150: 21 px over each; the higher-numbered pile takes it.
    ProgramGame().FilaPiles[0] = Cards({Spades(10)});
    ProgramGame().FilaPiles[2] = Cards({Hearts(9)});
    DragBy(310, 210, -150, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Clubs(10), Hearts(9)}));
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(10)}));

    // Equal areas: a foundation before a tableau pile, then the higher index.
    ProgramGame().FilaLeft[3] = 500;
    ProgramGame().FilaTop[3] = 10;
    EXPECT_EQ(Names(RankTargets(ProgramGame(), {450, 10, 521, 106})),
              (std::vector<std::string>{"Dest2", "Dest1", "Fila4"}));
}

TEST_F(Drag, OnlyTheFourBestCoveredPilesAreOffered) {
    // Five piles fanned under one card, each covered less than the one
    // before; only the last, least covered, takes a red nine.
    ProgramGame().GameRules[368] = 5;
    for (int i = 0; i < 5; ++i) Tableau(i, 100 + 10 * i, 200 + 10 * i, 13);
    ProgramGame().FilaPiles[0] = Cards({Hearts(10)});
    ProgramGame().FilaPiles[1] = Cards({Diamonds(10)});
    ProgramGame().FilaPiles[2] = Cards({Hearts(10) + 52});
    ProgramGame().FilaPiles[3] = Cards({Diamonds(10) + 52});
    ProgramGame().FilaPiles[4] = Cards({Spades(10)});
    ProgramGame().MazzoPiles[1] = Cards({Hearts(9)});
    const HeldRect held{105, 205, 176, 301};
    EXPECT_EQ(OverlapArea(held, TargetRect(ProgramGame(), {kFila, 0})), 66 * 91);
    EXPECT_EQ(OverlapArea(held, TargetRect(ProgramGame(), {kFila, 1})), 66 * 91);
    EXPECT_EQ(OverlapArea(held, TargetRect(ProgramGame(), {kFila, 4})), 36 * 61);
    EXPECT_EQ(Names(RankTargets(ProgramGame(), held)),
              (std::vector<std::string>{"Fila2", "Fila1", "Fila3", "Fila4"}));

    // The nine from "Mazzo_Vis" let go there goes back.
    DragBy(120, 20, -5, 195);
    EXPECT_EQ(ProgramGame().MazzoPiles[1], Cards({Hearts(9)}));
    EXPECT_EQ(ProgramGame().FilaPiles[4], Cards({Spades(10)}));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
    // With a black ten fourth in line it lands there.
    ProgramGame().FilaPiles[3] = Cards({Clubs(10)});
    DragBy(120, 20, -5, 195);
    EXPECT_EQ(ProgramGame().FilaPiles[3], Cards({Clubs(10), Hearts(9)}));
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "");
}

TEST_F(Drag, CornersThenEdgeSamplesEveryFiftyPixels) {
    // Each corner of the held card in turn.
    EXPECT_EQ(OverlapArea({150, 250, 221, 346}, {100, 200, 171, 296}), 21 * 46);  // top-left
    EXPECT_EQ(OverlapArea({50, 150, 121, 246}, {100, 200, 171, 296}), 21 * 46);   // bottom-right
    EXPECT_EQ(OverlapArea({50, 250, 121, 346}, {100, 200, 171, 296}), 46 * 21);   // top-right
    EXPECT_EQ(OverlapArea({150, 150, 221, 246}, {100, 200, 171, 296}), 21 * 46);  // bottom-left
    EXPECT_TRUE(Intersects({170, 295, 241, 391}, {100, 200, 171, 296}));  // one pixel shared
    // Meeting at the edges (one past the card) shares no pixel: no drop there.
    EXPECT_FALSE(Intersects({171, 296, 242, 392}, {100, 200, 171, 296}));
    EXPECT_FALSE(Intersects({171, 250, 242, 346}, {100, 200, 171, 296}));
    EXPECT_FALSE(Intersects({29, 200, 100, 296}, {100, 200, 171, 296}));

    // A tall run crossing a flat pile from above to below, no corner inside.
    const HeldRect run{100, 0, 171, 300};
    EXPECT_TRUE(Intersects(run, {90, 120, 180, 160}));  // the sample at y 150
    EXPECT_EQ(OverlapArea(run, {90, 120, 180, 160}), 80 * 300);
    EXPECT_FALSE(Intersects(run, {90, 101, 180, 149}));  // between the samples 100 and 150
    EXPECT_EQ(OverlapArea(run, {90, 101, 180, 149}), 0);
    // Only the right edge over the pile.
    EXPECT_EQ(OverlapArea(run, {150, 120, 200, 160}), 21 * 300);
    // A pile narrower than the run, between its edges, is not touched at all.
    EXPECT_FALSE(Intersects(run, {110, 120, 160, 160}));
    // Cards 40 px high: the run passes over such a card between two samples.
    EXPECT_FALSE(Intersects(run, {90, 101, 161, 141}));
    EXPECT_TRUE(Intersects(run, {90, 60, 161, 100}));
}

TEST_F(Drag, CursorsOfADrag) {
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    SetParameter(172, 2, "12");
    DragBy(210, 210, 400, 300);
    EXPECT_TRUE(table.Has("cursor 22"));
    EXPECT_EQ(table.calls.back().rfind("cursor", 0), std::string::npos);
    EXPECT_EQ(table.Count("cursor 12"), 1);
    EXPECT_EQ(table.Count("cursor 22"), 1);

    Clear();
    SetParameter(172, 2, "10");
    DragBy(210, 210, 400, 300);
    EXPECT_EQ(table.Count("cursor 0"), 2);
    EXPECT_EQ(table.Count("cursor"), 2);
}

TEST_F(Drag, TheImageRepaintsOnlyTheStripsItUncovers) {
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 210, 210);
    Clear();
    PointerMove(ProgramGame(), 220, 215);
    EXPECT_EQ(table.calls, (std::vector<std::string>{"cursor 0", "restore 200,200,271,205",
                                                     "restore 200,205,210,296", "held @210,205"}));
    EXPECT_EQ(ProgramGame().pointer.DragRect.left, 210);
    EXPECT_EQ(ProgramGame().pointer.DragRect.bottom, 301);
    EXPECT_EQ(ProgramGame().Options.Opt(78), 1);
    Clear();
    PointerMove(ProgramGame(), 200, 205);
    EXPECT_EQ(table.calls, (std::vector<std::string>{"cursor 0", "restore 210,291,281,301",
                                                     "restore 261,205,281,291", "held @190,195"}));
    // Far away: the whole old place.
    Clear();
    PointerMove(ProgramGame(), 700, 700);
    EXPECT_TRUE(table.Has("restore 190,195,261,291"));
    PointerRelease(ProgramGame(), MouseButton::kLeft);

    // Shadowed: the card was lifted up and left by 7 and carries its shadow.
    // The new shadow lets the table show through: the old picture under it
    // (the band at the bottom) goes too.
    SetParameter(178, 1, "Y");
    Clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 210, 210);
    EXPECT_TRUE(table.Has("held @193,193"));
    Clear();
    PointerMove(ProgramGame(), 220, 215);
    EXPECT_EQ(table.calls, (std::vector<std::string>{"cursor 0", "restore 193,193,273,198",
                                                     "restore 193,294,273,298",
                                                     "restore 193,198,203,294", "held @203,198"}));
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(table.Count("repaint"), 0);
}

TEST_F(Drag, LiftingShowsThePileWithoutTheCardsButKeepsTheData) {
    // The table picture is drawn while the held cards are out of the lists.
    class Spy : public test::RecordingTable {
    public:
        std::vector<std::string> seen;
        void DrawPile(const std::string& name, int surfaces) override {
            RecordingTable::DrawPile(name, surfaces);
            seen.push_back(name + "=" + *PileByName(ProgramGame(), name));
        }
    } spy;
    InstalledPorts().SetTable(&spy);

    // Pile 1 starts above pile 2 and shares its columns: redrawn too.
    ProgramGame().FilaLeft[0] = 150;
    ProgramGame().FilaTop[0] = 150;
    ProgramGame().FilaPiles[0] = Cards({Spades(3)});
    ProgramGame().FilaPiles[1] = Cards({Spades(10), Hearts(9), Clubs(8)});
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 260, 225);  // the nine: a run of two
    ASSERT_EQ(ProgramGame().Options.Opt(94), Hearts(9));
    EXPECT_EQ(spy.seen, (std::vector<std::string>{"Fila2=" + Cards({Spades(10)}),
                                                  "Fila1=" + Cards({Spades(3)})}));
    EXPECT_TRUE(spy.Has("draw Fila2 table"));
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9), Clubs(8)}));
    EXPECT_TRUE(CardsLifted(ProgramGame()));
    // Released in place: drawn again with the cards.
    spy.seen.clear();
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(spy.seen.front(), "Fila2=" + Cards({Spades(10), Hearts(9), Clubs(8)}));
    EXPECT_FALSE(CardsLifted(ProgramGame()));

    // With the cascade's sideways shifts the edges beside the pile are restored.
    SetParameter(179, 1, "Y");
    spy.calls.clear();
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 260, 250);  // the eight alone
    EXPECT_TRUE(spy.Has("restore 198,200,200,332"));
    EXPECT_TRUE(spy.Has("restore 271,200,273,332"));
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    SetParameter(179, 1, "N");

    // Rows of slots: the slot is painted over, no pile is redrawn.
    ProgramGame().GameRules[3] = 9;
    ProgramGame().GameRules[13] = -1;
    ProgramGame().FilaPiles[1] = Cards({Spades(10), Hearts(9)});
    spy.calls.clear();
    spy.seen.clear();
    LiftCards(ProgramGame(), Hearts(9), true);
    EXPECT_TRUE(spy.Has("erase 273,200,344,296 table"));
    EXPECT_TRUE(spy.seen.empty());
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9)}));

    // Side-by-side rows keep a hole and redraw the whole table.
    ProgramGame().GameRules[3] = 4;
    spy.calls.clear();
    LiftCards(ProgramGame(), Spades(10), true);
    EXPECT_TRUE(spy.Has("draw all table"));
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9)}));
    EndHold(ProgramGame());
}

TEST_F(Drag, ReturnGlidesBackAndPlaysCardDown) {
    SetParameter(141, 1, "Y");
    SetParameter(181, 1, "Y");
    ProgramGame().FilaPiles[1] = Cards({Spades(10), Hearts(9)});
    // Let go over nothing.
    DragBy(210, 230, 500, 400);
    EXPECT_TRUE(table.Has("glide @700,618 -> @200,218 shadow"));
    EXPECT_TRUE(table.Has("draw Fila2 table"));
    EXPECT_TRUE(table.Has("restore 185,203,286,329"));  // the place, shadow and shifts
    EXPECT_TRUE(fx.sound.played.empty());               // no shadows: no sound
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9)}));

    SetParameter(178, 1, "Y");
    DragBy(210, 230, 500, 400);
    EXPECT_EQ(fx.sound.played, (std::vector<std::string>{"card_down"}));

    // A run lifted from inside goes back to its first card's slot; without
    // the cascade shifts it glides with its shadow.
    SetParameter(178, 1, "N");
    ProgramGame().FilaPiles[1] = Cards({Spades(10), Hearts(9), Clubs(8)});
    Clear();
    DragBy(210, 225, 500, 400);
    EXPECT_TRUE(table.Has("glide @700,618 -> @200,218 shadow"));
    SetParameter(179, 1, "Y");
    Clear();
    DragBy(210, 225, 500, 400);
    EXPECT_TRUE(table.Has("glide @700,618 -> @200,218"));
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9), Clubs(8)}));

    // No animation: the image is simply cleared away.
    SetParameter(67, 1, "N");
    Clear();
    DragBy(210, 250, 500, 400);
    EXPECT_EQ(table.Count("glide"), 0);
    EXPECT_TRUE(table.Has("restore 700,636,771,732"));
}

TEST_F(Drag, FoundationDropsAndTheWin) {
    ProgramGame().FilaPiles[1] = Cards({Hearts(1)});
    // Drops onto foundations are refused during automatic completion.
    ProgramGame().Options.SetOpt(94, Hearts(1));
    ProgramGame().Options.SetOpt(110, 3);
    EXPECT_FALSE(DropHeld(ProgramGame(), Hearts(1), {400, 10, 471, 106}));
    ProgramGame().Options.SetOpt(110, 0);
    ProgramGame().Options.SetOpt(94, 0);

    // The last card on the table reaches its foundation: the game ends.
    DragBy(210, 210, 200, -190);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(1)}));
    EXPECT_TRUE(table.Has("glide @400,10 -> @400,10 shadow"));
    EXPECT_EQ(game.ends, 1);
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
}

TEST_F(Drag, ReserveCellsAndTheVisibleStock) {
    FreeCell();
    ProgramGame().FilaPiles[0] = Cards({Spades(10), Hearts(4)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(6)});
    // Into the second free cell (x 200, y 400).
    DragBy(110, 230, 100, 180);
    EXPECT_EQ(ProgramGame().AppoggPiles[1], Cards({Hearts(4)}));
    // Cells take one card: back from the occupied cell.
    ProgramGame().FilaPiles[0] = Cards({Spades(10), Hearts(5)});
    DragBy(110, 230, 100, 180);
    EXPECT_EQ(ProgramGame().AppoggPiles[1], Cards({Hearts(4)}));
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(10), Hearts(5)}));

    // "Mazzo_Vis" takes a card of its suit one rank away, in games that say so.
    ProgramGame().GameRules[353] = 2;
    ProgramGame().MazzoPiles[1] = Cards({Hearts(5)});
    DragBy(210, 210, -100, -200);  // the six onto the five
    EXPECT_EQ(ProgramGame().MazzoPiles[1], Cards({Hearts(5), Hearts(6)}));
    EXPECT_EQ(ProgramGame().FilaPiles[1], "");
    ProgramGame().FilaPiles[1] = Cards({Hearts(8)});
    DragBy(210, 210, -100, -200);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(8)}));
    ProgramGame().GameRules[354] = 4;  // never a drop target then
    ProgramGame().FilaPiles[1] = Cards({Hearts(7)});
    DragBy(210, 210, -100, -200);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(7)}));
}

TEST_F(Drag, TableauDropsRespectTheGoalKind) {
    ProgramGame().FilaPiles[0] = Cards({Spades(10)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    ProgramGame().GameRules[51] = 32;  // tableau drops never accepted
    DragBy(210, 210, -100, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(9)}));
    ProgramGame().GameRules[51] = 23;  // the step of a tableau drop is marked
    DragBy(210, 210, -100, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(10), Hearts(9)}));
    EXPECT_EQ(CountMarks(ProgramGame().UndoMarks, 1), 1);

    // Before the automatic fill has run, only foundations take cards.
    ProgramGame().GameRules[51] = 0;
    ProgramGame().GameRules[40] = 1;
    ProgramGame().Options.SetOpt(91, 0);
    ProgramGame().FilaPiles[0] = Cards({Spades(10)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    DragBy(210, 210, -100, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(9)}));
    EXPECT_EQ(table.Count("glide @100,200 -> @100,218"), 1);  // the one earlier drop only

    // Goal kind 19: a row takes a card of the rank or suit of its last card.
    ProgramGame().GameRules[40] = 0;
    ProgramGame().GameRules[51] = 19;
    ProgramGame().FilaPiles[0] = Cards({Spades(4)});
    ProgramGame().FilaPiles[1] = Cards({Spades(9)});
    DragBy(210, 210, -100, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(4), Spades(9)}));
    ProgramGame().FilaPiles[1] = Cards({Hearts(7)});
    DragBy(210, 210, -100, 0);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(7)}));
}

TEST_F(Drag, PendingStockPress) {
    // The pressed "Mazzo_Vis" (GameRules[9] != 1): moving inside keeps it.
    ProgramGame().Options.SetOpt(89, 1);
    PointerMove(ProgramGame(), 120, 20);
    EXPECT_EQ(ProgramGame().Options.Opt(89), 1);
    EXPECT_EQ(table.Count("stock"), 0);
    PointerMove(ProgramGame(), 182, 20);  // off its right edge: cancelled
    EXPECT_EQ(ProgramGame().Options.Opt(89), 0);
    EXPECT_TRUE(table.Has("stock Mazzo_Vis up"));
    EXPECT_EQ(fx.waits.waits, std::vector<int>{50});
    // The release then turns nothing.
    ProgramGame().MazzoPiles[1] = Cards({Hearts(2), Hearts(3)});
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(ProgramGame().MazzoPiles[1], Cards({Hearts(2), Hearts(3)}));
    EXPECT_EQ(table.Count("stock"), 1);

    // Released while pressed on the empty stock: drawn up again, and the
    // turned cards go back into the stock.
    ProgramGame().GameRules[9] = 1;
    ProgramGame().GameRules[15] = -1;
    ProgramGame().Options.SetOpt(89, 1);
    Clear();
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_TRUE(table.Has("stock Mazzo up"));
    EXPECT_EQ(ProgramGame().Options.Opt(89), 0);
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[0], Cards({Hearts(3), Hearts(2)}));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);
}

TEST_F(Drag, MovesWithoutAHeldCard) {
    // Ignored while autoplay runs.
    ProgramGame().Options.SetOpt(110, 1);
    ProgramGame().pointer.MouseIdleStamp = 7;
    PointerMove(ProgramGame(), 5, 5);
    EXPECT_EQ(ProgramGame().pointer.MouseIdleStamp, 7);
    ProgramGame().Options.SetOpt(110, 0);
    // The idle stamp and the pile-size panel.
    PointerMove(ProgramGame(), 5, 5);
    EXPECT_GE(ProgramGame().pointer.MouseIdleStamp, 0);
    EXPECT_EQ(window.hides, 1);
    PointerMove(ProgramGame(), 5, 5);
    EXPECT_EQ(window.hides, 1);
    EXPECT_EQ(ProgramGame().Options.Opt(96), 5);
    // A peeked card is put away at the release.
    ProgramGame().pointer.PeekCard = {100, 200};
    PointerRelease(ProgramGame(), MouseButton::kRight);
    EXPECT_TRUE(table.Has("restore 100,200,171,296"));
    EXPECT_EQ(ProgramGame().pointer.PeekCard.x, 0);
}

TEST_F(Drag, EveryReleaseFillsEmptyPilesAndRunsAutoplay) {
    ProgramGame().GameRules[23] = 3;  // empty piles from the stock
    ProgramGame().MazzoPiles[0] = Cards({Clubs(5)});
    ProgramGame().FilaPiles[0] = Cards({Spades(10)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    ProgramGame().FilaPiles[3] = Cards({Diamonds(2)});
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(ProgramGame().FilaPiles[2], Cards({Clubs(5)}));

    // With autoplay on, a drop that frees an ace sends it up.
    SetAutoplaySwitch(ProgramGame(), true);
    ProgramGame().FilaPiles[1] = Cards({Hearts(9), Hearts(1)});
    ProgramGame().FilaPiles[2] = Cards({Spades(8)});
    ProgramGame().DestPiles[0].clear();
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(1)}));
}

}  // namespace
}  // namespace bw
