// Single cards, backs and marks: the rounded corners take their pixels from
// the right surfaces, the stack edge raises thick piles, completed
// foundations are highlighted.
#include "render/drawing.h"

#include <filesystem>

#include "core/card_positions.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "platform/ini.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/table.h"
#include "render_fixture.h"
#include "render_support.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Rgb;

constexpr unsigned kTable = 0x111111, kBackground = 0x222222, kWindow = 0x333333, kGrey = 0xC0C0C0;

class CardDrawing : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        PaintSurfaces(kTable, kBackground, kWindow);
    }
    // The three pixels of each corner of the card at (x, y) on `img`, in the
    // order top-left, top-right, bottom-left, bottom-right.
    std::vector<unsigned> Corner(const QImage& img, int x, int y, int corner) {
        const int r = x + ProgramGame().CardWidth - 1, b = y + ProgramGame().CardHeight - 1;
        switch (corner) {
            case 0: return {Rgb(img, x, y), Rgb(img, x + 1, y), Rgb(img, x, y + 1)};
            case 1: return {Rgb(img, r, y), Rgb(img, r - 1, y), Rgb(img, r, y + 1)};
            case 2: return {Rgb(img, x, b), Rgb(img, x + 1, b), Rgb(img, x, b - 1)};
            default: return {Rgb(img, r, b), Rgb(img, r - 1, b), Rgb(img, r, b - 1)};
        }
    }
    static std::vector<unsigned> All(unsigned v) { return {v, v, v}; }
    unsigned Face(int code, int x, int y) {
        return CardFaces()[static_cast<size_t>(FaceIndexOf(code))].pixel(x, y) & 0xFFFFFF;
    }
};

TEST(FaceIndexTest, BothDecksShareFacesJokersShareOne) {
    EXPECT_EQ(FaceIndexOf(1), 0);
    EXPECT_EQ(FaceIndexOf(52), 51);
    EXPECT_EQ(FaceIndexOf(53), 0);
    EXPECT_EQ(FaceIndexOf(104), 51);
    EXPECT_EQ(FaceIndexOf(105), 52);
    EXPECT_EQ(FaceIndexOf(108), 52);
    EXPECT_EQ(FaceIndexOf(0), -1);
    EXPECT_EQ(FaceIndexOf(109), -1);
}

TEST_F(CardDrawing, TopCornersFromTheTargetBottomCornersFromTheBackground) {
    DrawCard(ProgramGame(), 14, 100, 50, false, Canvas::Table(ProgramGame()));
    EXPECT_EQ(Corner(TableBitmap(), 100, 50, 0), All(kTable));
    EXPECT_EQ(Corner(TableBitmap(), 100, 50, 1), All(kTable));
    EXPECT_EQ(Corner(TableBitmap(), 100, 50, 2), All(kBackground));
    EXPECT_EQ(Corner(TableBitmap(), 100, 50, 3), All(kBackground));
    // Next to the corners the card itself.
    EXPECT_EQ(Rgb(TableBitmap(), 102, 50), Face(14, 2, 0));
    EXPECT_EQ(Rgb(TableBitmap(), 101, 51), Face(14, 1, 1));
    EXPECT_EQ(Rgb(TableBitmap(), 135, 98), Face(14, 35, 48));

    // On the window the top corners come from the window.
    DrawCard(ProgramGame(), 14, 300, 50, true, Canvas::Window(ProgramGame()));
    EXPECT_EQ(Corner(window.image, 300, 50, 0), All(kWindow));
    EXPECT_EQ(Corner(window.image, 300, 50, 2), All(kBackground));
    // Raised over a stack edge: the bottom-right corner is the edge's grey.
    EXPECT_EQ(Corner(window.image, 300, 50, 3), All(kGrey));
    EXPECT_EQ(window.flushes.back(),
              QRect(300, 50, ProgramGame().CardWidth, ProgramGame().CardHeight));
}

