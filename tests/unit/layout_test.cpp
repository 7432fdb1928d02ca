// Pile layout: every expected coordinate below was worked out by hand from
// the table geometry; none is recomputed with the layout's own formulas. The
// one exception is a test of recorded hashes, which pins every branch of the
// whole-table styles at once.
#include <gtest/gtest.h>

#include <cstdint>

#include "core/game.h"
#include "core/state.h"
#include "render/layout.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

// Rule entries of the five layout groups: style, row digit, count.
struct GroupRules {
    int style, row, count;
};
constexpr GroupRules kStock{355, 356, 366};
constexpr GroupRules kDest{357, 358, 367};
constexpr GroupRules kTableau{359, 360, 368};
constexpr GroupRules kReserve{362, 363, 369};
constexpr GroupRules kThird{364, 365, 370};

void SetGroup(GroupRules g, int row, int style, int count) {
    ProgramGame().GameRules[static_cast<size_t>(g.row)] = static_cast<int16_t>(row);
    ProgramGame().GameRules[static_cast<size_t>(g.style)] = static_cast<int16_t>(style);
    ProgramGame().GameRules[static_cast<size_t>(g.count)] = static_cast<int16_t>(count);
}

// A maximised main window filling a width x height screen, its table from top to bottom.
LayoutInput MaximisedWindow(int width, int height, int top, int bottom) {
    LayoutInput in;
    in.top = top;
    in.bottom = bottom;
    in.height = height;
    in.width = width;
    in.screenWidth = width;
    in.screenHeight = height;
    return in;
}

LayoutInput Window1024() {
    return MaximisedWindow(1024, 768, 75, 700);
}
LayoutInput Window1920() {
    return MaximisedWindow(1920, 1080, 75, 1012);
}

struct XY {
    int left, top;
    bool operator==(const XY&) const = default;
};
std::ostream& operator<<(std::ostream& os, const XY& p) {
    return os << "(" << p.left << ", " << p.top << ")";
}

// Stored anchors (table coordinates).
XY Fila(int i) {
    return {ProgramGame().FilaLeft[static_cast<size_t>(i)],
            ProgramGame().FilaTop[static_cast<size_t>(i)]};
}
XY Stock(int i) {
    return {ProgramGame().Options.Opt(56 + i), ProgramGame().Options.Opt(60 + i)};
}
XY Dest(int i) {
    return {ProgramGame().Options.Opt(i), ProgramGame().Options.Opt(17 + i)};
}
XY Appogg(int i) {
    return {ProgramGame().Options.Opt(34 + i), ProgramGame().Options.Opt(45 + i)};
}

std::vector<int> FilaLefts(int from, int to) {
    std::vector<int> v;
    for (int i = from; i <= to; ++i) v.push_back(ProgramGame().FilaLeft[static_cast<size_t>(i)]);
    return v;
}

class Layout : public ::testing::Test {
protected:
    void SetUp() override {
        ResetPileAnchors(ProgramGame());
        SetOverlapOffsets(ProgramGame(), 'B');
    }
    void Run(const LayoutInput& in) { LayOutPiles(ProgramGame(), in); }
    test::CoreFixture fx;
};

// No two piles on the table share a pixel, and all lie inside the table.
// A tableau pile of a grid game is a row of `filaCards` cards laid side by
// side at a pitch of card width + 2.
void ExpectApartAndInside(const LayoutInput& in, int filaCards = 1) {
    struct Box {
        std::string name;
        int l, t, r, b;  // right and bottom exclusive
    };
    std::vector<Box> boxes;
    for (const auto& p : PilesOnTable(ProgramGame())) {
        int w = in.cardWidth;
        if (p.name.rfind("Fila", 0) == 0) w = filaCards * (in.cardWidth + 2) - 2;
        boxes.push_back({p.name, p.left, p.top, p.left + w, p.top + in.cardHeight});
    }
    ASSERT_FALSE(boxes.empty());
    for (size_t i = 0; i < boxes.size(); ++i) {
        const Box& a = boxes[i];
        EXPECT_GE(a.l, 0) << a.name;
        EXPECT_LE(a.r, in.width) << a.name;
        EXPECT_GE(a.t, in.top) << a.name;
        EXPECT_LE(a.b, in.bottom) << a.name;
        for (size_t j = i + 1; j < boxes.size(); ++j) {
            const Box& b = boxes[j];
            bool overlap = a.l < b.r && b.l < a.r && a.t < b.b && b.t < a.b;
            EXPECT_FALSE(overlap) << a.name << " and " << b.name;
        }
    }
}

// ---------------------------------------------------------------------------
// Style 051: the 4 x 4 grid with the stock and the third pile beside it.

TEST_F(Layout, Grid051CentredWithStockAtTheMiddleAndFoundationsOff) {
    SetGroup(kStock, 0, 0, 1);
    SetGroup(kTableau, 1, 51, 16);
    SetGroup(kDest, 1, 0, 4);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 3), (std::vector<int>{349, 430, 511, 592}));
    EXPECT_EQ(FilaLefts(12, 15), (std::vector<int>{349, 430, 511, 592}));
    EXPECT_EQ(Fila(0).top, 180);
    EXPECT_EQ(Fila(4).top, 286);
    EXPECT_EQ(Fila(8).top, 392);
    EXPECT_EQ(Fila(15).top, 498);
    EXPECT_EQ(Stock(0), (XY{208, 339}));  // 70 left of the grid, at its middle
    EXPECT_EQ(Stock(1), (XY{-10000, -10000}));
    EXPECT_EQ(Stock(2), (XY{733, 339}));
    for (int i = 0; i < 4; ++i) EXPECT_EQ(Dest(i), (XY{-10000, -10001}));
}

