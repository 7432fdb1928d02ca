#include <gtest/gtest.h>

#include <cstdint>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "core/game.h"
#include "core/move_engine.h"
#include "core/piles.h"
#include "core/placement.h"
#include "core/state.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw {
namespace {

// Cards by rank and suit; deck 2 adds 52.
CardCode H(int r, int deck = 1) {
    return (deck - 1) * 52 + r;
}
CardCode D(int r, int deck = 1) {
    return (deck - 1) * 52 + 13 + r;
}
CardCode C(int r, int deck = 1) {
    return (deck - 1) * 52 + 26 + r;
}
CardCode S(int r, int deck = 1) {
    return (deck - 1) * 52 + 39 + r;
}
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

void Put(const std::string& name, CardCode c) {
    *PileByName(ProgramGame(), name) += FormatCode(c);
}

// Four foundations, eight tableau piles, four reserve cells; a foundation
// holds at most 13 cards, a tableau pile any number.
void StandardTable() {
    ProgramGame().GameRules[367] = 4;
    ProgramGame().GameRules[368] = 8;
    ProgramGame().GameRules[369] = 4;
    ProgramGame().GameRules[32] = 13;
    ProgramGame().GameRules[33] = -1;
}

void Foundation(int i, int base, int dir, int rule) {
    ProgramGame().GameRules[static_cast<size_t>(52 + i)] = static_cast<int16_t>(base);
    ProgramGame().GameRules[static_cast<size_t>(68 + i)] = static_cast<int16_t>(dir);
    ProgramGame().GameRules[static_cast<size_t>(84 + i)] = static_cast<int16_t>(rule);
}

void Tableau(int i, int empty, int dir, int rule, int cornerMode = 0) {
    ProgramGame().GameRules[static_cast<size_t>(132 + i)] = static_cast<int16_t>(empty);
    ProgramGame().GameRules[static_cast<size_t>(172 + i)] = static_cast<int16_t>(dir);
    ProgramGame().GameRules[static_cast<size_t>(212 + i)] = static_cast<int16_t>(rule);
    ProgramGame().GameRules[static_cast<size_t>(252 + i)] = static_cast<int16_t>(cornerMode);
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
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, H(2)));
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 0, H(1)));
    ProgramGame().DestPiles[0] = PileOf({H(1)});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 0, H(2)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, D(2)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, H(3)));
    // A king closes an ace-based foundation: no second ace on it.
    EXPECT_FALSE(CanPlace(
        ProgramGame(), H(13), H(1, 2),
        {.emptyRule = 1, .corner = true, .isFoundation = true, .direction = 1, .baseRank = 1}));
    EXPECT_TRUE(CanPlace(
        ProgramGame(), H(13), H(1, 2),
        {.emptyRule = 7, .corner = true, .isFoundation = true, .direction = 1, .baseRank = 7}));
}

TEST_F(Placement, SevenFoundationTurnsTheCornerAfterTheKing) {
    Foundation(0, 7, 1, 0);
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, S(1)));
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 0, S(7)));
    ProgramGame().DestPiles[0] = PileOf({S(7), S(8), S(9), S(10), S(11), S(12), S(13)});
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, S(12, 2)));
    for (int r = 1; r <= 6; ++r) {
        ASSERT_TRUE(CanDropOnFoundation(ProgramGame(), 0, S(r))) << "rank " << r;
        Put("Dest1", S(r));
    }
    EXPECT_EQ(CardCount(ProgramGame().DestPiles[0]), 13);
    // Full by the capacity, even though a 7 would follow the 6.
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, S(7, 2)));
}

TEST_F(Placement, DownwardFoundationTakesAKingOnAnAceUnlessItStartsWithKings) {
    EXPECT_TRUE(CanPlace(ProgramGame(), H(1), H(13, 2),
                         {.emptyRule = 7, .corner = true, .isFoundation = true, .baseRank = 7}));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(1), H(13, 2),
                          {.emptyRule = 13, .corner = true, .isFoundation = true, .baseRank = 13}));
    // Either way: up first, then down.
    EXPECT_TRUE(CanPlace(
        ProgramGame(), H(5), H(4),
        {.emptyRule = 1, .corner = true, .isFoundation = true, .direction = 2, .baseRank = 1}));
    EXPECT_TRUE(CanPlace(
        ProgramGame(), H(5), H(6),
        {.emptyRule = 1, .corner = true, .isFoundation = true, .direction = 2, .baseRank = 1}));
    EXPECT_FALSE(CanPlace(
        ProgramGame(), H(5), H(7),
        {.emptyRule = 1, .corner = true, .isFoundation = true, .direction = 2, .baseRank = 1}));
}

TEST_F(Placement, TableauAlternatingColoursDownward) {
    Tableau(0, -1, 0, 3);
    ProgramGame().FilaPiles[0] = PileOf({S(10)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, D(9)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, C(9)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(8)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(11)));
}

TEST_F(Placement, KingBaseTableauStopsOnKingsButTakesAKingOnAnAce) {
    ProgramGame().GameRules[52] = 13;
    Tableau(0, -1, 0, 2);
    ProgramGame().FilaPiles[0] = PileOf({S(13)});
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(12)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(1)));
    ProgramGame().FilaPiles[0] = PileOf({S(1)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(13)));
    // With the corner flag set the king may be built on.
    ProgramGame().GameRules[252] = 1;
    ProgramGame().FilaPiles[0] = PileOf({S(13)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(12)));
    // Going up the base rank stops a pile the same way; past it only an ace.
    Tableau(0, -1, 1, 2);
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(1)));
    ProgramGame().GameRules[252] = 1;
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(1)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(2)));
    ProgramGame().FilaPiles[0] = PileOf({S(6)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(5)));
}

TEST_F(Placement, TableauCornerRuleKeepsAcesAndKingsAtTheEnds) {
    // Corner mode 2: an upward pile takes a 2 on an ace, nothing on a king.
    Tableau(0, -1, 1, 2, 2);
    ProgramGame().FilaPiles[0] = PileOf({S(1)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(2)));
    ProgramGame().FilaPiles[0] = PileOf({S(13)});
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(1)));
    ProgramGame().FilaPiles[0] = PileOf({S(6)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    // Downward: a queen on a king, nothing on an ace.
    Tableau(0, -1, 0, 2, 2);
    ProgramGame().FilaPiles[0] = PileOf({S(13)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(12)));
    ProgramGame().FilaPiles[0] = PileOf({S(1)});
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(13)));
    // Base rank 1 with ordinary corners: nothing on an ace going down.
    ProgramGame().GameRules[52] = 1;
    Tableau(0, -1, 0, 2, 0);
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(13)));
    // A character base (81..83) locks aces the same way.
    ProgramGame().GameRules[52] = 82;
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(13)));
    ProgramGame().GameRules[52] = 5;
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(13)));
}

TEST_F(Placement, PlainSuitConditions) {
    EXPECT_TRUE(CanPlace(ProgramGame(), H(5), D(4), {.buildRule = 1}));  // same colour
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), C(4), {.buildRule = 1}));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), H(4, 2), {.buildRule = 6}));  // never on a card
    EXPECT_TRUE(CanPlace(ProgramGame(), -1, H(4), {.buildRule = 6}));        // but on an empty one
    for (int ch : {2, 8, 13}) EXPECT_TRUE(CanPlace(ProgramGame(), H(5), S(4), {.buildRule = ch}));
    for (int ch : {4, 5}) EXPECT_FALSE(CanPlace(ProgramGame(), -1, S(4), {.buildRule = ch}));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), H(5), {.buildRule = 12}));  // a card on itself
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), 0, {.buildRule = 12}));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), 109, {.buildRule = 12}));
}

TEST_F(Placement, RuleSevenDropsOnlyOntoAnEmptyPileOnceTheStockIsOut) {
    EXPECT_TRUE(CanPlace(ProgramGame(), -1, H(4), {.buildRule = 7}));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), S(4), {.buildRule = 7}));
    ProgramGame().MazzoPiles[0] = PileOf({C(9)});
    EXPECT_FALSE(CanPlace(ProgramGame(), -1, H(4), {.buildRule = 7}));
    // Without the drop flag it is a plain any-suit rule.
    EXPECT_TRUE(CanPlace(ProgramGame(), H(5), S(4), {.dropFlag = false, .buildRule = 7}));
}

