#include "render/layout.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <initializer_list>

#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"

namespace bw {

namespace {

// What a style writes for a pile it keeps off the table.
constexpr int kHidden = -10000;

// Positions are 16-bit: sums are formed in 32 bits and wrap when stored.
int Wrap(long long v) {
    return static_cast<int16_t>(static_cast<uint16_t>(v & 0xFFFF));
}

// Integer division in C++ already drops the fraction toward zero, which is
// the rounding every layout quotient uses (trunc(-2.5) = -2).
int Trunc(long long num, long long den) {
    return static_cast<int>(num / den);
}

struct Group {
    char row = '0';  // row digit of the group code
    int style = -1;  // last three characters of the code as a number; -1 if not digits
    int count = 0;
};

Group ReadGroup(int rowRule, int styleRule, int countRule) {
    Group g;
    std::string code = GroupCode(rowRule, styleRule);
    g.row = code[0];
    std::string last = code.substr(code.size() - 3);
    bool digits =
        std::all_of(last.begin(), last.end(), [](char c) { return c >= '0' && c <= '9'; });
    g.style = digits ? std::stoi(last) : -1;
    g.count = countRule;
    return g;
}

bool IsOneOf(int style, std::initializer_list<int> styles) {
    return std::find(styles.begin(), styles.end(), style) != styles.end();
}

bool IsGeneralTableauStyle(int style) {
    return IsOneOf(style, {1, 2, 3, 10, 11, 12, 13, 14, 15, 18, 20, 21});
}

class Layout {
public:
    Layout(Game& game, const LayoutInput& in, std::optional<int> overlapStart)
        : game_(game), in_(in), overlapStart_(overlapStart) {}

    // Places every group; returns where a centred tableau should start
    // instead when the last reserve cell of a left-aligned reserve row runs
    // into it.
    std::optional<int> Run(bool correctOverlap);

    // A tableau style that arranges the whole table, leaving nothing to the
    // other groups' own styles: the function that lays it out, or null.
    using StyleLayout = void (Layout::*)();
    static StyleLayout WholeTableLayout(int style);

private:
    // Margins, rows and centred blocks shared by all styles.
    void Common();
    std::optional<int> Row(char digit, bool zeroIsOne) const;
    std::optional<int> RowBefore(char digit) const;
    int StandardRow(int n) const;
    int BlockRow(int n) const { return b4_ + (n - 1) * (H_ + 10); }
    // The whole-table styles, one each (kWholeTableStyles).
    void FourByFourWithStockBeside();
    void CrossOfFive();
    void Staircase();
    void TwoRowsOfSix();
    void FourRowsOfFive();
    void FiveByFiveWithStockBeside();
    void EightFoundationsInARow();
    void FoundationsOverTwoRowsOfEight();
    void FourRowsAtTheLeftEdge();
    void SquareGrid(int n, int s, int cardsAcross, int gapsAcross, int extra);
    void FourByFourGrid();
    void ThreeByThreeGrid();
    void FiveByFiveGrid();
    void RowsOfFourFiveFour();
    void ColumnOfRows(int n, int s, int cardsAcross, long long least);
    void FourRowsOfSix();
    void FiveRowsOfEight();
    void ThreeRowsOfFour();
    void TenFoundationsOverTwoRowsOfTen();
    void ThreeByThreeWithAPileEachSide();
    void RingOfTwelveFoundations();
    // Otherwise the tableau first: the other groups are placed relative to it.
    void GeneralTableau(int style);
    void TableauRow(int style);
    void TableauRowWithStock(int style);
    void TableauRows(int style);
    void TableauUnderFoundations();
    void Stock();
    void Foundations();
    void Reserve();
    void ThirdPile();
    std::optional<int> OverlapStart() const;

    // Anchors; every store wraps to 16 bits.
    int X(int i) const {
        return (i >= 0 && i < 40) ? game_.FilaLeft[static_cast<size_t>(i)] : kOffFila;
    }
    int Y(int i) const {
        return (i >= 0 && i < 40) ? game_.FilaTop[static_cast<size_t>(i)] : kOffFila;
    }
    static bool HasFila(int i) { return i >= 0 && i < 40; }
    void SetX(int i, long long v) {
        if (HasFila(i)) game_.FilaLeft[static_cast<size_t>(i)] = static_cast<int16_t>(Wrap(v));
    }
    void SetY(int i, long long v) {
        if (HasFila(i)) game_.FilaTop[static_cast<size_t>(i)] = static_cast<int16_t>(Wrap(v));
    }
    void SetStock(int i, long long left, long long top) {
        game_.Options.SetStockLeft(i, Wrap(left));
        game_.Options.SetStockTop(i, Wrap(top));
    }
    void SetDest(int i, long long left, long long top) {
        if (i < 0 || i >= 16) return;
        game_.Options.SetDestLeft(i, Wrap(left));
        game_.Options.SetDestTop(i, Wrap(top));
    }
    int StockLeft(int i) const { return game_.Options.Opt(opt::kStockLeft + i); }
    int StockTop(int i) const { return game_.Options.Opt(opt::kStockTop + i); }
    int DestLeft(int i) const { return game_.Options.Opt(opt::kDestLeft + i); }
    int DestTop(int i) const { return game_.Options.Opt(opt::kDestTop + i); }

    Game& game_;
    const LayoutInput& in_;
    std::optional<int> overlapStart_;

    Group stock_, dest_, tab_, res_, third_;
    int g_ = 0;  // tableau count
    int h_ = 0;  // foundation count
    int W_ = 0, H_ = 0;
    int top_ = 0, bottom_ = 0, height_ = 0, width_ = 0;
    int screenW_ = 0, screenH_ = 0, shadow_ = 0;
    bool tallTable_ = false, tallScreen_ = false;
    int v_ = 0, m_ = 0, P_ = 0, K_ = 0, N_ = 0;
    std::array<int, 7> rows_{};  // rows_[1..6]
    int b3_ = 0, b4_ = 0;
    int a_ = 0;  // tableau gap
    int b_ = 0;  // small gap