TEST_F(Layout, Grid051SideGapShrinksInNarrowWindows) {
    SetGroup(kStock, 0, 0, 1);
    SetGroup(kTableau, 1, 51, 16);
    struct Case {
        int width, shadow;
        int x0, mazzo, third;
    } cases[] = {
        {628, 9, 151, 10, 535},  // still 70: x0 - W - 80 = 0
        {626, 9, 150, 44, 499},  // 35
        {556, 9, 115, 29, 444},  // 15
        {500, 9, 98, 12, 427},   // grid moved to W + N + 15 (N = 3 + 9)
        {500, 0, 89, 3, 418},    // the same without shadows: N = 3
    };
    for (const auto& c : cases) {
        LayoutInput in = Window1024();
        in.width = c.width;
        in.shadowOffset = c.shadow;
        ResetPileAnchors(ProgramGame());
        Run(in);
        SCOPED_TRACE(c.width);
        EXPECT_EQ(ProgramGame().FilaLeft[0], c.x0);
        EXPECT_EQ(ProgramGame().FilaLeft[3], c.x0 + 243);
        EXPECT_EQ(Stock(0).left, c.mazzo);
        EXPECT_EQ(Stock(2).left, c.third);
    }
}

// ---------------------------------------------------------------------------
// One-row tableaus.

TEST_F(Layout, Row001WithMorePilesThanFitStartsAtTheMarginWithGapFour) {
    SetGroup(kTableau, 1, 1, 16);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{5, 85}));
    EXPECT_EQ(Fila(1), (XY{80, 85}));
    EXPECT_EQ(Fila(15), (XY{1130, 85}));
}

TEST_F(Layout, Row001And014BesideAStockRow) {
    // Stock row of style 005: N = 5 + 9 + 15 = 29; 12 piles give gap 13 and
    // a row starting at 13, left of the margin.
    SetGroup(kStock, 1, 5, 1);
    SetGroup(kTableau, 2, 1, 12);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{29, 206}));
    EXPECT_EQ(Fila(1).left, 113);  // 001 keeps its gap
    EXPECT_EQ(Stock(0), (XY{29, 100}));

    SetGroup(kTableau, 2, 14, 12);
    Run(Window1024());
    EXPECT_EQ(Fila(0).left, 29);
    EXPECT_EQ(Fila(1).left, 111);  // 014 narrows it by ceil(16 / 11) = 2
    EXPECT_EQ(Fila(11).left, 931);
}

TEST_F(Layout, Row014WithStockAboveWidensTheFirstGaps) {
    ProgramGame().GameRules[9] = 1;
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 4, 2);
    SetGroup(kTableau, 2, 14, 12);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 4), (std::vector<int>{29, 115, 201, 283, 365}));
    EXPECT_EQ(ProgramGame().FilaLeft[11], 939);
    EXPECT_EQ(Stock(0), (XY{29, 100}));  // over the first two columns
    EXPECT_EQ(Stock(1), (XY{115, 100}));

    // 001 in the same place raises its gap to 15 instead.
    SetGroup(kTableau, 2, 1, 12);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 2), (std::vector<int>{29, 115, 201}));
    EXPECT_EQ(ProgramGame().FilaLeft[11], 975);
}

TEST_F(Layout, Row015OnA640ScreenStartsTwoLeftOfTheMargin) {
    LayoutInput in;
    in.top = 5;
    in.bottom = 470;
    in.height = 480;
    in.width = 640;
    in.screenWidth = 640;
    in.screenHeight = 480;
    SetGroup(kStock, 1, 5, 1);
    SetGroup(kTableau, 1, 15, 10);
    Run(in);
    EXPECT_EQ(FilaLefts(0, 2), (std::vector<int>{25, 100, 175}));
    // Rows of style 015: top + 15 for row 1.
    EXPECT_EQ(Fila(0).top, 20);
    EXPECT_EQ(Stock(0), (XY{27, 20}));
}

TEST_F(Layout, Row003GapAboveTwentyBecomesFifteen) {
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 3, 1);
    SetGroup(kTableau, 2, 3, 4);
    Run(Window1024());
    // Computed gap 77 -> 15.
    EXPECT_EQ(FilaLefts(0, 3), (std::vector<int>{397, 483, 569, 655}));
    EXPECT_EQ(Fila(0).top, 221);  // row 2 gains 15 for the stock style 003
    EXPECT_EQ(Stock(0), (XY{296, 100}));
    EXPECT_EQ(Stock(1), (XY{296, 221}));

    struct Case {
        int width;
        std::vector<int> lefts;
    } cases[] = {
        {562, {156, 247, 338, 429}},  // gap exactly 20 stays
        {570, {170, 256, 342, 428}},  // 21 -> 15
    };
    for (const auto& c : cases) {
        LayoutInput in = Window1024();
        in.width = c.width;
        Run(in);
        EXPECT_EQ(FilaLefts(0, 3), c.lefts) << c.width;
    }
}

TEST_F(Layout, ShortTableUsesSmallMarginAndNarrowerWidth) {
    SetGroup(kTableau, 2, 2, 7);
    SetGroup(kDest, 1, 2, 4);
    LayoutInput in = Window1024();
    in.top = 5;
    in.bottom = 480;
    in.width = 800;
    in.height = 499;
    Run(in);
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{115, 196, 277, 358, 439, 520, 601}));
    EXPECT_EQ(Fila(0).top, 111);
    EXPECT_EQ(Dest(0), (XY{244, 10}));
    EXPECT_EQ(Dest(3), (XY{472, 10}));

    in.height = 500;
    Run(in);
    EXPECT_EQ(Fila(0), (XY{120, 121}));
    EXPECT_EQ(Dest(0), (XY{249, 15}));
}

TEST_F(Layout, ShadowsOffMoveTheMarginButNotTheStyle013Tableau) {
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 13, 2);
    SetGroup(kTableau, 2, 13, 6);
    SetGroup(kReserve, 3, 5, 3);
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{19, 100}));
    EXPECT_EQ(Stock(1), (XY{105, 100}));
    EXPECT_EQ(FilaLefts(0, 2), (std::vector<int>{48, 123, 198}));
    EXPECT_EQ(Fila(5), (XY{423, 206}));
    EXPECT_EQ(Appogg(0), (XY{14, 312}));
    EXPECT_EQ(Appogg(2), (XY{184, 312}));

    LayoutInput in = Window1024();
    in.shadowOffset = 0;
    Run(in);
    EXPECT_EQ(Stock(0).left, 15);
    EXPECT_EQ(Stock(1).left, 101);
    EXPECT_EQ(ProgramGame().FilaLeft[0], 48);
    EXPECT_EQ(Appogg(0).left, 5);
    EXPECT_EQ(Appogg(2).left, 157);

    in.screenHeight = 480;
    Run(in);
    EXPECT_EQ(FilaLefts(0, 1), (std::vector<int>{8, 83}));
}