TEST_F(CardDrawing, SidewaysTableauPilesTakeLeftAndRightCornersApart) {
    ProgramGame().GameRules[3] = 2;  // cascade to the right
    DrawCard(ProgramGame(), 5, 100, 50, true, Canvas::Window(ProgramGame()), 0, kFila);
    EXPECT_EQ(Corner(window.image, 100, 50, 0), All(kWindow));
    EXPECT_EQ(Corner(window.image, 100, 50, 2), All(kWindow));
    EXPECT_EQ(Corner(window.image, 100, 50, 1), All(kTable));
    EXPECT_EQ(Corner(window.image, 100, 50, 3), All(kTable));  // no grey: no bottom pass

    ProgramGame().GameRules[3] = 10;  // to the left
    DrawCard(ProgramGame(), 5, 200, 50, false, Canvas::Window(ProgramGame()), 0, kFila);
    EXPECT_EQ(Corner(window.image, 200, 50, 0), All(kTable));
    EXPECT_EQ(Corner(window.image, 200, 50, 2), All(kTable));
    EXPECT_EQ(Corner(window.image, 200, 50, 1), All(kWindow));
    EXPECT_EQ(Corner(window.image, 200, 50, 3), All(kWindow));

    ProgramGame().GameRules[3] = 1;
    ProgramGame().GameRules[6] = 1;  // rule 6 turns a downward pile the same way
    DrawCard(ProgramGame(), 5, 300, 50, false, Canvas::Window(ProgramGame()), 0, kFila);
    EXPECT_EQ(Corner(window.image, 300, 50, 0), All(kTable));
    EXPECT_EQ(Corner(window.image, 300, 50, 1), All(kWindow));
    // A foundation card is not a tableau card.
    DrawCard(ProgramGame(), 5, 400, 50, false, Canvas::Window(ProgramGame()), 0, kDest);
    EXPECT_EQ(Corner(window.image, 400, 50, 1), All(kWindow));
    EXPECT_EQ(Corner(window.image, 400, 50, 3), All(kBackground));
}

TEST_F(CardDrawing, NarrowCardsRoundOnlyTheCornerPixel) {
    SetParameter(pos::kCardSize, 1, "L");
    ApplyCardSize(ProgramGame());
    ASSERT_EQ(ProgramGame().CardWidth, 25);
    PaintSurfaces(kTable, kBackground, kWindow);
    DrawCard(ProgramGame(), 27, 40, 40, false, Canvas::Table(ProgramGame()));
    EXPECT_EQ(Rgb(TableBitmap(), 40, 40), kTable);
    EXPECT_EQ(Rgb(TableBitmap(), 41, 40), Face(27, 1, 0));
    EXPECT_EQ(Rgb(TableBitmap(), 64, 71), kBackground);
    EXPECT_EQ(Rgb(TableBitmap(), 63, 71), Face(27, 23, 31));
    SetParameter(pos::kCardSize, 1, "B");
    ApplyCardSize(ProgramGame());
}

TEST_F(CardDrawing, TableBitmapAddsTheScrollPositionAndRecordsTheLowestPixel) {
    ProgramGame().Options.SetOpt(90, 30);
    DrawCard(ProgramGame(), 40, 100, 50, false, Canvas::Table(ProgramGame()));
    EXPECT_EQ(Rgb(TableBitmap(), 110, 90), Face(40, 10, 10));
    EXPECT_EQ(Rgb(TableBitmap(), 110, 60), kTable);
    EXPECT_EQ(ProgramGame().Options.Opt(93), 80 + ProgramGame().CardHeight);
    // The window is not shifted; the lowest pixel is in table coordinates.
    DrawCardBack(ProgramGame(), 100, 200, ProgramGame().CardHeight, false,
                 Canvas::Window(ProgramGame()));
    EXPECT_EQ(Rgb(window.image, 110, 210), CardBack().pixel(10, 10) & 0xFFFFFF);
    EXPECT_EQ(ProgramGame().Options.Opt(93), 230 + ProgramGame().CardHeight);
}

TEST_F(CardDrawing, BacksHolesAndOffTablePlaces) {
    DrawCardBack(ProgramGame(), 10, 10, 40, false,
                 Canvas::Table(ProgramGame()));  // 40 rows of the back
    EXPECT_EQ(Rgb(TableBitmap(), 20, 49), CardBack().pixel(10, 39) & 0xFFFFFF);
    EXPECT_EQ(Rgb(TableBitmap(), 20, 50), kTable);
    EXPECT_EQ(Rgb(TableBitmap(), 10, 10), kTable);  // its top corners still round

    const QImage before = TableBitmap().copy();
    DrawCardBack(ProgramGame(), -10000, 10, ProgramGame().CardHeight, false,
                 Canvas::Table(ProgramGame()));
    DrawCard(ProgramGame(), 0, 200, 10, false,
             Canvas::Table(ProgramGame()));  // a hole draws nothing
    DrawCard(ProgramGame(), 3, 200, kOffFila, false, Canvas::Table(ProgramGame()));
    EXPECT_EQ(TableBitmap(), before);
}

