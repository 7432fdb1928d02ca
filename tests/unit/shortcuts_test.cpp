#include <gtest/gtest.h>

#include <string>

#include "core/game.h"
#include "core/history.h"
#include "interaction/drag.h"
#include "interaction/shortcuts.h"
#include "interaction_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Cards;
using test::Clubs;
using test::Diamonds;
using test::Hearts;
using test::Spades;

class Shortcuts : public test::InteractionTest {
protected:
    Shortcuts() {
        Klondike();
        // The preferences' defaults.
        SetParameter(247, 1, "Y");
        SetParameter(248, 1, "Y");
        SetParameter(249, 1, "Y");
        SetParameter(251, 1, "N");
    }
    // A double-click as the window delivers it: press, release, the
    // double-click message, and a second press.
    static void DoubleClick(int x, int y) {
        PointerPress(ProgramGame(), MouseButton::kLeft, 0, x, y);
        PointerRelease(ProgramGame(), MouseButton::kLeft);
        DoubleClickMove(ProgramGame());
        PointerPress(ProgramGame(), MouseButton::kLeft, 0, x, y);
        PointerRelease(ProgramGame(), MouseButton::kLeft);
    }
    static void RightClick(int x, int y) {
        PointerPress(ProgramGame(), MouseButton::kRight, 0, x, y);
        PointerRelease(ProgramGame(), MouseButton::kRight);
    }
};

TEST_F(Shortcuts, DoubleClickDefaultsFoundationsAndFreeCellsButNeverTheTableau) {
    ProgramGame().FilaPiles[0] = Cards({Hearts(1)});
    ProgramGame().FilaPiles[1] = Cards({Hearts(9)});
    ProgramGame().FilaPiles[2] = Cards({Spades(10)});
    DoubleClick(110, 210);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(1)}));
    EXPECT_EQ(ProgramGame().FilaPiles[0], "");
    EXPECT_FALSE(Flag(ProgramGame(), flag::kDoubleClick));  // the second press used it up
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(116), 1);
    // The card was lifted and glided up from its place.
    EXPECT_TRUE(table.Has("glide @100,200 -> @400,10 shadow"));

    // The nine fits on the black ten, but a double-click does not go there.
    DoubleClick(210, 210);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(9)}));
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 1);

    // A right-click may.
    RightClick(210, 210);
    EXPECT_EQ(ProgramGame().FilaPiles[2], Cards({Spades(10), Hearts(9)}));

    // With free cells the double-clicked card goes to the first free one.
    FreeCell();
    ProgramGame().AppoggPiles[0] = Cards({Clubs(2)});
    ProgramGame().FilaPiles[1] = Cards({Diamonds(5)});
    DoubleClick(210, 210);
    EXPECT_EQ(ProgramGame().AppoggPiles[1], Cards({Diamonds(5)}));
    EXPECT_EQ(ProgramGame().FilaPiles[1], "");

    // Both double-click preferences off: nothing at all.
    SetParameter(249, 1, "N");
    ProgramGame().FilaPiles[1] = Cards({Hearts(2)});
    DoubleClick(210, 210);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Hearts(2)}));
}

TEST_F(Shortcuts, DoubleClickOnTheStockDealsTwice) {
    ProgramGame().MazzoPiles[0] = Cards({Clubs(2), Clubs(3), Clubs(4)});
    DoubleClick(20, 20);
    EXPECT_EQ(ProgramGame().MazzoPiles[1], Cards({Clubs(4), Clubs(3)}));
    EXPECT_EQ(ProgramGame().MazzoPiles[0], Cards({Clubs(2)}));
    EXPECT_EQ(game.ticks, 2);
}

TEST_F(Shortcuts, FaceDownCardsAndTheFollowingPress) {
    ProgramGame().FilaPiles[0] = Cards({Hearts(5), Spades(10)});
    Down({Hearts(5)});
    // The face-down card under the ten: the press and the double-click do nothing.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 201);
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    DoubleClickMove(ProgramGame());
    EXPECT_FALSE(Flag(ProgramGame(), flag::kDoubleClick));
    // So the next press is an ordinary one and picks the ten up.
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 230);
    EXPECT_EQ(ProgramGame().Options.Opt(94), Spades(10));
    PointerRelease(ProgramGame(), MouseButton::kLeft);

    // A face-up card no gesture may send still sets the flag.
    ProgramGame().DestPiles[0] = Cards({Hearts(1)});
    ProgramGame().GameRules[18] = 0;
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 410, 20);
    DoubleClickMove(ProgramGame());
    EXPECT_TRUE(Flag(ProgramGame(), flag::kDoubleClick));
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 410, 20);
    EXPECT_FALSE(Flag(ProgramGame(), flag::kDoubleClick));
}

TEST_F(Shortcuts, RightClickOnARunSendsItOnlyToTheTableau) {
    FreeCell();
    for (int i = 0; i < 4; ++i)
        ProgramGame().GameRules[static_cast<size_t>(172 + i)] = 2;  // either way
    // The ace with a two on it: a run, which no foundation or cell takes.
    ProgramGame().FilaPiles[0] = Cards({Spades(5), Hearts(1), Spades(2)});
    ProgramGame().FilaPiles[1] = Cards({Diamonds(9)});
    ProgramGame().FilaPiles[2] = Cards({Diamonds(12)});
    ProgramGame().FilaPiles[3] = Cards({Diamonds(13)});
    RightClick(110, 220);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(5), Hearts(1), Spades(2)}));
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(ProgramGame().AppoggPiles[0], "");
    EXPECT_EQ(table.Count("glide"), 0);

    // A run that fits on another pile goes there whole.
    ProgramGame().FilaPiles[0] = Cards({Spades(5), Hearts(9), Clubs(8)});
    ProgramGame().FilaPiles[1] = Cards({Clubs(10)});
    RightClick(110, 220);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Clubs(10), Hearts(9), Clubs(8)}));
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(5)}));
}