TEST_F(Layout, Rows010AndTheirCentredSingleRow) {
    SetGroup(kTableau, 1, 10, 12);
    ProgramGame().GameRules[361] = 3;
    Run(Window1024());
    // Gap trunc(0.85 x 71) = 60; four piles a row on standard rows 1..3.
    EXPECT_EQ(FilaLefts(0, 4), (std::vector<int>{15, 146, 277, 408, 15}));
    EXPECT_EQ(Fila(0).top, 85);
    EXPECT_EQ(Fila(3).top, 85);
    EXPECT_EQ(Fila(4).top, 191);
    EXPECT_EQ(Fila(11), (XY{408, 297}));

    ProgramGame().GameRules[361] = 1;
    SetGroup(kTableau, 1, 10, 4);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{15, 233}));  // the three-row block
    EXPECT_EQ(Fila(3), (XY{408, 233}));

    LayoutInput in = Window1024();
    in.cardWidth = 59;
    in.cardHeight = 80;
    Run(in);
    EXPECT_EQ(ProgramGame().FilaLeft[1], 124);  // 15 + 59 + trunc(50.15)
}

TEST_F(Layout, Rows018FromTheFourRowBlockWithAtLeastOneAndAHalfCards) {
    SetGroup(kTableau, 1, 18, 12);
    ProgramGame().GameRules[361] = 2;
    Run(Window1024());
    // Six a row: computed gap 84 is below trunc(1.5 x 71) = 106.
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{15, 192, 369, 546, 723, 900, 15}));
    EXPECT_EQ(Fila(0).top, 180);
    EXPECT_EQ(Fila(6).top, 286);

    SetGroup(kTableau, 2, 18, 12);
    Run(Window1024());
    EXPECT_EQ(Fila(0).top, 286);
    EXPECT_EQ(Fila(11).top, 392);
}

TEST_F(Layout, Tableau020CentredUnderTheFoundations) {
    SetGroup(kDest, 1, 2, 4);
    SetGroup(kTableau, 2, 20, 3);
    Run(Window1024());
    EXPECT_EQ(Dest(0), (XY{363, 85}));
    EXPECT_EQ(Dest(3), (XY{588, 85}));
    EXPECT_EQ(FilaLefts(0, 2), (std::vector<int>{394, 475, 556}));
    EXPECT_EQ(Fila(2).top, 191);
}

// ---------------------------------------------------------------------------
// Stock, foundation, reserve and third-pile styles.

TEST_F(Layout, Stock011BesideATableau011) {
    ProgramGame().GameRules[9] = 1;
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 11, 2);
    SetGroup(kTableau, 1, 11, 7);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{318, 404, 490, 576, 662, 748, 834}));
    EXPECT_EQ(Stock(1), (XY{202, 100}));
    EXPECT_EQ(Stock(0), (XY{116, 100}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, Stock021WithSpreadFoundations) {
    ProgramGame().GameRules[9] = 1;
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 21, 2);
    SetGroup(kTableau, 1, 21, 7);
    SetGroup(kDest, 2, 1, 4);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{342, 417, 492, 567, 642, 717, 792}));
    EXPECT_EQ(Stock(1), (XY{256, 100}));
    EXPECT_EQ(Stock(0), (XY{165, 100}));
    EXPECT_EQ(Dest(0), (XY{147, 206}));
    EXPECT_EQ(Dest(3), (XY{801, 206}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, Foundations017FollowTheStockOnItsRow) {
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 13, 2);
    SetGroup(kDest, 3, 17, 4);
    SetGroup(kTableau, 2, 2, 7);
    Run(Window1024());
    EXPECT_EQ(Dest(0), (XY{193, 100}));
    EXPECT_EQ(Dest(3), (XY{418, 100}));

    // A 480-high screen with eight foundations and two stock piles: the
    // stock indent becomes -3, offset 4 and gap 3.
    LayoutInput in;
    in.top = 30;
    in.bottom = 470;
    in.height = 480;
    in.width = 800;
    in.screenWidth = 800;
    in.screenHeight = 480;
    SetGroup(kDest, 3, 17, 8);
    Run(in);
    EXPECT_EQ(Stock(0), (XY{12, 50}));
    EXPECT_EQ(Stock(1), (XY{98, 50}));
    EXPECT_EQ(Dest(0), (XY{173, 50}));
    EXPECT_EQ(Dest(7), (XY{691, 50}));
}

TEST_F(Layout, Foundations009RightAlignedToTheLastColumn) {
    SetGroup(kTableau, 2, 2, 7);
    SetGroup(kDest, 1, 9, 4);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{232, 313, 394, 475, 556, 637, 718}));
    EXPECT_EQ(Dest(3), (XY{718, 85}));
    EXPECT_EQ(Dest(0), (XY{493, 85}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, StockAloneOnMazzoVisTakesTheStockRowAndTheThirdPileStyles) {
    // Rule 9 = 0: style 016 places "Mazzo_Vis" only, which then takes the
    // stock row's top.
    SetGroup(kStock, 1, 16, 1);
    SetGroup(kTableau, 2, 2, 7);
    Run(Window1024());
    EXPECT_EQ(ProgramGame().FilaLeft[0], 232);
    EXPECT_EQ(Stock(1), (XY{131, 100}));
    EXPECT_EQ(Stock(0), (XY{-10000, 100}));

    ProgramGame().GameRules[9] = 1;
    SetGroup(kStock, 1, 19, 1);
    SetGroup(kThird, 2, 16, 1);
    ResetPileAnchors(ProgramGame());
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{101, 100}));
    EXPECT_EQ(Stock(2), (XY{101, 216}));  // below row 1 by a card and 20

    SetGroup(kThird, 3, 6, 1);
    Run(Window1024());
    EXPECT_EQ(Stock(2), (XY{313, 312}));
    SetGroup(kThird, 3, 7, 1);
    Run(Window1024());
    EXPECT_EQ(Stock(2), (XY{718, 312}));
}

