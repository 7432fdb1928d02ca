// Selection games played through the main window: simulated clicks on the
// table at the positions of the layout choose cards, and the tests read what
// the player would see (the frame around a chosen card, the cards gone, the
// score) on the test games kept under tests/data/games.
#include <gmock/gmock.h>

#include <QKeyEvent>
#include <QTest>
#include <algorithm>
#include <functional>
#include <string>
#include <vector>

#include "app/main_window.h"
#include "app/shell_hooks.h"
#include "core/card_positions.h"
#include "core/cards.h"
#include "core/game.h"
#include "core/new_game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "gui_support.h"
#include "interaction/wiring.h"
#include "platform/paths.h"
#include "play_support.h"
#include "render/card_images.h"
#include "render/drawing.h"
#include "render/library.h"
#include "render/surfaces.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

// Deals a chosen game number: the two draws that make a new number answer
// `number` and 1 (their product is the number); every other draw is 0.
class GameNumberRandom : public platform::Random {
public:
    long long number = 1;
    void Seed(uint64_t) override {}
    int64_t Below(int64_t n) override {
        if (n == 9999999) return number;
        if (n == 999999) return 1;
        return 0;
    }
};

// Counts the presses that reach a widget.
class PressCounter : public QObject {
public:
    int mouse = 0, keys = 0;

protected:
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::MouseButtonPress) ++mouse;
        if (e->type() == QEvent::KeyPress) ++keys;
        return false;
    }
};

struct Spot {
    std::string pile;
    int index = -1;
    int slot = -1;
};

class SelectionPlay : public WindowPlayOn<ShellTable> {
public:
    SelectionPlay() : WindowPlayOn(BW_TEST_GAMES_DAT) { platform::SetRandom(&random); }
    ~SelectionPlay() override { platform::SetRandom(nullptr); }

    void Start(int id, const std::string& name, long long number = 4711) {
        random.number = number;
        StartStored(id, name);
        dialogs.beeps = 0;
    }

    static Spot Where(CardCode c) {
        for (int i = 0; i < ProgramGame().GameRules[368]; ++i) {
            const int s = FindSlot(ProgramGame().FilaPiles[static_cast<size_t>(i)], c);
            if (s >= 0) return {"Fila" + std::to_string(i + 1), i, s};
        }
        const int s = FindSlot(ProgramGame().MazzoPiles[1], c);
        if (s >= 0) return {"Mazzo_Vis", 1, s};
        return {};
    }
    static CardPoint At(CardCode c) {
        const Spot s = Where(c);
        EXPECT_FALSE(s.pile.empty()) << "card " << c << " is not on the table";
        return CardSlotPosition(ProgramGame(), s.pile, s.index, s.slot);
    }
    void ClickPoint(int x, int y) {
        QTest::mouseClick(window.imgSfondo, Qt::LeftButton, Qt::NoModifier, QPoint(x, y));
    }
    void Click(CardCode c) {
        const CardPoint p = At(c);
        ClickPoint(p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2);
    }
    void ClickStock() {
        ClickPoint(ProgramGame().Options.StockLeft(0) + ProgramGame().CardWidth / 2,
                   ProgramGame().Options.StockTop(0) + ProgramGame().CardHeight / 2);
    }

    static CardCode Top(int pile) {
        return TopCode(ProgramGame().FilaPiles[static_cast<size_t>(pile)]);
    }
    // The n-th top card of the grid (pile order) with this rank; 0 if none.
    static CardCode GridCard(int rank, int n = 0) {
        for (int i = 0; i < ProgramGame().GameRules[368]; ++i) {
            const CardCode c = Top(i);
            if (c >= 1 && RankOf(c) == rank && n-- == 0) return c;
        }
        return 0;
    }
    static std::vector<CardCode> Selected() {
        std::vector<CardCode> out;
        for (int i = 0; i < SlotCount(ProgramGame().DestPiles[0]); ++i)
            out.push_back(SlotCode(ProgramGame().DestPiles[0], i));
        return out;
    }
    static int Cards(const std::string& pile) { return SlotCount(pile); }
    static bool OnTableNow(CardCode c) { return !Where(c).pile.empty(); }

