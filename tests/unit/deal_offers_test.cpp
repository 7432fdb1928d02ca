// The deal's foundation offers, on small rule tables whose tables were
// worked out by hand from the packs of fixed game numbers.
#include <gtest/gtest.h>

#include <initializer_list>

#include "core/deal.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

// Card codes by rank and suit letter.
CardCode H(int r) {
    return r;
}
CardCode D(int r) {
    return 13 + r;
}
CardCode C(int r) {
    return 26 + r;
}
CardCode S(int r) {
    return 39 + r;
}

std::string PileOf(std::initializer_list<CardCode> codes) {
    std::string s;
    for (CardCode c : codes) s += FormatCode(c);
    return s;
}

class DealOffers : public ::testing::Test {
protected:
    test::CoreFixture fx;
    static void Rule(int entry, int value) {
        ProgramGame().GameRules[static_cast<size_t>(entry)] = static_cast<int16_t>(value);
    }
    static const std::string& Fila(int n) {
        return ProgramGame().FilaPiles[static_cast<size_t>(n - 1)];
    }
    static const std::string& Dest(int n) {
        return ProgramGame().DestPiles[static_cast<size_t>(n - 1)];
    }

    // One deck; `foundations` built up in suit from their bottom card;
    // `piles` tableau piles of `cards` cards with only the top card face up.
    void Game(int foundations, int piles, int cards) {
        Rule(371, 52);
        Rule(367, foundations);
        Rule(368, piles);
        Rule(32, 13);  // foundation capacity
        for (int i = 0; i < foundations; ++i) {
            Rule(68 + i, 1);
            Rule(84 + i, 0);
        }
        for (int i = 0; i < piles; ++i) {
            Rule(375 + i, cards);
            Rule(415 + i, 1);
        }
    }
    // Every foundation starts with its ace (rule 93); foundation 1's rule
    // also picks the offer mode of the deal.
    void AcesWithMode(int mode) {
        for (int i = 0; i < 4; ++i) Rule(100 + i, 93);
        Rule(100, mode);
    }
    void Deal(int gameNumber) {
        SetValue(ProgramGame().values.number, field::kGameNumber, FormatNumber(gameNumber, 13));
        DealGame(ProgramGame());
    }
};

// Game 21, five piles of three (bottom first):
//   9C 4S 4D | QC 2H KS | 3H KD 5H | 8C 7C 6S | 9S JS JC
TEST_F(DealOffers, RowByRowAndPileByPile) {
    Game(4, 5, 3);
    AcesWithMode(93);
    Deal(21);
    // Row by row: 2H (row 2) goes; 3H lay in row 1, already passed.
    EXPECT_EQ(Dest(1), PileOf({H(1), H(2)}));
    EXPECT_EQ(Fila(2), PileOf({C(12), S(13)}));
    EXPECT_EQ(Fila(3), PileOf({H(3), D(13), H(5)}));
    EXPECT_EQ(Dest(2), PileOf({D(1)}));
    EXPECT_TRUE(IsFaceUp(ProgramGame(), H(2)));  // it lay face down under the king

    ResetGameState(ProgramGame());
    Game(4, 5, 3);
    AcesWithMode(93);
    Rule(24, 1);
    Deal(21);
    // Pile by pile: pile 2 gives its 2H before pile 3 offers its 3H.
    EXPECT_EQ(Dest(1), PileOf({H(1), H(2), H(3)}));
    EXPECT_EQ(Fila(3), PileOf({D(13), H(5)}));
    EXPECT_TRUE(IsFaceUp(ProgramGame(), H(3)));
}

// Game 22, five piles of three: 9C 4D 4C | QH 3S KD | 2S KC 5S | 8C 7S 6D | 9S JH JD
TEST_F(DealOffers, RowByRowOffersLaterRowsAfterEarlierPiles) {
    Game(4, 5, 3);
    AcesWithMode(93);
    Deal(22);
    EXPECT_EQ(Dest(4), PileOf({S(1), S(2), S(3)}));
    EXPECT_EQ(Fila(2), PileOf({H(12), D(13)}));
    EXPECT_EQ(Fila(3), PileOf({C(13), S(5)}));

    ResetGameState(ProgramGame());
    Game(4, 5, 3);
    AcesWithMode(93);
    Rule(24, 1);
    Deal(22);
    EXPECT_EQ(Dest(4), PileOf({S(1), S(2)}));  // 3S of pile 2 came too early
    EXPECT_EQ(Fila(2), PileOf({H(12), S(3), D(13)}));
}

// Game 10, five piles of three: 2C 2D 4C | 4D 6H KC | 3S KD 5S | 9C 8D 7C | 10S JC QH
TEST_F(DealOffers, AMovedCardsPlaceIsExaminedAgain) {
    Game(4, 5, 3);
    AcesWithMode(93);
    Deal(10);
    EXPECT_EQ(Dest(3), PileOf({C(1), C(2)}));
    EXPECT_EQ(Dest(2), PileOf({D(1), D(2)}));  // slid into 2C's place
    EXPECT_EQ(Fila(1), PileOf({C(4)}));
}