TEST_F(Placement, EmptyRules) {
    auto empty = [](int E, CardCode M, int base = 0) {
        return CanPlace(ProgramGame(), -1, M, {.emptyRule = E, .baseRank = base});
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
    SetMovingStackSingle(ProgramGame(), false);
    EXPECT_FALSE(empty(86, D(6)));
    SetMovingStackSingle(ProgramGame(), true);

    EXPECT_TRUE(empty(87, D(6)));  // from nowhere
    ProgramGame().MazzoPiles[2] = PileOf({D(6)});
    EXPECT_TRUE(empty(87, D(6)));  // "Waste" counts as nowhere
    ProgramGame().MazzoPiles[2].clear();
    ProgramGame().MazzoPiles[1] = PileOf({D(6)});
    EXPECT_TRUE(empty(87, D(6)));
    EXPECT_TRUE(empty(88, D(6)));
    ProgramGame().MazzoPiles[1].clear();
    ProgramGame().MazzoPiles[0] = PileOf({D(6)});
    EXPECT_TRUE(empty(87, D(6)));
    ProgramGame().MazzoPiles[0].clear();
    ProgramGame().FilaPiles[3] = PileOf({D(6)});
    EXPECT_FALSE(empty(87, D(6)));
    EXPECT_FALSE(empty(88, D(6)));
    ProgramGame().FilaPiles[3].clear();
    ProgramGame().AppoggPiles[1] = PileOf({D(6)});
    EXPECT_FALSE(empty(87, D(6)));
    EXPECT_TRUE(empty(88, D(6)));
}

TEST_F(Placement, EmptyRulesFollowingTheFoundations) {
    auto empty = [](int E, CardCode M) { return CanPlace(ProgramGame(), -1, M, {.emptyRule = E}); };
    // 92: any card while the foundations are empty; then their start rank.
    EXPECT_TRUE(empty(92, D(6)));
    ProgramGame().DestPiles[0] = PileOf({H(5)});
    ProgramGame().DestPiles[2] = PileOf({C(5), C(6)});
    EXPECT_TRUE(empty(92, D(5)));
    EXPECT_FALSE(empty(92, D(6)));
    // 93: the same, and the very first start must come from a reserve cell.
    EXPECT_TRUE(empty(93, D(5)));
    ProgramGame().DestPiles[0].clear();
    ProgramGame().DestPiles[2].clear();
    ProgramGame().MazzoPiles[1] = PileOf({D(5)});
    EXPECT_FALSE(empty(93, D(5)));
    ProgramGame().MazzoPiles[1].clear();
    ProgramGame().AppoggPiles[3] = PileOf({D(5)});
    EXPECT_TRUE(empty(93, D(5)));
}

TEST_F(Placement, EmptyRuleNinetySixPrefersTheReserves) {
    auto empty = [](CardCode M) { return CanPlace(ProgramGame(), -1, M, {.emptyRule = 96}); };
    ProgramGame().MazzoPiles[1] = PileOf({D(5)});
    EXPECT_TRUE(empty(D(5)));  // all reserve cells empty: the visible stock may fill
    ProgramGame().AppoggPiles[2] = PileOf({S(9)});
    EXPECT_FALSE(empty(D(5)));
    EXPECT_TRUE(empty(S(9)));
    ProgramGame().FilaPiles[1] = PileOf({H(3)});
    EXPECT_FALSE(empty(H(3)));
    // A reserve cell beyond the game's count does not hold back the stock.
    ProgramGame().AppoggPiles[2].clear();
    ProgramGame().AppoggPiles[7] = PileOf({S(9)});
    EXPECT_TRUE(empty(D(5)));
}

// ---------------------------------------------------------------------------
// Colour balance (empty rules 81, 84, 85, 90)
// ---------------------------------------------------------------------------

TEST_F(Placement, ColourBalanceKeepsHalfOfTheGroupPerColour) {
    for (int i = 0; i < 4; ++i) Foundation(i, 81, 1, 0);
    ProgramGame().DestPiles[0] = PileOf({H(1)});
    ProgramGame().DestPiles[1] = PileOf({D(1)});
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 2, H(1, 2)));  // a third red ace of four
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 2, C(1)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 2, C(2)));  // 81 starts with aces
    // 81 lets a suit repeat, 85 does not.
    ProgramGame().DestPiles[1].clear();
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 2, H(1, 2)));
    for (int i = 0; i < 4; ++i) Foundation(i, 85, 1, 0);
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 2, H(1, 2)));
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 2, D(1)));
}

TEST_F(Placement, ColourBalanceGroupIsTheFoundationsSharingTheCode) {
    Foundation(0, 84, 0, 0);
    Foundation(1, 84, 0, 0);
    Foundation(2, 1, 1, 0);
    Foundation(3, 1, 1, 0);
    ProgramGame().DestPiles[2] = PileOf({H(1)});  // outside the group: not counted
    ProgramGame().DestPiles[0] = PileOf({S(13)});
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 1, C(13)));  // two blacks in a group of two
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 1, H(13)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 1, H(12)));
    for (int i = 0; i < 2; ++i) Foundation(i, 90, 1, 0);
    ProgramGame().DestPiles[0] = PileOf({S(2)});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 1, D(2)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 1, S(2, 2)));
    // An empty tableau pile with a colour-balance rule reads the same group.
    Tableau(0, 90, 0, 0);
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, D(2)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, C(2)));
}

TEST_F(Placement, ColourBalanceReportsANonSuitAndSkipsIt) {
    for (int i = 0; i < 2; ++i) Foundation(i, 81, 1, 0);
    ProgramGame().DestPiles[0] = PileOf({kJoker});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 1, H(1)));
    ASSERT_EQ(fx.dialogs.infos.size(), 1u);
    EXPECT_EQ(fx.dialogs.infos[0], "Error suit - 1");
}

// ---------------------------------------------------------------------------
// The rule-code table, swept case by case
// ---------------------------------------------------------------------------

// One placement question: the target pile (tableau pile w unless Found())
// with its top card as T, the moving card M lying on From() (nowhere by
// default), and the answer expected.
struct Case {
    int ch = 0;
    std::vector<CardCode> target;  // bottom first
    CardCode M = 0;
    bool want = false;
    const char* why = "";
    bool foundation = false;
    int w = 0;
    int dir = 0;
    int E = -1;
    const char* from = "";
    std::function<void()> setup;

    template <class F, class V>
    Case Set(F Case::*field, V value) const {
        Case c = *this;
        c.*field = std::move(value);
        return c;
    }
    Case Found() const { return Set(&Case::foundation, true); }
    Case At(int pile) const { return Set(&Case::w, pile); }
    Case Dir(int d) const { return Set(&Case::dir, d); }
    Case Empty(int e) const { return Set(&Case::E, e); }
    Case From(const char* pile) const { return Set(&Case::from, pile); }
    Case With(std::function<void()> f) const { return Set(&Case::setup, std::move(f)); }
};

constexpr bool kYes = true;
constexpr bool kNo = false;

Case On(int ch, std::vector<CardCode> target, CardCode M, bool want, const char* why) {
    Case c;
    c.ch = ch;
    c.target = std::move(target);
    c.M = M;
    c.want = want;
    c.why = why;
    return c;
}

void Sweep(const std::vector<Case>& cases) {
    for (const Case& c : cases) {
        ResetGameState(ProgramGame());
        StandardTable();
        (c.foundation ? ProgramGame().DestPiles
                      : ProgramGame().FilaPiles)[static_cast<size_t>(c.w)] = PileOf(c.target);
        if (*c.from) Put(c.from, c.M);
        if (c.setup) c.setup();
        const CardCode T = c.target.empty() ? -1 : c.target.back();
        const int base = c.foundation ? c.E : ProgramGame().GameRules[52];
        EXPECT_EQ(CanPlace(ProgramGame(), T, c.M,
                           {.emptyRule = c.E,
                            .pileIndex = c.w,
                            .isFoundation = c.foundation,
                            .buildRule = c.ch,
                            .direction = c.dir,
                            .baseRank = base}),
                  c.want)
            << "rule " << c.ch << ": " << c.why;
    }
}