    // Points on the card's frame: the middle of its top and left edges.
    std::vector<QPoint> FramePoints(CardCode c) const {
        const CardPoint p = At(c);
        return {QPoint(p.left + ProgramGame().CardWidth / 2, p.top),
                QPoint(p.left, p.top + ProgramGame().CardHeight / 2),
                QPoint(p.left + ProgramGame().CardWidth - 1, p.top + ProgramGame().CardHeight / 2),
                QPoint(p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight - 1)};
    }
    QRgb ScreenPixel(const QPoint& p) const {
        return window.imgSfondo->Image().pixel(p) & 0xFFFFFF;
    }
    static QRgb TablePixel(const QPoint& p) { return TableBitmap().pixel(p) & 0xFFFFFF; }
    bool Framed(CardCode c) const {
        const QRgb frame = kSelectionFrameColour.rgb() & 0xFFFFFF;
        for (const QPoint& p : FramePoints(c))
            if (ScreenPixel(p) != frame || TablePixel(p) != frame) return false;
        return true;
    }
    // What the screen and the table picture show on the card's frame line.
    std::vector<QRgb> FrameLine(CardCode c) const {
        std::vector<QRgb> out;
        for (const QPoint& p : FramePoints(c)) {
            out.push_back(ScreenPixel(p));
            out.push_back(TablePixel(p));
        }
        return out;
    }
    // The rectangle shows the background alone, on the screen and on the table picture.
    bool ShowsBackground(const CardPoint& at) const {
        const QImage& shown = window.imgSfondo->Image();
        for (int y = at.top; y < at.top + ProgramGame().CardHeight; ++y)
            for (int x = at.left; x < at.left + ProgramGame().CardWidth; ++x) {
                const QRgb bg = BackgroundBitmap().pixel(x, y) & 0xFFFFFF;
                if ((shown.pixel(x, y) & 0xFFFFFF) != bg ||
                    (TableBitmap().pixel(x, y) & 0xFFFFFF) != bg)
                    return false;
            }
        return true;
    }

    std::string Score() const { return window.lblScore->text().toStdString(); }

    GameNumberRandom random;
};

// ---------------------------------------------------------------------------
// Pyramid of ten cards, sum 13 (goal kind 4).

// The rows of the pyramid: row r holds r + 1 slots; "000" is a hole.
using Rows = std::vector<std::vector<CardCode>>;
Rows PyramidRows() {
    Rows rows;
    for (int r = 0; r < ProgramGame().GameRules[368]; ++r) {
        std::vector<CardCode> row;
        const std::string& p = ProgramGame().FilaPiles[static_cast<size_t>(r)];
        for (int k = 0; k < SlotCount(p); ++k) row.push_back(SlotCode(p, k));
        rows.push_back(row);
    }
    return rows;
}
// Nothing of the next row lies on the card (slots k and k + 1).
bool Free(const Rows& rows, size_t r, size_t k) {
    if (r + 1 >= rows.size()) return true;
    const auto& next = rows[r + 1];
    return (k >= next.size() || next[k] == 0) && (k + 1 >= next.size() || next[k + 1] == 0);
}
// A removal order that clears the pyramid: groups of one king or two cards to 13.
bool Solve(Rows rows, std::vector<std::vector<CardCode>>& plan) {
    std::vector<std::pair<size_t, size_t>> free;
    bool empty = true;
    for (size_t r = 0; r < rows.size(); ++r)
        for (size_t k = 0; k < rows[r].size(); ++k)
            if (rows[r][k] != 0) {
                empty = false;
                if (Free(rows, r, k)) free.push_back({r, k});
            }
    if (empty) return true;
    for (size_t i = 0; i < free.size(); ++i) {
        const auto [r, k] = free[i];
        const CardCode a = rows[r][k];
        if (RankOf(a) == 13) {
            Rows next = rows;
            next[r][k] = 0;
            plan.push_back({a});
            if (Solve(next, plan)) return true;
            plan.pop_back();
        }
        for (size_t j = i + 1; j < free.size(); ++j) {
            const auto [r2, k2] = free[j];
            const CardCode b = rows[r2][k2];
            if (RankOf(a) + RankOf(b) != 13) continue;
            Rows next = rows;
            next[r][k] = next[r2][k2] = 0;
            plan.push_back({a, b});
            if (Solve(next, plan)) return true;
            plan.pop_back();
        }
    }
    return false;
}

// A deal whose base row holds one king and three other cards, the first two
// of which make 13 and the first and third do not.
constexpr long long kPyramidDeal = 221;
// A deal that can be cleared.
constexpr long long kPyramidClears = 539281;

// The base row's cards other than its king, in slot order.
std::vector<CardCode> BaseNonKings() {
    std::vector<CardCode> out;
    const Rows rows = PyramidRows();
    for (CardCode c : rows.back())
        if (c != 0 && RankOf(c) != 13) out.push_back(c);
    return out;
}