TEST_F(Layout, Reserve005OverlapMovesACentredTableauOnce) {
    SetGroup(kReserve, 1, 5, 4);
    SetGroup(kTableau, 1, 2, 8);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{5, 85}));
    EXPECT_EQ(Appogg(3), (XY{233, 85}));
    // Centred at 192 the first pile (widened by 85) meets the last cell; the
    // tableau restarts at 233 + 71 + 86.
    EXPECT_EQ(FilaLefts(0, 2), (std::vector<int>{390, 471, 552}));
    EXPECT_EQ(ProgramGame().FilaLeft[7], 957);

    // Reserve cells on another row leave the tableau centred.
    SetGroup(kReserve, 3, 5, 4);
    Run(Window1024());
    EXPECT_EQ(ProgramGame().FilaLeft[0], 192);

    // Another tableau style cannot move; the correction is not repeated.
    SetGroup(kReserve, 1, 5, 4);
    SetGroup(kTableau, 1, 1, 8);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 1), (std::vector<int>{157, 248}));
}

TEST_F(Layout, ReserveStylesOverTheTableau) {
    SetGroup(kTableau, 2, 2, 7);
    SetGroup(kReserve, 1, 4, 3);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{232, 85}));
    EXPECT_EQ(Appogg(2), (XY{394, 85}));
    SetGroup(kReserve, 1, 7, 2);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{637, 85}));
    EXPECT_EQ(Appogg(1), (XY{718, 85}));
    SetGroup(kReserve, 1, 6, 2);
    Run(Window1024());
    EXPECT_EQ(Appogg(1), (XY{307, 85}));  // pitch W + max(4, trunc(10 / 3))
}

// ---------------------------------------------------------------------------
// The grids of the shipped memory games.

struct GameGeometry {
    const char* name;
    int tableauStyle, tableauCount, third, dests, filaCards;
};

void SetUpGame(const GameGeometry& g) {
    SetGroup(kTableau, 1, g.tableauStyle, g.tableauCount);
    SetGroup(kThird, 0, 0, g.third);
    SetGroup(kDest, 0, 0, g.dests);
}

TEST_F(Layout, Grid129ThreeRowsOfFour) {
    GameGeometry g{"129", 129, 3, 1, 0, 4};
    SetUpGame(g);
    Run(Window1024());
    EXPECT_EQ(FormatPilePositions(PilesOnTable(ProgramGame())),
              "Waste 648 339\nFila1 288 238\nFila2 288 339\nFila3 288 440\n");
    ExpectApartAndInside(Window1024(), g.filaCards);

    Run(Window1920());
    EXPECT_EQ(FormatPilePositions(PilesOnTable(ProgramGame())),
              "Waste 1096 495\nFila1 736 394\nFila2 736 495\nFila3 736 596\n");
    ExpectApartAndInside(Window1920(), g.filaCards);
}

TEST_F(Layout, Grid127FourRowsOfSix) {
    GameGeometry g{"127", 127, 4, 1, 0, 6};
    SetUpGame(g);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{212, 188}));
    EXPECT_EQ(Fila(3), (XY{212, 491}));
    EXPECT_EQ(Stock(2), (XY{714, 339}));
    ExpectApartAndInside(Window1024(), g.filaCards);

    Run(Window1920());
    EXPECT_EQ(Fila(0), (XY{660, 344}));
    EXPECT_EQ(Fila(3), (XY{660, 647}));
    EXPECT_EQ(Stock(2), (XY{1162, 495}));
    ExpectApartAndInside(Window1920(), g.filaCards);
}

TEST_F(Layout, Grid128FiveRowsOfEight) {
    GameGeometry g{"128", 128, 5, 1, 0, 8};
    SetUpGame(g);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{144, 141}));
    EXPECT_EQ(Fila(1).top, 240);
    EXPECT_EQ(Fila(4), (XY{144, 537}));
    EXPECT_EQ(Stock(2), (XY{786, 339}));
    ExpectApartAndInside(Window1024(), g.filaCards);

    Run(Window1920());
    EXPECT_EQ(Fila(0), (XY{592, 297}));
    EXPECT_EQ(Fila(4), (XY{592, 693}));
    EXPECT_EQ(Stock(2), (XY{1234, 495}));
    ExpectApartAndInside(Window1920(), g.filaCards);
}

TEST_F(Layout, Grid118FourRowsOfThirteenAtTheLeftEdge) {
    GameGeometry g{"118", 118, 4, 1, 0, 13};
    SetUpGame(g);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{5, 125}));
    EXPECT_EQ(Fila(1), (XY{5, 231}));
    EXPECT_EQ(Fila(3), (XY{5, 443}));
    EXPECT_EQ(Stock(2), (XY{443, 555}));
    EXPECT_EQ(Stock(0), (XY{-10000, -10000}));
    ExpectApartAndInside(Window1024(), g.filaCards);

    Run(Window1920());
    EXPECT_EQ(Fila(0), (XY{5, 281}));
    EXPECT_EQ(Fila(3), (XY{5, 599}));
    EXPECT_EQ(Stock(2), (XY{443, 711}));
    ExpectApartAndInside(Window1920(), g.filaCards);

    // Without the third pile the stock takes its place.
    SetGroup(kThird, 0, 0, 0);
    ProgramGame().GameRules[366] = 1;
    ResetPileAnchors(ProgramGame());
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{443, 555}));
    EXPECT_EQ(Stock(2), (XY{-10000, -10000}));
}

TEST_F(Layout, Grid126RowsOfFourFiveFour) {
    GameGeometry g{"126", 126, 13, 0, 0, 1};
    SetUpGame(g);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 3), (std::vector<int>{361, 437, 513, 589}));
    EXPECT_EQ(FilaLefts(4, 8), (std::vector<int>{323, 399, 475, 551, 627}));
    EXPECT_EQ(FilaLefts(9, 12), (std::vector<int>{361, 437, 513, 589}));
    EXPECT_EQ(Fila(0).top, 238);
    EXPECT_EQ(Fila(8).top, 339);
    EXPECT_EQ(Fila(12).top, 440);
    ExpectApartAndInside(Window1024(), g.filaCards);

    Run(Window1920());
    EXPECT_EQ(FilaLefts(0, 1), (std::vector<int>{809, 885}));
    EXPECT_EQ(FilaLefts(4, 8), (std::vector<int>{771, 847, 923, 999, 1075}));
    EXPECT_EQ(Fila(0).top, 394);
    EXPECT_EQ(Fila(4).top, 495);
    EXPECT_EQ(Fila(9), (XY{809, 596}));
    ExpectApartAndInside(Window1920(), g.filaCards);
}