TEST_F(Placement, RuleCodesOfRankAndSuit) {
    Sweep({
        On(11, {H(13)}, H(12), kNo, "queen never on a king").Found().Empty(13),
        On(11, {H(11)}, H(12), kNo, "queen never on a jack").Found().Dir(1).Empty(1),
        On(11, {H(10)}, H(11), kYes, "else as 0").Found().Dir(1).Empty(1),
        On(11, {H(10)}, D(11), kNo, "as 0: same suit").Found().Dir(1).Empty(1),
        On(12, {H(5)}, S(13), kYes, "always"),
        On(14, {H(5)}, S(7), kYes, "step 2"),
        On(14, {H(12)}, S(1), kYes, "step 2 around"),
        On(14, {H(5)}, S(6), kNo, "not step 1"),
        On(15, {H(11)}, S(1), kYes, "step 3 around"),
        On(16, {H(9)}, S(13), kYes, "step 4 to a king"),
        On(16, {H(10)}, S(1), kYes, "step 4 around"),
        On(16, {}, S(4), kYes, "step on empty: empty rule").Empty(4),
        On(20, {}, S(1), kYes, "up from ace only"),
        On(20, {}, S(2), kNo, "empty takes no 2"),
        On(20, {H(13)}, S(1), kYes, "ace on a king"),
        On(20, {H(5)}, S(6), kYes, "up any suit"),
        On(20, {H(5)}, S(4), kNo, "not down"),
        On(21, {H(4)}, D(5), kYes, "other suit up").Found().Dir(1).Empty(1),
        On(21, {H(4)}, H(5), kNo, "not its own suit").Found().Dir(1).Empty(1),
        On(24, {H(12)}, H(13), kNo, "no king on a queen").Found().Dir(1).Empty(1),
        On(24, {H(11)}, H(12), kYes, "suit up").Found().Dir(1).Empty(1),
        On(24, {H(11)}, D(12), kNo, "suit only").Found().Dir(1).Empty(1),
        On(24, {H(13)}, H(12), kNo, "no queen on a king").Dir(0),
        On(25, {H(3)}, H(5), kYes, "two up").Dir(1),
        On(25, {H(5)}, H(3), kYes, "two down").Dir(0),
        On(25, {H(3)}, D(5), kNo, "in suit").Dir(1),
        On(25, {H(13)}, H(2), kNo, "no corner").Dir(1),
        On(61, {H(13)}, H(2), kYes, "2 on king").Dir(1),
        On(61, {H(12)}, H(1), kYes, "ace on queen").Dir(1),
        On(61, {H(12)}, S(1), kNo, "not across suits").Dir(1),
        On(31, {H(5)}, H(4), kYes, "down in suit"),
        On(31, {H(1)}, H(13), kNo, "nothing on an ace"),
        On(31, {}, H(13), kNo, "not on empty"),
        On(32, {H(5)}, H(6), kYes, "up in suit"),
        On(32, {H(13)}, H(1), kNo, "nothing on a king"),
        On(34, {S(5)}, H(4), kYes, "down any"),
        On(34, {S(5)}, H(6), kNo, "not up"),
        On(34, {}, H(5), kYes, "empty: empty rule").Empty(5),
        On(34, {}, H(6), kNo, "empty: empty rule refuses").Empty(5),
        On(35, {S(5)}, H(6), kYes, "up"),
        On(35, {S(1)}, H(13), kYes, "king on ace"),
        On(35, {S(13)}, H(1), kYes, "ace on king"),
        On(35, {S(5)}, H(7), kNo, "not two"),
        On(23, {H(5)}, H(6), kYes, "up in suit"),
        On(23, {}, H(6), kNo, "never empty"),
        On(23, {H(5)}, H(6), kNo, "blocked by visible stock").With([] { Put("Mazzo_Vis", C(2)); }),
        On(39, {}, H(1), kYes, "empty: ace"),
        On(39, {}, H(2), kNo, "empty: no 2"),
        On(39, {S(5)}, H(6), kYes, "up"),
        On(39, {S(11)}, H(12), kNo, "no queen"),
        On(43, {H(3)}, H(5), kYes, "two up in suit"),
        On(43, {H(12)}, H(1), kNo, "no corner"),
        On(43, {}, H(1), kNo, "never empty"),
        On(44, {}, H(1), kYes, "empty ace"),
        On(44, {S(12)}, H(13), kNo, "no king"),
        On(44, {S(5)}, H(6), kYes, "up"),
        On(73, {S(9)}, H(5), kYes, "rank = pile number").At(4),
        On(73, {}, H(6), kNo, "other rank").At(4),
        On(76, {S(9)}, H(5), kYes, "lower rank"),
        On(76, {S(9)}, H(10), kNo, "not higher"),
        On(76, {}, H(10), kYes, "empty any"),
        On(78, {H(13)}, S(1), kYes, "ace on king").Found(),
        On(78, {H(5)}, H(6), kYes, "suit up").Found(),
        On(78, {H(5)}, S(6), kNo, "suit only").Found(),
        On(78, {}, S(1), kYes, "empty ace").Found(),
        On(78, {}, S(2), kNo, "empty no 2").Found(),
        On(86, {H(1)}, C(2), kYes, "cycle hearts to clubs"),
        On(86, {H(1)}, D(2), kNo, "not hearts to diamonds"),
        On(86, {C(5)}, D(6), kYes, "clubs to diamonds"),
        On(86, {S(5)}, H(6), kYes, "spades to hearts"),
        On(86, {}, S(1), kYes, "empty ace"),
        On(87, {H(5)}, C(4), kYes, "down in cycle"),
        On(87, {H(5)}, C(6), kNo, "not up"),
        On(87, {}, C(6), kYes, "empty any"),
        On(92, {S(9)}, H(1), kYes, "only aces"),
        On(92, {}, H(2), kNo, "no 2"),
        On(94, {S(5)}, H(4), kYes, "other colour, rank below"),
        On(94, {S(5)}, C(4), kNo, "same colour"),
        On(94, {D(1)}, C(13), kYes, "king below an ace"),
        On(94, {H(1)}, C(13), kYes, "also below the first ace"),
        On(95, {H(5)}, H(6), kYes, "suit, rank above").Found(),
        On(95, {S(13)}, S(1), kYes, "ace above king").Found(),
        On(95, {H(5)}, D(6), kNo, "suit only").Found(),
        On(95, {}, D(1), kYes, "empty ace").Found(),
        On(98, {H(1)}, H(7), kYes, "a 7 on an ace").Found(),
        On(98, {H(1)}, H(2), kYes, "a 2 on an ace").Found(),
        On(98, {H(1)}, H(3), kNo, "no 3").Found(),
        On(98, {}, H(4), kYes, "empty: start rank").Found().At(1).With([] {
            ProgramGame().GameRules[53] = 4;
        }),
        On(57, {S(5)}, H(4), kNo, "unknown code refuses"),
        On(121, {}, H(4), kNo, "unknown code refuses empty"),
    });
}