TEST_F(SelectionPlay, PyramidKingLeavesAloneAndTheBackgroundComesBack) {
    Start(920, "Sel Pyramid 13", kPyramidDeal);
    EXPECT_EQ(Score(), "-52");
    const Rows rows = PyramidRows();
    ASSERT_EQ(rows.size(), 4u);
    CardCode king = 0;
    for (CardCode c : rows[3])
        if (RankOf(c) == 13) king = c;
    ASSERT_NE(king, 0) << "the deal has no king in the base row";
    const CardPoint at = At(king);
    Click(king);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(TopCode(ProgramGame().MazzoPiles[2]), king);
    // The row keeps its shape: the king's place is a hole.
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[3]), 4);
    EXPECT_NE(ProgramGame().FilaPiles[3].find("000"), std::string::npos);
    EXPECT_TRUE(ShowsBackground(at));
    EXPECT_EQ(Score(), "-47");
}

TEST_F(SelectionPlay, PyramidCoveredCardsAreNotChosen) {
    Start(920, "Sel Pyramid 13", kPyramidDeal);
    const Rows rows = PyramidRows();
    const std::vector<QRgb> before = FrameLine(rows[0][0]);
    for (size_t r = 0; r < 3; ++r)
        for (CardCode c : rows[r]) Click(c);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(FrameLine(rows[0][0]), before);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 0);
}

TEST_F(SelectionPlay, PyramidFrameFollowsTheChoiceAndAThirdCardBeeps) {
    Start(920, "Sel Pyramid 13", kPyramidDeal);
    const std::vector<CardCode> base = BaseNonKings();
    ASSERT_EQ(base.size(), 3u);
    const CardCode a = base[0], b = base[2], c = base[1];
    ASSERT_NE(RankOf(a) + RankOf(b), 13);
    const std::vector<QRgb> plainA = FrameLine(a), plainC = FrameLine(c);

    Click(a);
    EXPECT_EQ(Selected(), std::vector<CardCode>{a});
    EXPECT_TRUE(Framed(a));
    // Clicking it again takes it back; the card looks as before.
    Click(a);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(FrameLine(a), plainA);

    Click(a);
    Click(b);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{a, b}));
    Click(c);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{a, b}));
    EXPECT_TRUE(Framed(a));
    EXPECT_TRUE(Framed(b));
    EXPECT_EQ(FrameLine(c), plainC);
}

TEST_F(SelectionPlay, PyramidPressesDuringARemovalAreSwallowed) {
    Start(920, "Sel Pyramid 13", kPyramidDeal);
    const std::vector<CardCode> base = BaseNonKings();
    ASSERT_EQ(base.size(), 3u);
    ASSERT_EQ(RankOf(base[0]) + RankOf(base[1]), 13);
    const CardCode other = base[2];

    PressCounter seen;
    window.imgSfondo->installEventFilter(&seen);
    window.installEventFilter(&seen);
    bool ran = false;
    passing.during = [&] {
        ran = true;
        const CardPoint p = At(other);
        ClickPoint(p.left + ProgramGame().CardWidth / 2, p.top + ProgramGame().CardHeight / 2);
        QTest::keyClick(&window, Qt::Key_N, Qt::ControlModifier);
        QTest::mouseClick(window.imgSfondo, Qt::RightButton, Qt::NoModifier,
                          QPoint(p.left + 3, p.top + 3));
    };
    Click(base[0]);
    seen.mouse = seen.keys = 0;
    Click(base[1]);
    ASSERT_TRUE(ran);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
    // The one press that reached the table was the click that completed the pair.
    EXPECT_EQ(seen.mouse, 1);
    EXPECT_EQ(seen.keys, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    // Input flows again afterwards.
    Click(other);
    EXPECT_EQ(seen.mouse, 2);
    EXPECT_EQ(Selected(), std::vector<CardCode>{other});
    window.imgSfondo->removeEventFilter(&seen);
    window.removeEventFilter(&seen);
}

TEST_F(SelectionPlay, PyramidClearedToTheEnd) {
    Start(920, "Sel Pyramid 13", kPyramidClears);
    std::vector<std::vector<CardCode>> plan;
    ASSERT_TRUE(Solve(PyramidRows(), plan));
    for (const auto& group : plan) {
        ASSERT_TRUE(Flag(ProgramGame(), flag::kInProgress));
        for (CardCode c : group) Click(c);
        for (CardCode c : group) EXPECT_FALSE(OnTableNow(c)) << c;
    }
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 10);
    for (const auto& row : PyramidRows())
        for (CardCode c : row) EXPECT_EQ(c, 0);
    // The game ended as won: -52 for the pack, 5 for each card removed.
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_TRUE(Flag(ProgramGame(), flag::kEnded));
    EXPECT_EQ(Score(), "-2");
    EXPECT_EQ(ProgramGame().values.score, "-2");
}