TEST_F(CardDrawing, RestoredCornersShowTheBackground) {
    DrawCard(ProgramGame(), 9, 50, 50, true, Canvas::Table(ProgramGame()));
    RestoreCardCorners(ProgramGame(), 50, 50, Canvas::Table(ProgramGame()));
    for (int c = 0; c < 4; ++c) EXPECT_EQ(Corner(TableBitmap(), 50, 50, c), All(kBackground)) << c;
}

TEST_F(CardDrawing, SelectionFrameLiesInsideTheCardClearOfItsCorners) {
    DrawCard(ProgramGame(), 1, 60, 60, false, Canvas::Table(ProgramGame()));
    DrawSelectionFrame(ProgramGame(), 60, 60, Canvas::Table(ProgramGame()));
    const unsigned frame = kSelectionFrameColour.rgb() & 0xFFFFFF;
    EXPECT_EQ(Rgb(TableBitmap(), 60, 100), frame);
    EXPECT_EQ(Rgb(TableBitmap(), 61, 100), frame);
    EXPECT_EQ(Rgb(TableBitmap(), 62, 100), Face(1, 2, 40));
    EXPECT_EQ(Rgb(TableBitmap(), 60 + ProgramGame().CardWidth - 1, 100), frame);
    EXPECT_EQ(Rgb(TableBitmap(), 90, 60 + ProgramGame().CardHeight - 1), frame);
    EXPECT_EQ(Rgb(TableBitmap(), 60, 60), kTable);  // the rounded corner stays
}

struct MarkCase {
    const char* what;
    std::map<int, int> rules;
    int kind, index, passes;
    const char* stock;
    const char* visible;
    std::string code;
    bool drawn;
};

TEST(PileMarks, EachEmptyPileShowsItsMark) {
    const MarkCase cases[] = {
        {"stock of goal 8", {{51, 8}}, kMarkStock, 0, 0, "", "", "021", true},
        {"stock, unlimited redeals", {{16, 1}, {15, -1}}, kMarkStock, 0, 5, "", "", "022", true},
        {"stock, redeals left", {{16, 1}, {15, 3}}, kMarkStock, 0, 2, "", "", "022", true},
        {"stock, no redeal, waste too small", {{15, 3}}, kMarkStock, 0, 0, "", "001", "008", true},
        {"stock, passes left", {{15, 3}}, kMarkStock, 0, 1, "", "001002", "022", true},
        // A limit of 3 allows three redeals: the counter runs from 1 to 4.
        {"stock, last redeal left", {{15, 3}}, kMarkStock, 0, 3, "", "001002", "022", true},
        {"stock, passes used", {{15, 3}}, kMarkStock, 0, 4, "", "001002", "008", true},
        {"stock, redeals used", {{16, 1}, {15, 3}}, kMarkStock, 0, 4, "", "001002", "008", true},
        {"waste of a stock game", {{9, 1}}, kMarkVisible, 0, 0, "", "", "_WASTE", true},
        {"visible, no passes", {{15, 0}}, kMarkVisible, 0, 0, "", "", "008", true},
        {"visible, no redeal rule", {{15, 2}}, kMarkVisible, 0, 0, "", "", "", false},
        {"visible, last pass left", {{15, 2}, {16, 1}}, kMarkVisible, 0, 2, "", "", "022", true},
        {"visible, passes used", {{15, 2}, {16, 1}}, kMarkVisible, 0, 3, "", "", "008", true},
        {"visible, passes left", {{15, 2}, {16, 1}}, kMarkVisible, 0, 1, "", "", "022", true},
        {"foundation base ace", {{54, 1}}, kMarkFoundation, 2, 0, "", "", "010", true},
        {"foundation base seven", {{54, 7}}, kMarkFoundation, 2, 0, "", "", "017", true},
        {"foundation of rank 12", {{54, 1}, {86, 10}}, kMarkFoundation, 2, 0, "", "", "003", true},
        {"foundation, king value", {{52, 84}}, kMarkFoundation, 0, 0, "", "", "011", true},
        {"foundation, no rank", {{54, 40}}, kMarkFoundation, 2, 0, "", "", "004", true},
        {"foundation, mark withheld", {{54, 94}}, kMarkFoundation, 2, 0, "", "", "", true},
        {"reserve, own tableau mark", {{333, 4}}, kMarkReserve, 1, 0, "", "", "_TABLEAU", true},
        {"reserve, game-wide 9", {{332, 9}}, kMarkReserve, 1, 0, "", "", "009", true},
        {"reserve, game-wide 8", {{332, 8}}, kMarkReserve, 1, 0, "", "", "011", true},
        {"reserve 88", {{333, 88}}, kMarkReserve, 1, 0, "", "", "006", true},
        {"reserve 107", {{333, 107}}, kMarkReserve, 1, 0, "", "", "010", true},
        {"reserve, plain", {}, kMarkReserve, 1, 0, "", "", "001", true},
        {"tableau of kings", {{135, 13}}, kMarkTableau, 3, 0, "", "", "011", true},
        {"tableau of jacks", {{135, 11}}, kMarkTableau, 3, 0, "", "", "006", true},
        {"tableau, other value", {{135, 30}}, kMarkTableau, 3, 0, "", "", "004", true},
        {"tableau, anything", {}, kMarkTableau, 3, 0, "", "", "_TABLEAU", true},
        {"third pile", {}, kMarkThirdPile, 0, 0, "", "", "_WASTE", true},
    };
    for (const MarkCase& c : cases) {
        ProgramGame().GameRules.fill(0);
        for (const auto& [e, v] : c.rules)
            ProgramGame().GameRules[static_cast<size_t>(e)] = static_cast<int16_t>(v);
        ProgramGame().Options.SetOpt(73, c.passes);
        ProgramGame().MazzoPiles[0] = c.stock;
        ProgramGame().MazzoPiles[1] = c.visible;
        bool drawn = false;
        EXPECT_EQ(PileMarkCode(ProgramGame(), c.kind, c.index, drawn), c.code) << c.what;
        EXPECT_EQ(drawn, c.drawn) << c.what;
    }
    ProgramGame().MazzoPiles[0].clear();
    ProgramGame().MazzoPiles[1].clear();
}