TEST_F(Placement, RuleCodesThatLookAtTheTable) {
    Sweep({
        On(17, {}, H(4), kNo, "not from tableau").From("Fila4"),
        On(17, {}, H(4), kYes, "from a cell").From("Appogg1"),
        On(18, {}, H(4), kYes, "tableau while pile w empty").Found().From("Fila4"),
        On(18, {}, H(4), kNo, "tableau while pile w holds").Found().From("Fila4").With([] {
            Put("Fila1", S(2));
        }),
        On(19, {}, H(4), kNo, "not from a cell").From("Appogg1"),
        On(19, {}, H(4), kYes, "from the stock").From("Mazzo_Vis"),
        On(33, {S(9)}, H(4), kYes, "one card on pile w").From("Mazzo_Vis"),
        On(33, {S(9), S(8)}, H(4), kNo, "two on pile w").From("Mazzo_Vis"),
        On(26, {S(9), D(8)}, H(7), kYes, "fewer than 3 on pile w"),
        On(26, {S(9)}, H(10), kYes, "up too"),
        On(26, {S(9), D(8), C(7)}, H(6), kNo, "3 cards block"),
        On(26, {}, H(13), kYes, "empty king by entry 132").With([] {
            ProgramGame().GameRules[132] = 13;
        }),
        On(26, {}, H(12), kNo, "empty queen refused").With([] {
            ProgramGame().GameRules[132] = 13;
        }),
        On(26, {}, H(12), kYes, "empty -1 any").With([] { ProgramGame().GameRules[132] = -1; }),
        On(26, {}, H(12), kNo, "empty 0 none").With([] { ProgramGame().GameRules[132] = 0; }),
        On(27, {S(10)}, H(9), kNo, "not from foundation").From("Dest3"),
        On(27, {S(10)}, H(9), kNo, "not from cell").From("Appogg2"),
        On(27, {S(10)}, H(9), kYes, "alternating from tableau").From("Fila5"),
        On(28, {}, H(9), kYes, "empty any"),
        On(28, {S(1)}, H(2), kYes, "only 2 on ace"),
        On(28, {S(1)}, H(13), kNo, "no king on ace"),
        On(28, {S(13)}, H(12), kYes, "queen on king"),
        On(28, {S(5)}, H(6), kYes, "up or down"),
        On(60, {S(5)}, H(6), kNo, "in suit"),
        On(60, {S(5)}, S(4), kYes, "in suit ok"),
        On(29, {H(1), H(2)}, H(3), kYes, "up to 12").Found().Empty(1),
        On(29, {H(13)}, H(13, 2), kYes, "second king at 13").Found().Empty(1).With([] {
            ProgramGame().DestPiles[0] = Filler(12) + FormatCode(H(13));
        }),
        On(29, {H(13, 2)}, H(12, 2), kYes, "then down").Found().Empty(1).With([] {
            ProgramGame().DestPiles[0] = Filler(13) + FormatCode(H(13, 2));
        }),
        On(29, {H(12)}, H(13, 2), kNo, "not up past 13").Found().Empty(1).With([] {
            ProgramGame().DestPiles[0] = Filler(14) + FormatCode(H(12));
        }),
        On(29, {}, H(1), kYes, "empty: colour balance").Found().Empty(85).With([] {
            for (int i = 0; i < 4; ++i) ProgramGame().GameRules[static_cast<size_t>(52 + i)] = 85;
        }),
        On(30, {H(5)}, H(6), kYes, "one card up"),
        On(30, {H(5)}, H(4), kYes, "one card down"),
        On(30, {H(6), H(5)}, H(4), kYes, "pile going down"),
        On(30, {H(6), H(5)}, H(6, 2), kNo, "pile going down, not up"),
        On(30, {H(4), H(5)}, H(6), kYes, "pile going up"),
        On(30, {H(1)}, H(13), kNo, "no king on ace"),
        On(36, {}, H(5), kYes, "empty: base and previous foundation started")
            .Found()
            .At(1)
            .Empty(5)
            .With([] { Put("Dest1", S(5)); }),
        On(36, {}, H(5), kNo, "previous foundation empty").Found().At(1).Empty(5),
        On(36, {}, H(5), kYes, "first foundation free").Found().Empty(5),
        On(36, {H(5)}, S(4), kYes, "down").Found().Empty(5),
        On(36, {H(1)}, S(13), kYes, "king on ace").Found().Empty(5),
        On(37, {H(3)}, S(6), kYes, "doubling"),
        On(37, {H(7)}, S(1), kYes, "doubling mod 13"),
        On(37, {H(4)}, S(5), kNo, "not +1"),
        On(37, {H(7)}, S(13), kNo, "king waits for 48").With([] {
            ProgramGame().DestPiles[0] = Filler(47);
        }),
        On(37, {H(7)}, S(13), kYes, "king after 48").With([] {
            ProgramGame().DestPiles[0] = Filler(48);
        }),
        On(38, {}, S(13), kYes, "empty king"),
        On(38, {H(13)}, S(5), kYes, "onto a lone king"),
        On(38, {H(13)}, S(12), kNo, "not a queen"),
        On(38, {H(4), H(13)}, S(5), kNo, "not onto two cards"),
        On(38, {}, S(13), kNo, "visible stock blocks").With([] { Put("Mazzo_Vis", C(2)); }),
        On(45, {}, S(13), kYes, "empty king"),
        On(45, {H(4)}, S(9), kYes, "onto a lone card"),
        On(45, {H(9), H(4)}, S(3), kYes, "down onto a pile"),
        On(45, {H(9), H(4)}, S(5), kNo, "not up onto a pile"),
        On(45, {H(4)}, S(13), kNo, "no king"),
        On(48, {}, S(12), kYes, "empty queen"),
        On(48, {H(12)}, S(5), kYes, "onto a lone queen"),
        On(48, {H(12)}, S(12), kNo, "no queen on queen"),
        On(48, {H(13)}, S(5), kNo, "not on a king"),
        On(46, {}, S(3), kYes, "empty: start rank").Found().With([] {
            ProgramGame().GameRules[52] = 3;
        }),
        On(46, {}, S(4), kNo, "empty: other rank").Found().With([] {
            ProgramGame().GameRules[52] = 3;
        }),
        On(46, {H(5)}, S(6), kYes, "up").Found(),
        On(46, {H(11)}, S(12), kNo, "never a queen").Found(),
        On(49, {}, S(3), kYes, "start while pile w holds").Found().With([] {
            ProgramGame().GameRules[52] = 3;
            Put("Fila1", D(9));
        }),
        On(49, {}, S(3), kNo, "no start while pile w empty").Found().With([] {
            ProgramGame().GameRules[52] = 3;
        }),
        On(51, {}, D(3), kYes, "suit of pile w's bottom").Found().With([] {
            ProgramGame().GameRules[52] = 3;
            ProgramGame().FilaPiles[0] = PileOf({D(9), S(2)});
        }),
        On(51, {}, S(3), kNo, "other suit").Found().With([] {
            ProgramGame().GameRules[52] = 3;
            ProgramGame().FilaPiles[0] = PileOf({D(9), S(2)});
        }),
        On(47, {H(5)}, S(4), kYes, "down").Found(),
        On(47, {H(1)}, S(13), kYes, "king on ace").Found(),
        On(47, {H(13)}, S(12), kNo, "never a queen").Found(),
        On(50, {}, S(6), kYes, "start while pile w-8 holds").Found().At(9).With([] {
            ProgramGame().GameRules[61] = 6;
            Put("Fila2", D(9));
        }),
        On(50, {}, S(6), kNo, "no start while pile w-8 empty").Found().At(9).With([] {
            ProgramGame().GameRules[61] = 6;
        }),
        On(52, {}, S(6), kNo, "suit of pile w-8's bottom").Found().At(9).With([] {
            ProgramGame().GameRules[61] = 6;
            Put("Fila2", D(9));
        }),
        On(53, {H(5)}, S(6), kYes, "first foundation free").Found(),
        On(53, {H(5)}, S(6), kNo, "others wait for foundation 1").Found().At(1).With([] {
            ProgramGame().DestPiles[0] = Filler(12);
        }),
        On(53, {H(13)}, S(1), kYes, "foundation 1 full").Found().At(1).With([] {
            ProgramGame().DestPiles[0] = Filler(13);
        }),
        On(54, {}, S(13), kNo, "empty: not from tableau").From("Fila3").With([] {
            ProgramGame().GameRules[132] = 13;
        }),
        On(54, {}, S(13), kYes, "empty: from the stock").From("Mazzo_Vis").With([] {
            ProgramGame().GameRules[132] = 13;
        }),
        On(54, {H(5)}, S(4), kYes, "down"),
        On(54, {H(1)}, S(13), kYes, "king on ace by corner 1").With([] {
            ProgramGame().GameRules[252] = 1;
        }),
        On(54, {H(1)}, S(13), kNo, "no king on ace otherwise"),
        On(55, {H(5)}, D(4), kYes, "down in colour"),
        On(55, {H(5)}, S(4), kNo, "other colour"),
        On(55, {H(5)}, D(4), kNo, "lone visible card must go first").From("Fila3").With([] {
            Put("Mazzo_Vis", C(9));
        }),
        On(55, {H(10)}, D(9), kYes, "the visible card itself").From("Mazzo_Vis"),
        On(55, {H(10)}, D(9), kNo, "two visible cards block").From("Mazzo_Vis").With([] {
            Put("Mazzo_Vis", C(2));
        }),
        On(56, {H(5)}, S(5), kYes, "same rank from a later pile").At(1).From("Fila4"),
        On(56, {H(5)}, S(5), kYes, "from the pile itself onwards").At(3).From("Fila4"),
        On(56, {H(5)}, S(5), kNo, "not from an earlier pile").At(4).From("Fila4"),
        On(56, {H(5)}, S(5), kNo, "not from a cell").At(1).From("Appogg1"),
        On(77, {H(2)}, S(3), kYes, "rank by count / 4 + 1").Found().With([] {
            ProgramGame().DestPiles[0] = Filler(8);
        }),
        On(77, {H(2)}, S(4), kNo, "other rank").Found().With([] {
            ProgramGame().DestPiles[0] = Filler(8);
        }),
        On(77, {}, S(1), kYes, "empty ace").Found(),
        On(79, {H(12)}, H(13), kYes, "13th from own cell").Found().From("Appogg1").With([] {
            ProgramGame().DestPiles[0] = Filler(11) + FormatCode(H(12));
        }),
        On(79, {H(12)}, H(13), kNo, "13th not from another cell").Found().From("Appogg2").With([] {
            ProgramGame().DestPiles[0] = Filler(11) + FormatCode(H(12));
        }),
        On(79, {H(12)}, H(13), kNo, "13th must come from the cell").Found().From("Fila1").With([] {
            ProgramGame().DestPiles[0] = Filler(11) + FormatCode(H(12));
        }),
        On(79, {H(1)}, H(2), kNo, "cell card before the 13th").Found().From("Appogg1"),
        On(79, {H(1)}, H(2), kYes, "up from the tableau").Found().From("Fila1"),
        On(79, {H(13)}, C(1), kYes, "ace on king").Found(),
        On(80, {H(5)}, H(6), kNo, "not from tableau").From("Fila3"),
        On(80, {H(5)}, H(6), kYes, "suit up").From("Mazzo_Vis"),
        On(81, {H(13)}, H(1), kYes, "king and ace adjacent").From("Mazzo_Vis"),
        On(81, {H(5)}, D(6), kNo, "suit only").From("Mazzo_Vis"),
        On(80, {}, D(6), kYes, "empty any").From("Appogg1"),
        On(94, {}, H(4), kNo, "empty: not from tableau").From("Fila3"),
        On(94, {}, H(4), kYes, "empty: visible stock while cells empty").From("Mazzo_Vis"),
        On(94, {}, H(4), kNo, "empty: visible stock waits for cells").From("Mazzo_Vis").With([] {
            Put("Appogg4", S(2));
        }),
        On(94, {}, H(4), kYes, "empty: from a cell").From("Appogg4"),
        On(97, {H(2), H(4)}, S(6), kYes, "step by own bottom").Found(),
        On(97, {H(5)}, S(8), kYes, "step by partner's bottom").Found().At(3).With([] {
            Put("Dest2", C(3));
        }),
        On(97, {H(5)}, S(7), kNo, "other step refused").Found().At(3).With([] {
            Put("Dest2", C(3));
        }),
        On(97, {H(12)}, S(2), kYes, "step past the king").Found().At(3).With([] {
            Put("Dest2", C(3));
        }),
        On(97, {H(2)}, S(4), kNo, "at most 12 cards").Found().With([] {
            ProgramGame().DestPiles[0] = FormatCode(H(2)) + Filler(11);
        }),
        On(97, {}, S(3), kYes, "empty: start rank").Found().At(2).With([] {
            ProgramGame().GameRules[54] = 3;
        }),
    });
}

TEST_F(Placement, RunningCountRule) {
    ProgramGame().RunningCount = 3;
    EXPECT_TRUE(CanPlace(ProgramGame(), H(9), S(3), {.buildRule = 40}));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(9), S(4), {.buildRule = 40}));
    ProgramGame().RunningCount = 26;
    EXPECT_TRUE(CanPlace(ProgramGame(), -1, S(13), {.buildRule = 40}));
    EXPECT_FALSE(CanPlace(ProgramGame(), -1, S(1), {.buildRule = 40}));
    ProgramGame().MazzoPiles[0] = PileOf({C(5)});
    EXPECT_TRUE(CanPlace(ProgramGame(), -1, S(1), {.buildRule = 40}));
    ProgramGame().MazzoPiles[1] = PileOf({C(6)});
    EXPECT_FALSE(CanPlace(ProgramGame(), -1, S(1), {.buildRule = 40}));
}

TEST_F(Placement, TwoStepRuleAndItsFoundationGroups) {
    auto place = [](int w, CardCode T, CardCode M) {
        return CanPlace(ProgramGame(), T, M,
                        {.emptyRule = ProgramGame().GameRules[static_cast<size_t>(52 + w)],
                         .pileIndex = w,
                         .corner = true,
                         .isFoundation = true,
                         .buildRule = 41,
                         .direction = 1,
                         .baseRank = ProgramGame().GameRules[static_cast<size_t>(52 + w)]});
    };
    EXPECT_TRUE(place(0, H(3), H(5)));
    EXPECT_TRUE(place(0, H(11), H(13)));
    EXPECT_TRUE(place(0, H(12), H(1)));
    EXPECT_FALSE(place(0, H(3), D(5)));
    ProgramGame().GameRules[367] = 8;
    for (int i = 0; i < 4; ++i) ProgramGame().GameRules[static_cast<size_t>(52 + i)] = 1;
    for (int i = 4; i < 8; ++i) ProgramGame().GameRules[static_cast<size_t>(52 + i)] = 2;
    ProgramGame().DestPiles[0] = PileOf({H(1)});
    EXPECT_FALSE(place(1, -1, H(1, 2)));  // hearts already start this group
    EXPECT_TRUE(place(1, -1, D(1)));
    EXPECT_FALSE(place(1, -1, D(2)));
    ProgramGame().DestPiles[4] = PileOf({D(2)});
    EXPECT_TRUE(place(5, -1, H(2)));  // the first group does not count
    EXPECT_FALSE(place(5, -1, D(2, 2)));
}