TEST_F(SelectionPlay, PyramidStockTurnsAndItsCardsPairWithThePyramid) {
    Start(943, "Sel Pyramid Stock");
    ASSERT_EQ(Cards(ProgramGame().MazzoPiles[0]), 20);
    ASSERT_TRUE(OnTable(ProgramGame().Options.StockLeft(1)));
    // With nothing chosen a press on the stock turns its top card.
    const CardCode first = TopCode(ProgramGame().MazzoPiles[0]);
    ClickStock();
    EXPECT_EQ(TopCode(ProgramGame().MazzoPiles[1]), first);
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, first), '1');
    EXPECT_TRUE(Selected().empty());

    // While a card is chosen, a press on the stock chooses its top card.
    const CardCode s = TopCode(ProgramGame().MazzoPiles[0]);
    CardCode x = 0;
    for (CardCode c : BaseNonKings())
        if (RankOf(c) + RankOf(s) != 13) x = c;
    ASSERT_NE(x, 0);
    Click(x);
    ClickStock();
    EXPECT_EQ(Selected(), (std::vector<CardCode>{x, s}));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 19);
    // A second press takes it back.
    ClickStock();
    EXPECT_EQ(Selected(), std::vector<CardCode>{x});
    Click(x);

    // Turn until the turned card pairs with a free base card (or is a king).
    for (int turn = 0; turn < 19 && Flag(ProgramGame(), flag::kInProgress); ++turn) {
        const CardCode v = TopCode(ProgramGame().MazzoPiles[1]);
        CardCode partner = 0;
        const auto rows = PyramidRows();  // kept: the loop reads its last row
        for (CardCode c : rows.back())
            if (c != 0 && RankOf(c) + RankOf(v) == 13) partner = c;
        if (RankOf(v) == 13 || partner != 0) {
            const int wasteBefore = Cards(ProgramGame().MazzoPiles[2]);
            const int visBefore = Cards(ProgramGame().MazzoPiles[1]);
            Click(v);
            if (partner) Click(partner);
            EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), wasteBefore + (partner ? 2 : 1));
            // The turned card leaves its pile without a hole.
            EXPECT_EQ(Cards(ProgramGame().MazzoPiles[1]), visBefore - 1);
            EXPECT_EQ(FindSlot(ProgramGame().MazzoPiles[1], 0), -1);
            EXPECT_TRUE(Selected().empty());
            EXPECT_EQ(dialogs.beeps, 0);
            return;
        }
        ClickStock();
    }
    FAIL() << "no turned card ever paired with the pyramid";
}

// ---------------------------------------------------------------------------
// Grid games: sixteen single cards, most of them dealt by rank.

// Cards of the grid whose ranks are `ranks`, each taken once, in pile order.
std::vector<CardCode> GridCards(std::initializer_list<int> ranks) {
    std::vector<CardCode> out;
    for (int r : ranks) {
        int n = 0;
        CardCode c;
        while ((c = SelectionPlay::GridCard(r, n)) != 0 &&
               std::find(out.begin(), out.end(), c) != out.end())
            ++n;
        EXPECT_NE(c, 0) << "no card of rank " << r << " in the grid";
        out.push_back(c);
    }
    return out;
}

TEST_F(SelectionPlay, PairsOf14ThirdCardRefusedFirstTwoStay) {
    Start(921, "Sel Pairs 14");
    const auto cs = GridCards({2, 3, 4});
    const std::vector<QRgb> plain = FrameLine(cs[2]);
    Click(cs[0]);
    Click(cs[1]);
    Click(cs[2]);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{cs[0], cs[1]}));
    EXPECT_TRUE(Framed(cs[0]));
    EXPECT_TRUE(Framed(cs[1]));
    EXPECT_EQ(FrameLine(cs[2]), plain);
    // Both taken back, one click each.
    Click(cs[1]);
    Click(cs[0]);
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(Framed(cs[0]));
}

TEST_F(SelectionPlay, PairsOf14LeaveTheGrid) {
    Start(921, "Sel Pairs 14");
    const auto sevens = GridCards({7, 7});
    const auto kingAce = GridCards({13, 1});
    Click(sevens[0]);
    Click(sevens[1]);
    Click(kingAce[0]);
    Click(kingAce[1]);
    EXPECT_EQ(dialogs.beeps, 0);
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 4);
    for (CardCode c : {sevens[0], sevens[1], kingAce[0], kingAce[1]}) EXPECT_FALSE(OnTableNow(c));
    EXPECT_TRUE(ProgramGame().FilaPiles[2].empty());
    EXPECT_EQ(Score(), "-32");
}