TEST_F(Layout, Grid130TenFoundationsOverTwoRowsOfTen) {
    GameGeometry g{"130", 130, 20, 0, 10, 1};
    SetUpGame(g);
    Run(Window1024());
    EXPECT_EQ(Dest(0), (XY{133, 198}));
    EXPECT_EQ(Dest(9), (XY{817, 198}));
    EXPECT_EQ(Fila(0), (XY{133, 309}));
    EXPECT_EQ(Fila(9), (XY{817, 309}));
    EXPECT_EQ(Fila(10), (XY{133, 465}));
    EXPECT_EQ(Fila(19), (XY{817, 465}));
    ExpectApartAndInside(Window1024(), g.filaCards);

    Run(Window1920());
    EXPECT_EQ(Dest(0), (XY{581, 354}));
    EXPECT_EQ(Dest(9), (XY{1265, 354}));
    EXPECT_EQ(Fila(4), (XY{885, 465}));
    EXPECT_EQ(Fila(19), (XY{1265, 621}));
    ExpectApartAndInside(Window1920(), g.filaCards);
}

// ---------------------------------------------------------------------------
// Other whole-table styles.

TEST_F(Layout, Cross052AndItsNarrowFallback) {
    SetGroup(kStock, 0, 0, 2);
    SetGroup(kTableau, 1, 52, 5);
    SetGroup(kDest, 1, 0, 4);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 4), (std::vector<int>{475, 369, 475, 581, 475}));
    EXPECT_EQ(Fila(0).top, 208);
    EXPECT_EQ(Fila(3).top, 339);
    EXPECT_EQ(Fila(4).top, 470);
    EXPECT_EQ(FilaLefts(5, 7), (std::vector<int>{-10000, -10000, -10000}));
    EXPECT_EQ(Stock(0), (XY{228, 208}));
    EXPECT_EQ(Stock(1), (XY{228, 339}));
    EXPECT_EQ(Dest(0), (XY{376, 215}));
    EXPECT_EQ(Dest(1), (XY{574, 215}));
    EXPECT_EQ(Dest(2), (XY{376, 463}));
    EXPECT_EQ(Dest(3), (XY{574, 463}));
    ExpectApartAndInside(Window1024());

    LayoutInput in = Window1024();
    in.top = 5;
    in.bottom = 480;
    in.height = 499;
    in.width = 400;
    Run(in);
    EXPECT_EQ(FilaLefts(0, 3), (std::vector<int>{242, 146, 242, 338}));
    EXPECT_EQ(Fila(0).top, 73);
    EXPECT_EQ(Fila(4).top, 315);
    EXPECT_EQ(Stock(0), (XY{25, 73}));
}

TEST_F(Layout, TwoRows057) {
    SetGroup(kStock, 0, 0, 2);
    SetGroup(kTableau, 1, 57, 12);
    SetGroup(kDest, 1, 0, 4);
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{432, 130}));
    EXPECT_EQ(Stock(1), (XY{518, 130}));
    EXPECT_EQ(FilaLefts(0, 5), (std::vector<int>{273, 354, 435, 516, 597, 678}));
    EXPECT_EQ(Fila(0).top, 236);
    EXPECT_EQ(Fila(11), (XY{678, 342}));
    EXPECT_EQ(Dest(0), (XY{152, 85}));
    EXPECT_EQ(Dest(1), (XY{799, 85}));
    EXPECT_EQ(Dest(2), (XY{152, 403}));
    EXPECT_EQ(Dest(3), (XY{799, 403}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, Staircase054MovesRightUntilItClearsTheStock) {
    SetGroup(kStock, 0, 0, 2);
    SetGroup(kTableau, 1, 54, 8);
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{40, 85}));
    EXPECT_EQ(Stock(1), (XY{40, 201}));
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{475, 437, 399, 361, 323, 285, 247}));
    EXPECT_EQ(Fila(1).top, 137);
    EXPECT_EQ(Fila(7).top, 449);
    EXPECT_EQ(Stock(2), (XY{913, 85}));

    LayoutInput in = Window1024();
    in.width = 400;
    Run(in);
    // 163 is moved by 48 steps of 3 until pile 6 starts right of 40 + 71 + 3.
    EXPECT_EQ(FilaLefts(0, 6), (std::vector<int>{307, 269, 231, 193, 155, 117, 79}));
    EXPECT_EQ(Stock(2).left, 576);
}