TEST_F(Placement, CommonStepOfAllFoundations) {
    auto place = [](CardCode T, CardCode M) {
        return CanPlace(ProgramGame(), T, M,
                        {.emptyRule = 1,
                         .pileIndex = 1,
                         .corner = true,
                         .isFoundation = true,
                         .buildRule = 91,
                         .direction = 1,
                         .baseRank = 1});
    };
    // No foundation holds two cards yet: steps of 1 and 2 both go.
    EXPECT_TRUE(place(H(3), S(4)));
    EXPECT_TRUE(place(H(3), S(5)));
    EXPECT_FALSE(place(H(3), S(6)));
    EXPECT_TRUE(place(H(13), S(2)));
    ProgramGame().DestPiles[0] = PileOf({H(3), H(5)});
    EXPECT_TRUE(place(D(7), S(9)));
    EXPECT_FALSE(place(D(7), S(8)));
    EXPECT_TRUE(place(D(13), S(2)));
    EXPECT_TRUE(place(D(12), S(1)));
    EXPECT_FALSE(place(D(13), S(1)));
    // A king followed by an ace is a step of 1.
    ProgramGame().DestPiles[0] = PileOf({H(13), H(1)});
    EXPECT_TRUE(place(D(13), S(1)));
    EXPECT_FALSE(place(D(13), S(2)));
    // Empty foundations keep their empty rule.
    EXPECT_TRUE(place(-1, S(1)));
    EXPECT_FALSE(place(-1, S(2)));
}

TEST_F(Placement, GridNeighbourAndJumpRules) {
    ProgramGame().GameRules[368] = 9;
    ProgramGame().GameRules[28] = 3;  // 3 x 3: piles 0 1 2 / 3 4 5 / 6 7 8
    auto from = [](int s, CardCode M) {
        for (auto& p : ProgramGame().FilaPiles) p.clear();
        ProgramGame().FilaPiles[static_cast<size_t>(s)] = PileOf({M});
    };
    auto ask = [](int w, int ch, CardCode M) {
        return CanPlace(ProgramGame(), -1, M, {.pileIndex = w, .buildRule = ch});
    };
    from(3, H(5));
    EXPECT_TRUE(ask(4, 70, H(5)));
    from(1, H(5));
    EXPECT_TRUE(ask(4, 70, H(5)));
    from(0, H(5));
    EXPECT_FALSE(ask(4, 70, H(5)));  // diagonal
    from(2, H(5));
    EXPECT_FALSE(ask(3, 70, H(5)));  // across the end of a row
    EXPECT_FALSE(
        CanPlace(ProgramGame(), S(9), H(5), {.pileIndex = 1, .buildRule = 70}));  // not onto a card
    EXPECT_FALSE(
        CanPlace(ProgramGame(), -1, H(5),
                 {.pileIndex = 1, .isFoundation = true, .buildRule = 70}));  // tableau only

    from(2, H(5));
    EXPECT_FALSE(ask(0, 71, H(5)));  // nothing to jump over
    ProgramGame().FilaPiles[1] = PileOf({S(9)});
    EXPECT_TRUE(ask(0, 71, H(5)));
    from(6, H(5));
    ProgramGame().FilaPiles[3] = PileOf({S(9)});
    EXPECT_TRUE(ask(0, 71, H(5)));
    from(4, H(5));
    ProgramGame().FilaPiles[3] = PileOf({S(9)});
    EXPECT_FALSE(ask(2, 71, H(5)));  // a row break is no jump
    ProgramGame().GameRules[28] = 0;
    from(3, H(5));
    EXPECT_FALSE(ask(4, 70, H(5)));  // no grid: no neighbours
}

TEST_F(Placement, StockLockKeepsTableauCardsWhileTheStockHoldsCards) {
    Foundation(0, 1, 1, 0);
    Tableau(0, -1, 0, 2);
    ProgramGame().FilaPiles[0] = PileOf({S(10)});
    ProgramGame().FilaPiles[1] = PileOf({H(1)});
    ProgramGame().FilaPiles[2] = PileOf({H(9)});
    ProgramGame().MazzoPiles[0] = PileOf({C(4)});
    ProgramGame().GameRules[35] = 1;
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, H(1)));
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    ProgramGame().MazzoPiles[1] = PileOf({D(1)});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 0, D(1)));  // the visible stock is free
    for (int lock : {2, 3}) {
        ProgramGame().GameRules[35] = static_cast<int16_t>(lock);
        EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    }
    ProgramGame().MazzoPiles[0].clear();
    ProgramGame().MazzoPiles[1].clear();
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 0, H(1)));
}

// ---------------------------------------------------------------------------
// Rules chosen for this engine
// ---------------------------------------------------------------------------

TEST_F(Placement, JokersOnFoundationsStandForTheCardTheyReplace) {
    auto f = [](int rule, int E, const std::vector<CardCode>& pile, CardCode M) {
        ProgramGame().DestPiles[0] = PileOf(pile);
        return CanPlace(ProgramGame(), pile.empty() ? -1 : pile.back(), M,
                        {.emptyRule = E,
                         .corner = true,
                         .isFoundation = true,
                         .buildRule = rule,
                         .direction = 1,
                         .baseRank = E});
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
    auto aceUp = [](int ch) {
        return PileRules{.emptyRule = 1,
                         .corner = true,
                         .isFoundation = true,
                         .buildRule = ch,
                         .direction = 1,
                         .baseRank = 1};
    };
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), kJoker, aceUp(0)));
    EXPECT_FALSE(CanPlace(ProgramGame(), kJoker, H(5), aceUp(2)));
    EXPECT_FALSE(CanPlace(ProgramGame(), H(5), kJoker, aceUp(82)));
}

TEST_F(Placement, DefinedRulesWithConditionsOfTheirOwn) {
    Sweep({
        On(88, {S(5)}, H(6), kYes, "stock card up").From("Mazzo_Vis"),
        On(88, {S(5)}, H(4), kYes, "stock card down").From("Mazzo"),
        On(88, {S(5)}, H(6), kNo, "tableau card refused").From("Fila3"),
        On(88, {}, H(6), kYes, "stock card onto empty").From("Mazzo_Vis"),
        On(89, {S(5)}, S(4), kYes, "single down in suit"),
        On(89, {S(5)}, S(4), kNo, "stack refused").With([] {
            SetMovingStackSingle(ProgramGame(), false);
        }),
        On(90, {S(5)}, H(5), kYes, "same rank"),
        On(90, {S(5), H(5), D(5), C(5)}, H(5, 2), kNo, "four at most"),
        On(90, {}, H(9), kYes, "empty any"),
        On(93, {H(5)}, H(6), kYes, "from a cell, as 0").Found().Dir(1).Empty(1).From("Appogg2"),
        On(93, {H(5)}, H(6), kNo, "not from tableau").Found().Dir(1).Empty(1).From("Fila2"),
        On(93, {H(5)}, D(6), kNo, "from a cell, wrong suit")
            .Found()
            .Dir(1)
            .Empty(1)
            .From("Appogg2"),
    });
}

TEST_F(Placement, DefinedRulesOfSuitAndStep) {
    Sweep({
        On(74, {S(5)}, H(4), kYes, "alternate down"),
        On(74, {S(1)}, H(13), kYes, "king on ace"),
        On(74, {S(5)}, C(4), kNo, "same colour"),
        On(82, {H(13)}, H(1), kYes, "ace on king"),
        On(82, {H(5)}, H(4), kYes, "down"),
        On(82, {H(5)}, D(6), kNo, "suit"),
        On(83, {H(5)}, D(4), kYes, "colour down"),
        On(83, {H(5)}, S(4), kNo, "colour"),
        On(83, {}, S(13), kYes, "empty king"),
        On(83, {}, S(12), kNo, "empty queen"),
        On(84, {H(5)}, S(3), kYes, "two down"),
        On(84, {H(5)}, S(4), kNo, "one down"),
        On(84, {H(2)}, S(13), kNo, "no corner"),
        On(85, {H(5)}, S(6), kYes, "alternate up"),
        On(85, {H(13)}, S(1), kNo, "no corner"),
        On(96, {H(5)}, D(4), kYes, "other suit down"),
        On(96, {H(5)}, H(4, 2), kNo, "same suit"),
        On(99, {H(5)}, S(6), kYes, "alternate up"),
        On(99, {H(5)}, C(4), kYes, "alternate down"),
        On(99, {H(5)}, D(6), kNo, "colour"),
        On(100, {H(5)}, D(6), kYes, "colour up"),
        On(100, {H(5)}, D(4), kNo, "not down"),
        On(101, {H(5)}, D(4), kYes, "colour down"),
        On(101, {H(5)}, S(6), kNo, "colour"),
        On(102, {H(1)}, S(13), kYes, "king on ace"),
        On(102, {H(5)}, S(6), kNo, "not up"),
        On(103, {H(13)}, S(1), kYes, "ace on king"),
        On(103, {H(5)}, S(4), kNo, "not down"),
        On(104, {H(1)}, H(12), kYes, "suit two down around"),
        On(104, {H(5)}, D(3), kNo, "suit"),
        On(105, {H(12)}, D(1), kYes, "colour two up around"),
        On(105, {H(5)}, S(7), kNo, "colour"),
        On(106, {H(5)}, S(7), kYes, "two up"),
        On(106, {H(5)}, S(3), kYes, "two down"),
        On(106, {H(12)}, S(1), kNo, "no corner"),
        On(107, {H(13)}, S(1), kYes, "alternate around"),
        On(107, {H(13)}, D(1), kNo, "colour"),
        On(108, {H(5)}, D(6), kYes, "other suit up"),
        On(108, {H(5)}, H(6), kNo, "same suit"),
        On(109, {}, H(13), kYes, "empty king"),
        On(109, {}, H(1), kNo, "empty ace"),
        On(109, {H(5)}, H(6), kYes, "suit up"),
        On(110, {}, H(1), kYes, "empty ace"),
        On(110, {H(5)}, H(6), kYes, "suit up"),
        On(110, {H(5)}, H(4), kNo, "not down"),
        On(111, {H(5)}, H(4), kYes, "suit down"),
        On(111, {}, H(12), kNo, "empty queen"),
        On(112, {}, H(12), kNo, "never empty"),
        On(112, {H(5)}, S(4), kYes, "any down"),
        On(113, {}, H(7), kYes, "empty any"),
        On(113, {H(5)}, S(4), kYes, "alternate down"),
        On(113, {H(5)}, D(4), kNo, "colour"),
        On(114, {H(5)}, D(3), kYes, "colour two down"),
        On(114, {H(5)}, S(3), kNo, "colour"),
        On(115, {H(11)}, H(1), kYes, "suit three up around"),
        On(115, {H(5)}, H(8), kYes, "suit three up"),
        On(115, {H(5)}, D(8), kNo, "suit"),
        On(116, {H(2)}, H(12), kYes, "suit three down around"),
        On(116, {H(5)}, H(2), kYes, "suit three down"),
        On(117, {H(5)}, S(5), kYes, "same rank other suit"),
        On(117, {H(5)}, H(5, 2), kNo, "same suit"),
        On(117, {}, H(5), kNo, "never empty"),
        On(118, {H(5)}, S(7), kYes, "alternate two up"),
        On(118, {H(5)}, D(7), kNo, "colour"),
        On(119, {H(1)}, H(13), kYes, "suit king on ace"),
        On(119, {}, H(1), kYes, "empty ace"),
        On(119, {}, H(13), kNo, "empty king"),
        On(120, {H(5)}, S(4), kYes, "any down"),
        On(120, {}, S(13), kYes, "empty king"),
        On(120, {}, S(1), kNo, "empty ace"),
        On(99, {}, S(7), kYes, "empty: empty rule").Empty(7),
        On(99, {}, S(8), kNo, "empty: empty rule refuses").Empty(7),
        On(103, {kJoker}, S(1), kNo, "joker target"),
    });
}