TEST_F(Shortcuts, NeverBackToItsOwnPile) {
    // Built either way, the run 9-10 would fit on its own top card, the ten.
    for (int i = 0; i < 4; ++i) ProgramGame().GameRules[static_cast<size_t>(172 + i)] = 2;
    ProgramGame().FilaPiles[0] = Cards({Spades(5), Hearts(9), Clubs(10)});
    ProgramGame().FilaPiles[1] = Cards({Diamonds(2)});
    ProgramGame().FilaPiles[2] = Cards({Diamonds(3)});
    ProgramGame().FilaPiles[3] = Cards({Diamonds(4)});
    RightClick(110, 225);
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Spades(5), Hearts(9), Clubs(10)}));
    EXPECT_EQ(table.Count("glide"), 0);  // not even tried
    EXPECT_EQ(StepCount(ProgramGame().UndoLists), 0);
}

TEST_F(Shortcuts, SourcesFoundationsCellsAndTheVisibleStock) {
    FreeCell();
    // A foundation card under rule 2 goes back to the tableau only from a
    // foundation of two cards or more.
    ProgramGame().GameRules[18] = 2;
    ProgramGame().DestPiles[1] = Cards({Clubs(1)});
    ProgramGame().FilaPiles[1] = Cards({Clubs(3)});
    ProgramGame().DestPiles[2] = Cards({Diamonds(1) + 52, Diamonds(2)});
    RightClick(510, 20);
    EXPECT_EQ(ProgramGame().DestPiles[1], Cards({Clubs(1)}));
    RightClick(610, 20);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Clubs(3), Diamonds(2)}));

    // A free cell's card.
    ProgramGame().AppoggPiles[0] = Cards({Hearts(9)});
    ProgramGame().FilaPiles[2] = Cards({Spades(10)});
    RightClick(110, 410);
    EXPECT_EQ(ProgramGame().FilaPiles[2], Cards({Spades(10), Hearts(9)}));

    // "Mazzo_Vis": its ace to a foundation.
    ProgramGame().MazzoPiles[1] = Cards({Hearts(1)});
    DoubleClick(120, 20);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(1)}));
}

TEST_F(Shortcuts, ForcedDestinations) {
    ProgramGame().FilaPiles[0] = Cards({Hearts(9)});
    ProgramGame().FilaPiles[1] = Cards({Spades(10)});
    // One-click games: a plain click tries both kinds, whatever the preferences.
    SetParameter(247, 1, "N");
    SetParameter(248, 1, "N");
    ProgramGame().GameRules[37] = 1;
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9)}));

    // While autoplay plays on its own, the tableau is open to a double-click.
    ProgramGame().GameRules[37] = 0;
    ProgramGame().FilaPiles[0] = Cards({Hearts(9)});
    ProgramGame().FilaPiles[1] = Cards({Spades(10)});
    ProgramGame().Options.SetOpt(110, 1);
    PointerPress(ProgramGame(), MouseButton::kLeft, 0, 110, 210);
    PointerRelease(ProgramGame(), MouseButton::kLeft);
    DoubleClickMove(ProgramGame());
    EXPECT_EQ(ProgramGame().FilaPiles[1], Cards({Spades(10), Hearts(9)}));
}

TEST_F(Shortcuts, ALastCardSentHomeEndsTheGame) {
    ProgramGame().FilaPiles[0] = Cards({Hearts(1)});
    RightClick(110, 210);
    EXPECT_EQ(ProgramGame().DestPiles[0], Cards({Hearts(1)}));
    EXPECT_EQ(game.ends, 1);
}

TEST_F(Shortcuts, TheSelectionListTakesNoCard) {
    // Pair games keep the selected codes in the first foundation: an ace
    // sent up goes to the second one.
    ProgramGame().GameRules[51] = 3;
    ProgramGame().FilaPiles[0] = Cards({Hearts(1)});
    ProgramGame().FilaPiles[1] = Cards({Spades(6)});
    RightClick(110, 210);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(ProgramGame().DestPiles[1], Cards({Hearts(1)}));
    // Likewise in the games whose rule names a target sum.
    ProgramGame().GameRules[51] = 0;
    ProgramGame().GameRules[39] = 10;
    ProgramGame().DestPiles[1].clear();
    ProgramGame().FilaPiles[0] = Cards({Clubs(1)});
    ProgramGame().GameRules[367] = 1;
    RightClick(110, 210);
    EXPECT_EQ(ProgramGame().DestPiles[0], "");
    EXPECT_EQ(ProgramGame().FilaPiles[0], Cards({Clubs(1)}));
}

TEST_F(Shortcuts, SendCardHoldsAndReleasesThePressState) {
    ProgramGame().FilaPiles[0] = Cards({Hearts(9)});
    ProgramGame().Options.SetOpt(106, 33);
    EXPECT_FALSE(SendCard(ProgramGame(), Hearts(9), 100, 200, 171, 296, true, true, true, true));
    EXPECT_EQ(ProgramGame().Options.Opt(94), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(106), 0);
    EXPECT_FALSE(CardsLifted(ProgramGame()));
    // A run must lie in a tableau pile.
    ProgramGame().MazzoPiles[1] = Cards({Hearts(4)});
    EXPECT_FALSE(SendCard(ProgramGame(), Hearts(4), 110, 10, 181, 106, false, false, true, false));
}

}  // namespace
}  // namespace bw