TEST_F(Layout, Grid123DropsFractionsTowardZero) {
    SetGroup(kTableau, 1, 123, 16);
    LayoutInput in;
    in.top = 5;
    in.bottom = 301;
    in.height = 400;
    in.width = 600;
    in.screenWidth = 800;
    in.screenHeight = 600;
    Run(in);
    // 5 + trunc(-91 / 2) = 5 - 45, not 5 - 46.
    EXPECT_EQ(Fila(0), (XY{145, -40}));
    EXPECT_EQ(Fila(5), (XY{217, 57}));
    EXPECT_EQ(Fila(15), (XY{361, 251}));

    SetGroup(kThird, 0, 0, 1);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{283, 188}));
    EXPECT_EQ(Stock(2), (XY{658, 339}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, FourRows058AndGrid066) {
    SetGroup(kStock, 0, 0, 2);
    SetGroup(kDest, 0, 0, 4);
    SetGroup(kTableau, 1, 58, 20);
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{104, 150}));
    EXPECT_EQ(Stock(1), (XY{190, 150}));
    EXPECT_EQ(FilaLefts(0, 4), (std::vector<int>{311, 392, 473, 554, 635}));
    EXPECT_EQ(Fila(5), (XY{311, 286}));
    EXPECT_EQ(Fila(19), (XY{635, 498}));
    EXPECT_EQ(Dest(0), (XY{210, 286}));
    EXPECT_EQ(Dest(1), (XY{736, 286}));
    EXPECT_EQ(Dest(2), (XY{210, 392}));
    EXPECT_EQ(Dest(3), (XY{736, 392}));
    ExpectApartAndInside(Window1024());

    ResetPileAnchors(ProgramGame());
    SetGroup(kDest, 0, 0, 0);
    SetGroup(kTableau, 1, 66, 25);
    SetGroup(kThird, 0, 0, 1);
    ProgramGame().GameRules[366] = 1;
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{267, 141}));
    EXPECT_EQ(Fila(4).left, 563);
    EXPECT_EQ(Fila(24), (XY{563, 537}));
    EXPECT_EQ(Stock(0), (XY{684, 272}));
    EXPECT_EQ(Stock(2), (XY{684, 406}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, FoundationRows103And108) {
    SetGroup(kStock, 0, 0, 2);
    SetGroup(kDest, 0, 0, 8);
    SetGroup(kTableau, 1, 103, 0);
    Run(Window1024());
    EXPECT_EQ(Dest(0), (XY{209, 239}));
    EXPECT_EQ(Dest(7), (XY{741, 239}));
    EXPECT_EQ(Stock(0), (XY{422, 380}));
    EXPECT_EQ(Stock(1), (XY{528, 380}));
    EXPECT_EQ(Fila(0), (XY{-10002, -10002}));
    ExpectApartAndInside(Window1024());

    SetGroup(kDest, 0, 0, 12);
    SetGroup(kTableau, 1, 108, 16);
    ResetPileAnchors(ProgramGame());
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{35, 143}));
    EXPECT_EQ(Stock(1), (XY{121, 143}));
    EXPECT_EQ(Dest(0), (XY{354, 153}));
    EXPECT_EQ(Dest(3), (XY{597, 153}));
    EXPECT_EQ(Dest(4), (XY{192, 259}));
    EXPECT_EQ(Dest(11), (XY{759, 259}));
    EXPECT_EQ(Fila(0), (XY{202, 395}));
    EXPECT_EQ(Fila(7), (XY{748, 395}));
    EXPECT_EQ(Fila(8), (XY{202, 498}));
    ExpectApartAndInside(Window1024());
}

TEST_F(Layout, Grids124And125And172AndTheRing061) {
    SetGroup(kTableau, 1, 124, 9);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{389, 228}));
    EXPECT_EQ(Fila(8), (XY{561, 450}));

    SetGroup(kTableau, 1, 125, 25);
    SetGroup(kThird, 0, 0, 1);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{256, 141}));
    EXPECT_EQ(Fila(24), (XY{552, 537}));
    EXPECT_EQ(Stock(2), (XY{697, 339}));
    ExpectApartAndInside(Window1024());

    ResetPileAnchors(ProgramGame());
    SetGroup(kThird, 0, 0, 0);
    SetGroup(kStock, 0, 0, 1);
    SetGroup(kDest, 0, 0, 1);
    SetGroup(kTableau, 1, 172, 9);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{387, 233}));
    EXPECT_EQ(Fila(8), (XY{549, 445}));
    EXPECT_EQ(Stock(0), (XY{286, 339}));
    EXPECT_EQ(Dest(0), (XY{650, 339}));
    ExpectApartAndInside(Window1024());

    ResetPileAnchors(ProgramGame());
    SetGroup(kStock, 0, 0, 0);
    SetGroup(kDest, 0, 0, 12);
    SetGroup(kTableau, 1, 61, 8);
    Run(Window1024());
    EXPECT_EQ(FilaLefts(0, 3), (std::vector<int>{10, 86, 162, 238}));
    EXPECT_EQ(Fila(0).top, 90);
    EXPECT_EQ(Fila(7), (XY{238, 371}));
    const XY ring[12] = {{512, 90},  {588, 121}, {664, 169}, {699, 270}, {664, 371}, {588, 429},
                         {512, 460}, {436, 429}, {360, 371}, {325, 270}, {360, 169}, {436, 121}};
    for (int i = 0; i < 12; ++i) EXPECT_EQ(Dest(i), ring[i]) << "foundation " << i + 1;
}

TEST_F(Layout, MoreFoundationAndReserveStyles) {
    SetGroup(kTableau, 2, 2, 7);  // 232, 313, ..., 718 on row 2
    SetGroup(kDest, 1, 8, 4);
    Run(Window1024());
    EXPECT_EQ(Dest(0).left, 713);
    EXPECT_EQ(Dest(3), (XY{941, 85}));
    SetGroup(kDest, 1, 22, 4);
    Run(Window1024());
    EXPECT_EQ(Dest(0).left, 232);
    EXPECT_EQ(Dest(3).left, 475);
    SetGroup(kDest, 1, 7, 4);
    Run(Window1024());
    EXPECT_EQ(Dest(0).left, 475);
    EXPECT_EQ(Dest(3).left, 718);
    SetGroup(kDest, 1, 13, 4);
    Run(Window1024());
    EXPECT_EQ(Dest(0).left, 475);  // as 007 on a tall screen
    // More foundations than columns: the ones left of the first column
    // stay where they were.
    ResetPileAnchors(ProgramGame());
    SetGroup(kDest, 1, 7, 9);
    Run(Window1024());
    EXPECT_EQ(Dest(0).left, -10001);
    EXPECT_EQ(Dest(1).left, -10001);
    EXPECT_EQ(Dest(2).left, 232);
    SetGroup(kDest, 0, 0, 0);

    ProgramGame().GameRules[9] = 1;
    ProgramGame().GameRules[10] = 1;
    SetGroup(kStock, 1, 5, 3);
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{29, 100}));
    EXPECT_EQ(Stock(1), (XY{129, 100}));
    EXPECT_EQ(Stock(2), (XY{229, 100}));
    SetGroup(kReserve, 3, 11, 1);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{129, 312}));
    SetGroup(kReserve, 3, 23, 1);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{29, 312}));
    SetGroup(kStock, 0, 0, 0);
    SetGroup(kTableau, 2, 2, 8);
    SetGroup(kReserve, 3, 12, 1);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{99, 297}));  // 192 - 71 - trunc(22.5)
    SetGroup(kTableau, 2, 2, 7);
    Run(Window1024());
    EXPECT_EQ(Appogg(0), (XY{116, 297}));  // 232 - 71 - 45
}

// ---------------------------------------------------------------------------
// Scroll offset, copies, sentinels and 16-bit storage.