// ---------------------------------------------------------------------------
// Stacks and tableau drop checks
// ---------------------------------------------------------------------------

TEST_F(Placement, StackTestsByGameMode) {
    Tableau(0, -1, 0, 3);
    Tableau(1, -1, 0, 3);
    ProgramGame().FilaPiles[0] = PileOf({S(10)});
    ProgramGame().FilaPiles[1] = PileOf({C(4), H(9), C(8)});
    SetMovingStackSingle(ProgramGame(), false);
    ProgramGame().GameRules[2] = 1;
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    ProgramGame().FilaPiles[1] = PileOf({C(4), H(9), D(8)});
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    ProgramGame().GameRules[2] = 0;
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    ProgramGame().GameRules[2] = 11;  // same colour inside the stack
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    ProgramGame().GameRules[2] = 10;  // same suit inside the stack
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    ProgramGame().FilaPiles[1] = PileOf({C(4), H(9), H(8)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
    // A single card is not a stack, whatever lies above it.
    ProgramGame().GameRules[2] = 1;
    SetMovingStackSingle(ProgramGame(), true);
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(9)));
}

TEST_F(Placement, StackLimitOntoAnEmptyPile) {
    ProgramGame().GameRules[368] = 4;
    ProgramGame().GameRules[369] = 2;
    ProgramGame().GameRules[13] = -5;
    ProgramGame().GameRules[2] = 1;
    Tableau(0, -1, 0, 3);
    ProgramGame().FilaPiles[1] = PileOf({S(13), H(12), C(11)});
    ProgramGame().FilaPiles[2] = PileOf({D(5)});
    ProgramGame().FilaPiles[3] = PileOf({D(6)});
    SetMovingStackSingle(ProgramGame(), false);
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, S(13)));  // two free cells + 1
    ProgramGame().AppoggPiles[0] = PileOf({D(2)});
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, S(13)));
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(12)));
    ProgramGame().FilaPiles[3].clear();  // another empty pile helps
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, S(13)));
    ProgramGame().GameRules[13] = -1;
    ProgramGame().AppoggPiles[1] = PileOf({D(3)});
    ProgramGame().FilaPiles[3] = PileOf({D(6)});
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, S(13)));
}

TEST_F(Placement, TableauDropChecks) {
    Tableau(0, -1, 0, 2);
    ProgramGame().FilaPiles[0] = PileOf({S(10), S(9), D(8)});
    ProgramGame().GameRules[33] = 3;
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    ProgramGame().GameRules[33] = 4;
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    ProgramGame().GameRules[33] = -1;
    // The card the stack was lifted from is no target.
    ProgramGame().Options.SetOpt(95, D(8));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    ProgramGame().Options.SetOpt(95, 0);
    // A face-down top takes nothing, except in goal kind 40.
    SetFaceFlag(ProgramGame().CardRegister, D(8), '0');
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    ProgramGame().GameRules[51] = 40;
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    ProgramGame().GameRules[51] = 0;
    SetFaceFlag(ProgramGame().CardRegister, D(8), '1');
    // Rule 34: one card at a time onto a card.
    Tableau(0, -1, 0, 34);
    SetMovingStackSingle(ProgramGame(), false);
    ProgramGame().FilaPiles[1] = PileOf({H(7), C(6)});
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    SetMovingStackSingle(ProgramGame(), true);
    EXPECT_TRUE(CanDropOnTableau(ProgramGame(), 0, H(7)));
    // Piles outside the game take nothing.
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), 8, H(7)));
    EXPECT_FALSE(CanDropOnTableau(ProgramGame(), -1, H(7)));
}

TEST_F(Placement, FoundationDropChecks) {
    Foundation(0, 1, 1, 0);
    SetMovingStackSingle(ProgramGame(), false);
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, H(1)));
    SetMovingStackSingle(ProgramGame(), true);
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 4, H(1)));  // the game has four
    // Rule 10: a queen onto an empty foundation only.
    Foundation(1, 1, 1, 10);
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 1, S(12)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 1, S(11)));
    ProgramGame().DestPiles[1] = PileOf({H(12)});
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 1, S(12)));
    // Rule 22: no aces; other cards while a tableau top of the suit is higher or an ace.
    Foundation(2, 1, 1, 22);
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 2, C(1)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 2, C(5)));
    ProgramGame().FilaPiles[3] = PileOf({C(9)});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 2, C(5)));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 2, C(10)));
    ProgramGame().FilaPiles[3] = PileOf({C(1)});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 2, C(10)));
    // Capacity: rule 20 ignores GameRules[32] but stops at 52.
    ProgramGame().GameRules[32] = 2;
    Foundation(3, 1, 1, 20);
    ProgramGame().DestPiles[3] = PileOf({S(1), S(2), S(3)});
    EXPECT_TRUE(CanDropOnFoundation(ProgramGame(), 3, H(4)));
    ProgramGame().DestPiles[3] = Filler(51) + FormatCode(S(3));
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 3, H(4)));
    ProgramGame().DestPiles[0] = PileOf({H(1), H(2)});
    EXPECT_FALSE(CanDropOnFoundation(ProgramGame(), 0, H(3)));
}

TEST_F(Placement, ReserveRules) {
    auto rule = [](int n, int R) {
        ProgramGame().GameRules[static_cast<size_t>(331 + n)] = static_cast<int16_t>(R);
    };
    rule(1, 90);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg1", S(13)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg1", S(12)));
    SetMovingStackSingle(ProgramGame(), false);
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg1", S(13)));
    SetMovingStackSingle(ProgramGame(), true);
    ProgramGame().AppoggPiles[0] = PileOf({H(13)});
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg1", S(13)));
    ProgramGame().AppoggPiles[0].clear();

    rule(2, 88);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", S(11)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg2", S(12)));
    rule(2, 89);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", S(12)));
    rule(2, 9);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", S(11)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg2", S(10)));
    rule(2, 4);
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg2", S(11)));
    rule(2, 12);
    ProgramGame().AppoggPiles[1] = PileOf({H(5)});
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", S(11)));
    rule(2, 81);
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg2", S(11)));
    ProgramGame().AppoggPiles[1].clear();
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", S(11)));

    // 8 and 13 count the cards of reserve cell 1.
    rule(3, 8);
    ProgramGame().AppoggPiles[0] = PileOf({H(13), D(13)});
    ProgramGame().AppoggPiles[2] = PileOf({C(13)});
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg3", S(13)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg3", S(12)));
    ProgramGame().AppoggPiles[0] += FormatCode(C(13, 2));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg3", S(13)));
    rule(3, 13);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg3", S(2)));
    ProgramGame().AppoggPiles[0] += Filler(2);
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg3", S(2)));

    rule(4, 85);
    ProgramGame().MazzoPiles[1] = PileOf({D(3)});
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg4", D(3)));
    ProgramGame().FilaPiles[0] = PileOf({D(4)});
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg4", D(4)));

    rule(4, 107);
    ProgramGame().AppoggPiles[3].clear();
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg4", H(1)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg4", H(2)));
    ProgramGame().AppoggPiles[3] = PileOf({H(1)});
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg4", S(1)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg4", D(1)));

    // Any other code: one card into an empty cell, as the build code says.
    rule(4, 0);
    ProgramGame().AppoggPiles[3].clear();
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg4", D(4)));
    rule(4, 17);
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg4", D(4)));  // lies on tableau pile 1
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg4", D(3)));   // lies on the visible stock
    rule(4, 70);
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg4", D(4)));  // a tableau-only rule
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg5", D(3)));  // the game has four cells
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg0", D(3)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Waste", D(3)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Mazzo_Vis", D(3)));
}