TEST_F(CardDrawing, MarksTintTheBackgroundAndAPileWithoutMarkShowsTheTable) {
    ProgramGame().GameRules[135] = 1;
    DrawCard(ProgramGame(), 1, 70, 80, false,
             Canvas::Table(ProgramGame()));  // a card that left the pile
    DrawPileMark(ProgramGame(), kMarkTableau, 70, 80, Canvas::Table(ProgramGame()), 3);
    const QImage& ace = PileMark("010");
    ASSERT_FALSE(ace.isNull());
    ASSERT_TRUE(ace.hasAlphaChannel());
    const QImage shown = test::MarkOver(ace, BackgroundBitmap(), CardRectAt(ProgramGame(), 70, 80));
    EXPECT_EQ(Rgb(TableBitmap(), 70, 80), shown.pixel(0, 0) & 0xFFFFFF);
    EXPECT_EQ(Rgb(TableBitmap(), 100, 120), shown.pixel(30, 40) & 0xFFFFFF);
    // The mark is see-through: the slot is darker than the table, not opaque.
    EXPECT_NE(Rgb(TableBitmap(), 100, 120), kBackground);
    EXPECT_EQ(ProgramGame().Options.Opt(93), 80 + ProgramGame().CardHeight);

    ProgramGame().GameRules[15] = 2;  // "Mazzo_Vis" of a game without redeals shows nothing
    DrawCard(ProgramGame(), 1, 300, 80, false, Canvas::Table(ProgramGame()));
    DrawPileMark(ProgramGame(), kMarkVisible, 300, 80, Canvas::Table(ProgramGame()), 0);
    EXPECT_EQ(Rgb(TableBitmap(), 320, 120), kBackground);

    // A mark outside the loaded set comes from the library.
    ProgramGame().GameRules[51] = 8;
    DrawPileMark(ProgramGame(), kMarkStock, 500, 80, Canvas::Table(ProgramGame()), 0);
    const QImage mark = LibraryBitmap("WB021");
    ASSERT_FALSE(mark.isNull());
    EXPECT_EQ(
        Rgb(TableBitmap(), 530, 120),
        test::MarkOver(mark, BackgroundBitmap(), CardRectAt(ProgramGame(), 500, 80)).pixel(30, 40) &
            0xFFFFFF);
}