TEST_F(Layout, TopsAreStoredAbsoluteAndReadShiftedByTheScroll) {
    SetGroup(kStock, 0, 0, 2);
    SetGroup(kTableau, 1, 52, 5);
    SetGroup(kDest, 1, 0, 4);
    ProgramGame().Options.SetOpt(90, 77);  // a stale offset must not leak into the tops
    LayoutInput in = Window1024();
    in.scrollPosition = 40;
    Run(in);
    EXPECT_EQ(ProgramGame().Options.Opt(90), 40);
    EXPECT_EQ(Stock(0), (XY{228, 208}));
    EXPECT_EQ(ProgramGame().Options.StockTop(0), 168);
    EXPECT_EQ(ProgramGame().Options.DestTop(1), 175);
    EXPECT_EQ(ProgramGame().FilaTop[4], 470);
    EXPECT_EQ(FilaTopOnScreen(ProgramGame(), 4), 430);
    // Drawing copies: lefts as stored, tops as on screen.
    EXPECT_EQ(ProgramGame().Options.Opt(123), 228);
    EXPECT_EQ(ProgramGame().Options.Opt(124), 228);
    EXPECT_EQ(ProgramGame().Options.Opt(127), 168);
    EXPECT_EQ(ProgramGame().Options.Opt(128), 299);
    EXPECT_EQ(ProgramGame().Options.Opt(129), -10040);
    EXPECT_EQ(ProgramGame().Options.Opt(136), 574);
    EXPECT_EQ(ProgramGame().Options.Opt(153), 175);
    EXPECT_EQ(ProgramGame().Options.Opt(155), 423);
    EXPECT_EQ(ProgramGame().Options.Opt(139), -10001);
    // Positions on screen; the hidden third pile stays off.
    auto piles = PilesOnTable(ProgramGame());
    ASSERT_EQ(piles.size(), 11u);
    EXPECT_EQ(piles[0].name, "Mazzo");
    EXPECT_EQ(piles[0].top, 168);
    EXPECT_EQ(piles[10].name, "Fila5");
    EXPECT_EQ(piles[10].top, 430);
}

TEST_F(Layout, UnknownStylesAndUnusedGroupsKeepTheirMarkers) {
    SetGroup(kStock, 1, 99, 1);
    SetGroup(kDest, 1, 98, 4);
    SetGroup(kTableau, 1, 97, 7);
    SetGroup(kReserve, 1, 96, 2);
    SetGroup(kThird, 1, 95, 1);
    Run(Window1024());
    EXPECT_EQ(Stock(0), (XY{-10000, -10000}));
    EXPECT_EQ(Dest(0), (XY{-10001, -10001}));
    EXPECT_EQ(Fila(0), (XY{-10002, -10002}));
    EXPECT_EQ(Appogg(0), (XY{-10003, -10003}));
    EXPECT_TRUE(PilesOnTable(ProgramGame()).empty());

    // The layout itself does not reset: a pile placed by an earlier layout
    // stays until the anchors are reset.
    ProgramGame().FilaLeft[5] = 300;
    ProgramGame().FilaTop[5] = 300;
    SetGroup(kTableau, 1, 2, 7);
    Run(Window1024());
    EXPECT_EQ(Dest(2), (XY{-10001, -10001}));
    ProgramGame().GameRules[368] = 3;
    Run(Window1024());
    EXPECT_EQ(ProgramGame().FilaLeft[5], 637);  // from the 7-pile run
    ResetAndLayOutPiles(ProgramGame(), Window1024());
    EXPECT_EQ(ProgramGame().FilaLeft[5], -10002);
    EXPECT_EQ(ProgramGame().FilaLeft[0], 394);
}

TEST_F(Layout, SumsWrapWhenStoredInSixteenBits) {
    SetGroup(kTableau, 1, 2, 40);
    LayoutInput in = Window1024();
    in.width = 32767;
    in.cardWidth = 1000;
    Run(in);
    EXPECT_EQ(ProgramGame().FilaLeft[0], 5);
    EXPECT_EQ(ProgramGame().FilaLeft[32], 32325);
    EXPECT_EQ(ProgramGame().FilaLeft[33], -32201);
    EXPECT_EQ(ProgramGame().FilaLeft[39], -26141);
}

TEST_F(Layout, DegenerateRulesDoNotTrap) {
    // A one-pile 014 row that does not fit, a multi-row style with no row
    // count, a staircase with a huge card: all finish with some position.
    SetGroup(kStock, 1, 5, 1);
    SetGroup(kTableau, 1, 14, 1);
    LayoutInput in = Window1024();
    in.width = 60;
    Run(in);
    EXPECT_EQ(ProgramGame().FilaLeft[0], 27);

    ProgramGame().GameRules[361] = 0;
    SetGroup(kTableau, 1, 18, 6);
    Run(Window1024());
    EXPECT_EQ(ProgramGame().FilaTop[0], ProgramGame().FilaTop[5]);

    SetGroup(kTableau, 1, 54, 8);
    in = Window1024();
    in.cardWidth = 40000;
    Run(in);
    // Pile 6 clears the stock at x0 = 140060, stored as 8988.
    EXPECT_EQ(ProgramGame().FilaLeft[0], 8988);
    EXPECT_EQ(ProgramGame().FilaLeft[5], -25491);
}