TEST_F(Placement, ReserveRuleByTheGamesStackTest) {
    ProgramGame().GameRules[333] = 103;
    ProgramGame().GameRules[2] = 1;
    Tableau(1, -1, 0, 3);
    ProgramGame().FilaPiles[1] = PileOf({S(10), H(9), C(8)});
    SetMovingStackSingle(ProgramGame(), false);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", H(9)));
    ProgramGame().FilaPiles[1] = PileOf({S(10), H(9), D(8)});
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg2", H(9)));
    SetMovingStackSingle(ProgramGame(), true);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Appogg2", H(9)));
    ProgramGame().AppoggPiles[1] = PileOf({S(2)});
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Appogg2", H(9)));
}

TEST_F(Placement, DropByName) {
    Foundation(0, 1, 1, 0);
    Tableau(2, 13, 0, 3);
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Dest1", H(1)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Dest1", H(2)));
    EXPECT_TRUE(CanDropOn(ProgramGame(), "Fila3", H(13)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Fila3", H(12)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "Fila", H(13)));
    EXPECT_FALSE(CanDropOn(ProgramGame(), "", H(13)));
}

TEST_F(Placement, TestsNeverChangeTheTable) {
    Foundation(0, 1, 1, 0);
    ProgramGame().FilaPiles[0] = PileOf({H(1), H(2)});
    ProgramGame().DestPiles[1] = PileOf({S(4)});
    ProgramGame().MazzoPiles[1] = PileOf({C(3)});
    const auto fila = ProgramGame().FilaPiles, dest = ProgramGame().DestPiles,
               mazzo = ProgramGame().MazzoPiles;
    const auto reg = ProgramGame().CardRegister;
    for (int ch = 0; ch <= 125; ++ch) {
        CanPlace(ProgramGame(), H(2), C(3), {.buildRule = ch, .direction = 2, .baseRank = 1});
        CanPlace(ProgramGame(), -1, H(2),
                 {.emptyRule = 81,
                  .corner = true,
                  .isFoundation = true,
                  .buildRule = ch,
                  .direction = 1,
                  .baseRank = 81});
    }
    CanDropOn(ProgramGame(), "Dest1", H(2));
    CanDropOn(ProgramGame(), "Fila1", C(3));
    CanDropOn(ProgramGame(), "Appogg1", H(2));
    EXPECT_EQ(ProgramGame().FilaPiles, fila);
    EXPECT_EQ(ProgramGame().DestPiles, dest);
    EXPECT_EQ(ProgramGame().MazzoPiles, mazzo);
    EXPECT_EQ(ProgramGame().CardRegister, reg);
}

// Every build code's answers on three fixed tables, hashed per code. The
// hashes were recorded from the rules before their code was rearranged: any
// branch that moves differently changes its code's hash.
TEST_F(Placement, EveryBuildCodeAnswersAsRecorded) {
    const PileRules questions[] = {
        {.baseRank = 1},
        {.emptyRule = 13, .pileIndex = 3, .corner = true, .direction = 1, .baseRank = 13},
        {.emptyRule = 81, .dropFlag = false, .pileIndex = 9, .direction = 2, .baseRank = 81},
        {.emptyRule = 7, .pileIndex = 1, .direction = 2, .baseRank = 7},
        {.emptyRule = 1, .corner = true, .isFoundation = true, .direction = 1, .baseRank = 1},
        {.emptyRule = 96, .pileIndex = 5, .isFoundation = true, .baseRank = 13},
        {.emptyRule = 92,
         .pileIndex = 9,
         .corner = true,
         .isFoundation = true,
         .direction = 2,
         .baseRank = -1},
        {.emptyRule = 84,
         .dropFlag = false,
         .pileIndex = 8,
         .corner = true,
         .isFoundation = true,
         .direction = 1,
         .baseRank = 84},
    };
    const CardCode tops[] = {H(1), H(2), H(7), H(11), H(12), H(13), S(6), D(8), C(13), kJoker};
    const CardCode moving[] = {H(1), H(2), H(3),  H(6),  H(8), H(13),
                               D(7), C(7), S(13), C(12), S(2), kJoker};
    const int emptyRules[] = {-1, 1, 13, 81, 82, 84, 86, 87, 88, 90, 92, 93, 96};
    // Where the moving cards lie: tableau, foundation, reserve, stock, waste
    // or nowhere, on a busy, a bare and a nearly spent table.
    auto busy = [] {
        ProgramGame().FilaPiles[0] = PileOf({S(9), D(7)});
        ProgramGame().FilaPiles[1] = PileOf({C(7)});
        ProgramGame().FilaPiles[2] = PileOf({C(5), H(2)});
        ProgramGame().FilaPiles[5] = PileOf({S(13)});
        ProgramGame().FilaPiles[8] = PileOf({D(3), D(2)});
        ProgramGame().DestPiles[0] = PileOf({D(1), D(2, 2)});
        ProgramGame().DestPiles[1] = PileOf({H(6)});
        ProgramGame().DestPiles[7] = PileOf({C(13, 2)});
        ProgramGame().AppoggPiles[0] = PileOf({C(12)});
        ProgramGame().AppoggPiles[1] = PileOf({H(3)});
        ProgramGame().MazzoPiles[0] = PileOf({C(9), H(8)});
        ProgramGame().MazzoPiles[1] = PileOf({S(2), H(1)});
        ProgramGame().GameRules[28] = 4;
        ProgramGame().RunningCount = 5;
    };
    auto bare = [] {
        for (int r = 1; r <= 13; ++r) ProgramGame().DestPiles[0] += FormatCode(H(r, 2));
        ProgramGame().FilaPiles[1] = PileOf({S(2)});
        ProgramGame().GameRules[28] = 3;
        ProgramGame().RunningCount = 13;
        SetMovingStackSingle(ProgramGame(), false);
    };
    auto spent = [] {
        ProgramGame().MazzoPiles[1] = PileOf({H(1)});
        ProgramGame().FilaPiles[3] = PileOf({C(12), H(6)});
        for (int i = 0; i < 4; ++i)
            ProgramGame().DestPiles[static_cast<size_t>(i)] = PileOf({S(i + 3)});
        ProgramGame().GameRules[35] = 2;
        ProgramGame().RunningCount = -4;
    };
    const std::function<void()> tables[] = {busy, bare, spent};

    // Indexed by build code.
    const uint32_t recorded[126] = {
        0x2f53ef38, 0xc7287dcb, 0xd06ce28e, 0x79343ca7, 0x42d919c5, 0x42d919c5, 0x6d57caa2,
        0xb6cf4c08, 0xf93a3f72, 0xfad28a80, 0x344e0f5a, 0xbe689830, 0x1c3e9dfe, 0x9dc6e3da,
        0x5fe59232, 0xc4f3e69a, 0x6736ff0c, 0x3f4dc13c, 0x3eb30a12, 0xf3886e60, 0x6ae52fb0,
        0x7826ea38, 0xa72212e1, 0xd6454995, 0x066723cc, 0xa22c1a8b, 0xa1511bbf, 0xc9be0cf4,
        0xc312829f, 0x6416462a, 0xf65f7de6, 0x7f5f4f9c, 0xda1da935, 0x848ad4a5, 0xc6d3015d,
        0xfe482c90, 0x4c2e766b, 0x82336e46, 0x09b94ad5, 0x66174b50, 0x23b8151f, 0x206b22ff,
        0x926c0f26, 0x0ed40eb4, 0x42f2c0b0, 0xed17e833, 0xdf08d060, 0x349903da, 0x98420bb9,
        0x2b7cab67, 0x10224113, 0x3a5becc4, 0x47cac030, 0x822ebd81, 0xad581931, 0xdf853330,
        0xefa7f9a7, 0x42d919c5, 0x42d919c5, 0x42d919c5, 0x0dbd8428, 0x32d89db7, 0x42d919c5,
        0x42d919c5, 0x42d919c5, 0x42d919c5, 0x42d919c5, 0x42d919c5, 0x42d919c5, 0x42d919c5,
        0x2278a920, 0x609c6f21, 0x24de9243, 0xaa21db85, 0x8454b123, 0xf92395af, 0xb905743a,
        0x60c43d92, 0x26549404, 0x95da6781, 0x33a58a3c, 0x88a4c7a0, 0xb0285ca7, 0xcbd48f1c,
        0x9d93c38b, 0x2e992e4c, 0xa974242a, 0x636e6723, 0x4243c4f4, 0x82cc2392, 0x63845042,
        0x8dbb76fa, 0x1b5c14c5, 0x3fd5fe9e, 0x65e98754, 0x35e709e4, 0xe4c6a0e5, 0x51149272,
        0x81372454, 0xcb7db3a5, 0x8f5600b4, 0x019866d7, 0xcdd93230, 0x361924c6, 0x025f49e7,
        0xc26f6f33, 0x5011696f, 0xa48569e1, 0x3482d7f6, 0x3336544a, 0x9a7d7f84, 0x0f60c07a,
        0x0ad7e323, 0xba502a94, 0x5ce9177a, 0x16dada3e, 0xd49bd96e, 0x7025f3e7, 0xf1cd725e,
        0x483f964d, 0xc13ec735, 0x42d919c5, 0x42d919c5, 0x42d919c5, 0x42d919c5, 0x42d919c5,
    };
    for (int ch = 0; ch < 126; ++ch) {
        uint32_t hash = 2166136261u;
        auto add = [&](bool b) { hash = (hash ^ (b ? 1u : 0u)) * 16777619u; };
        for (const auto& table : tables) {
            ResetGameState(ProgramGame());
            StandardTable();
            Tableau(0, -1, 0, ch);
            Tableau(1, 1, 2, ch, 1);
            Tableau(3, 13, 1, ch, 2);
            Tableau(9, 7, 0, ch);
            Foundation(0, 1, 1, ch);
            Foundation(3, 13, 0, ch);
            Foundation(5, 81, 2, ch);
            Foundation(9, 7, 1, ch);
            for (int i = 0; i < 4; ++i)
                ProgramGame().GameRules[static_cast<size_t>(332 + i)] = static_cast<int16_t>(ch);
            table();
            for (PileRules q : questions) {
                q.buildRule = ch;
                for (CardCode M : moving) {
                    for (CardCode T : tops) add(CanPlace(ProgramGame(), T, M, q));
                    for (int E : emptyRules) {
                        PileRules empty = q;
                        empty.emptyRule = E;
                        add(CanPlace(ProgramGame(), -1, M, empty));
                    }
                }
            }
            for (const char* pile :
                 {"Fila1", "Fila2", "Fila4", "Dest1", "Dest2", "Dest4", "Appogg1", "Appogg3"})
                for (CardCode M : moving) add(CanDropOn(ProgramGame(), pile, M));
        }
        EXPECT_EQ(hash, recorded[ch]) << "build code " << ch;
    }
}

// ---------------------------------------------------------------------------
// Card location and foundation offers
// ---------------------------------------------------------------------------

TEST_F(Placement, LocateCardSearchesInItsOrder) {
    const CardCode c = D(5);
    ProgramGame().MazzoPiles[0] = PileOf({c});
    ProgramGame().MazzoPiles[1] = PileOf({S(1), c});
    ProgramGame().DestPiles[2] = PileOf({c});
    ProgramGame().FilaPiles[1] = PileOf({c});
    ProgramGame().AppoggPiles[3] = PileOf({c});
    EXPECT_EQ(LocateCard(ProgramGame(), c), -99);
    ProgramGame().MazzoPiles[0].clear();
    EXPECT_EQ(LocateCard(ProgramGame(), c), -98);
    ProgramGame().MazzoPiles[1].clear();
    EXPECT_EQ(LocateCard(ProgramGame(), c), -3);
    ProgramGame().DestPiles[2].clear();
    EXPECT_EQ(LocateCard(ProgramGame(), c), 2);
    ProgramGame().FilaPiles[1].clear();
    EXPECT_EQ(LocateCard(ProgramGame(), c), -24);
    ProgramGame().AppoggPiles[3].clear();
    EXPECT_EQ(LocateCard(ProgramGame(), c), 0);
    ProgramGame().MazzoPiles[2] = PileOf({c});
    EXPECT_EQ(LocateCard(ProgramGame(), c), 0);  // "Waste" is not searched
    // Every pile of the lists counts, whatever the game uses.
    ProgramGame().FilaPiles[39] = PileOf({H(7)});
    ProgramGame().DestPiles[15] = PileOf({H(8)});
    ProgramGame().AppoggPiles[9] = PileOf({H(9)});
    EXPECT_EQ(LocateCard(ProgramGame(), H(7)), 40);
    EXPECT_EQ(LocateCard(ProgramGame(), H(8)), -16);
    EXPECT_EQ(LocateCard(ProgramGame(), H(9)), -30);
    ProgramGame().FilaPiles[0] = "000";
    EXPECT_EQ(LocateCard(ProgramGame(), 0), 0);  // a hole is no card
    EXPECT_EQ(LocateCard(ProgramGame(), 109), 0);
}

class Offers : public Placement {
protected:
    Offers() {
        for (int i = 0; i < 4; ++i) Foundation(i, 1, 1, 0);
        InstalledPorts().SetTable(&table);
    }
    RecordingTable table;
};

TEST_F(Offers, CardMovesFromAnyPileFaceUp) {
    ProgramGame().DestPiles[0] = PileOf({H(1)});
    ProgramGame().DestPiles[1] = PileOf({C(1)});
    ProgramGame().FilaPiles[2] = PileOf({S(9), C(2)});
    SetFaceFlag(ProgramGame().CardRegister, C(2), '0');
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), C(2), -1));
    EXPECT_EQ(ProgramGame().DestPiles[1], PileOf({C(1), C(2)}));
    EXPECT_EQ(ProgramGame().FilaPiles[2], PileOf({S(9)}));
    EXPECT_TRUE(IsFaceUp(ProgramGame(), C(2)));
    EXPECT_EQ(table.redrawn, std::vector<std::string>{"Dest2"});

    const std::vector<std::pair<std::string, CardCode>> sources = {
        {"Mazzo", C(3)}, {"Mazzo_Vis", C(4)}, {"Waste", C(5)}, {"Appogg2", C(6)}};
    for (const auto& [pile, card] : sources) {
        Put(pile, card);
        EXPECT_TRUE(OfferToFoundations(ProgramGame(), card, -1)) << pile;
        EXPECT_TRUE(PileByName(ProgramGame(), pile)->empty()) << pile;
        EXPECT_EQ(TopCode(ProgramGame().DestPiles[1]), card) << pile;
    }
    // A card from the pack (nowhere yet) is simply laid on.
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), C(7), -1));
    EXPECT_EQ(TopCode(ProgramGame().DestPiles[1]), C(7));
}