TEST_F(SelectionPlay, TensRemovePairsAndRefillFromTheStock) {
    Start(922, "Sel Tens");
    ASSERT_EQ(Cards(ProgramGame().MazzoPiles[0]), 36);
    const auto pair = GridCards({3, 7});
    const CardCode stockTop = TopCode(ProgramGame().MazzoPiles[0]);
    Click(pair[0]);
    EXPECT_TRUE(Framed(pair[0]));
    Click(pair[1]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
    // "Selezionate_Fila" filled both emptied piles, the stock's top card first.
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 34);
    EXPECT_EQ(Top(0), stockTop);
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[1]), 1);
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, Top(0)), '1');
    EXPECT_FALSE(Framed(Top(0)));

    // A number card and a face never go together.
    const auto twoQueen = GridCards({2, 12});
    Click(twoQueen[0]);
    Click(twoQueen[1]);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), std::vector<CardCode>{twoQueen[0]});
    // With 10 a third number card is refused.
    const auto fiveAce = GridCards({5, 1});
    Click(fiveAce[0]);
    Click(fiveAce[1]);
    EXPECT_EQ(dialogs.beeps, 2);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{twoQueen[0], fiveAce[0]}));
    Click(twoQueen[0]);
    Click(fiveAce[0]);

    // Four jacks make a group.
    const auto jacks = GridCards({11, 11, 11, 11});
    for (CardCode j : jacks) Click(j);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 6);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 30);
    EXPECT_EQ(dialogs.beeps, 2);
}

TEST_F(SelectionPlay, FifteensTakeThreeCardsAndFourKings) {
    Start(923, "Sel Fifteens");
    const auto run = GridCards({4, 5, 6});
    Click(run[0]);
    Click(run[1]);
    EXPECT_EQ(Selected().size(), 2u);
    Click(run[2]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 3);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 33);
    // A ten never joins number cards.
    const auto tenNine = GridCards({9, 10});
    Click(tenNine[0]);
    Click(tenNine[1]);
    EXPECT_EQ(dialogs.beeps, 1);
    Click(tenNine[0]);
    for (CardCode k : GridCards({13, 13, 13, 13})) Click(k);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 7);
}

TEST_F(SelectionPlay, ElevensRefuseASevenAfterAJack) {
    Start(924, "Sel Elevens");
    const auto jackSeven = GridCards({11, 7});
    Click(jackSeven[0]);
    Click(jackSeven[1]);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), std::vector<CardCode>{jackSeven[0]});
    // A second jack is refused too; a queen and a king complete the group.
    const CardCode secondJack = GridCards({11, 11})[1];
    Click(secondJack);
    EXPECT_EQ(dialogs.beeps, 2);
    const auto qk = GridCards({12, 13});
    Click(qk[0]);
    Click(qk[1]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 3);
    const auto tenAce = GridCards({10, 1});
    Click(tenAce[0]);
    Click(tenAce[1]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 5);
}

TEST_F(SelectionPlay, NinesLeaveAloneAndTenToKingTogether) {
    Start(925, "Sel Nines");
    const CardCode nine = GridCards({9})[0];
    Click(nine);
    EXPECT_FALSE(OnTableNow(nine));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 1);
    for (CardCode c : GridCards({10, 11, 12, 13})) Click(c);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 5);
    const auto fourFive = GridCards({4, 5});
    Click(fourFive[0]);
    Click(fourFive[1]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 7);
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(SelectionPlay, PlainSumRuleNeverRefuses) {
    Start(926, "Sel Any Thirteen");
    for (CardCode c : GridCards({2, 3, 8})) Click(c);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 3);
    const CardCode king = GridCards({13})[0];
    Click(king);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 4);
    // Cards past the sum stay chosen: the rule has no refusal.
    const auto many = GridCards({6, 10, 9});
    for (CardCode c : many) Click(c);
    EXPECT_EQ(Selected().size(), 3u);
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(SelectionPlay, TwoCardTargetRefusesAThird) {
    Start(927, "Sel Two To Eleven");
    const auto cs = GridCards({2, 3, 4});
    for (CardCode c : cs) Click(c);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{cs[0], cs[1]}));
    Click(cs[0]);
    Click(cs[1]);
    const auto pair = GridCards({5, 6});
    Click(pair[0]);
    Click(pair[1]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
}