class StackEdge : public CardDrawing {
protected:
    void SetUp() override {
        CardDrawing::SetUp();
        UseRules(test::CascadeRules());
        PaintSurfaces(kTable, kBackground, kWindow);
    }
    static std::string Cards(int n) {
        std::string s;
        for (int i = 1; i <= n; ++i) s += FormatCode((i - 1) % 52 + 1);
        return s;
    }
};

TEST_F(StackEdge, FiftyTwoCardsRaiseTheStockByEightOverItsEdge) {
    ProgramGame().MazzoPiles[0] = Cards(52);
    const int baseLeft = ProgramGame().Options.Opt(123), baseTop = ProgramGame().Options.Opt(127);
    ASSERT_TRUE(OnTable(baseLeft));
    ASSERT_TRUE(DrawStackEdge(ProgramGame(), 0, false, Canvas::Table(ProgramGame()), true));
    const int d = 8, w = ProgramGame().CardWidth, h = ProgramGame().CardHeight;
    EXPECT_EQ(ProgramGame().Options.StockLeft(0), baseLeft - d);
    EXPECT_EQ(ProgramGame().Options.StockTop(0), baseTop - d);

    const QImage right = StackBorders()[0].convertToFormat(QImage::Format_RGB32);
    const QImage bottom = StackBorders()[1].convertToFormat(QImage::Format_RGB32);
    int drawn = 0;
    // The bottom strip, left of where the right strip covers it.
    for (int r = 0; r <= d; ++r) {
        for (int c = 0; c < w + 4; ++c) {
            const unsigned src = Rgb(bottom, c, 15 - d + r);
            const unsigned got = Rgb(TableBitmap(), baseLeft - 13 + c, baseTop + h - d - 1 + r);
            if (src == 0x0000FF) {
                EXPECT_EQ(got, kBackground) << "bottom " << c << "," << r;
            } else {
                EXPECT_EQ(got, src) << "bottom " << c << "," << r;
                ++drawn;
            }
        }
    }
    for (int r = 0; r < h + 13; ++r) {
        for (int c = 0; c <= d; ++c) {
            const unsigned src = Rgb(right, 15 - d + c, r);
            const unsigned got = Rgb(TableBitmap(), baseLeft + w - d - 1 + c, baseTop - 13 + r);
            if (src == 0x0000FF) {
                EXPECT_EQ(got, kBackground) << "right " << c << "," << r;
            } else {
                EXPECT_EQ(got, src) << "right " << c << "," << r;
                ++drawn;
            }
        }
    }
    EXPECT_GT(drawn, 2 * (w + h));
    // A new raise starts from the bare table over the whole stack, up to
    // the highest raise of 15.
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft - 15, baseTop - 15), kBackground);
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft - 8, baseTop - 8), kBackground);
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft - 16, baseTop - 16), kTable);

    // The same raise again draws nothing unless a full redraw is asked for.
    PaintSurfaces(kTable, kBackground, kWindow);
    EXPECT_TRUE(DrawStackEdge(ProgramGame(), 0, false, Canvas::Table(ProgramGame()), false));
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft + w - 1, baseTop + 20), kTable);
    // A full redraw draws the edge and puts the table back above and left
    // of the card, leaving the card's own place alone.
    EXPECT_TRUE(DrawStackEdge(ProgramGame(), 0, false, Canvas::Table(ProgramGame()), true));
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft - 15, baseTop - 15), kBackground);
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft - 9, baseTop + 40), kBackground);
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft + 40, baseTop - 9), kBackground);
    EXPECT_EQ(Rgb(TableBitmap(), baseLeft - 8, baseTop - 8), kTable);
    EXPECT_NE(Rgb(TableBitmap(), baseLeft + w - 1, baseTop + 20), kTable);
}

TEST_F(StackEdge, FoundationsStopAtTwoAndSomeHaveNoEdge) {
    ProgramGame().DestPiles[0] = Cards(13);
    const int baseLeft = ProgramGame().Options.Opt(135), baseTop = ProgramGame().Options.Opt(152);
    ASSERT_TRUE(DrawStackEdge(ProgramGame(), 0, true, Canvas::Table(ProgramGame()), true));
    EXPECT_EQ(ProgramGame().Options.DestLeft(0), baseLeft - 2);
    EXPECT_EQ(ProgramGame().Options.DestTop(0), baseTop - 2);

    ProgramGame().GameRules[4] = 2;
    ProgramGame().DestPiles[1] = Cards(13);
    EXPECT_FALSE(DrawStackEdge(ProgramGame(), 1, true, Canvas::Table(ProgramGame()), true));
    EXPECT_EQ(ProgramGame().Options.DestLeft(1), ProgramGame().Options.Opt(136));
}