TEST_F(Offers, RefusedOffersChangeNothing) {
    ProgramGame().DestPiles[0] = PileOf({H(1)});
    ProgramGame().FilaPiles[0] = PileOf({D(2)});
    const auto fila = ProgramGame().FilaPiles, dest = ProgramGame().DestPiles;
    EXPECT_FALSE(OfferToFoundations(ProgramGame(), D(2), -1));
    EXPECT_FALSE(OfferToFoundations(ProgramGame(), H(2), 1));  // foundation 1 is skipped
    EXPECT_FALSE(OfferToFoundations(ProgramGame(), 0, -1));
    EXPECT_EQ(ProgramGame().FilaPiles, fila);
    EXPECT_EQ(ProgramGame().DestPiles, dest);
    EXPECT_TRUE(table.redrawn.empty());
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), S(1), 1));
    EXPECT_EQ(ProgramGame().DestPiles[1], PileOf({S(1)}));
}

TEST_F(Offers, OffersUseTheAutomaticReadingAndTheGamesFoundations) {
    // Without the drop flag rule 7 is a plain any-suit rule.
    Foundation(0, 1, 1, 7);
    ProgramGame().DestPiles[0] = PileOf({H(1)});
    ProgramGame().MazzoPiles[0] = PileOf({C(9)});
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), S(2), -1));
    // Only the game's foundations take offers.
    ProgramGame().GameRules[367] = 1;
    EXPECT_FALSE(OfferToFoundations(ProgramGame(), D(1), -1));
    ProgramGame().GameRules[367] = 2;
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), D(1), -1));
    EXPECT_EQ(ProgramGame().DestPiles[1], PileOf({D(1)}));
}

TEST_F(Offers, AFullFoundationTakesNoMoreOffers) {
    Foundation(0, 7, 1, 0);
    Foundation(1, 7, 1, 0);
    auto fill = [] {
        ProgramGame().DestPiles[0].clear();
        ProgramGame().DestPiles[1].clear();
        for (int r : {7, 8, 9, 10, 11, 12, 13, 1, 2, 3, 4, 5, 6})
            ProgramGame().DestPiles[0] += FormatCode(H(r));
    };
    fill();
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), H(7, 2), -1));
    EXPECT_EQ(CardCount(ProgramGame().DestPiles[0]), 13);
    EXPECT_EQ(ProgramGame().DestPiles[1], PileOf({H(7, 2)}));
    // With no capacity set, offers follow the placement test alone.
    ProgramGame().GameRules[32] = 0;
    fill();
    EXPECT_TRUE(OfferToFoundations(ProgramGame(), H(7, 2), -1));
    EXPECT_EQ(CardCount(ProgramGame().DestPiles[0]), 14);
    EXPECT_TRUE(ProgramGame().DestPiles[1].empty());
}

TEST_F(Offers, GroupedOffersKeepToTheirFoundations) {
    ProgramGame().GameRules[367] = 10;
    for (int i = 0; i < 10; ++i) Foundation(i, 1, 1, 0);
    auto reset = [] {
        for (auto& p : ProgramGame().DestPiles) p.clear();
    };
    auto landed = [] {
        for (int i = 0; i < 16; ++i)
            if (!ProgramGame().DestPiles[static_cast<size_t>(i)].empty()) return i;
        return -1;
    };
    for (int i = 0; i < 4; ++i) ProgramGame().DestPiles[static_cast<size_t>(i)] = PileOf({S(1)});
    EXPECT_FALSE(OfferToFoundationsGrouped(ProgramGame(), H(1), 2));  // 1-4 are taken
    reset();
    for (int i = 0; i < 4; ++i) ProgramGame().DestPiles[static_cast<size_t>(i)] = PileOf({S(1)});
    EXPECT_TRUE(OfferToFoundationsGrouped(ProgramGame(), H(1), 4));  // 1-8
    EXPECT_EQ(ProgramGame().DestPiles[4], PileOf({H(1)}));
    reset();
    EXPECT_TRUE(OfferToFoundationsGrouped(ProgramGame(), H(1), 7));
    EXPECT_EQ(landed(), 4);
    reset();
    EXPECT_TRUE(OfferToFoundationsGrouped(ProgramGame(), H(1), 0));
    EXPECT_EQ(landed(), 0);
    reset();
    for (int i = 0; i < 8; ++i) ProgramGame().DestPiles[static_cast<size_t>(i)] = PileOf({S(1)});
    EXPECT_FALSE(OfferToFoundationsGrouped(ProgramGame(), H(1), 12));  // never foundation 9
    EXPECT_TRUE(ProgramGame().DestPiles[8].empty());
}

TEST_F(Placement, EngineStateResetsWithTheGameState) {
    ProgramGame().RunningCount = 7;
    SetMovingStackSingle(ProgramGame(), false);
    ResetGameState(ProgramGame());
    EXPECT_EQ(ProgramGame().RunningCount, 0);
    EXPECT_TRUE(MovingStackIsSingle(ProgramGame()));
}

}  // namespace
}  // namespace bw