TEST_F(SelectionPlay, NeighboursOfOneRankAndTheStockClosesUp) {
    Start(928, "Sel Neighbours");
    ASSERT_EQ(RankOf(Top(0)), 5);
    ASSERT_EQ(RankOf(Top(1)), 5);
    ASSERT_EQ(RankOf(Top(15)), 5);
    // Same rank, far apart: refused.
    Click(Top(0));
    Click(Top(15));
    EXPECT_EQ(dialogs.beeps, 1);
    Click(Top(1));
    EXPECT_TRUE(ProgramGame().FilaPiles[0].empty());
    EXPECT_TRUE(ProgramGame().FilaPiles[1].empty());
    // No refill in this game: the stock waits for its press.
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 36);
    std::vector<std::string> before(ProgramGame().FilaPiles.begin(),
                                    ProgramGame().FilaPiles.begin() + 16);
    ClickStock();
    // The grid closed up and the two last piles came from the stock.
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(i)],
                  before[static_cast<size_t>(i + 2)])
            << i;
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[14]), 1);
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[15]), 1);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 34);
}

TEST_F(SelectionPlay, TenAloneOrTenNeighboursAndTheStockClosesUp) {
    Start(929, "Sel Ten Neighbours");
    const CardCode ten = GridCards({10})[0];
    Click(ten);
    EXPECT_FALSE(OnTableNow(ten));
    // The stock's only card took the ten's place.
    EXPECT_TRUE(ProgramGame().MazzoPiles[0].empty());
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[2]), 1);
    // Piles 1 and 2 lie side by side.
    ASSERT_EQ(RankOf(Top(0)) + RankOf(Top(1)), 10);
    Click(Top(0));
    Click(Top(1));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 3);
    EXPECT_TRUE(ProgramGame().FilaPiles[0].empty());
    // A 2 and an 8 far apart are refused.
    ASSERT_EQ(RankOf(Top(3)), 2);
    ASSERT_EQ(RankOf(Top(15)), 8);
    Click(Top(3));
    Click(Top(15));
    EXPECT_EQ(dialogs.beeps, 1);
    Click(Top(3));
    EXPECT_TRUE(Selected().empty());
    // The stock press closes the two gaps up.
    std::vector<std::string> before(ProgramGame().FilaPiles.begin(),
                                    ProgramGame().FilaPiles.begin() + 16);
    ClickStock();
    for (int i = 0; i < 14; ++i)
        EXPECT_EQ(ProgramGame().FilaPiles[static_cast<size_t>(i)],
                  before[static_cast<size_t>(i + 2)])
            << i;
    EXPECT_TRUE(ProgramGame().FilaPiles[14].empty());
    EXPECT_TRUE(ProgramGame().FilaPiles[15].empty());
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
}

TEST_F(SelectionPlay, DecadesCountFacesAsTenAndTheStockDealsARound) {
    Start(930, "Sel Decades");
    const auto pair = GridCards({3, 7});
    Click(pair[0]);
    Click(pair[1]);
    const auto kq = GridCards({13, 12});
    Click(kq[0]);
    Click(kq[1]);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 4);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 32);
    ClickStock();
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 16);
    for (int i = 0; i < 16; ++i)
        EXPECT_EQ(Cards(ProgramGame().FilaPiles[static_cast<size_t>(i)]), 2) << i;
}

// Two top cards of the grid for which `fits` holds; false when there are none.
bool FindPair(const std::function<bool(CardCode, CardCode)>& fits, CardCode& a, CardCode& b) {
    for (int i = 0; i < 16; ++i)
        for (int j = i + 1; j < 16; ++j) {
            a = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(i)]);
            b = TopCode(ProgramGame().FilaPiles[static_cast<size_t>(j)]);
            if (a >= 1 && b >= 1 && fits(a, b)) return true;
        }
    return false;
}

TEST_F(SelectionPlay, SuitPairsToTheTargetAndTheStockWinsTheGame) {
    Start(931, "Sel Suit Pairs");
    CardCode a, b;
    ASSERT_TRUE(
        FindPair([](CardCode x,
                    CardCode y) { return SuitOf(x) != SuitOf(y) && RankOf(x) + RankOf(y) == 14; },
                 a, b));
    Click(a);
    Click(b);
    EXPECT_EQ(dialogs.beeps, 1);
    Click(a);
    ASSERT_TRUE(
        FindPair([](CardCode x,
                    CardCode y) { return SuitOf(x) == SuitOf(y) && RankOf(x) + RankOf(y) == 14; },
                 a, b));
    Click(a);
    Click(b);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 34);
    // Won once the stock is dealt out with at most four cards on pile 1.
    ClickStock();
    ClickStock();
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    ClickStock();
    EXPECT_TRUE(ProgramGame().MazzoPiles[0].empty());
    EXPECT_FALSE(Flag(ProgramGame(), flag::kInProgress));
    EXPECT_EQ(Score(), "-42");
}

