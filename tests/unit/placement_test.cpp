#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "core/move_engine.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/state.h"
#include "support/test_support.h"

namespace bw {
namespace {

// Cards by rank and suit; deck 2 adds 52.
CardCode H(int r, int deck = 1) { return (deck - 1) * 52 + r; }
CardCode D(int r, int deck = 1) { return (deck - 1) * 52 + 13 + r; }
CardCode C(int r, int deck = 1) { return (deck - 1) * 52 + 26 + r; }
CardCode S(int r, int deck = 1) { return (deck - 1) * 52 + 39 + r; }
constexpr CardCode kJoker = 105;
constexpr CardCode kJoker2 = 106;

std::string PileOf(const std::vector<CardCode>& cards) {
    std::string s;
    for (CardCode c : cards) s += FormatCode(c);
    return s;
}

// A pile of n cards whose content does not matter (only its count is read).
std::string Filler(int n) {
    std::string s;
    for (int i = 0; i < n; ++i) s += FormatCode(40 + i % 13);
    return s;
}

void Put(const std::string& name, CardCode c) { *PileByName(name) += FormatCode(c); }

// Four foundations, eight tableau piles, four reserve cells; a foundation
// holds at most 13 cards, a tableau pile any number.
void StandardTable() {
    GameRules[367] = 4;
    GameRules[368] = 8;
    GameRules[369] = 4;
    GameRules[32] = 13;
    GameRules[33] = -1;
}

void Foundation(int i, int base, int dir, int rule) {
    GameRules[static_cast<size_t>(52 + i)] = static_cast<int16_t>(base);
    GameRules[static_cast<size_t>(68 + i)] = static_cast<int16_t>(dir);
    GameRules[static_cast<size_t>(84 + i)] = static_cast<int16_t>(rule);
}

void Tableau(int i, int empty, int dir, int rule, int cornerMode = 0) {
    GameRules[static_cast<size_t>(132 + i)] = static_cast<int16_t>(empty);
    GameRules[static_cast<size_t>(172 + i)] = static_cast<int16_t>(dir);
    GameRules[static_cast<size_t>(212 + i)] = static_cast<int16_t>(rule);
    GameRules[static_cast<size_t>(252 + i)] = static_cast<int16_t>(cornerMode);
}

class RecordingTable : public ITable {
public:
    std::vector<std::string> redrawn;
    void RedrawPileTop(const std::string& name) override { redrawn.push_back(name); }
};

class Placement : public ::testing::Test {
protected:
    Placement() { StandardTable(); }
    test::CoreFixture fx;
};

// ---------------------------------------------------------------------------
// Plain rules through the drop tests
// ---------------------------------------------------------------------------

TEST_F(Placement, AceFoundationBuildsUpInSuitAndNeverTurnsTheCorner) {
    Foundation(0, 1, 1, 0);
    EXPECT_FALSE(CanDropOnFoundation(0, H(2)));
    EXPECT_TRUE(CanDropOnFoundation(0, H(1)));
    DestPiles[0] = PileOf({H(1)});
    EXPECT_TRUE(CanDropOnFoundation(0, H(2)));
    EXPECT_FALSE(CanDropOnFoundation(0, D(2)));
    EXPECT_FALSE(CanDropOnFoundation(0, H(3)));
    // A king closes an ace-based foundation: no second ace on it.
    EXPECT_FALSE(CanPlace(H(13), H(1, 2), 1, true, 0, true, true, 0, 1, 1));
    EXPECT_TRUE(CanPlace(H(13), H(1, 2), 7, true, 0, true, true, 0, 1, 7));
}

TEST_F(Placement, SevenFoundationTurnsTheCornerAfterTheKing) {
    Foundation(0, 7, 1, 0);
    EXPECT_FALSE(CanDropOnFoundation(0, S(1)));
    EXPECT_TRUE(CanDropOnFoundation(0, S(7)));
    DestPiles[0] = PileOf({S(7), S(8), S(9), S(10), S(11), S(12), S(13)});
    EXPECT_FALSE(CanDropOnFoundation(0, S(12, 2)));
    for (int r = 1; r <= 6; ++r) {
        ASSERT_TRUE(CanDropOnFoundation(0, S(r))) << "rank " << r;
        Put("Dest1", S(r));
    }
    EXPECT_EQ(CardCount(DestPiles[0]), 13);
    // Full by the capacity, even though a 7 would follow the 6.
    EXPECT_FALSE(CanDropOnFoundation(0, S(7, 2)));
}

TEST_F(Placement, DownwardFoundationTakesAKingOnAnAceUnlessItStartsWithKings) {
    EXPECT_TRUE(CanPlace(H(1), H(13, 2), 7, true, 0, true, true, 0, 0, 7));
    EXPECT_FALSE(CanPlace(H(1), H(13, 2), 13, true, 0, true, true, 0, 0, 13));
    // Either way: up first, then down.
    EXPECT_TRUE(CanPlace(H(5), H(4), 1, true, 0, true, true, 0, 2, 1));
    EXPECT_TRUE(CanPlace(H(5), H(6), 1, true, 0, true, true, 0, 2, 1));
    EXPECT_FALSE(CanPlace(H(5), H(7), 1, true, 0, true, true, 0, 2, 1));
}

TEST_F(Placement, TableauAlternatingColoursDownward) {
    Tableau(0, -1, 0, 3);
    FilaPiles[0] = PileOf({S(10)});
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    EXPECT_TRUE(CanDropOnTableau(0, D(9)));
    EXPECT_FALSE(CanDropOnTableau(0, C(9)));
    EXPECT_FALSE(CanDropOnTableau(0, H(8)));
    EXPECT_FALSE(CanDropOnTableau(0, H(11)));
}

TEST_F(Placement, KingBaseTableauStopsOnKingsButTakesAKingOnAnAce) {
    GameRules[52] = 13;
    Tableau(0, -1, 0, 2);
    FilaPiles[0] = PileOf({S(13)});
    EXPECT_FALSE(CanDropOnTableau(0, H(12)));
    EXPECT_FALSE(CanDropOnTableau(0, H(1)));
    FilaPiles[0] = PileOf({S(1)});
    EXPECT_TRUE(CanDropOnTableau(0, H(13)));
    // With the corner flag set the king may be built on.
    GameRules[252] = 1;
    FilaPiles[0] = PileOf({S(13)});
    EXPECT_TRUE(CanDropOnTableau(0, H(12)));
    // Going up the base rank stops a pile the same way; past it only an ace.
    Tableau(0, -1, 1, 2);
    EXPECT_FALSE(CanDropOnTableau(0, H(1)));
    GameRules[252] = 1;
    EXPECT_TRUE(CanDropOnTableau(0, H(1)));
    EXPECT_FALSE(CanDropOnTableau(0, H(2)));
    FilaPiles[0] = PileOf({S(6)});
    EXPECT_TRUE(CanDropOnTableau(0, H(7)));
    EXPECT_FALSE(CanDropOnTableau(0, H(5)));
}

TEST_F(Placement, TableauCornerRuleKeepsAcesAndKingsAtTheEnds) {
    // Corner mode 2: an upward pile takes a 2 on an ace, nothing on a king.
    Tableau(0, -1, 1, 2, 2);
    FilaPiles[0] = PileOf({S(1)});
    EXPECT_TRUE(CanDropOnTableau(0, H(2)));
    FilaPiles[0] = PileOf({S(13)});
    EXPECT_FALSE(CanDropOnTableau(0, H(1)));
    FilaPiles[0] = PileOf({S(6)});
    EXPECT_TRUE(CanDropOnTableau(0, H(7)));
    // Downward: a queen on a king, nothing on an ace.
    Tableau(0, -1, 0, 2, 2);
    FilaPiles[0] = PileOf({S(13)});
    EXPECT_TRUE(CanDropOnTableau(0, H(12)));
    FilaPiles[0] = PileOf({S(1)});
    EXPECT_FALSE(CanDropOnTableau(0, H(13)));
    // Base rank 1 with ordinary corners: nothing on an ace going down.
    GameRules[52] = 1;
    Tableau(0, -1, 0, 2, 0);
    EXPECT_FALSE(CanDropOnTableau(0, H(13)));
    // A character base (81..83) locks aces the same way.
    GameRules[52] = 82;
    EXPECT_FALSE(CanDropOnTableau(0, H(13)));
    GameRules[52] = 5;
    EXPECT_TRUE(CanDropOnTableau(0, H(13)));
}

TEST_F(Placement, PlainSuitConditions) {
    EXPECT_TRUE(CanPlace(H(5), D(4), -1, true, 0, false, false, 1, 0, 0));   // same colour
    EXPECT_FALSE(CanPlace(H(5), C(4), -1, true, 0, false, false, 1, 0, 0));
    EXPECT_FALSE(CanPlace(H(5), H(4, 2), -1, true, 0, false, false, 6, 0, 0));  // never on a card
    EXPECT_TRUE(CanPlace(-1, H(4), -1, true, 0, false, false, 6, 0, 0));       // but on an empty one
    for (int ch : {2, 8, 13}) EXPECT_TRUE(CanPlace(H(5), S(4), -1, true, 0, false, false, ch, 0, 0));
    for (int ch : {4, 5}) EXPECT_FALSE(CanPlace(-1, S(4), -1, true, 0, false, false, ch, 0, 0));
    EXPECT_FALSE(CanPlace(H(5), H(5), -1, true, 0, false, false, 12, 0, 0));  // a card on itself
    EXPECT_FALSE(CanPlace(H(5), 0, -1, true, 0, false, false, 12, 0, 0));
    EXPECT_FALSE(CanPlace(H(5), 109, -1, true, 0, false, false, 12, 0, 0));
}

TEST_F(Placement, RuleSevenDropsOnlyOntoAnEmptyPileOnceTheStockIsOut) {
    EXPECT_TRUE(CanPlace(-1, H(4), -1, true, 0, false, false, 7, 0, 0));
    EXPECT_FALSE(CanPlace(H(5), S(4), -1, true, 0, false, false, 7, 0, 0));
    MazzoPiles[0] = PileOf({C(9)});
    EXPECT_FALSE(CanPlace(-1, H(4), -1, true, 0, false, false, 7, 0, 0));
    // Without the drop flag it is a plain any-suit rule.
    EXPECT_TRUE(CanPlace(H(5), S(4), -1, false, 0, false, false, 7, 0, 0));
}

TEST_F(Placement, EmptyRules) {
    auto empty = [](int E, CardCode M, int base = 0) {
        return CanPlace(-1, M, E, true, 0, false, false, 0, 0, base);
    };
    EXPECT_TRUE(empty(5, D(5)));
    EXPECT_FALSE(empty(5, D(6)));
    EXPECT_TRUE(empty(-1, D(6)));
    EXPECT_TRUE(empty(0, D(6), -1));  // foundation 1 takes any card: so does an empty pile
    EXPECT_FALSE(empty(0, D(6)));
    EXPECT_FALSE(empty(82, D(6)));
    EXPECT_FALSE(empty(83, D(6)));
    EXPECT_FALSE(empty(200, D(6)));

    EXPECT_TRUE(empty(86, D(6)));
    SetMovingStackSingle(false);
    EXPECT_FALSE(empty(86, D(6)));
    SetMovingStackSingle(true);

    EXPECT_TRUE(empty(87, D(6)));  // from nowhere
    MazzoPiles[2] = PileOf({D(6)});
    EXPECT_TRUE(empty(87, D(6)));  // "Waste" counts as nowhere
    MazzoPiles[2].clear();
    MazzoPiles[1] = PileOf({D(6)});
    EXPECT_TRUE(empty(87, D(6)));
    EXPECT_TRUE(empty(88, D(6)));
    MazzoPiles[1].clear();
    MazzoPiles[0] = PileOf({D(6)});
    EXPECT_TRUE(empty(87, D(6)));
    MazzoPiles[0].clear();
    FilaPiles[3] = PileOf({D(6)});
    EXPECT_FALSE(empty(87, D(6)));
    EXPECT_FALSE(empty(88, D(6)));
    FilaPiles[3].clear();
    AppoggPiles[1] = PileOf({D(6)});
    EXPECT_FALSE(empty(87, D(6)));
    EXPECT_TRUE(empty(88, D(6)));
}

TEST_F(Placement, EmptyRulesFollowingTheFoundations) {
    auto empty = [](int E, CardCode M) { return CanPlace(-1, M, E, true, 0, false, false, 0, 0, 0); };
    // 92: any card while the foundations are empty; then their start rank.
    EXPECT_TRUE(empty(92, D(6)));
    DestPiles[0] = PileOf({H(5)});
    DestPiles[2] = PileOf({C(5), C(6)});
    EXPECT_TRUE(empty(92, D(5)));
    EXPECT_FALSE(empty(92, D(6)));
    // 93: the same, and the very first start must come from a reserve cell.
    EXPECT_TRUE(empty(93, D(5)));
    DestPiles[0].clear();
    DestPiles[2].clear();
    MazzoPiles[1] = PileOf({D(5)});
    EXPECT_FALSE(empty(93, D(5)));
    MazzoPiles[1].clear();
    AppoggPiles[3] = PileOf({D(5)});
    EXPECT_TRUE(empty(93, D(5)));
}

TEST_F(Placement, EmptyRuleNinetySixPrefersTheReserves) {
    auto empty = [](CardCode M) { return CanPlace(-1, M, 96, true, 0, false, false, 0, 0, 0); };
    MazzoPiles[1] = PileOf({D(5)});
    EXPECT_TRUE(empty(D(5)));  // all reserve cells empty: the visible stock may fill
    AppoggPiles[2] = PileOf({S(9)});
    EXPECT_FALSE(empty(D(5)));
    EXPECT_TRUE(empty(S(9)));
    FilaPiles[1] = PileOf({H(3)});
    EXPECT_FALSE(empty(H(3)));
    // A reserve cell beyond the game's count does not hold back the stock.
    AppoggPiles[2].clear();
    AppoggPiles[7] = PileOf({S(9)});
    EXPECT_TRUE(empty(D(5)));
}

// ---------------------------------------------------------------------------
// Colour balance (empty rules 81, 84, 85, 90)
// ---------------------------------------------------------------------------

TEST_F(Placement, ColourBalanceKeepsHalfOfTheGroupPerColour) {
    for (int i = 0; i < 4; ++i) Foundation(i, 81, 1, 0);
    DestPiles[0] = PileOf({H(1)});
    DestPiles[1] = PileOf({D(1)});
    EXPECT_FALSE(CanDropOnFoundation(2, H(1, 2)));  // a third red ace of four
    EXPECT_TRUE(CanDropOnFoundation(2, C(1)));
    EXPECT_FALSE(CanDropOnFoundation(2, C(2)));  // 81 starts with aces
    // 81 lets a suit repeat, 85 does not.
    DestPiles[1].clear();
    EXPECT_TRUE(CanDropOnFoundation(2, H(1, 2)));
    for (int i = 0; i < 4; ++i) Foundation(i, 85, 1, 0);
    EXPECT_FALSE(CanDropOnFoundation(2, H(1, 2)));
    EXPECT_TRUE(CanDropOnFoundation(2, D(1)));
}

TEST_F(Placement, ColourBalanceGroupIsTheFoundationsSharingTheCode) {
    Foundation(0, 84, 0, 0);
    Foundation(1, 84, 0, 0);
    Foundation(2, 1, 1, 0);
    Foundation(3, 1, 1, 0);
    DestPiles[2] = PileOf({H(1)});  // outside the group: not counted
    DestPiles[0] = PileOf({S(13)});
    EXPECT_FALSE(CanDropOnFoundation(1, C(13)));  // two blacks in a group of two
    EXPECT_TRUE(CanDropOnFoundation(1, H(13)));
    EXPECT_FALSE(CanDropOnFoundation(1, H(12)));
    for (int i = 0; i < 2; ++i) Foundation(i, 90, 1, 0);
    DestPiles[0] = PileOf({S(2)});
    EXPECT_TRUE(CanDropOnFoundation(1, D(2)));
    EXPECT_FALSE(CanDropOnFoundation(1, S(2, 2)));
    // An empty tableau pile with a colour-balance rule reads the same group.
    Tableau(0, 90, 0, 0);
    EXPECT_TRUE(CanDropOnTableau(0, D(2)));
    EXPECT_FALSE(CanDropOnTableau(0, C(2)));
}

TEST_F(Placement, ColourBalanceReportsANonSuitAndSkipsIt) {
    for (int i = 0; i < 2; ++i) Foundation(i, 81, 1, 0);
    DestPiles[0] = PileOf({kJoker});
    EXPECT_TRUE(CanDropOnFoundation(1, H(1)));
    ASSERT_EQ(fx.dialogs.infos.size(), 1u);
    EXPECT_EQ(fx.dialogs.infos[0], "Error suit - 1");
}

// ---------------------------------------------------------------------------
// The rule-code table, swept case by case
// ---------------------------------------------------------------------------

struct Case {
    const char* why;
    int ch;
    bool foundation = false;
    int w = 0;
    int dir = 0;
    int E = -1;
    std::vector<CardCode> target{};  // the target pile, bottom first
    CardCode M = 0;
    const char* from = "";  // the pile M lies on; "" = nowhere
    bool want = false;
    std::function<void()> setup{};
};

void Sweep(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        ResetGameState();
        StandardTable();
        (c.foundation ? DestPiles : FilaPiles)[static_cast<size_t>(c.w)] = PileOf(c.target);
        if (*c.from) Put(c.from, c.M);
        if (c.setup) c.setup();
        const CardCode T = c.target.empty() ? -1 : c.target.back();
        const int base = c.foundation ? c.E : GameRules[52];
        EXPECT_EQ(CanPlace(T, c.M, c.E, true, c.w, false, c.foundation, c.ch, c.dir, base), c.want)
            << "rule " << c.ch << ": " << c.why;
    }
}

TEST_F(Placement, RuleCodesOfRankAndSuit) {
    Sweep({
        {.why = "queen never on a king", .ch = 11, .foundation = true, .E = 13, .target = {H(13)}, .M = H(12)},
        {.why = "queen never on a jack", .ch = 11, .foundation = true, .dir = 1, .E = 1, .target = {H(11)}, .M = H(12)},
        {.why = "else as 0", .ch = 11, .foundation = true, .dir = 1, .E = 1, .target = {H(10)}, .M = H(11), .want = true},
        {.why = "as 0: same suit", .ch = 11, .foundation = true, .dir = 1, .E = 1, .target = {H(10)}, .M = D(11)},
        {.why = "always", .ch = 12, .target = {H(5)}, .M = S(13), .want = true},
        {.why = "step 2", .ch = 14, .target = {H(5)}, .M = S(7), .want = true},
        {.why = "step 2 around", .ch = 14, .target = {H(12)}, .M = S(1), .want = true},
        {.why = "not step 1", .ch = 14, .target = {H(5)}, .M = S(6)},
        {.why = "step 3 around", .ch = 15, .target = {H(11)}, .M = S(1), .want = true},
        {.why = "step 4 to a king", .ch = 16, .target = {H(9)}, .M = S(13), .want = true},
        {.why = "step 4 around", .ch = 16, .target = {H(10)}, .M = S(1), .want = true},
        {.why = "step on empty: empty rule", .ch = 16, .E = 4, .M = S(4), .want = true},
        {.why = "up from ace only", .ch = 20, .M = S(1), .want = true},
        {.why = "empty takes no 2", .ch = 20, .M = S(2)},
        {.why = "ace on a king", .ch = 20, .target = {H(13)}, .M = S(1), .want = true},
        {.why = "up any suit", .ch = 20, .target = {H(5)}, .M = S(6), .want = true},
        {.why = "not down", .ch = 20, .target = {H(5)}, .M = S(4)},
        {.why = "other suit up", .ch = 21, .foundation = true, .dir = 1, .E = 1, .target = {H(4)}, .M = D(5), .want = true},
        {.why = "not its own suit", .ch = 21, .foundation = true, .dir = 1, .E = 1, .target = {H(4)}, .M = H(5)},
        {.why = "no king on a queen", .ch = 24, .foundation = true, .dir = 1, .E = 1, .target = {H(12)}, .M = H(13)},
        {.why = "suit up", .ch = 24, .foundation = true, .dir = 1, .E = 1, .target = {H(11)}, .M = H(12), .want = true},
        {.why = "suit only", .ch = 24, .foundation = true, .dir = 1, .E = 1, .target = {H(11)}, .M = D(12)},
        {.why = "no queen on a king", .ch = 24, .dir = 0, .target = {H(13)}, .M = H(12)},
        {.why = "two up", .ch = 25, .dir = 1, .target = {H(3)}, .M = H(5), .want = true},
        {.why = "two down", .ch = 25, .dir = 0, .target = {H(5)}, .M = H(3), .want = true},
        {.why = "in suit", .ch = 25, .dir = 1, .target = {H(3)}, .M = D(5)},
        {.why = "no corner", .ch = 25, .dir = 1, .target = {H(13)}, .M = H(2)},
        {.why = "2 on king", .ch = 61, .dir = 1, .target = {H(13)}, .M = H(2), .want = true},
        {.why = "ace on queen", .ch = 61, .dir = 1, .target = {H(12)}, .M = H(1), .want = true},
        {.why = "not across suits", .ch = 61, .dir = 1, .target = {H(12)}, .M = S(1)},
        {.why = "down in suit", .ch = 31, .target = {H(5)}, .M = H(4), .want = true},
        {.why = "nothing on an ace", .ch = 31, .target = {H(1)}, .M = H(13)},
        {.why = "not on empty", .ch = 31, .M = H(13)},
        {.why = "up in suit", .ch = 32, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "nothing on a king", .ch = 32, .target = {H(13)}, .M = H(1)},
        {.why = "down any", .ch = 34, .target = {S(5)}, .M = H(4), .want = true},
        {.why = "not up", .ch = 34, .target = {S(5)}, .M = H(6)},
        {.why = "empty: empty rule", .ch = 34, .E = 5, .M = H(5), .want = true},
        {.why = "empty: empty rule refuses", .ch = 34, .E = 5, .M = H(6)},
        {.why = "up", .ch = 35, .target = {S(5)}, .M = H(6), .want = true},
        {.why = "king on ace", .ch = 35, .target = {S(1)}, .M = H(13), .want = true},
        {.why = "ace on king", .ch = 35, .target = {S(13)}, .M = H(1), .want = true},
        {.why = "not two", .ch = 35, .target = {S(5)}, .M = H(7)},
        {.why = "up in suit", .ch = 23, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "never empty", .ch = 23, .M = H(6)},
        {.why = "blocked by visible stock", .ch = 23, .target = {H(5)}, .M = H(6), .setup = [] { Put("Mazzo_Vis", C(2)); }},
        {.why = "empty: ace", .ch = 39, .M = H(1), .want = true},
        {.why = "empty: no 2", .ch = 39, .M = H(2)},
        {.why = "up", .ch = 39, .target = {S(5)}, .M = H(6), .want = true},
        {.why = "no queen", .ch = 39, .target = {S(11)}, .M = H(12)},
        {.why = "two up in suit", .ch = 43, .target = {H(3)}, .M = H(5), .want = true},
        {.why = "no corner", .ch = 43, .target = {H(12)}, .M = H(1)},
        {.why = "never empty", .ch = 43, .M = H(1)},
        {.why = "empty ace", .ch = 44, .M = H(1), .want = true},
        {.why = "no king", .ch = 44, .target = {S(12)}, .M = H(13)},
        {.why = "up", .ch = 44, .target = {S(5)}, .M = H(6), .want = true},
        {.why = "rank = pile number", .ch = 73, .w = 4, .target = {S(9)}, .M = H(5), .want = true},
        {.why = "other rank", .ch = 73, .w = 4, .M = H(6)},
        {.why = "lower rank", .ch = 76, .target = {S(9)}, .M = H(5), .want = true},
        {.why = "not higher", .ch = 76, .target = {S(9)}, .M = H(10)},
        {.why = "empty any", .ch = 76, .M = H(10), .want = true},
        {.why = "ace on king", .ch = 78, .foundation = true, .target = {H(13)}, .M = S(1), .want = true},
        {.why = "suit up", .ch = 78, .foundation = true, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "suit only", .ch = 78, .foundation = true, .target = {H(5)}, .M = S(6)},
        {.why = "empty ace", .ch = 78, .foundation = true, .M = S(1), .want = true},
        {.why = "empty no 2", .ch = 78, .foundation = true, .M = S(2)},
        {.why = "cycle hearts to clubs", .ch = 86, .target = {H(1)}, .M = C(2), .want = true},
        {.why = "not hearts to diamonds", .ch = 86, .target = {H(1)}, .M = D(2)},
        {.why = "clubs to diamonds", .ch = 86, .target = {C(5)}, .M = D(6), .want = true},
        {.why = "spades to hearts", .ch = 86, .target = {S(5)}, .M = H(6), .want = true},
        {.why = "empty ace", .ch = 86, .M = S(1), .want = true},
        {.why = "down in cycle", .ch = 87, .target = {H(5)}, .M = C(4), .want = true},
        {.why = "not up", .ch = 87, .target = {H(5)}, .M = C(6)},
        {.why = "empty any", .ch = 87, .M = C(6), .want = true},
        {.why = "only aces", .ch = 92, .target = {S(9)}, .M = H(1), .want = true},
        {.why = "no 2", .ch = 92, .M = H(2)},
        {.why = "other colour, rank below", .ch = 94, .target = {S(5)}, .M = H(4), .want = true},
        {.why = "same colour", .ch = 94, .target = {S(5)}, .M = C(4)},
        {.why = "king below an ace", .ch = 94, .target = {D(1)}, .M = C(13), .want = true},
        {.why = "also below the first ace", .ch = 94, .target = {H(1)}, .M = C(13), .want = true},
        {.why = "suit, rank above", .ch = 95, .foundation = true, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "ace above king", .ch = 95, .foundation = true, .target = {S(13)}, .M = S(1), .want = true},
        {.why = "suit only", .ch = 95, .foundation = true, .target = {H(5)}, .M = D(6)},
        {.why = "empty ace", .ch = 95, .foundation = true, .M = D(1), .want = true},
        {.why = "a 7 on an ace", .ch = 98, .foundation = true, .target = {H(1)}, .M = H(7), .want = true},
        {.why = "a 2 on an ace", .ch = 98, .foundation = true, .target = {H(1)}, .M = H(2), .want = true},
        {.why = "no 3", .ch = 98, .foundation = true, .target = {H(1)}, .M = H(3)},
        {.why = "empty: start rank", .ch = 98, .foundation = true, .w = 1, .M = H(4), .want = true, .setup = [] { GameRules[53] = 4; }},
        {.why = "unknown code refuses", .ch = 57, .target = {S(5)}, .M = H(4)},
        {.why = "unknown code refuses empty", .ch = 121, .M = H(4)},
    });
}

TEST_F(Placement, RuleCodesThatLookAtTheTable) {
    Sweep({
        {.why = "not from tableau", .ch = 17, .M = H(4), .from = "Fila4"},
        {.why = "from a cell", .ch = 17, .M = H(4), .from = "Appogg1", .want = true},
        {.why = "tableau while pile w empty", .ch = 18, .foundation = true, .M = H(4), .from = "Fila4", .want = true},
        {.why = "tableau while pile w holds", .ch = 18, .foundation = true, .M = H(4), .from = "Fila4", .setup = [] { Put("Fila1", S(2)); }},
        {.why = "not from a cell", .ch = 19, .M = H(4), .from = "Appogg1"},
        {.why = "from the stock", .ch = 19, .M = H(4), .from = "Mazzo_Vis", .want = true},
        {.why = "one card on pile w", .ch = 33, .target = {S(9)}, .M = H(4), .from = "Mazzo_Vis", .want = true},
        {.why = "two on pile w", .ch = 33, .target = {S(9), S(8)}, .M = H(4), .from = "Mazzo_Vis"},
        {.why = "fewer than 3 on pile w", .ch = 26, .target = {S(9), D(8)}, .M = H(7), .want = true},
        {.why = "up too", .ch = 26, .target = {S(9)}, .M = H(10), .want = true},
        {.why = "3 cards block", .ch = 26, .target = {S(9), D(8), C(7)}, .M = H(6)},
        {.why = "empty king by entry 132", .ch = 26, .M = H(13), .want = true, .setup = [] { GameRules[132] = 13; }},
        {.why = "empty queen refused", .ch = 26, .M = H(12), .setup = [] { GameRules[132] = 13; }},
        {.why = "empty -1 any", .ch = 26, .M = H(12), .want = true, .setup = [] { GameRules[132] = -1; }},
        {.why = "empty 0 none", .ch = 26, .M = H(12), .setup = [] { GameRules[132] = 0; }},
        {.why = "not from foundation", .ch = 27, .target = {S(10)}, .M = H(9), .from = "Dest3"},
        {.why = "not from cell", .ch = 27, .target = {S(10)}, .M = H(9), .from = "Appogg2"},
        {.why = "alternating from tableau", .ch = 27, .target = {S(10)}, .M = H(9), .from = "Fila5", .want = true},
        {.why = "empty any", .ch = 28, .M = H(9), .want = true},
        {.why = "only 2 on ace", .ch = 28, .target = {S(1)}, .M = H(2), .want = true},
        {.why = "no king on ace", .ch = 28, .target = {S(1)}, .M = H(13)},
        {.why = "queen on king", .ch = 28, .target = {S(13)}, .M = H(12), .want = true},
        {.why = "up or down", .ch = 28, .target = {S(5)}, .M = H(6), .want = true},
        {.why = "in suit", .ch = 60, .target = {S(5)}, .M = H(6)},
        {.why = "in suit ok", .ch = 60, .target = {S(5)}, .M = S(4), .want = true},
        {.why = "up to 12", .ch = 29, .foundation = true, .E = 1, .target = {H(1), H(2)}, .M = H(3), .want = true},
        {.why = "second king at 13", .ch = 29, .foundation = true, .E = 1, .target = {H(13)}, .M = H(13, 2), .want = true, .setup = [] { DestPiles[0] = Filler(12) + FormatCode(H(13)); }},
        {.why = "then down", .ch = 29, .foundation = true, .E = 1, .target = {H(13, 2)}, .M = H(12, 2), .want = true, .setup = [] { DestPiles[0] = Filler(13) + FormatCode(H(13, 2)); }},
        {.why = "not up past 13", .ch = 29, .foundation = true, .E = 1, .target = {H(12)}, .M = H(13, 2), .setup = [] { DestPiles[0] = Filler(14) + FormatCode(H(12)); }},
        {.why = "empty: colour balance", .ch = 29, .foundation = true, .E = 85, .M = H(1), .want = true, .setup = [] { for (int i = 0; i < 4; ++i) GameRules[static_cast<size_t>(52 + i)] = 85; }},
        {.why = "one card up", .ch = 30, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "one card down", .ch = 30, .target = {H(5)}, .M = H(4), .want = true},
        {.why = "pile going down", .ch = 30, .target = {H(6), H(5)}, .M = H(4), .want = true},
        {.why = "pile going down, not up", .ch = 30, .target = {H(6), H(5)}, .M = H(6, 2)},
        {.why = "pile going up", .ch = 30, .target = {H(4), H(5)}, .M = H(6), .want = true},
        {.why = "no king on ace", .ch = 30, .target = {H(1)}, .M = H(13)},
        {.why = "empty: base and previous foundation started", .ch = 36, .foundation = true, .w = 1, .E = 5, .M = H(5), .want = true, .setup = [] { Put("Dest1", S(5)); }},
        {.why = "previous foundation empty", .ch = 36, .foundation = true, .w = 1, .E = 5, .M = H(5)},
        {.why = "first foundation free", .ch = 36, .foundation = true, .E = 5, .M = H(5), .want = true},
        {.why = "down", .ch = 36, .foundation = true, .E = 5, .target = {H(5)}, .M = S(4), .want = true},
        {.why = "king on ace", .ch = 36, .foundation = true, .E = 5, .target = {H(1)}, .M = S(13), .want = true},
        {.why = "doubling", .ch = 37, .target = {H(3)}, .M = S(6), .want = true},
        {.why = "doubling mod 13", .ch = 37, .target = {H(7)}, .M = S(1), .want = true},
        {.why = "not +1", .ch = 37, .target = {H(4)}, .M = S(5)},
        {.why = "king waits for 48", .ch = 37, .target = {H(7)}, .M = S(13), .setup = [] { DestPiles[0] = Filler(47); }},
        {.why = "king after 48", .ch = 37, .target = {H(7)}, .M = S(13), .want = true, .setup = [] { DestPiles[0] = Filler(48); }},
        {.why = "empty king", .ch = 38, .M = S(13), .want = true},
        {.why = "onto a lone king", .ch = 38, .target = {H(13)}, .M = S(5), .want = true},
        {.why = "not a queen", .ch = 38, .target = {H(13)}, .M = S(12)},
        {.why = "not onto two cards", .ch = 38, .target = {H(4), H(13)}, .M = S(5)},
        {.why = "visible stock blocks", .ch = 38, .M = S(13), .setup = [] { Put("Mazzo_Vis", C(2)); }},
        {.why = "empty king", .ch = 45, .M = S(13), .want = true},
        {.why = "onto a lone card", .ch = 45, .target = {H(4)}, .M = S(9), .want = true},
        {.why = "down onto a pile", .ch = 45, .target = {H(9), H(4)}, .M = S(3), .want = true},
        {.why = "not up onto a pile", .ch = 45, .target = {H(9), H(4)}, .M = S(5)},
        {.why = "no king", .ch = 45, .target = {H(4)}, .M = S(13)},
        {.why = "empty queen", .ch = 48, .M = S(12), .want = true},
        {.why = "onto a lone queen", .ch = 48, .target = {H(12)}, .M = S(5), .want = true},
        {.why = "no queen on queen", .ch = 48, .target = {H(12)}, .M = S(12)},
        {.why = "not on a king", .ch = 48, .target = {H(13)}, .M = S(5)},
        {.why = "empty: start rank", .ch = 46, .foundation = true, .M = S(3), .want = true, .setup = [] { GameRules[52] = 3; }},
        {.why = "empty: other rank", .ch = 46, .foundation = true, .M = S(4), .setup = [] { GameRules[52] = 3; }},
        {.why = "up", .ch = 46, .foundation = true, .target = {H(5)}, .M = S(6), .want = true},
        {.why = "never a queen", .ch = 46, .foundation = true, .target = {H(11)}, .M = S(12)},
        {.why = "start while pile w holds", .ch = 49, .foundation = true, .M = S(3), .want = true, .setup = [] { GameRules[52] = 3; Put("Fila1", D(9)); }},
        {.why = "no start while pile w empty", .ch = 49, .foundation = true, .M = S(3), .setup = [] { GameRules[52] = 3; }},
        {.why = "suit of pile w's bottom", .ch = 51, .foundation = true, .M = D(3), .want = true, .setup = [] { GameRules[52] = 3; FilaPiles[0] = PileOf({D(9), S(2)}); }},
        {.why = "other suit", .ch = 51, .foundation = true, .M = S(3), .setup = [] { GameRules[52] = 3; FilaPiles[0] = PileOf({D(9), S(2)}); }},
        {.why = "down", .ch = 47, .foundation = true, .target = {H(5)}, .M = S(4), .want = true},
        {.why = "king on ace", .ch = 47, .foundation = true, .target = {H(1)}, .M = S(13), .want = true},
        {.why = "never a queen", .ch = 47, .foundation = true, .target = {H(13)}, .M = S(12)},
        {.why = "start while pile w-8 holds", .ch = 50, .foundation = true, .w = 9, .M = S(6), .want = true, .setup = [] { GameRules[61] = 6; Put("Fila2", D(9)); }},
        {.why = "no start while pile w-8 empty", .ch = 50, .foundation = true, .w = 9, .M = S(6), .setup = [] { GameRules[61] = 6; }},
        {.why = "suit of pile w-8's bottom", .ch = 52, .foundation = true, .w = 9, .M = S(6), .setup = [] { GameRules[61] = 6; Put("Fila2", D(9)); }},
        {.why = "first foundation free", .ch = 53, .foundation = true, .target = {H(5)}, .M = S(6), .want = true},
        {.why = "others wait for foundation 1", .ch = 53, .foundation = true, .w = 1, .target = {H(5)}, .M = S(6), .setup = [] { DestPiles[0] = Filler(12); }},
        {.why = "foundation 1 full", .ch = 53, .foundation = true, .w = 1, .target = {H(13)}, .M = S(1), .want = true, .setup = [] { DestPiles[0] = Filler(13); }},
        {.why = "empty: not from tableau", .ch = 54, .M = S(13), .from = "Fila3", .setup = [] { GameRules[132] = 13; }},
        {.why = "empty: from the stock", .ch = 54, .M = S(13), .from = "Mazzo_Vis", .want = true, .setup = [] { GameRules[132] = 13; }},
        {.why = "down", .ch = 54, .target = {H(5)}, .M = S(4), .want = true},
        {.why = "king on ace by corner 1", .ch = 54, .target = {H(1)}, .M = S(13), .want = true, .setup = [] { GameRules[252] = 1; }},
        {.why = "no king on ace otherwise", .ch = 54, .target = {H(1)}, .M = S(13)},
        {.why = "down in colour", .ch = 55, .target = {H(5)}, .M = D(4), .want = true},
        {.why = "other colour", .ch = 55, .target = {H(5)}, .M = S(4)},
        {.why = "lone visible card must go first", .ch = 55, .target = {H(5)}, .M = D(4), .from = "Fila3", .setup = [] { Put("Mazzo_Vis", C(9)); }},
        {.why = "the visible card itself", .ch = 55, .target = {H(10)}, .M = D(9), .from = "Mazzo_Vis", .want = true},
        {.why = "two visible cards block", .ch = 55, .target = {H(10)}, .M = D(9), .from = "Mazzo_Vis", .setup = [] { Put("Mazzo_Vis", C(2)); }},
        {.why = "same rank from a later pile", .ch = 56, .w = 1, .target = {H(5)}, .M = S(5), .from = "Fila4", .want = true},
        {.why = "from the pile itself onwards", .ch = 56, .w = 3, .target = {H(5)}, .M = S(5), .from = "Fila4", .want = true},
        {.why = "not from an earlier pile", .ch = 56, .w = 4, .target = {H(5)}, .M = S(5), .from = "Fila4"},
        {.why = "not from a cell", .ch = 56, .w = 1, .target = {H(5)}, .M = S(5), .from = "Appogg1"},
        {.why = "rank by count / 4 + 1", .ch = 77, .foundation = true, .target = {H(2)}, .M = S(3), .want = true, .setup = [] { DestPiles[0] = Filler(8); }},
        {.why = "other rank", .ch = 77, .foundation = true, .target = {H(2)}, .M = S(4), .setup = [] { DestPiles[0] = Filler(8); }},
        {.why = "empty ace", .ch = 77, .foundation = true, .M = S(1), .want = true},
        {.why = "13th from own cell", .ch = 79, .foundation = true, .target = {H(12)}, .M = H(13), .from = "Appogg1", .want = true, .setup = [] { DestPiles[0] = Filler(11) + FormatCode(H(12)); }},
        {.why = "13th not from another cell", .ch = 79, .foundation = true, .target = {H(12)}, .M = H(13), .from = "Appogg2", .setup = [] { DestPiles[0] = Filler(11) + FormatCode(H(12)); }},
        {.why = "13th must come from the cell", .ch = 79, .foundation = true, .target = {H(12)}, .M = H(13), .from = "Fila1", .setup = [] { DestPiles[0] = Filler(11) + FormatCode(H(12)); }},
        {.why = "cell card before the 13th", .ch = 79, .foundation = true, .target = {H(1)}, .M = H(2), .from = "Appogg1"},
        {.why = "up from the tableau", .ch = 79, .foundation = true, .target = {H(1)}, .M = H(2), .from = "Fila1", .want = true},
        {.why = "ace on king", .ch = 79, .foundation = true, .target = {H(13)}, .M = C(1), .want = true},
        {.why = "not from tableau", .ch = 80, .target = {H(5)}, .M = H(6), .from = "Fila3"},
        {.why = "suit up", .ch = 80, .target = {H(5)}, .M = H(6), .from = "Mazzo_Vis", .want = true},
        {.why = "king and ace adjacent", .ch = 81, .target = {H(13)}, .M = H(1), .from = "Mazzo_Vis", .want = true},
        {.why = "suit only", .ch = 81, .target = {H(5)}, .M = D(6), .from = "Mazzo_Vis"},
        {.why = "empty any", .ch = 80, .M = D(6), .from = "Appogg1", .want = true},
        {.why = "empty: not from tableau", .ch = 94, .M = H(4), .from = "Fila3"},
        {.why = "empty: visible stock while cells empty", .ch = 94, .M = H(4), .from = "Mazzo_Vis", .want = true},
        {.why = "empty: visible stock waits for cells", .ch = 94, .M = H(4), .from = "Mazzo_Vis", .setup = [] { Put("Appogg4", S(2)); }},
        {.why = "empty: from a cell", .ch = 94, .M = H(4), .from = "Appogg4", .want = true},
        {.why = "step by own bottom", .ch = 97, .foundation = true, .target = {H(2), H(4)}, .M = S(6), .want = true},
        {.why = "step by partner's bottom", .ch = 97, .foundation = true, .w = 3, .target = {H(5)}, .M = S(8), .want = true, .setup = [] { Put("Dest2", C(3)); }},
        {.why = "other step refused", .ch = 97, .foundation = true, .w = 3, .target = {H(5)}, .M = S(7), .setup = [] { Put("Dest2", C(3)); }},
        {.why = "step past the king", .ch = 97, .foundation = true, .w = 3, .target = {H(12)}, .M = S(2), .want = true, .setup = [] { Put("Dest2", C(3)); }},
        {.why = "at most 12 cards", .ch = 97, .foundation = true, .target = {H(2)}, .M = S(4), .setup = [] { DestPiles[0] = FormatCode(H(2)) + Filler(11); }},
        {.why = "empty: start rank", .ch = 97, .foundation = true, .w = 2, .M = S(3), .want = true, .setup = [] { GameRules[54] = 3; }},
    });
}

TEST_F(Placement, RunningCountRule) {
    RunningCount = 3;
    EXPECT_TRUE(CanPlace(H(9), S(3), -1, true, 0, false, false, 40, 0, 0));
    EXPECT_FALSE(CanPlace(H(9), S(4), -1, true, 0, false, false, 40, 0, 0));
    RunningCount = 26;
    EXPECT_TRUE(CanPlace(-1, S(13), -1, true, 0, false, false, 40, 0, 0));
    EXPECT_FALSE(CanPlace(-1, S(1), -1, true, 0, false, false, 40, 0, 0));
    MazzoPiles[0] = PileOf({C(5)});
    EXPECT_TRUE(CanPlace(-1, S(1), -1, true, 0, false, false, 40, 0, 0));
    MazzoPiles[1] = PileOf({C(6)});
    EXPECT_FALSE(CanPlace(-1, S(1), -1, true, 0, false, false, 40, 0, 0));
}

TEST_F(Placement, TwoStepRuleAndItsFoundationGroups) {
    auto place = [](int w, CardCode T, CardCode M) {
        return CanPlace(T, M, GameRules[static_cast<size_t>(52 + w)], true, w, true, true, 41, 1,
                        GameRules[static_cast<size_t>(52 + w)]);
    };
    EXPECT_TRUE(place(0, H(3), H(5)));
    EXPECT_TRUE(place(0, H(11), H(13)));
    EXPECT_TRUE(place(0, H(12), H(1)));
    EXPECT_FALSE(place(0, H(3), D(5)));
    GameRules[367] = 8;
    for (int i = 0; i < 4; ++i) GameRules[static_cast<size_t>(52 + i)] = 1;
    for (int i = 4; i < 8; ++i) GameRules[static_cast<size_t>(52 + i)] = 2;
    DestPiles[0] = PileOf({H(1)});
    EXPECT_FALSE(place(1, -1, H(1, 2)));  // hearts already start this group
    EXPECT_TRUE(place(1, -1, D(1)));
    EXPECT_FALSE(place(1, -1, D(2)));
    DestPiles[4] = PileOf({D(2)});
    EXPECT_TRUE(place(5, -1, H(2)));  // the first group does not count
    EXPECT_FALSE(place(5, -1, D(2, 2)));
}

TEST_F(Placement, CommonStepOfAllFoundations) {
    auto place = [](CardCode T, CardCode M) { return CanPlace(T, M, 1, true, 1, true, true, 91, 1, 1); };
    // No foundation holds two cards yet: steps of 1 and 2 both go.
    EXPECT_TRUE(place(H(3), S(4)));
    EXPECT_TRUE(place(H(3), S(5)));
    EXPECT_FALSE(place(H(3), S(6)));
    EXPECT_TRUE(place(H(13), S(2)));
    DestPiles[0] = PileOf({H(3), H(5)});
    EXPECT_TRUE(place(D(7), S(9)));
    EXPECT_FALSE(place(D(7), S(8)));
    EXPECT_TRUE(place(D(13), S(2)));
    EXPECT_TRUE(place(D(12), S(1)));
    EXPECT_FALSE(place(D(13), S(1)));
    // A king followed by an ace is a step of 1.
    DestPiles[0] = PileOf({H(13), H(1)});
    EXPECT_TRUE(place(D(13), S(1)));
    EXPECT_FALSE(place(D(13), S(2)));
    // Empty foundations keep their empty rule.
    EXPECT_TRUE(place(-1, S(1)));
    EXPECT_FALSE(place(-1, S(2)));
}

TEST_F(Placement, GridNeighbourAndJumpRules) {
    GameRules[368] = 9;
    GameRules[28] = 3;  // 3 x 3: piles 0 1 2 / 3 4 5 / 6 7 8
    auto from = [](int s, CardCode M) {
        for (auto& p : FilaPiles) p.clear();
        FilaPiles[static_cast<size_t>(s)] = PileOf({M});
    };
    auto ask = [](int w, int ch, CardCode M) {
        return CanPlace(-1, M, -1, true, w, false, false, ch, 0, 0);
    };
    from(3, H(5));
    EXPECT_TRUE(ask(4, 70, H(5)));
    from(1, H(5));
    EXPECT_TRUE(ask(4, 70, H(5)));
    from(0, H(5));
    EXPECT_FALSE(ask(4, 70, H(5)));  // diagonal
    from(2, H(5));
    EXPECT_FALSE(ask(3, 70, H(5)));  // across the end of a row
    EXPECT_FALSE(CanPlace(S(9), H(5), -1, true, 1, false, false, 70, 0, 0));  // not onto a card
    EXPECT_FALSE(CanPlace(-1, H(5), -1, true, 1, false, true, 70, 0, 0));     // tableau only

    from(2, H(5));
    EXPECT_FALSE(ask(0, 71, H(5)));  // nothing to jump over
    FilaPiles[1] = PileOf({S(9)});
    EXPECT_TRUE(ask(0, 71, H(5)));
    from(6, H(5));
    FilaPiles[3] = PileOf({S(9)});
    EXPECT_TRUE(ask(0, 71, H(5)));
    from(4, H(5));
    FilaPiles[3] = PileOf({S(9)});
    EXPECT_FALSE(ask(2, 71, H(5)));  // a row break is no jump
    GameRules[28] = 0;
    from(3, H(5));
    EXPECT_FALSE(ask(4, 70, H(5)));  // no grid: no neighbours
}

TEST_F(Placement, StockLockKeepsTableauCardsWhileTheStockHoldsCards) {
    Foundation(0, 1, 1, 0);
    Tableau(0, -1, 0, 2);
    FilaPiles[0] = PileOf({S(10)});
    FilaPiles[1] = PileOf({H(1)});
    FilaPiles[2] = PileOf({H(9)});
    MazzoPiles[0] = PileOf({C(4)});
    GameRules[35] = 1;
    EXPECT_FALSE(CanDropOnFoundation(0, H(1)));
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    MazzoPiles[1] = PileOf({D(1)});
    EXPECT_TRUE(CanDropOnFoundation(0, D(1)));  // the visible stock is free
    for (int lock : {2, 3}) {
        GameRules[35] = static_cast<int16_t>(lock);
        EXPECT_FALSE(CanDropOnTableau(0, H(9)));
    }
    MazzoPiles[0].clear();
    MazzoPiles[1].clear();
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    EXPECT_TRUE(CanDropOnFoundation(0, H(1)));
}

// ---------------------------------------------------------------------------
// Rules chosen for this engine
// ---------------------------------------------------------------------------

TEST_F(Placement, JokersOnFoundationsStandForTheCardTheyReplace) {
    auto f = [](int rule, int E, const std::vector<CardCode>& pile, CardCode M) {
        DestPiles[0] = PileOf(pile);
        return CanPlace(pile.empty() ? -1 : pile.back(), M, E, true, 0, true, true, rule, 1, E);
    };
    EXPECT_TRUE(f(72, 1, {}, kJoker));
    EXPECT_TRUE(f(72, 1, {}, H(1)));
    EXPECT_FALSE(f(72, 1, {}, H(2)));
    EXPECT_TRUE(f(72, 1, {H(1), kJoker}, H(3)));  // the joker is the 2
    EXPECT_FALSE(f(72, 1, {H(1), kJoker}, H(2)));
    EXPECT_FALSE(f(72, 1, {H(1), kJoker}, D(3)));
    EXPECT_TRUE(f(72, 1, {kJoker}, C(2)));  // a starting joker is the ace of any suit
    EXPECT_TRUE(f(72, 1, {kJoker, C(2)}, C(3)));
    EXPECT_FALSE(f(72, 1, {kJoker, C(2)}, H(3)));
    EXPECT_TRUE(f(72, 1, {kJoker, kJoker2}, C(3)));
    EXPECT_TRUE(f(72, 7, {H(12), H(13), kJoker}, H(2)));  // around the corner
    EXPECT_TRUE(f(72, -1, {kJoker}, S(9)));
    EXPECT_TRUE(f(72, 1, {H(1)}, kJoker2));
    EXPECT_TRUE(f(72, 1, {H(1), kJoker}, kJoker2));
    std::vector<CardCode> full;
    for (int r = 1; r <= 12; ++r) full.push_back(H(r));
    full.push_back(kJoker);
    EXPECT_FALSE(f(72, 1, full, kJoker2));
    EXPECT_FALSE(f(72, 1, full, H(1, 2)));
    // 75: a joker neither starts a foundation nor follows another joker.
    EXPECT_FALSE(f(75, 1, {}, kJoker));
    EXPECT_TRUE(f(75, 1, {H(1)}, kJoker));
    EXPECT_FALSE(f(75, 1, {H(1), kJoker}, kJoker2));
    EXPECT_TRUE(f(75, 1, {H(1), kJoker}, H(3)));
    // Jokers fit nowhere in the ordinary rules.
    EXPECT_FALSE(CanPlace(H(5), kJoker, 1, true, 0, true, true, 0, 1, 1));
    EXPECT_FALSE(CanPlace(kJoker, H(5), 1, true, 0, true, true, 2, 1, 1));
    EXPECT_FALSE(CanPlace(H(5), kJoker, 1, true, 0, true, true, 82, 1, 1));
}

TEST_F(Placement, DefinedRulesWithConditionsOfTheirOwn) {
    Sweep({
        {.why = "stock card up", .ch = 88, .target = {S(5)}, .M = H(6), .from = "Mazzo_Vis", .want = true},
        {.why = "stock card down", .ch = 88, .target = {S(5)}, .M = H(4), .from = "Mazzo", .want = true},
        {.why = "tableau card refused", .ch = 88, .target = {S(5)}, .M = H(6), .from = "Fila3"},
        {.why = "stock card onto empty", .ch = 88, .M = H(6), .from = "Mazzo_Vis", .want = true},
        {.why = "single down in suit", .ch = 89, .target = {S(5)}, .M = S(4), .want = true},
        {.why = "stack refused", .ch = 89, .target = {S(5)}, .M = S(4), .setup = [] { SetMovingStackSingle(false); }},
        {.why = "same rank", .ch = 90, .target = {S(5)}, .M = H(5), .want = true},
        {.why = "four at most", .ch = 90, .target = {S(5), H(5), D(5), C(5)}, .M = H(5, 2)},
        {.why = "empty any", .ch = 90, .M = H(9), .want = true},
        {.why = "from a cell, as 0", .ch = 93, .foundation = true, .dir = 1, .E = 1, .target = {H(5)}, .M = H(6), .from = "Appogg2", .want = true},
        {.why = "not from tableau", .ch = 93, .foundation = true, .dir = 1, .E = 1, .target = {H(5)}, .M = H(6), .from = "Fila2"},
        {.why = "from a cell, wrong suit", .ch = 93, .foundation = true, .dir = 1, .E = 1, .target = {H(5)}, .M = D(6), .from = "Appogg2"},
    });
}

TEST_F(Placement, DefinedRulesOfSuitAndStep) {
    Sweep({
        {.why = "alternate down", .ch = 74, .target = {S(5)}, .M = H(4), .want = true},
        {.why = "king on ace", .ch = 74, .target = {S(1)}, .M = H(13), .want = true},
        {.why = "same colour", .ch = 74, .target = {S(5)}, .M = C(4)},
        {.why = "ace on king", .ch = 82, .target = {H(13)}, .M = H(1), .want = true},
        {.why = "down", .ch = 82, .target = {H(5)}, .M = H(4), .want = true},
        {.why = "suit", .ch = 82, .target = {H(5)}, .M = D(6)},
        {.why = "colour down", .ch = 83, .target = {H(5)}, .M = D(4), .want = true},
        {.why = "colour", .ch = 83, .target = {H(5)}, .M = S(4)},
        {.why = "empty king", .ch = 83, .M = S(13), .want = true},
        {.why = "empty queen", .ch = 83, .M = S(12)},
        {.why = "two down", .ch = 84, .target = {H(5)}, .M = S(3), .want = true},
        {.why = "one down", .ch = 84, .target = {H(5)}, .M = S(4)},
        {.why = "no corner", .ch = 84, .target = {H(2)}, .M = S(13)},
        {.why = "alternate up", .ch = 85, .target = {H(5)}, .M = S(6), .want = true},
        {.why = "no corner", .ch = 85, .target = {H(13)}, .M = S(1)},
        {.why = "other suit down", .ch = 96, .target = {H(5)}, .M = D(4), .want = true},
        {.why = "same suit", .ch = 96, .target = {H(5)}, .M = H(4, 2)},
        {.why = "alternate up", .ch = 99, .target = {H(5)}, .M = S(6), .want = true},
        {.why = "alternate down", .ch = 99, .target = {H(5)}, .M = C(4), .want = true},
        {.why = "colour", .ch = 99, .target = {H(5)}, .M = D(6)},
        {.why = "colour up", .ch = 100, .target = {H(5)}, .M = D(6), .want = true},
        {.why = "not down", .ch = 100, .target = {H(5)}, .M = D(4)},
        {.why = "colour down", .ch = 101, .target = {H(5)}, .M = D(4), .want = true},
        {.why = "colour", .ch = 101, .target = {H(5)}, .M = S(6)},
        {.why = "king on ace", .ch = 102, .target = {H(1)}, .M = S(13), .want = true},
        {.why = "not up", .ch = 102, .target = {H(5)}, .M = S(6)},
        {.why = "ace on king", .ch = 103, .target = {H(13)}, .M = S(1), .want = true},
        {.why = "not down", .ch = 103, .target = {H(5)}, .M = S(4)},
        {.why = "suit two down around", .ch = 104, .target = {H(1)}, .M = H(12), .want = true},
        {.why = "suit", .ch = 104, .target = {H(5)}, .M = D(3)},
        {.why = "colour two up around", .ch = 105, .target = {H(12)}, .M = D(1), .want = true},
        {.why = "colour", .ch = 105, .target = {H(5)}, .M = S(7)},
        {.why = "two up", .ch = 106, .target = {H(5)}, .M = S(7), .want = true},
        {.why = "two down", .ch = 106, .target = {H(5)}, .M = S(3), .want = true},
        {.why = "no corner", .ch = 106, .target = {H(12)}, .M = S(1)},
        {.why = "alternate around", .ch = 107, .target = {H(13)}, .M = S(1), .want = true},
        {.why = "colour", .ch = 107, .target = {H(13)}, .M = D(1)},
        {.why = "other suit up", .ch = 108, .target = {H(5)}, .M = D(6), .want = true},
        {.why = "same suit", .ch = 108, .target = {H(5)}, .M = H(6)},
        {.why = "empty king", .ch = 109, .M = H(13), .want = true},
        {.why = "empty ace", .ch = 109, .M = H(1)},
        {.why = "suit up", .ch = 109, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "empty ace", .ch = 110, .M = H(1), .want = true},
        {.why = "suit up", .ch = 110, .target = {H(5)}, .M = H(6), .want = true},
        {.why = "not down", .ch = 110, .target = {H(5)}, .M = H(4)},
        {.why = "suit down", .ch = 111, .target = {H(5)}, .M = H(4), .want = true},
        {.why = "empty queen", .ch = 111, .M = H(12)},
        {.why = "never empty", .ch = 112, .M = H(12)},
        {.why = "any down", .ch = 112, .target = {H(5)}, .M = S(4), .want = true},
        {.why = "empty any", .ch = 113, .M = H(7), .want = true},
        {.why = "alternate down", .ch = 113, .target = {H(5)}, .M = S(4), .want = true},
        {.why = "colour", .ch = 113, .target = {H(5)}, .M = D(4)},
        {.why = "colour two down", .ch = 114, .target = {H(5)}, .M = D(3), .want = true},
        {.why = "colour", .ch = 114, .target = {H(5)}, .M = S(3)},
        {.why = "suit three up around", .ch = 115, .target = {H(11)}, .M = H(1), .want = true},
        {.why = "suit three up", .ch = 115, .target = {H(5)}, .M = H(8), .want = true},
        {.why = "suit", .ch = 115, .target = {H(5)}, .M = D(8)},
        {.why = "suit three down around", .ch = 116, .target = {H(2)}, .M = H(12), .want = true},
        {.why = "suit three down", .ch = 116, .target = {H(5)}, .M = H(2), .want = true},
        {.why = "same rank other suit", .ch = 117, .target = {H(5)}, .M = S(5), .want = true},
        {.why = "same suit", .ch = 117, .target = {H(5)}, .M = H(5, 2)},
        {.why = "never empty", .ch = 117, .M = H(5)},
        {.why = "alternate two up", .ch = 118, .target = {H(5)}, .M = S(7), .want = true},
        {.why = "colour", .ch = 118, .target = {H(5)}, .M = D(7)},
        {.why = "suit king on ace", .ch = 119, .target = {H(1)}, .M = H(13), .want = true},
        {.why = "empty ace", .ch = 119, .M = H(1), .want = true},
        {.why = "empty king", .ch = 119, .M = H(13)},
        {.why = "any down", .ch = 120, .target = {H(5)}, .M = S(4), .want = true},
        {.why = "empty king", .ch = 120, .M = S(13), .want = true},
        {.why = "empty ace", .ch = 120, .M = S(1)},
        {.why = "empty: empty rule", .ch = 99, .E = 7, .M = S(7), .want = true},
        {.why = "empty: empty rule refuses", .ch = 99, .E = 7, .M = S(8)},
        {.why = "joker target", .ch = 103, .target = {kJoker}, .M = S(1)},
    });
}

// ---------------------------------------------------------------------------
// Stacks and tableau drop checks
// ---------------------------------------------------------------------------

TEST_F(Placement, StackTestsByGameMode) {
    Tableau(0, -1, 0, 3);
    Tableau(1, -1, 0, 3);
    FilaPiles[0] = PileOf({S(10)});
    FilaPiles[1] = PileOf({C(4), H(9), C(8)});
    SetMovingStackSingle(false);
    GameRules[2] = 1;
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    FilaPiles[1] = PileOf({C(4), H(9), D(8)});
    EXPECT_FALSE(CanDropOnTableau(0, H(9)));
    GameRules[2] = 0;
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    GameRules[2] = 11;  // same colour inside the stack
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    GameRules[2] = 10;  // same suit inside the stack
    EXPECT_FALSE(CanDropOnTableau(0, H(9)));
    FilaPiles[1] = PileOf({C(4), H(9), H(8)});
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
    // A single card is not a stack, whatever lies above it.
    GameRules[2] = 1;
    SetMovingStackSingle(true);
    EXPECT_TRUE(CanDropOnTableau(0, H(9)));
}

TEST_F(Placement, StackLimitOntoAnEmptyPile) {
    GameRules[368] = 4;
    GameRules[369] = 2;
    GameRules[13] = -5;
    GameRules[2] = 1;
    Tableau(0, -1, 0, 3);
    FilaPiles[1] = PileOf({S(13), H(12), C(11)});
    FilaPiles[2] = PileOf({D(5)});
    FilaPiles[3] = PileOf({D(6)});
    SetMovingStackSingle(false);
    EXPECT_TRUE(CanDropOnTableau(0, S(13)));  // two free cells + 1
    AppoggPiles[0] = PileOf({D(2)});
    EXPECT_FALSE(CanDropOnTableau(0, S(13)));
    EXPECT_TRUE(CanDropOnTableau(0, H(12)));
    FilaPiles[3].clear();  // another empty pile helps
    EXPECT_TRUE(CanDropOnTableau(0, S(13)));
    GameRules[13] = -1;
    AppoggPiles[1] = PileOf({D(3)});
    FilaPiles[3] = PileOf({D(6)});
    EXPECT_TRUE(CanDropOnTableau(0, S(13)));
}

TEST_F(Placement, TableauDropChecks) {
    Tableau(0, -1, 0, 2);
    FilaPiles[0] = PileOf({S(10), S(9), D(8)});
    GameRules[33] = 3;
    EXPECT_FALSE(CanDropOnTableau(0, H(7)));
    GameRules[33] = 4;
    EXPECT_TRUE(CanDropOnTableau(0, H(7)));
    GameRules[33] = -1;
    // The card the stack was lifted from is no target.
    MainGame.SetOpt(95, D(8));
    EXPECT_FALSE(CanDropOnTableau(0, H(7)));
    MainGame.SetOpt(95, 0);
    // A face-down top takes nothing, except in goal kind 40.
    SetFaceFlag(D(8), '0');
    EXPECT_FALSE(CanDropOnTableau(0, H(7)));
    GameRules[51] = 40;
    EXPECT_TRUE(CanDropOnTableau(0, H(7)));
    GameRules[51] = 0;
    SetFaceFlag(D(8), '1');
    // Rule 34: one card at a time onto a card.
    Tableau(0, -1, 0, 34);
    SetMovingStackSingle(false);
    FilaPiles[1] = PileOf({H(7), C(6)});
    EXPECT_FALSE(CanDropOnTableau(0, H(7)));
    SetMovingStackSingle(true);
    EXPECT_TRUE(CanDropOnTableau(0, H(7)));
    // Piles outside the game take nothing.
    EXPECT_FALSE(CanDropOnTableau(8, H(7)));
    EXPECT_FALSE(CanDropOnTableau(-1, H(7)));
}

TEST_F(Placement, FoundationDropChecks) {
    Foundation(0, 1, 1, 0);
    SetMovingStackSingle(false);
    EXPECT_FALSE(CanDropOnFoundation(0, H(1)));
    SetMovingStackSingle(true);
    EXPECT_FALSE(CanDropOnFoundation(4, H(1)));  // the game has four
    // Rule 10: a queen onto an empty foundation only.
    Foundation(1, 1, 1, 10);
    EXPECT_TRUE(CanDropOnFoundation(1, S(12)));
    EXPECT_FALSE(CanDropOnFoundation(1, S(11)));
    DestPiles[1] = PileOf({H(12)});
    EXPECT_FALSE(CanDropOnFoundation(1, S(12)));
    // Rule 22: no aces; other cards while a tableau top of the suit is higher or an ace.
    Foundation(2, 1, 1, 22);
    EXPECT_FALSE(CanDropOnFoundation(2, C(1)));
    EXPECT_FALSE(CanDropOnFoundation(2, C(5)));
    FilaPiles[3] = PileOf({C(9)});
    EXPECT_TRUE(CanDropOnFoundation(2, C(5)));
    EXPECT_FALSE(CanDropOnFoundation(2, C(10)));
    FilaPiles[3] = PileOf({C(1)});
    EXPECT_TRUE(CanDropOnFoundation(2, C(10)));
    // Capacity: rule 20 ignores GameRules[32] but stops at 52.
    GameRules[32] = 2;
    Foundation(3, 1, 1, 20);
    DestPiles[3] = PileOf({S(1), S(2), S(3)});
    EXPECT_TRUE(CanDropOnFoundation(3, H(4)));
    DestPiles[3] = Filler(51) + FormatCode(S(3));
    EXPECT_FALSE(CanDropOnFoundation(3, H(4)));
    DestPiles[0] = PileOf({H(1), H(2)});
    EXPECT_FALSE(CanDropOnFoundation(0, H(3)));
}

TEST_F(Placement, ReserveRules) {
    auto rule = [](int n, int R) { GameRules[static_cast<size_t>(331 + n)] = static_cast<int16_t>(R); };
    rule(1, 90);
    EXPECT_TRUE(CanDropOn("Appogg1", S(13)));
    EXPECT_FALSE(CanDropOn("Appogg1", S(12)));
    SetMovingStackSingle(false);
    EXPECT_FALSE(CanDropOn("Appogg1", S(13)));
    SetMovingStackSingle(true);
    AppoggPiles[0] = PileOf({H(13)});
    EXPECT_FALSE(CanDropOn("Appogg1", S(13)));
    AppoggPiles[0].clear();

    rule(2, 88);
    EXPECT_TRUE(CanDropOn("Appogg2", S(11)));
    EXPECT_FALSE(CanDropOn("Appogg2", S(12)));
    rule(2, 89);
    EXPECT_TRUE(CanDropOn("Appogg2", S(12)));
    rule(2, 9);
    EXPECT_TRUE(CanDropOn("Appogg2", S(11)));
    EXPECT_FALSE(CanDropOn("Appogg2", S(10)));
    rule(2, 4);
    EXPECT_FALSE(CanDropOn("Appogg2", S(11)));
    rule(2, 12);
    AppoggPiles[1] = PileOf({H(5)});
    EXPECT_TRUE(CanDropOn("Appogg2", S(11)));
    rule(2, 81);
    EXPECT_FALSE(CanDropOn("Appogg2", S(11)));
    AppoggPiles[1].clear();
    EXPECT_TRUE(CanDropOn("Appogg2", S(11)));

    // 8 and 13 count the cards of reserve cell 1.
    rule(3, 8);
    AppoggPiles[0] = PileOf({H(13), D(13)});
    AppoggPiles[2] = PileOf({C(13)});
    EXPECT_TRUE(CanDropOn("Appogg3", S(13)));
    EXPECT_FALSE(CanDropOn("Appogg3", S(12)));
    AppoggPiles[0] += FormatCode(C(13, 2));
    EXPECT_FALSE(CanDropOn("Appogg3", S(13)));
    rule(3, 13);
    EXPECT_TRUE(CanDropOn("Appogg3", S(2)));
    AppoggPiles[0] += Filler(2);
    EXPECT_FALSE(CanDropOn("Appogg3", S(2)));

    rule(4, 85);
    MazzoPiles[1] = PileOf({D(3)});
    EXPECT_TRUE(CanDropOn("Appogg4", D(3)));
    FilaPiles[0] = PileOf({D(4)});
    EXPECT_FALSE(CanDropOn("Appogg4", D(4)));

    rule(4, 107);
    AppoggPiles[3].clear();
    EXPECT_TRUE(CanDropOn("Appogg4", H(1)));
    EXPECT_FALSE(CanDropOn("Appogg4", H(2)));
    AppoggPiles[3] = PileOf({H(1)});
    EXPECT_TRUE(CanDropOn("Appogg4", S(1)));
    EXPECT_FALSE(CanDropOn("Appogg4", D(1)));

    // Any other code: one card into an empty cell, as the build code says.
    rule(4, 0);
    AppoggPiles[3].clear();
    EXPECT_TRUE(CanDropOn("Appogg4", D(4)));
    rule(4, 17);
    EXPECT_FALSE(CanDropOn("Appogg4", D(4)));  // lies on tableau pile 1
    EXPECT_TRUE(CanDropOn("Appogg4", D(3)));   // lies on the visible stock
    rule(4, 70);
    EXPECT_FALSE(CanDropOn("Appogg4", D(4)));  // a tableau-only rule
    EXPECT_FALSE(CanDropOn("Appogg5", D(3)));  // the game has four cells
    EXPECT_FALSE(CanDropOn("Appogg0", D(3)));
    EXPECT_FALSE(CanDropOn("Waste", D(3)));
    EXPECT_FALSE(CanDropOn("Mazzo_Vis", D(3)));
}

TEST_F(Placement, ReserveRuleByTheGamesStackTest) {
    GameRules[333] = 103;
    GameRules[2] = 1;
    Tableau(1, -1, 0, 3);
    FilaPiles[1] = PileOf({S(10), H(9), C(8)});
    SetMovingStackSingle(false);
    EXPECT_TRUE(CanDropOn("Appogg2", H(9)));
    FilaPiles[1] = PileOf({S(10), H(9), D(8)});
    EXPECT_FALSE(CanDropOn("Appogg2", H(9)));
    SetMovingStackSingle(true);
    EXPECT_TRUE(CanDropOn("Appogg2", H(9)));
    AppoggPiles[1] = PileOf({S(2)});
    EXPECT_FALSE(CanDropOn("Appogg2", H(9)));
}

TEST_F(Placement, DropByName) {
    Foundation(0, 1, 1, 0);
    Tableau(2, 13, 0, 3);
    EXPECT_TRUE(CanDropOn("Dest1", H(1)));
    EXPECT_FALSE(CanDropOn("Dest1", H(2)));
    EXPECT_TRUE(CanDropOn("Fila3", H(13)));
    EXPECT_FALSE(CanDropOn("Fila3", H(12)));
    EXPECT_FALSE(CanDropOn("Fila", H(13)));
    EXPECT_FALSE(CanDropOn("", H(13)));
}

TEST_F(Placement, TestsNeverChangeTheTable) {
    Foundation(0, 1, 1, 0);
    FilaPiles[0] = PileOf({H(1), H(2)});
    DestPiles[1] = PileOf({S(4)});
    MazzoPiles[1] = PileOf({C(3)});
    const auto fila = FilaPiles, dest = DestPiles, mazzo = MazzoPiles;
    const auto reg = CardRegister;
    for (int ch = 0; ch <= 125; ++ch) {
        CanPlace(H(2), C(3), -1, true, 0, false, false, ch, 2, 1);
        CanPlace(-1, H(2), 81, true, 0, true, true, ch, 1, 81);
    }
    CanDropOn("Dest1", H(2));
    CanDropOn("Fila1", C(3));
    CanDropOn("Appogg1", H(2));
    EXPECT_EQ(FilaPiles, fila);
    EXPECT_EQ(DestPiles, dest);
    EXPECT_EQ(MazzoPiles, mazzo);
    EXPECT_EQ(CardRegister, reg);
}

// ---------------------------------------------------------------------------
// Card location and foundation offers
// ---------------------------------------------------------------------------

TEST_F(Placement, LocateCardSearchesInItsOrder) {
    const CardCode c = D(5);
    MazzoPiles[0] = PileOf({c});
    MazzoPiles[1] = PileOf({S(1), c});
    DestPiles[2] = PileOf({c});
    FilaPiles[1] = PileOf({c});
    AppoggPiles[3] = PileOf({c});
    EXPECT_EQ(LocateCard(c), -99);
    MazzoPiles[0].clear();
    EXPECT_EQ(LocateCard(c), -98);
    MazzoPiles[1].clear();
    EXPECT_EQ(LocateCard(c), -3);
    DestPiles[2].clear();
    EXPECT_EQ(LocateCard(c), 2);
    FilaPiles[1].clear();
    EXPECT_EQ(LocateCard(c), -24);
    AppoggPiles[3].clear();
    EXPECT_EQ(LocateCard(c), 0);
    MazzoPiles[2] = PileOf({c});
    EXPECT_EQ(LocateCard(c), 0);  // "Waste" is not searched
    // Every pile of the lists counts, whatever the game uses.
    FilaPiles[39] = PileOf({H(7)});
    DestPiles[15] = PileOf({H(8)});
    AppoggPiles[9] = PileOf({H(9)});
    EXPECT_EQ(LocateCard(H(7)), 40);
    EXPECT_EQ(LocateCard(H(8)), -16);
    EXPECT_EQ(LocateCard(H(9)), -30);
    FilaPiles[0] = "000";
    EXPECT_EQ(LocateCard(0), 0);  // a hole is no card
    EXPECT_EQ(LocateCard(109), 0);
}

class Offers : public Placement {
protected:
    Offers() {
        for (int i = 0; i < 4; ++i) Foundation(i, 1, 1, 0);
        InstalledPorts().table = &table;
    }
    RecordingTable table;
};

TEST_F(Offers, CardMovesFromAnyPileFaceUp) {
    DestPiles[0] = PileOf({H(1)});
    DestPiles[1] = PileOf({C(1)});
    FilaPiles[2] = PileOf({S(9), C(2)});
    SetFaceFlag(C(2), '0');
    EXPECT_TRUE(OfferToFoundations(C(2), -1));
    EXPECT_EQ(DestPiles[1], PileOf({C(1), C(2)}));
    EXPECT_EQ(FilaPiles[2], PileOf({S(9)}));
    EXPECT_TRUE(IsFaceUp(C(2)));
    EXPECT_EQ(table.redrawn, std::vector<std::string>{"Dest2"});

    const std::vector<std::pair<std::string, CardCode>> sources = {
        {"Mazzo", C(3)}, {"Mazzo_Vis", C(4)}, {"Waste", C(5)}, {"Appogg2", C(6)}};
    for (const auto& [pile, card] : sources) {
        Put(pile, card);
        EXPECT_TRUE(OfferToFoundations(card, -1)) << pile;
        EXPECT_TRUE(PileByName(pile)->empty()) << pile;
        EXPECT_EQ(TopCode(DestPiles[1]), card) << pile;
    }
    // A card from the pack (nowhere yet) is simply laid on.
    EXPECT_TRUE(OfferToFoundations(C(7), -1));
    EXPECT_EQ(TopCode(DestPiles[1]), C(7));
}

TEST_F(Offers, RefusedOffersChangeNothing) {
    DestPiles[0] = PileOf({H(1)});
    FilaPiles[0] = PileOf({D(2)});
    const auto fila = FilaPiles, dest = DestPiles;
    EXPECT_FALSE(OfferToFoundations(D(2), -1));
    EXPECT_FALSE(OfferToFoundations(H(2), 1));  // foundation 1 is skipped
    EXPECT_FALSE(OfferToFoundations(0, -1));
    EXPECT_EQ(FilaPiles, fila);
    EXPECT_EQ(DestPiles, dest);
    EXPECT_TRUE(table.redrawn.empty());
    EXPECT_TRUE(OfferToFoundations(S(1), 1));
    EXPECT_EQ(DestPiles[1], PileOf({S(1)}));
}

TEST_F(Offers, OffersUseTheAutomaticReadingAndTheGamesFoundations) {
    // Without the drop flag rule 7 is a plain any-suit rule.
    Foundation(0, 1, 1, 7);
    DestPiles[0] = PileOf({H(1)});
    MazzoPiles[0] = PileOf({C(9)});
    EXPECT_TRUE(OfferToFoundations(S(2), -1));
    // Only the game's foundations take offers.
    GameRules[367] = 1;
    EXPECT_FALSE(OfferToFoundations(D(1), -1));
    GameRules[367] = 2;
    EXPECT_TRUE(OfferToFoundations(D(1), -1));
    EXPECT_EQ(DestPiles[1], PileOf({D(1)}));
}

TEST_F(Offers, AFullFoundationTakesNoMoreOffers) {
    Foundation(0, 7, 1, 0);
    Foundation(1, 7, 1, 0);
    auto fill = [] {
        DestPiles[0].clear();
        DestPiles[1].clear();
        for (int r : {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6}) DestPiles[0] += FormatCode(H(r));
    };
    fill();
    EXPECT_TRUE(OfferToFoundations(H(7, 2), -1));
    EXPECT_EQ(CardCount(DestPiles[0]), 13);
    EXPECT_EQ(DestPiles[1], PileOf({H(7, 2)}));
    // With no capacity set, offers follow the placement test alone.
    GameRules[32] = 0;
    fill();
    EXPECT_TRUE(OfferToFoundations(H(7, 2), -1));
    EXPECT_EQ(CardCount(DestPiles[0]), 14);
    EXPECT_TRUE(DestPiles[1].empty());
}

TEST_F(Offers, GroupedOffersKeepToTheirFoundations) {
    GameRules[367] = 10;
    for (int i = 0; i < 10; ++i) Foundation(i, 1, 1, 0);
    auto reset = [] { for (auto& p : DestPiles) p.clear(); };
    auto landed = [] {
        for (int i = 0; i < 16; ++i)
            if (!DestPiles[static_cast<size_t>(i)].empty()) return i;
        return -1;
    };
    for (int i = 0; i < 4; ++i) DestPiles[static_cast<size_t>(i)] = PileOf({S(1)});
    EXPECT_FALSE(OfferToFoundationsGrouped(H(1), 2));  // 1-4 are taken
    reset();
    for (int i = 0; i < 4; ++i) DestPiles[static_cast<size_t>(i)] = PileOf({S(1)});
    EXPECT_TRUE(OfferToFoundationsGrouped(H(1), 4));  // 1-8
    EXPECT_EQ(DestPiles[4], PileOf({H(1)}));
    reset();
    EXPECT_TRUE(OfferToFoundationsGrouped(H(1), 7));
    EXPECT_EQ(landed(), 4);
    reset();
    EXPECT_TRUE(OfferToFoundationsGrouped(H(1), 0));
    EXPECT_EQ(landed(), 0);
    reset();
    for (int i = 0; i < 8; ++i) DestPiles[static_cast<size_t>(i)] = PileOf({S(1)});
    EXPECT_FALSE(OfferToFoundationsGrouped(H(1), 12));  // never foundation 9
    EXPECT_TRUE(DestPiles[8].empty());
}

TEST_F(Placement, EngineStateResetsWithTheGameState) {
    RunningCount = 7;
    SetMovingStackSingle(false);
    ResetGameState();
    EXPECT_EQ(RunningCount, 0);
    EXPECT_TRUE(MovingStackIsSingle());
}

}  // namespace
}  // namespace bw