// Every whole-table style on several windows, card sizes and with or without
// the third pile, hashed per style over every anchor the layout writes. The
// hashes were recorded before these styles' code was rearranged.
TEST_F(Layout, EveryWholeTableStyleLaysOutAsRecorded) {
    struct Styled {
        int style;
        uint32_t hash;
    };
    const Styled recorded[] = {
        {51, 0xad4ee2fd},  {52, 0x7a8df5e9},  {54, 0x2e0bc0a5},  {57, 0x3aef5d35},
        {58, 0xe6b91bdd},  {61, 0xae7a7d45},  {66, 0xf06e3101},  {103, 0x2698802d},
        {108, 0x178f2c25}, {118, 0x6205c0e9}, {123, 0x07c836c9}, {124, 0x8aaca769},
        {125, 0xface8a37}, {126, 0x5d0055b5}, {127, 0x59b2cc85}, {128, 0x85bf95e1},
        {129, 0x0ad810e1}, {130, 0x8a8604cd}, {172, 0x91bf25e5},
    };
    const LayoutInput small = MaximisedWindow(640, 480, 60, 440);
    LayoutInput narrow = Window1024();
    narrow.width = 500;
    narrow.shadowOffset = 0;
    LayoutInput bigCards = Window1920();
    bigCards.cardWidth = 85;
    bigCards.cardHeight = 115;
    const LayoutInput inputs[] = {Window1024(), Window1920(), small, narrow, bigCards};
    for (const Styled& s : recorded) {
        uint32_t hash = 2166136261u;
        auto add = [&](int v) {
            for (int byte = 0; byte < 2; ++byte)
                hash = (hash ^ ((v >> (8 * byte)) & 0xFF)) * 16777619u;
        };
        for (const LayoutInput& in : inputs) {
            for (int third : {0, 1}) {
                ResetPileAnchors(ProgramGame());
                SetGroup(kStock, 0, 0, 2);
                SetGroup(kDest, 1, 0, 12);
                SetGroup(kTableau, 1, s.style, 25);
                SetGroup(kThird, 0, 0, third);
                Run(in);
                for (int i = 0; i < 186; ++i) add(ProgramGame().Options.Opt(i));
                for (int i = 0; i < 40; ++i) {
                    add(ProgramGame().FilaLeft[static_cast<size_t>(i)]);
                    add(ProgramGame().FilaTop[static_cast<size_t>(i)]);
                }
            }
        }
        EXPECT_EQ(hash, s.hash) << "style " << s.style;
    }
}

// ---------------------------------------------------------------------------
// Helpers around the layout.

TEST_F(Layout, OverlapOffsetsFollowTheSizeAndTheTableFamily) {
    ProgramGame().GameRules[3] = 1;
    SetOverlapOffsets(ProgramGame(), 'B');
    EXPECT_EQ(ProgramGame().Options.Opt(64), 18);
    EXPECT_EQ(ProgramGame().Options.Opt(66), 4);
    EXPECT_EQ(ProgramGame().Options.Opt(65), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(67), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(72), 6);
    EXPECT_EQ(ProgramGame().Options.Opt(75), 3);
    EXPECT_EQ(ProgramGame().Options.Opt(76), 3);
    EXPECT_EQ(ProgramGame().Options.Opt(101), 12);
    EXPECT_EQ(ProgramGame().Options.Opt(102), 8);

    ProgramGame().GameRules[3] = 12;
    SetOverlapOffsets(ProgramGame(), 'M');
    EXPECT_EQ(ProgramGame().Options.Opt(64), 35);  // 14 x 2.5
    EXPECT_EQ(ProgramGame().Options.Opt(66), 10);
    SetOverlapOffsets(ProgramGame(), 'L');
    EXPECT_EQ(ProgramGame().Options.Opt(64), 7);  // 3 x 2.5 = 7.5
    EXPECT_EQ(ProgramGame().Options.Opt(101), 4);
    EXPECT_EQ(ProgramGame().Options.Opt(102), 3);

    ProgramGame().GameRules[3] = 6;
    ProgramGame().GameRules[5] = 2;
    SetOverlapOffsets(ProgramGame(), 'S');
    EXPECT_EQ(ProgramGame().Options.Opt(64), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(65), 12);
    EXPECT_EQ(ProgramGame().Options.Opt(67), 4);
    EXPECT_EQ(ProgramGame().Options.Opt(83), 7);
    EXPECT_EQ(ProgramGame().Options.Opt(84), 7);

    ProgramGame().GameRules[5] = 0;
    ProgramGame().GameRules[6] = 1;
    SetOverlapOffsets(ProgramGame(), 'X');
    EXPECT_EQ(ProgramGame().Options.Opt(65), 0);
    EXPECT_EQ(ProgramGame().Options.Opt(72), 6);
    EXPECT_EQ(ProgramGame().Options.Opt(101), 12);  // left as it was
}

TEST_F(Layout, GroupCodesAndCardSizes) {
    EXPECT_EQ(GroupCode(2, 3), "2003");
    EXPECT_EQ(GroupCode(0, 51), "0051");
    EXPECT_EQ(GroupCode(12, 172), "1172");
    EXPECT_EQ(GroupCode(-1, 5), "-005");

    // A row rule of 12 reads as row 1; a style that does not fit three
    // digits matches nothing.
    SetGroup(kTableau, 12, 2, 7);
    Run(Window1024());
    EXPECT_EQ(Fila(0), (XY{232, 85}));
    ResetPileAnchors(ProgramGame());
    SetGroup(kTableau, 1, 1002, 7);
    Run(Window1024());
    EXPECT_EQ(ProgramGame().FilaLeft[0], -10002);

    int w = 0, h = 0;
    EXPECT_TRUE(CardSizeForLetter('S', w, h));
    EXPECT_EQ(w * 1000 + h, 85115);
    EXPECT_TRUE(CardSizeForLetter('M', w, h));
    EXPECT_EQ(w * 1000 + h, 59080);
    EXPECT_TRUE(CardSizeForLetter('L', w, h));
    EXPECT_EQ(w * 1000 + h, 25032);
    EXPECT_FALSE(CardSizeForLetter('Q', w, h));
    EXPECT_EQ(w * 1000 + h, 25032);
}

TEST_F(Layout, TableRectangles) {
    TableRect r = MainWindowTableRect(75, 701, 768, 1040, 16);
    EXPECT_EQ(r.top, 75);
    EXPECT_EQ(r.bottom, 700);
    EXPECT_EQ(r.height, 768);
    EXPECT_EQ(r.width, 1024);
    EXPECT_EQ(MainWindowTableRect(std::nullopt, 701, 768, 1040, 16).top, 5);
    TableRect p = PreviewTableRect(240, 180);
    EXPECT_EQ(p.top, 3);
    EXPECT_EQ(p.bottom, 180);
    EXPECT_EQ(p.height, 180);
    EXPECT_EQ(p.width, 240);
    LayoutInput in;
    ApplyTableRect(p, in);
    EXPECT_EQ(in.top + in.bottom + in.height + in.width, 3 + 180 + 180 + 240);
}

}  // namespace
}  // namespace bw