TEST_F(SelectionPlay, ColourPairsToTheTarget) {
    Start(932, "Sel Colour Pairs");
    // This goal kind's deal lays the queen of hearts on pile 1 and puts the
    // king of hearts under the stock.
    EXPECT_EQ(Top(0), 12);
    EXPECT_EQ(BottomCode(ProgramGame().MazzoPiles[0]), 13);
    const int stock = Cards(ProgramGame().MazzoPiles[0]);
    CardCode a, b;
    ASSERT_TRUE(FindPair(
        [](CardCode x, CardCode y) { return IsRed(x) != IsRed(y) && RankOf(x) + RankOf(y) == 13; },
        a, b));
    Click(a);
    Click(b);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), std::vector<CardCode>{a});
    Click(a);
    ASSERT_TRUE(FindPair(
        [](CardCode x, CardCode y) { return IsRed(x) == IsRed(y) && RankOf(x) + RankOf(y) == 13; },
        a, b));
    Click(a);
    Click(b);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), stock - 2);
    ClickStock();
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), stock - 18);
}

TEST_F(SelectionPlay, SuitGroupsGrowToTheTarget) {
    Start(933, "Sel Suit Fifteen");
    CardCode a, b;
    // Another suit is refused.
    ASSERT_TRUE(FindPair(
        [](CardCode x, CardCode y) { return SuitOf(x) != SuitOf(y) && RankOf(x) + RankOf(y) < 15; },
        a, b));
    Click(a);
    Click(b);
    EXPECT_EQ(dialogs.beeps, 1);
    Click(a);
    // Two of one suit below the target stay chosen, past it they are refused.
    ASSERT_TRUE(FindPair(
        [](CardCode x, CardCode y) { return SuitOf(x) == SuitOf(y) && RankOf(x) + RankOf(y) < 15; },
        a, b));
    Click(a);
    Click(b);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{a, b}));
    EXPECT_TRUE(Framed(a) && Framed(b));
    ClickStock();
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 20);
}

TEST_F(SelectionPlay, BalanceOfNumbersAndFaces) {
    Start(934, "Sel Balance");
    const auto group = GridCards({11, 5, 6});
    for (CardCode c : group) Click(c);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 3);
    EXPECT_TRUE(Flag(ProgramGame(), flag::kInProgress));
    // Faces of 14 or more together are refused.
    const auto qk = GridCards({12, 13});
    Click(qk[0]);
    Click(qk[1]);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), std::vector<CardCode>{qk[0]});
    ClickStock();
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 32 - 16);
}

TEST_F(SelectionPlay, TwoPilesApartAndTheStockDropsTheSelection) {
    Start(935, "Sel Two Apart");
    ASSERT_EQ(RankOf(Top(0)), 9);
    ASSERT_EQ(RankOf(Top(1)), 9);
    ASSERT_EQ(RankOf(Top(2)), 9);
    Click(Top(0));
    Click(Top(1));
    EXPECT_EQ(dialogs.beeps, 1);
    const CardCode third = Top(2);
    Click(third);
    EXPECT_TRUE(ProgramGame().FilaPiles[0].empty());
    EXPECT_TRUE(ProgramGame().FilaPiles[2].empty());
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 36);  // no refill in this game
    // A face-down card is refused.
    Click(Top(15));
    EXPECT_EQ(dialogs.beeps, 2);
    const CardCode chosen = Top(1);
    Click(chosen);
    EXPECT_TRUE(Framed(chosen));
    ClickStock();
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 20);
}

TEST_F(SelectionPlay, OpenPairsTurnFaceDownCardsUp) {
    Start(936, "Sel Open Pairs");
    const CardCode hidden = Top(8);
    ASSERT_EQ(FaceFlag(ProgramGame().CardRegister, hidden), '0');
    Click(hidden);
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, hidden), '1');
    EXPECT_TRUE(Selected().empty());
    EXPECT_FALSE(Framed(hidden));
    // Two eights face up leave; a third card is refused.
    Click(Top(0));
    Click(Top(2));
    EXPECT_EQ(dialogs.beeps, 1);
    Click(Top(1));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
    EXPECT_EQ(dialogs.beeps, 1);
}