TEST_F(DealOffers, FromTheFoundationNumberedLikeThePile) {
    // Game 21 pile by pile again: with mode 94, 2H in pile 2 tries foundations
    // 2..4 only, so the hearts stay where they are.
    Game(4, 5, 3);
    AcesWithMode(94);
    Rule(24, 1);
    Deal(21);
    EXPECT_EQ(Dest(1), PileOf({H(1)}));
    EXPECT_EQ(Fila(2), PileOf({C(12), H(2), S(13)}));
    EXPECT_EQ(Fila(3), PileOf({H(3), D(13), H(5)}));
}

// Mode 95: kings start foundations 1-4 (built down), aces 5-8 (built up).
// Game 0, ten piles of two, kings and aces out:
//   2H 4S | 4H 7D | 6S 3C | 6H 5C | 10C 9D | 8S JS | QH QD | 7C 2D | 8H 4D | 10S JH
TEST_F(DealOffers, GroupedFoundationsByPosition) {
    Game(8, 10, 2);
    for (int i = 0; i < 8; ++i) {
        Rule(100 + i, 95);
        Rule(68 + i, i < 4 ? 0 : 1);
    }
    Deal(0);
    EXPECT_EQ(Dest(1), PileOf({H(13)}));
    EXPECT_EQ(Dest(5), PileOf({H(1)}));
    // 2D lies in pile 8: foundations 5-8, and the ace of diamonds is there.
    EXPECT_EQ(Dest(6), PileOf({D(1), D(2)}));
    EXPECT_EQ(Fila(8), PileOf({C(7)}));
    // 2H (pile 1) may try only 1-4, QH and QD (pile 7) only 5-8.
    EXPECT_EQ(Fila(1), PileOf({H(2), S(4)}));
    EXPECT_EQ(Fila(7), PileOf({H(12), D(12)}));
    EXPECT_EQ(Dest(2), PileOf({D(13)}));
}

// Game 10's pack: 2C 2D 4C 4D 6H AS KC 3S KD 5S 9C 8D 7C 10S JC QH JS 6S 2H 7D
// 4H 9S 10H JD KH 8C AC ...
TEST_F(DealOffers, AcesGoUpAndTheStockRefillsTheirPlaces) {
    Game(4, 5, 5);
    Rule(100, 96);
    for (int i = 0; i < 4; ++i) Rule(52 + i, 1);  // empty foundations take aces
    Rule(372, 1);                                 // "Mazzo": 2C
    Rule(373, 1);                                 // "Mazzo_Vis": 2D
    Deal(10);
    // Tableau as dealt: 4C 4D 6H AS KC | 3S KD 5S 9C 8D | 7C 10S JC QH JS |
    //                   6S 2H 7D 4H 9S | 10H JD KH 8C AC
    EXPECT_EQ(Dest(1), PileOf({S(1)}));
    EXPECT_EQ(Dest(2), PileOf({C(1)}));
    EXPECT_EQ(Dest(3), "");
    EXPECT_EQ(Fila(1), PileOf({C(4), D(4), H(6), C(2), C(13)}));    // from the stock
    EXPECT_EQ(Fila(5), PileOf({H(10), D(11), H(13), C(8), D(2)}));  // then the turned card
    EXPECT_EQ(ProgramGame().MazzoPiles[0], "");
    EXPECT_EQ(ProgramGame().MazzoPiles[1], "");
    EXPECT_TRUE(IsFaceUp(ProgramGame(), S(1)));
    EXPECT_FALSE(IsFaceUp(ProgramGame(), C(2)));  // takes the face of the ace it replaces
    EXPECT_TRUE(IsFaceUp(ProgramGame(), D(2)));   // the top card's place stays face up
}

TEST_F(DealOffers, BottomCardsOfferedOnceAfterTheDeal) {
    // Arrangement 7 on game 10 (aces placed, no offers while dealing):
    // only 2C, the bottom card of pile 1, goes; 2D then lies at the bottom
    // but is not offered again.
    Game(4, 5, 3);
    for (int i = 0; i < 4; ++i) Rule(100 + i, 1);  // the ace k * 13 + 1
    Rule(34, 7);
    Deal(10);
    EXPECT_EQ(Dest(3), PileOf({C(1), C(2)}));
    EXPECT_EQ(Dest(2), PileOf({D(1)}));
    EXPECT_EQ(Fila(1), PileOf({D(2), C(4)}));
    EXPECT_EQ(Fila(3), PileOf({S(3), D(13), S(5)}));
}

}  // namespace
}  // namespace bw