TEST_F(StackEdge, RaisedStockDrawsItsTopCardAtTheRaisedPlace) {
    ProgramGame().MazzoPiles[0] = Cards(2);
    for (CardCode c : {1, 2}) SetFaceFlag(ProgramGame().CardRegister, c, '1');
    RedrawPileTop(ProgramGame(), "Mazzo", 0, Canvas::Table(ProgramGame()));
    const int left = ProgramGame().Options.Opt(123) - 1, top = ProgramGame().Options.Opt(127) - 1;
    EXPECT_EQ(CardTopInPile(ProgramGame(), "Mazzo", 0, 0, false), top);
    EXPECT_EQ(Rgb(TableBitmap(), left + 20, top + 30), Face(2, 20, 30));
    EXPECT_EQ(Corner(TableBitmap(), left, top, 3), All(kGrey));
}

class Highlight : public StackEdge {};

TEST_F(Highlight, CompleteFoundationsGetTheChosenMarkAndColour) {
    ProgramGame().GameRules[116] = -1;  // complete at rule 32 (13) cards
    ProgramGame().GameRules[117] = 12;
    ProgramGame().DestPiles[0] = Cards(13);
    ProgramGame().DestPiles[1] = Cards(11);
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    const CardPoint top0 = CardPositionInPile(ProgramGame(), "Dest1", 0, 0, false);
    const CardPoint top1 = CardPositionInPile(ProgramGame(), "Dest2", 1, 0, false);
    const unsigned before1 = Rgb(TableBitmap(), top1.left + 30, top1.top + 40);

    HighlightFoundationsAs(ProgramGame(), -1, 2, 5);  // solid (255, 70, 70)
    EXPECT_EQ(Rgb(TableBitmap(), top0.left + 30, top0.top + 40), 0xFF4646u);
    EXPECT_EQ(Rgb(TableBitmap(), top0.left + 1, top0.top + 1), 0xFF4646u);
    EXPECT_NE(Rgb(TableBitmap(), top0.left, top0.top + 40), 0xFF4646u);     // one pixel inside
    EXPECT_EQ(Rgb(TableBitmap(), top1.left + 30, top1.top + 40), before1);  // 11 of 12
    EXPECT_EQ(Rgb(window.image, top0.left + 30, top0.top + 40), 0xFF4646u);

    // The hatch: every second pixel along the diagonals.
    ProgramGame().DestPiles[1] = Cards(12);
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    HighlightFoundationsAs(ProgramGame(), 1, 1, 1);  // blue
    const int x = top1.left + 1, y = top1.top + 1;
    EXPECT_EQ(Rgb(TableBitmap(), x + 10, y + 10), 0x0000FFu);
    EXPECT_NE(Rgb(TableBitmap(), x + 11, y + 10), 0x0000FFu);
    EXPECT_NE(Rgb(TableBitmap(), x, y), 0x0000FFu);  // its corner stays clear
    EXPECT_NE(Rgb(TableBitmap(), top0.left + 30, top0.top + 40),
              0x0000FFu);  // only the one asked for
}

TEST_F(Highlight, TheSettingsFileChoosesMarkAndColour) {
    ProgramGame().GameRules[116] = 13;
    ProgramGame().DestPiles[0] = Cards(13);
    RepaintTable(ProgramGame(), Canvas::Table(ProgramGame()), false);
    const CardPoint top = CardPositionInPile(ProgramGame(), "Dest1", 0, 0, false);
    const unsigned before = Rgb(TableBitmap(), top.left + 30, top.top + 40);
    HighlightFoundations(ProgramGame(), -1);  // no settings: mark 0, nothing drawn
    EXPECT_EQ(Rgb(TableBitmap(), top.left + 30, top.top + 40), before);

    std::filesystem::create_directories(core.dir.file("DATA"));
    platform::IniWriteString(SettingsFile(), "Preference", "HighLights_Foundations_Mark", "2");
    platform::IniWriteString(SettingsFile(), "Preference", "HighLights_Foundations_Color", "14");
    HighlightFoundations(ProgramGame(), 0);
    EXPECT_EQ(Rgb(TableBitmap(), top.left + 30, top.top + 40), 0xC0C0C0u);
}

}  // namespace
}  // namespace bw