    struct StyleEntry {
        int style;
        StyleLayout layOut;
    };
    static const StyleEntry kWholeTableStyles[];
};

void Layout::Common() {
    using namespace rule;
    stock_ = ReadGroup(Rule(game_, kStockRow), Rule(game_, kStockStyle), Rule(game_, kStockPiles));
    dest_ = ReadGroup(Rule(game_, kDestRow), Rule(game_, kDestStyle), Rule(game_, kDests));
    tab_ = ReadGroup(Rule(game_, kFilaRow), Rule(game_, kFilaStyle), Rule(game_, kFilas));
    res_ = ReadGroup(Rule(game_, kAppoggRow), Rule(game_, kAppoggStyle), Rule(game_, kReserves));
    third_ = ReadGroup(Rule(game_, kWasteRow), Rule(game_, kWasteStyle), Rule(game_, kWastePiles));
    g_ = std::clamp<int>(tab_.count, 0, 40);
    h_ = std::clamp<int>(dest_.count, 0, 16);

    W_ = in_.cardWidth;
    H_ = in_.cardHeight;
    top_ = Wrap(in_.top);
    bottom_ = Wrap(in_.bottom);
    height_ = Wrap(in_.height);
    width_ = Wrap(in_.width);
    screenW_ = Wrap(in_.screenWidth);
    screenH_ = Wrap(in_.screenHeight);
    shadow_ = Wrap(in_.shadowOffset);
    tallTable_ = height_ >= 500;
    tallScreen_ = screenH_ > 499;

    game_.Options.SetOpt(opt::kScroll, 0);
    v_ = 15;
    if (screenH_ < 500 && dest_.count > 4 && stock_.count > 1) v_ = 5;
    m_ = tallTable_ ? 10 : 5;
    P_ = Wrap(tallTable_ ? width_ - 2 : width_ - 12);

    int& row1 = rows_[1];
    row1 = Wrap(top_ + m_ + (stock_.row == '1' ? 15 : 0));
    rows_[2] = Wrap(row1 + m_ + H_ + ((stock_.row == '2' || stock_.style == 3) ? 15 : 0));
    rows_[3] = Wrap(rows_[2] + m_ + H_);
    rows_[4] = Wrap(rows_[3] + m_ + H_);
    // height > 0.8 x screen height, without the fraction.
    rows_[5] = Wrap(5LL * height_ > 4LL * screenH_ ? height_ - H_ - 50 : screenH_ - H_ - 30);
    rows_[6] = Wrap(rows_[2] + Trunc(rows_[3] - rows_[2], 2));
    if (tab_.style == 15) {
        rows_[1] = Wrap(top_ + 15);
        rows_[2] = Wrap(top_ + H_ + 20);
        rows_[3] = Wrap(top_ + 2LL * H_ + 25);
    }

    K_ = Wrap(bottom_ - top_);
    b3_ = Wrap(std::max<long long>(top_ + Trunc(K_ - 3LL * H_ - 20, 2), top_ + 2));
    b4_ = Wrap(std::max<long long>(top_ + Trunc(K_ - 4LL * H_ - 30, 2), top_ + 2));

    N_ = P_ >= 650 ? 5 : 3;
    if (stock_.count > 0) {
        N_ = Wrap(N_ + shadow_);
        const int st = stock_.style;
        if (st == 3 || st == 4 || st == 5 || st == 16 || st == 19 || third_.style == 4) N_ += 15;
    }
    a_ = 0;
    b_ = 4;
}

std::optional<int> Layout::Row(char digit, bool zeroIsOne) const {
    if (zeroIsOne && digit == '0') digit = '1';
    if (digit < '1' || digit > '6') return std::nullopt;
    return rows_[static_cast<size_t>(digit - '0')];
}

// The row above a row digit; the middle row 6 lies below row 2. Row 1 has
// none above it.
std::optional<int> Layout::RowBefore(char digit) const {
    switch (digit) {
        case '2':
        case '3':
        case '4':
        case '5': return rows_[static_cast<size_t>(digit - '0' - 1)];
        case '6': return rows_[2];
        default: return std::nullopt;
    }
}

// Rows 1..4 of the standard rows; further rows continue at the same pitch.
int Layout::StandardRow(int n) const {
    if (n <= 4) return rows_[static_cast<size_t>(std::max(n, 1))];
    return Wrap(rows_[4] + static_cast<long long>(n - 4) * (m_ + H_));
}

std::optional<int> Layout::Run(bool correctOverlap) {
    Common();
    if (const StyleLayout layOut = WholeTableLayout(tab_.style)) {
        (this->*layOut)();
        return std::nullopt;
    }
    GeneralTableau(tab_.style);
    Stock();
    b_ = std::max(4, Trunc(a_, 3));
    Foundations();
    if (tab_.style == 20) TableauUnderFoundations();
    Reserve();
    ThirdPile();
    if (correctOverlap) {
        if (auto start = OverlapStart()) return start;
    }
    if (StockTop(1) == kOffStock) game_.Options.SetStockTop(1, StockTop(0));
    return std::nullopt;
}

// ---------------------------------------------------------------------------
// Whole-table styles: the tableau and whichever other groups the style owns.

// A 4 x 4 grid between the stock and the third pile; the foundations stay
// off the table.
void Layout::FourByFourWithStockBeside() {
    int x0 = Trunc(P_ - (4LL * W_ + 40), 2);
    int o = 70;
    if (x0 - W_ - 80 < 0) {
        o = 35;
        if (x0 - W_ - 45 < 0) {
            o = 15;
            if (x0 - W_ - 25 < 0) x0 = Wrap(W_ + N_ + 15);
        }
    }
    int y0 = Wrap(std::max<long long>(top_ + Trunc(K_ - 4LL * H_ - 30, 2), rows_[1]));
    for (int i = 0; i < 16; ++i) {
        SetX(i, x0 + static_cast<long long>(i % 4) * (W_ + 10));
        SetY(i, y0 + static_cast<long long>(i / 4) * (H_ + 10));
    }
    SetStock(0, X(0) - W_ - o, Y(4) + Trunc(H_ + 10, 2));
    game_.Options.SetStockLeft(1, kHidden);
    SetStock(2, X(3) + W_ + o, StockTop(0));
    for (int i = 0; i < 4; ++i) game_.Options.SetDestLeft(i, kHidden);
}

// A cross of five, the stock and the waste to its left, a foundation in
// each corner.
void Layout::CrossOfFive() {
    int s = tallTable_ ? 35 : 25;
    int x1 = Trunc(P_ - (3LL * W_ + 2LL * s), 2);
    if (x1 - W_ - 2 * s - 25 < 0) x1 = Wrap(W_ + 2LL * s + 25);
    SetX(1, x1);
    SetX(0, X(1) + W_ + s);
    SetX(2, X(0));
    SetX(3, X(2) + W_ + s);
    SetX(4, X(0));
    for (int i = 5; i <= 7; ++i) SetX(i, kHidden);
    SetY(0, std::max<long long>(top_ + Trunc(K_ - 3LL * H_ - 2LL * s, 2), rows_[1]));
    SetY(1, Y(0) + s + H_);
    SetY(2, Y(1));
    SetY(3, Y(1));
    SetY(4, Y(3) + s + H_);
    SetStock(0, X(1) - W_ - 2 * s, Y(0));
    SetStock(1, X(1) - W_ - 2 * s, Y(1));
    SetDest(0, X(1) + 7, Y(0) + 7);
    SetDest(1, X(3) - 7, Y(0) + 7);
    SetDest(2, X(1) + 7, Y(4) - 7);
    SetDest(3, X(3) - 7, Y(4) - 7);
}

// Piles stepping down to the left, the stock and the waste at the left
// edge, the third pile to the right.
void Layout::Staircase() {
    int e = tallScreen_ ? 40 : 15;
    SetStock(0, e, rows_[1]);
    SetStock(1, e, rows_[2] + 10);
    int e72 = game_.Options.Opt(opt::kSideGap);
    long long t = Trunc(W_, 2) + Trunc(e72, 2);
    long long x0 = Trunc(P_ - W_, 2);
    // Moves right in steps of 3 until pile 6 clears the stock; solved
    // directly so that no card size can make it spin.
    long long clear = StockLeft(0) + static_cast<long long>(W_) + 3;
    if (clear >= x0 - 5 * t) x0 += 3 * ((clear - (x0 - 5 * t)) / 3 + 1);
    for (int i = 0; i <= 6; ++i) SetX(i, x0 - i * t);
    long long third = P_ - t - W_;
    long long least = X(5) + 6LL * W_ + 5LL * e72;
    if (third < least) third = least + 3;
    SetStock(2, third, rows_[1]);
    SetY(0, rows_[1]);
    int step = Trunc(H_, 2) + (tallScreen_ ? 4 : -8);
    for (int i = 1; i <= 7; ++i) SetY(i, Y(i - 1) + step);
}

// Two rows of six under the stock and the waste, two foundations on each
// side.
void Layout::TwoRowsOfSix() {
    int s = tallScreen_ ? 10 : 3;
    int d = tallScreen_ ? 45 : 20;
    int left = Trunc(P_ - 2LL * W_ - 15, 2);
    SetStock(0, left, rows_[1] + d);
    SetStock(1, static_cast<long long>(left) + W_ + 15, rows_[1] + d);
    SetX(0, Trunc(P_ - 6LL * W_ - 5LL * s, 2));
    for (int i = 1; i <= 5; ++i) SetX(i, X(i - 1) + W_ + s);
    for (int i = 0; i <= 5; ++i) {
        SetY(i, rows_[2] + d);
        SetX(i + 6, X(i));
        SetY(i + 6, rows_[3] + d);
    }
    int f = tallScreen_ ? 50 : 15;
    int lowTop = tallScreen_ ? rows_[4] : rows_[3] + 50;
    SetDest(0, X(0) - W_ - f, rows_[1]);
    SetDest(1, X(5) + W_ + f, rows_[1]);
    SetDest(2, DestLeft(0), lowTop);
    SetDest(3, DestLeft(1), lowTop);
}

// Four rows of five right of the stock and the waste, two foundations on
// each side.
void Layout::FourRowsOfFive() {
    int l = tallTable_ ? 30 : 10;
    int s = tallTable_ ? 50 : 30;
    long long left = std::max<long long>(Trunc(P_ - (7LL * W_ + 100), 2) - W_ - 37, 25);
    SetStock(0, left, b4_ - l);
    SetStock(1, StockLeft(0) + W_ + 15, b4_ - l);
    SetX(0, StockLeft(1) + s + W_);
    for (int i = 1; i <= 4; ++i) SetX(i, X(i - 1) + W_ + 10);
    for (int k = 0; k < 4; ++k)
        for (int j = 0; j < 5; ++j) {
            SetX(5 * k + j, X(j));
            SetY(5 * k + j, BlockRow(k + 1));
        }
    SetDest(0, X(0) - W_ - 30, BlockRow(2));
    SetDest(1, X(4) + W_ + 30, BlockRow(2));
    SetDest(2, DestLeft(0), BlockRow(3));
    SetDest(3, DestLeft(1), BlockRow(3));
}

// A 5 x 5 grid, the stock and the third pile to its right.
void Layout::FiveByFiveWithStockBeside() {
    int r = tallScreen_ ? 3 : 1;
    int x0 = std::max(Trunc(P_ - (6LL * W_ + 62), 2), 15);
    long long y0 = std::max<long long>(top_ + Trunc(K_ - 5LL * H_ - 4LL * r, 2), top_ + 2);
    for (int i = 0; i < 25; ++i) {
        SetX(i, x0 + static_cast<long long>(i % 5) * (W_ + 3));
        SetY(i, y0 + static_cast<long long>(i / 5) * (H_ + r));
    }
    SetStock(0, X(4) + W_ + 50, Y(5) + Trunc(H_, 3));
    SetStock(2, StockLeft(0), Y(15) - Trunc(H_, 3));
}

// Eight foundations in a row over the stock and the waste; the tableau
// is not used.
void Layout::EightFoundationsInARow() {
    long long ftop = std::max<long long>(top_ + Trunc(K_ - 2LL * H_ - 105, 2), top_ + 5);
    int f1 = std::max(Trunc(P_ - 8LL * W_ - 35, 2), 25);
    for (int i = 0; i < 8; ++i) SetDest(i, f1 + static_cast<long long>(i) * (W_ + 5), ftop);
    SetStock(0, DestLeft(3) - 15, DestTop(0) + H_ + 45);
    SetStock(1, DestLeft(4) + 15, DestTop(0) + H_ + 45);
}

// The stock and the waste beside a row of four foundations, a row of eight
// under them, and two rows of eight piles below.
void Layout::FoundationsOverTwoRowsOfEight() {
    int s = tallTable_ ? 10 : 6;
    long long btop = std::max<long long>(top_ + Trunc(K_ - 4LL * H_ - 7LL * s - 35, 2), top_ + 15);
    SetStock(0, Trunc(W_, 2), btop);
    SetStock(1, StockLeft(0) + W_ + 15, btop);
    long long f1 = Trunc(P_ - 4LL * W_ - 30, 2);
    if (f1 < StockLeft(1) + W_ + 20) f1 = StockLeft(1) + W_ + 20;
    for (int i = 0; i < 4; ++i)
        SetDest(i, f1 + static_cast<long long>(i) * (W_ + 10), StockTop(0) + s);
    long long f5 = DestLeft(0) - 20 - 2LL * W_;
    for (int i = 4; i < 12; ++i)
        SetDest(i, f5 + static_cast<long long>(i - 4) * (W_ + 10), DestTop(0) + H_ + s);
    SetX(0, DestLeft(4) + Trunc(70 - 49, 2));
    SetY(0, DestTop(4) + H_ + 4 * s);
    for (int i = 1; i <= 7; ++i) {
        SetX(i, X(i - 1) + W_ + 7);
        SetY(i, Y(0));
    }
    for (int i = 8; i <= 15; ++i) {
        SetX(i, X(i - 8));
        SetY(i, Y(0) + H_ + 7);
    }
}

// A column of four rows at the left edge, the third pile (or the stock
// without one) under its end.
void Layout::FourRowsAtTheLeftEdge() {
    // The table top_ joins the half before the fraction is dropped.
    long long y0 = std::max<long long>(Trunc(2LL * top_ + K_ - 5LL * H_ - 45, 2), top_ + 10);
    for (int i = 0; i < 4; ++i) {
        SetX(i, 5);
        SetY(i, y0 + static_cast<long long>(i) * (H_ + 10));
    }
    SetStock(Rule(game_, rule::kWastePiles) != 0 ? 2 : 0, X(0) + 6LL * W_ + 12, Y(3) + H_ + 16);
}

// Square grids of n x n piles, spaced s apart, centred on a span of
// `cardsAcross` cards and `gapsAcross` gaps (plus `extra`) so that the third
// pile can stand beside them.
void Layout::SquareGrid(int n, int s, int cardsAcross, int gapsAcross, int extra) {
    const long long span =
        static_cast<long long>(cardsAcross) * W_ + static_cast<long long>(gapsAcross) * s + extra;
    int x0 = std::max(Trunc(P_ - span, 2), 25);
    int y0 = Wrap(top_ + Trunc(K_ - static_cast<long long>(n) * H_ - (n - 1LL) * s, 2));
    for (int i = 0; i < n * n; ++i) {
        SetX(i, x0 + static_cast<long long>(i % n) * (W_ + s));
        SetY(i, y0 + static_cast<long long>(i / n) * (H_ + s));
    }
}

void Layout::FourByFourGrid() {
    const bool third = Rule(game_, rule::kWastePiles) != 0;
    const int s = !tallTable_ ? 1 : third ? 5 : 10;
    SquareGrid(4, s, third ? 6 : 4, third ? 4 : 3, 10);
    if (Rule(game_, rule::kWastePiles) == 1)
        SetStock(2, X(3) + s + 2LL * W_, Y(7) + Trunc(H_ + s, 2));
}

void Layout::ThreeByThreeGrid() {
    SquareGrid(3, tallTable_ ? 15 : 10, 3, 2, 0);
}

void Layout::FiveByFiveGrid() {
    const bool third = Rule(game_, rule::kWastePiles) != 0;
    const int s = tallTable_ ? 3 : 1;
    SquareGrid(5, s, third ? 7 : 5, third ? 4 : 3, 0);
    if (Rule(game_, rule::kWastePiles) == 1) SetStock(2, X(4) + s + 2LL * W_, Y(10));
}

// Rows of four, five and four piles.
void Layout::RowsOfFourFiveFour() {
    int s = tallTable_ ? 5 : 3;
    SetX(4, std::max(Trunc(P_ - 5LL * W_ - 4LL * s, 2), 25));
    long long y0 = std::max<long long>(top_ + Trunc(K_ - 3LL * H_ - 2LL * s, 2), rows_[1]);
    for (int i = 0; i < 4; ++i) {
        SetX(i, X(4) + Trunc(W_ + s, 2) + static_cast<long long>(i) * (W_ + s));
        SetY(i, y0);
    }
    for (int i = 5; i <= 8; ++i) SetX(i, X(i - 1) + W_ + s);
    for (int i = 4; i <= 8; ++i) SetY(i, Y(0) + H_ + s);
    for (int i = 9; i <= 12; ++i) {
        SetX(i, X(i - 9));
        SetY(i, Y(8) + H_ + s);
    }
}

// n rows one under the other, s apart, centred on a span of `cardsAcross`
// cards and no higher than `least`; the third pile goes to their right.
void Layout::ColumnOfRows(int n, int s, int cardsAcross, long long least) {
    int x0 = std::max(
        Trunc(P_ - static_cast<long long>(cardsAcross) * W_ - (cardsAcross - 2LL) * s, 2), 25);
    long long y0 = std::max<long long>(
        top_ + Trunc(K_ - static_cast<long long>(n) * H_ - (n - 1LL) * s, 2), least);
    for (int i = 0; i < n; ++i) {
        SetX(i, x0);
        SetY(i, y0 + static_cast<long long>(i) * (H_ + s));
    }
}

void Layout::FourRowsOfSix() {
    const int s = tallTable_ ? 5 : 2;
    ColumnOfRows(4, s, 8, rows_[1]);
    SetStock(2, X(0) + 7LL * W_ + s, Y(1) + Trunc(H_ + s, 2));
}

void Layout::FiveRowsOfEight() {
    const int s = tallTable_ ? 3 : 1;
    ColumnOfRows(5, s, 10, top_ + 5);
    SetStock(2, X(0) + 9LL * W_ + s, Y(2));
}

void Layout::ThreeRowsOfFour() {
    const int s = tallTable_ ? 5 : 2;
    ColumnOfRows(3, s, 6, top_ + 5);
    SetStock(2, X(1) + 5LL * W_ + s, Y(1));
}

// Ten foundations over two rows of ten piles.
void Layout::TenFoundationsOverTwoRowsOfTen() {
    int s = tallTable_ ? 5 : 2;
    int f1 = std::max(Trunc(P_ - 10LL * W_ - 9LL * s, 2), 10);
    long long ftop = std::max<long long>(top_ + Trunc(K_ - 3LL * H_ - 90, 2), top_ + 5);
    for (int i = 0; i < 10; ++i) SetDest(i, f1 + static_cast<long long>(i) * (W_ + s), ftop);
    for (int i = 0; i < 10; ++i) {
        SetX(i, DestLeft(i));
        SetY(i, DestTop(0) + H_ + 15);
    }
    for (int i = 10; i < 20; ++i) {
        SetX(i, X(i - 10));
        SetY(i, Y(0) + H_ + 60);
    }
}

// A 3 x 3 grid, the stock to its left and a foundation to its right.
void Layout::ThreeByThreeWithAPileEachSide() {
    long long x0 = std::max(Trunc(P_ - (5LL * W_ + 95), 2), 20) + 30LL + W_;
    long long y0 = std::max<long long>(top_ + Trunc(K_ - 3LL * H_ - 20, 2), top_ + 10);
    for (int i = 0; i < 9; ++i) {
        SetX(i, x0 + static_cast<long long>(i % 3) * (W_ + 10));
        SetY(i, y0 + static_cast<long long>(i / 3) * (H_ + 10));
    }
    SetStock(0, X(0) - 30 - W_, Y(3));
    SetDest(0, X(2) + 30LL + W_, Y(3));
}

// Four piles top left, twelve foundations in a ring beside them and four
// piles under the ring's top.
void Layout::RingOfTwelveFoundations() {
    int s = tallTable_ ? 5 : 2;
    int d = tallTable_ ? 31 : 0;
    for (int i = 0; i < 4; ++i) {
        SetX(i, 10 + static_cast<long long>(i) * (W_ + s));
        SetY(i, top_ + 15);
    }
    std::array<long long, 13> L{}, T{};
    L[1] = 4LL * W_ + X(3) - 10;
    T[1] = Y(0);
    L[2] = L[1] + W_ + s;
    T[2] = T[1] + d;
    L[3] = L[2] + W_ + s;
    T[3] = T[2] + Trunc(H_, 2);
    L[4] = L[3] + Trunc(W_, 2);
    T[4] = T[3] + H_ + s;
    L[5] = L[3];
    T[5] = T[4] + H_ + s;
    L[6] = L[2];
    T[6] = T[5] + Trunc(H_, 2) + 10;
    L[7] = L[6] - W_ - s;
    T[7] = T[6] + d;
    L[8] = L[7] - W_ - s;
    T[8] = T[6];
    L[9] = L[8] - W_ - s;
    T[9] = T[5];
    L[10] = L[9] - Trunc(W_, 2);
    T[10] = T[4];
    L[11] = L[9];
    T[11] = T[3];
    L[12] = L[8];
    T[12] = T[2];
    for (int i = 1; i <= 12; ++i)
        SetDest(i - 1, L[static_cast<size_t>(i)], T[static_cast<size_t>(i)]);
    for (int i = 4; i <= 7; ++i) {
        SetX(i, X(0) + static_cast<long long>(i - 4) * (W_ + s));
        SetY(i, DestTop(4));
    }
}

const Layout::StyleEntry Layout::kWholeTableStyles[] = {
    {51, &Layout::FourByFourWithStockBeside},
    {52, &Layout::CrossOfFive},
    {54, &Layout::Staircase},
    {57, &Layout::TwoRowsOfSix},
    {58, &Layout::FourRowsOfFive},
    {61, &Layout::RingOfTwelveFoundations},
    {66, &Layout::FiveByFiveWithStockBeside},
    {103, &Layout::EightFoundationsInARow},
    {108, &Layout::FoundationsOverTwoRowsOfEight},
    {118, &Layout::FourRowsAtTheLeftEdge},
    {123, &Layout::FourByFourGrid},
    {124, &Layout::ThreeByThreeGrid},
    {125, &Layout::FiveByFiveGrid},
    {126, &Layout::RowsOfFourFiveFour},
    {127, &Layout::FourRowsOfSix},
    {128, &Layout::FiveRowsOfEight},
    {129, &Layout::ThreeRowsOfFour},
    {130, &Layout::TenFoundationsOverTwoRowsOfTen},
    {172, &Layout::ThreeByThreeWithAPileEachSide},
};

Layout::StyleLayout Layout::WholeTableLayout(int style) {
    for (const StyleEntry& e : kWholeTableStyles)
        if (e.style == style) return e.layOut;
    return nullptr;
}

}  // namespace

bool TableauStyleKnown(const Game& g) {
    const int style =
        ReadGroup(Rule(g, rule::kFilaRow), Rule(g, rule::kFilaStyle), Rule(g, rule::kFilas)).style;
    return Layout::WholeTableLayout(style) || IsGeneralTableauStyle(style);
}

namespace {

// ---------------------------------------------------------------------------
// General tableau styles: one group among the others.

void Layout::GeneralTableau(int style) {
    if (!IsGeneralTableauStyle(style)) return;
    if (auto y0 = Row(tab_.row, true)) {
        for (int i = 0; i < 40; ++i) SetY(i, *y0);
    }
    switch (style) {
        case 1:
        case 14:
        case 15: TableauRow(style); break;
        case 2: {
            a_ = P_ >= 650 ? 10 : 5;
            long long x0 = overlapStart_
                               ? *overlapStart_
                               : Trunc(P_ - static_cast<long long>(g_) * W_ - (g_ - 1LL) * a_, 2);
            x0 = std::max<long long>(x0, N_);
            for (int i = 0; i < g_; ++i) SetX(i, x0 + static_cast<long long>(i) * (W_ + a_));
            if (g_ == 0) SetX(0, x0);
            break;
        }
        case 3:
        case 11:
        case 12:
        case 21: TableauRowWithStock(style); break;
        case 10:
        case 18: TableauRows(style); break;
        case 13: {
            int x0 = tallScreen_ ? 48 : 8;
            for (int i = 0; i < std::max(g_, 1); ++i)
                SetX(i, x0 + static_cast<long long>(i) * (W_ + 4));
            break;
        }
        default: break;  // 020 waits for the foundations
    }
}

void Layout::TableauRow(int style) {
    const long long g = g_, W = W_, P = P_, N = N_;
    bool stockAbove = stock_.style == 4 || third_.style == 4;
    a_ = std::clamp(Trunc(P - g * W, g + 1), 4, 20);
    if (style == 1 && stockAbove) a_ = std::max(a_, 15);
    long long x0 = Trunc(P - g * W - (g - 1) * a_, 2);
    if (x0 < N) {
        if (style == 1) {
            x0 = N;
        } else {
            // Narrow the gap just enough (rounded up) for the row to start at
            // the margin; one pile has no gap to narrow.
            if (g > 1) {
                a_ -= Trunc(100 * (N - x0) + 99 * (g - 1), 100 * (g - 1));
                a_ = std::clamp(a_, 4, 20);
            }
            x0 = (screenW_ < 650 && (h_ == 8 || g_ == 10)) ? N - 2 : N;
        }
    }
    SetX(0, x0);
    bool wideAfterStock = style != 1 && stockAbove && a_ < 15 && stock_.count > 0;
    for (int i = 1; i < g_; ++i) {
        int gap = (wideAfterStock && i <= stock_.count) ? 15 : a_;
        SetX(i, X(i - 1) + W + gap);
    }
}

void Layout::TableauRowWithStock(int style) {
    int c, z;
    if (style == 11 || style == 21) {
        c = 2;
        z = 1;
    } else {
        c = 1;
        z = 2;
        if (screenH_ < 500) {
            if (v_ > 10) v_ = 10;
            N_ = 15;
        }
    }
    const long long g = g_, W = W_, P = P_;
    a_ = Trunc(P - (g + c) * W - static_cast<long long>(z) * v_ - 15LL * c, g + 4);
    if (a_ < 4)
        a_ = 4;
    else if (a_ > 20)
        a_ = 15;
    if (style == 21) a_ = 4;
    long long x0 = Trunc(P - 15LL * c - static_cast<long long>(z) * v_ - (g + c) * W - g * a_, 2);
    if (h_ < 8 || (h_ == 8 && c == 1))
        x0 = std::max<long long>(x0, N_);
    else
        x0 = std::max<long long>(x0, tallScreen_ ? 1 : -4);
    x0 += c * (W + 15) + static_cast<long long>(z) * v_;
    if (style == 11 || style == 12) x0 += v_;
    for (int i = 0; i < std::max(g_, 1); ++i) SetX(i, x0 + i * (W + a_));
}

// 010 and 018: rows of equal length, pile i starting a new row at every
// multiple of the row length.
void Layout::TableauRows(int style) {
    const int rowsWanted = std::max<int>(Rule(game_, rule::kFilaRows), 1);
    const int per = std::max(g_ / rowsWanted, 1);
    const long long W = W_;
    long long x0;
    std::optional<int> firstBlockRow;
    if (style == 10) {
        a_ = Trunc(85 * W, 100);
        x0 = 15;
    } else {
        a_ = std::max(Trunc(P_ - per * W - 2, per + 1), Trunc(3 * W, 2));
        x0 = tallScreen_ ? N_ + 10 : 15;
        char d = tab_.row == '0' ? '1' : tab_.row;
        if (d >= '1' && d <= '9') firstBlockRow = d - '0';
    }
    auto rowTop = [&](int r) -> std::optional<int> {
        if (style == 18) {
            if (!firstBlockRow) return std::nullopt;
            return Wrap(BlockRow(*firstBlockRow + r));
        }
        if (rowsWanted == 1) return b3_;
        return StandardRow(r + 1);
    };
    int row = 0;
    SetX(0, x0);
    auto top0 = rowTop(0);
    if (top0) {
        for (int i = 0; i < 40; ++i) SetY(i, *top0);
    }
    for (int i = 1; i < g_; ++i) {
        if (i % per == 0 && rowsWanted > 1) {
            ++row;
            SetX(i, x0);
        } else {
            SetX(i, X(i - 1) + W + a_);
        }
        if (auto t = rowTop(row)) SetY(i, *t);
    }
}

void Layout::TableauUnderFoundations() {
    if (h_ < 1) return;
    const long long g = g_, W = W_;
    long long f1 = DestLeft(0);
    long long x0 = f1 + Trunc(DestLeft(h_ - 1) + W - f1 - W * g - 10 * g + 10, 2);
    for (int i = 0; i < std::max(g_, 1); ++i) SetX(i, x0 + i * (W + 10));
}

// ---------------------------------------------------------------------------

void Layout::Stock() {
    const int count = stock_.count;
    if (count <= 0) return;
    auto top = Row(stock_.row, true);
    if (!top) return;
    const long long W = W_, v = v_;
    const bool r9 = Rule(game_, rule::kStockMode) == 1, r10 = Rule(game_, rule::kStockToVis) == 1;
    auto setTop = [&](int i) { game_.Options.SetStockTop(i, *top); };
    switch (stock_.style) {
        case 4:
            if (r9 && r10) {
                game_.Options.SetStockLeft(0, X(0));
                game_.Options.SetStockLeft(1, X(1));
            } else if (r10) {
                game_.Options.SetStockLeft(1, X(0));
            } else if (r9) {
                game_.Options.SetStockLeft(0, X(0));
            }
            setTop(0);
            setTop(1);
            break;
        case 5:
            for (int i = 0; i < std::min(count, 3); ++i)
                SetStock(i, N_ + static_cast<long long>(i) * (N_ + W), *top);
            break;
        case 3:
            SetStock(0, X(0) - W - 2 * v, *top);
            if (r10) SetStock(1, StockLeft(0), rows_[2]);
            break;
        case 11:
            SetStock(1, X(0) - W - 3 * v, *top);
            SetStock(0, StockLeft(1) - W - v, *top);
            break;
        case 13: {
            int indent = shadow_ > 1 ? Trunc(shadow_, 2) : shadow_;
            if (screenH_ < 500 && h_ == 8 && count > 1) indent = -3;
            SetStock(0, indent + 15LL, *top);
            if (count > 1) SetStock(1, StockLeft(0) + W + 15, *top);
            break;
        }
        case 16:
        case 19: {
            setTop(0);
            int i = r9 ? 0 : 1;
            game_.Options.SetStockLeft(i, Wrap(X(0) - W - (stock_.style == 16 ? 2 : 4) * v));
            break;
        }
        case 21: {
            int e = (tallScreen_ || h_ < 5) ? 5 : 0;
            SetStock(1, X(0) - W - v, *top);
            SetStock(0, StockLeft(1) - W - e - 15, *top);
            break;
        }
        default: break;
    }
}

void Layout::Foundations() {
    const int h = h_;
    if (h <= 0) return;
    const auto top = Row(dest_.row, true);
    const long long W = W_, P = P_;
    auto place = [&](int i, long long left) {
        if (top) SetDest(i, left, *top);
    };
    auto overLastColumns = [&] {
        for (int i = 0; i < h; ++i) {
            int col = g_ - h + i;
            if (HasFila(col)) place(i, X(col));
        }
    };
    auto leftwardFromLastColumn = [&](long long step) {
        if (g_ < 1) return;
        for (int i = h - 1; i >= 0; --i) place(i, X(g_ - 1) - (h - 1 - i) * step);
    };
    switch (dest_.style) {
        case 7: overLastColumns(); break;
        case 9: leftwardFromLastColumn(W + b_); break;
        case 1: {
            long long q = std::max(Trunc(P - h * W - 2, h + 1), 1);
            for (int i = 0; i < h; ++i) place(i, q + i * (W + q));
            break;
        }
        case 2: {
            b_ = std::max(Trunc(a_, 2), 4);
            long long f1 = Trunc(P - h * W - (h - 1LL) * b_, 2);
            for (int i = 0; i < h; ++i) place(i, f1 + i * (W + b_));
            break;
        }
        case 8: {
            long long last = P - W - N_ - 5;
            for (int i = h - 1; i >= 0; --i) place(i, last - (h - 1LL - i) * (W + N_));
            break;
        }
        case 13:
            if (tallScreen_)
                overLastColumns();
            else
                leftwardFromLastColumn(W + 2);
            break;
        case 17: {
            int o, q;
            if (tallScreen_) {
                o = 17;
                q = 4;
            } else {
                o = (h == 8 && stock_.count > 1) ? 4 : 7;
                q = 3;
            }
            long long f1 =
                (Rule(game_, rule::kStockToVis) == 1 ? StockLeft(1) : StockLeft(0)) + W + o;
            for (int i = 0; i < h; ++i) SetDest(i, f1 + i * (W + q), StockTop(0));
            break;
        }
        case 22:
            for (int i = 0; i < h; ++i)
                if (HasFila(i)) place(i, X(i));
            break;
        default: break;
    }
}

void Layout::Reserve() {
    const int c = std::min<int>(res_.count, 10);
    if (c <= 0) return;
    auto top = Row(res_.row, false);
    if (!top) return;
    const long long W = W_, v = v_;
    std::array<std::optional<long long>, 10> left{};
    switch (res_.style) {
        case 6:
            for (int i = 0; i < c; ++i) left[static_cast<size_t>(i)] = X(0) + i * (W + b_);
            break;
        case 4:
            for (int i = 0; i < c; ++i)
                if (HasFila(i)) left[static_cast<size_t>(i)] = X(i);
            break;
        case 5:
            for (int i = 0; i < c; ++i) left[static_cast<size_t>(i)] = N_ + i * (W + N_);
            break;
        case 7:
            for (int i = 0; i < c; ++i)
                if (HasFila(g_ - c + i)) left[static_cast<size_t>(i)] = X(g_ - c + i);
            break;
        case 11: left[0] = StockLeft(1); break;
        case 12: left[0] = X(0) - W - (g_ > 7 ? Trunc(3 * v, 2) : 3 * v); break;
        case 23: left[0] = StockLeft(0); break;
        default: return;
    }
    for (int i = 0; i < c; ++i) {
        if (left[static_cast<size_t>(i)])
            game_.Options.SetAppoggLeft(i, Wrap(*left[static_cast<size_t>(i)]));
        game_.Options.SetAppoggTop(i, *top);
    }
}

void Layout::ThirdPile() {
    if (third_.count <= 0) return;
    switch (third_.style) {
        case 16:
            if (auto before = RowBefore(third_.row)) SetStock(2, StockLeft(0), *before + H_ + 20LL);
            break;
        case 6:
            if (auto top = Row(third_.row, false)) SetStock(2, X(1), *top);
            break;
        case 7:
            if (g_ < 1) break;
            if (auto top = Row(third_.row, false)) SetStock(2, X(g_ - 1), *top);
            break;
        default: break;
    }
}

// Whether the last reserve cell of a style-005 row runs into the tableau
// (each pile widened by 85 on both sides); if so, where the tableau should
// start instead.
std::optional<int> Layout::OverlapStart() const {
    const int c = std::min<int>(res_.count, 10);
    if (res_.style != 5 || c <= 0) return std::nullopt;
    const long long W = W_, H = H_;
    const long long cl = game_.Options.Opt(opt::kAppoggLeft + c - 1),
                    ct = game_.Options.Opt(opt::kAppoggTop + c - 1);
    const long long cr = cl + W, cb = ct + H;
    for (int i = 0; i < 40; ++i) {
        const long long fl = X(i) - 85, fr = X(i) + W + 85, ft = Y(i), fb = Y(i) + H;
        auto inX = [&](long long x) { return x >= fl && x <= fr; };
        auto inY = [&](long long y) { return y >= ft && y <= fb; };
        bool hit = (inX(cl) || inX(cr)) && (inY(ct) || inY(cb));
        if (!hit && (inX(cl) || inX(cr))) {
            for (long long y = ct; y <= cb && !hit; y += 50) hit = inY(y);
        }
        if (hit) {
            long long start = cl + W + 86;
            return Wrap(start < 1 ? N_ : start);
        }
    }
    return std::nullopt;
}

}  // namespace

std::string GroupCode(int rowRule, int styleRule) {
    return std::to_string(rowRule).substr(0, 1) + FormatNumber(styleRule, 3);
}

TableRect MainWindowTableRect(std::optional<int> toolBarBottom, int clientHeight, int outerHeight,
                              int outerWidth, int scrollBarWidth) {
    TableRect r;
    r.top = toolBarBottom ? *toolBarBottom : 5;
    r.bottom = clientHeight - 1;
    r.height = outerHeight;
    r.width = outerWidth - scrollBarWidth;
    return r;
}

TableRect PreviewTableRect(int pictureWidth, int pictureHeight) {
    return TableRect{3, pictureHeight, pictureHeight, pictureWidth};
}

void ApplyTableRect(const TableRect& rect, LayoutInput& in) {
    in.top = rect.top;
    in.bottom = rect.bottom;
    in.height = rect.height;
    in.width = rect.width;
}

void LayOutPiles(Game& g, const LayoutInput& in) {
    std::optional<int> start = Layout(g, in, std::nullopt).Run(true);
    // The corrected run moves a style-002 tableau clear of the reserve row;
    // any other tableau would overlap again, so the correction runs once.
    if (start) Layout(g, in, start).Run(false);

    const int scroll = Wrap(in.scrollPosition);
    for (int i = 0; i < 3; ++i) {
        g.Options.SetOpt(opt::kStockBaseLeft + i, g.Options.StockLeft(i));
        g.Options.SetOpt(opt::kStockBaseTop + i, g.Options.StockTop(i) - scroll);
    }
    for (int i = 0; i < 16; ++i) {
        g.Options.SetOpt(opt::kDestBaseLeft + i, g.Options.DestLeft(i));
        g.Options.SetOpt(opt::kDestBaseTop + i, g.Options.DestTop(i) - scroll);
    }
    g.Options.SetOpt(opt::kScroll, scroll);
}

void ResetAndLayOutPiles(Game& g, const LayoutInput& in) {
    ResetPileAnchors(g);
    LayOutPiles(g, in);
}

bool CardSizeForLetter(char letter, int& width, int& height) {
    switch (letter) {
        case 'S':
            width = 85;
            height = 115;
            return true;
        case 'B':
            width = 71;
            height = 96;
            return true;
        case 'M':
            width = 59;
            height = 80;
            return true;
        case 'L':
            width = 25;
            height = 32;
            return true;
        default: return false;
    }
}

void SetOverlapOffsets(Game& g, char sizeLetter) {
    for (int e : {opt::kUpStepDown, opt::kUpStepRight, opt::kDownStepDown, opt::kDownStepRight})
        g.Options.SetOpt(e, 0);
    g.Options.SetOpt(opt::kReserveStep, 3);
    g.Options.SetOpt(opt::kSpareStep, 3);
    g.Options.SetOpt(opt::kSideGap, 6);
    int column;
    switch (sizeLetter) {
        case kFitToTableSize:
        case 'S':
        case 'B': column = 0; break;
        case 'M': column = 1; break;
        case 'L': column = 2; break;
        default: return;
    }
    static constexpr int kDownUp[3] = {18, 14, 3}, kDownDown[3] = {4, 4, 3};
    static constexpr int kRightUp[3] = {12, 10, 3}, kRightDown[3] = {4, 4, 3};
    static constexpr int kSide[3] = {7, 5, 3}, kColumnGap[3] = {12, 8, 4}, kRowGap[3] = {8, 6, 3};
    const int r3 = Rule(g, rule::kTableFamily), r5 = Rule(g, rule::kAppoggFamily),
              r6 = Rule(g, rule::kSideFans);
    if (r3 == 1 || r3 == 7 || r3 == 12 || r5 == 1) {
        g.Options.SetOpt(opt::kUpStepDown, kDownUp[column]);
        g.Options.SetOpt(opt::kDownStepDown, kDownDown[column]);
    }
    if (r3 == 2 || r6 != 0 || r5 == 2) {
        g.Options.SetOpt(opt::kUpStepRight, kRightUp[column]);
        g.Options.SetOpt(opt::kDownStepRight, kRightDown[column]);
    }
    if (r3 == 6) {
        g.Options.SetOpt(opt::kFanUpStep, kSide[column]);
        g.Options.SetOpt(opt::kFanDownStep, kSide[column]);
    }
    g.Options.SetOpt(opt::kColumnGap, kColumnGap[column]);
    g.Options.SetOpt(opt::kRowGap, kRowGap[column]);
    if (r3 == 12) {
        // x 2.5 with the fraction dropped.
        g.Options.SetOpt(opt::kUpStepDown, g.Options.Opt(opt::kUpStepDown) * 5 / 2);
        g.Options.SetOpt(opt::kDownStepDown, g.Options.Opt(opt::kDownStepDown) * 5 / 2);
    }
    if (sizeLetter != kFitToTableSize) return;
    // Gaps and steps grow with the cards, so the table keeps its proportions.
    constexpr int kStandardHeight = 96;
    for (int e : {opt::kUpStepDown, opt::kUpStepRight, opt::kDownStepDown, opt::kDownStepRight,
                  opt::kReserveStep, opt::kSpareStep, opt::kSideGap, opt::kFanUpStep,
                  opt::kFanDownStep, opt::kColumnGap, opt::kRowGap}) {
        const int v = g.Options.Opt(e);
        if (v > 0)
            g.Options.SetOpt(
                e, std::max(1, (v * g.CardHeight + kStandardHeight / 2) / kStandardHeight));
    }
}

int LargestFittedHeight(const std::function<bool(int)>& holds) {
    int lo = kLeastFittedHeight, hi = kMostFittedHeight;
    if (!holds(lo)) return lo;
    while (lo < hi) {
        const int mid = (lo + hi + 1) / 2;
        if (holds(mid))
            lo = mid;
        else
            hi = mid - 1;
    }
    return lo;
}

int FittedCardWidth(int height) {
    constexpr int kStandardWidth = 71, kStandardHeight = 96;
    return (height * kStandardWidth + kStandardHeight / 2) / kStandardHeight;
}

std::vector<PilePosition> PilesOnTable(const Game& game) {
    std::vector<PilePosition> out;
    // Decided on the stored coordinates, where the markers live; the top
    // reported is the one on screen.
    const int scroll = game.Options.Opt(opt::kScroll);
    auto add = [&](std::string name, int left, int storedTop) {
        if (OnTable(left) && OnTable(storedTop))
            out.push_back({std::move(name), left, storedTop - scroll});
    };
    static const char* kStockNames[3] = {"Mazzo", "Mazzo_Vis", "Waste"};
    for (int i = 0; i < 3; ++i)
        add(kStockNames[i], game.Options.StockLeft(i), game.Options.Opt(opt::kStockTop + i));
    const int h = std::clamp<int>(Rule(game, rule::kDests), 0, 16);
    const int g = TableauCount(game);
    const int c = std::clamp<int>(Rule(game, rule::kReserves), 0, 10);
    for (int i = 0; i < h; ++i)
        add("Dest" + std::to_string(i + 1), game.Options.DestLeft(i),
            game.Options.Opt(opt::kDestTop + i));
    for (int i = 0; i < g; ++i)
        add("Fila" + std::to_string(i + 1), game.FilaLeft[static_cast<size_t>(i)],
            game.FilaTop[static_cast<size_t>(i)]);
    for (int i = 0; i < c; ++i)
        add("Appogg" + std::to_string(i + 1), game.Options.AppoggLeft(i),
            game.Options.Opt(opt::kAppoggTop + i));
    return out;
}

std::string FormatPilePositions(const std::vector<PilePosition>& piles) {
    std::string out;
    for (const auto& p : piles)
        out += p.name + " " + std::to_string(p.left) + " " + std::to_string(p.top) + "\n";
    return out;
}

}  // namespace bw