TEST_F(SelectionPlay, OpenElevensTurnUpAndTakeFaceGroups) {
    Start(937, "Sel Open Elevens");
    const CardCode hidden = Top(9);
    Click(hidden);
    EXPECT_EQ(FaceFlag(ProgramGame().CardRegister, hidden), '1');
    EXPECT_TRUE(Selected().empty());
    for (int i = 0; i < 3; ++i) Click(Top(i));  // jack, queen, king
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 3);
    // A number card with a face is refused.
    const CardCode five = Top(3);
    const CardCode jack = Top(13);
    ASSERT_EQ(FaceFlag(ProgramGame().CardRegister, jack), '0');
    Click(jack);  // turns up first
    Click(five);
    Click(jack);
    EXPECT_EQ(dialogs.beeps, 1);
    EXPECT_EQ(Selected(), std::vector<CardCode>{five});
    Click(Top(4));
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 5);
}

TEST_F(SelectionPlay, EighteensAceAloneOrFaceWithThree) {
    Start(938, "Sel Eighteens");
    const CardCode ace = Top(0);
    Click(ace);
    EXPECT_FALSE(OnTableNow(ace));
    // Two faces are refused; a queen with 5, 6 and 7 leaves.
    const auto faces = GridCards({12, 11});
    Click(faces[0]);
    Click(faces[1]);
    EXPECT_EQ(dialogs.beeps, 1);
    for (CardCode c : GridCards({5, 6, 7})) Click(c);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 5);
    // Four cards without a face are refused.
    const auto low = GridCards({2, 3, 4, 8});
    for (CardCode c : low) Click(c);
    EXPECT_EQ(dialogs.beeps, 2);
    EXPECT_EQ(Selected(), (std::vector<CardCode>{low[0], low[1], low[2]}));
}

TEST_F(SelectionPlay, SwapExchangesTwoFirstCards) {
    Start(939, "Sel Swap");
    const CardCode a = Top(0), b = Top(5);
    Click(a);
    EXPECT_TRUE(Framed(a));
    Click(b);
    EXPECT_EQ(Top(0), b);
    EXPECT_EQ(Top(5), a);
    EXPECT_TRUE(Selected().empty());
    // The card now at pile 6 shows without a frame.
    EXPECT_FALSE(Framed(a));
    EXPECT_FALSE(Framed(b));
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(SelectionPlay, MarkOnlyDrawsTheFrame) {
    Start(940, "Sel Mark Only");
    const CardCode c = Top(6);
    Click(c);
    EXPECT_TRUE(Framed(c));
    EXPECT_TRUE(Selected().empty());
    EXPECT_TRUE(OnTableNow(c));
}

TEST_F(SelectionPlay, NothingIsChosenInAGameThatSelectsNothing) {
    Start(941, "Sel Nothing");
    const CardCode c = Top(6);
    Click(c);
    EXPECT_FALSE(Framed(c));
    EXPECT_TRUE(Selected().empty());
    EXPECT_EQ(dialogs.beeps, 0);
}

TEST_F(SelectionPlay, StockPairsTurnTheStockThroughTheEmptyPile) {
    Start(942, "Sel Stock Pairs");
    ASSERT_TRUE(ProgramGame().MazzoPiles[1].empty());
    // Two cards of the row of different ranks are refused.
    Click(Top(0));
    Click(Top(1));
    EXPECT_EQ(dialogs.beeps, 1);
    Click(Top(0));
    // A press on the empty turned-card pile turns one card from the stock.
    ClickPoint(ProgramGame().Options.StockLeft(1) + ProgramGame().CardWidth / 2,
               ProgramGame().Options.StockTop(1) + ProgramGame().CardHeight / 2);
    ASSERT_EQ(Cards(ProgramGame().MazzoPiles[1]), 1);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 38);
    const CardCode turned = TopCode(ProgramGame().MazzoPiles[1]);
    const CardCode partner = GridCard(RankOf(turned));
    ASSERT_NE(partner, 0);
    const int pile = Where(partner).index;
    Click(turned);
    EXPECT_TRUE(Framed(turned));
    Click(partner);
    EXPECT_TRUE(ProgramGame().MazzoPiles[1].empty());
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[2]), 2);
    // The row pile was refilled from the stock.
    EXPECT_EQ(Cards(ProgramGame().FilaPiles[static_cast<size_t>(pile)]), 1);
    EXPECT_EQ(Cards(ProgramGame().MazzoPiles[0]), 37);
}

}  // namespace
}  // namespace bw::test
