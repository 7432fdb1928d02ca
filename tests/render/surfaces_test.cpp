// Copies between the table pictures and the window: clipping at every edge
// keeps pixels where they belong, and the table pictures are shifted by the
// scroll position.
#include "render/surfaces.h"

#include <QPainter>
#include <vector>

#include "render_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Rgb;

class Surfaces : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        // Every table pixel tells its own coordinates.
        for (int y = 0; y < TableBitmap().height(); ++y)
            for (int x = 0; x < TableBitmap().width(); ++x)
                TableBitmap().setPixel(x, y, qRgb(x & 0xFF, y & 0xFF, (x >> 8) * 16 + (y >> 8)));
    }
};

TEST_F(Surfaces, RestoringAcrossAnyEdgeKeepsPixelsInPlace) {
    const Canvas shown = Canvas::Window(ProgramGame());
    for (QRect r :
         {QRect(-30, -40, 100, 100), QRect(1050, 650, 100, 100), QRect(-5, 300, 20, 20)}) {
        shown.Restore(r, TableBitmap());
        const QRect in = r & shown.image()->rect();
        for (QPoint p : {in.topLeft(), in.bottomRight(), in.center()})
            EXPECT_EQ(Rgb(*shown.image(), p.x(), p.y()), Rgb(TableBitmap(), p.x(), p.y()))
                << p.x() << "," << p.y();
    }
    // Nothing outside the rectangles changed.
    EXPECT_EQ(Rgb(*shown.image(), 500, 100), 0x303030u);
}

TEST_F(Surfaces, TablePicturesAreShiftedByTheScrollPosition) {
    ProgramGame().Options.SetOpt(90, 50);
    Canvas::Window(ProgramGame()).Restore(QRect(10, 10, 5, 5), TableBitmap());
    EXPECT_EQ(Rgb(window.image, 12, 12), Rgb(TableBitmap(), 12, 62));
    QImage dot(3, 3, QImage::Format_RGB32);
    dot.fill(qRgb(9, 8, 7));
    Canvas::Table(ProgramGame())
        .Copy(-1, -51, dot);  // only its bottom-right pixel lands, at table (1, 1)
    EXPECT_EQ(Rgb(TableBitmap(), 1, 1), 0x090807u);
    EXPECT_NE(Rgb(TableBitmap(), 2, 1), 0x090807u);
    QRgb v = 0;
    EXPECT_TRUE(Canvas::Table(ProgramGame()).Pixel(1, -49, v));
    EXPECT_EQ(v & 0xFFFFFF, 0x090807u);
    EXPECT_FALSE(Canvas::Table(ProgramGame()).Pixel(1, -51, v));
}

// The blend of translucent marks gives the painter's pixels exactly, at
// every alpha and across the clipped edge.
TEST(BlendOverTest, MatchesThePainterPixelForPixel) {
    QImage mark(37, 9, QImage::Format_ARGB32);
    for (int y = 0; y < mark.height(); ++y)
        for (int x = 0; x < mark.width(); ++x)
            mark.setPixel(x, y,
                          qRgba(x * 7 % 256, y * 29 % 256, (x * y) % 256, (x * 31 + y * 57) % 256));
    mark = mark.convertToFormat(QImage::Format_ARGB32_Premultiplied);
    QImage ours(40, 12, QImage::Format_RGB32), painted;
    for (int y = 0; y < ours.height(); ++y)
        for (int x = 0; x < ours.width(); ++x)
            ours.setPixel(x, y, qRgb(x * 6, y * 21, 255 - x * 5));
    painted = ours.copy();
    BlendOver(ours, 5, 4, mark, mark.rect());
    {
        QPainter p(&painted);
        p.drawImage(QPoint(5, 4), mark);
    }
    EXPECT_EQ(ours, painted);
}

// Two rectangles of a background count as the same picture only where it
// is rows of one colour and they lie on the same rows.
TEST(BackgroundPictureTest, SameOnlyOnTheSameRowsOfOneColour) {
    BackgroundPicture bg;
    bg.Reset(QSize(64, 40), 0xFF000000);
    std::vector<QRgb> rows;
    for (int y = 0; y < 40; ++y) rows.push_back(qRgb(0, y * 6, 0));
    bg.SetRows(rows);
    const QRect a(0, 10, 20, 20), b(40, 10, 20, 20);
    EXPECT_TRUE(bg.SameAt(a, b));
    EXPECT_EQ(bg.copy(a), bg.copy(b));
    EXPECT_FALSE(bg.SameAt(a, b.translated(0, 1)));
    EXPECT_FALSE(bg.SameAt(a, QRect(40, 10, 20, 21)));
    EXPECT_FALSE(bg.SameAt(a, b.translated(10, 0)));  // reaches outside
    QImage tile(8, 8, QImage::Format_RGB32);
    tile.fill(qRgb(1, 2, 3));
    tile.setPixel(3, 3, qRgb(9, 9, 9));
    bg.SetTiles(tile);
    EXPECT_FALSE(bg.SameAt(a, b));
    bg.SetRows(rows);
    bg.Image().setPixel(45, 15, qRgb(255, 0, 0));  // drawn on: an image of its own
    EXPECT_FALSE(bg.SameAt(a, b));
}

TEST_F(Surfaces, KeyedCopiesSkipTheKeyColour) {
    QImage src(4, 1, QImage::Format_RGB32);
    src.setPixel(0, 0, qRgb(0, 0, 255));
    src.setPixel(1, 0, qRgb(1, 2, 3));
    src.setPixel(2, 0, qRgb(0, 0, 255));
    src.setPixel(3, 0, qRgb(4, 5, 6));
    Canvas::Window(ProgramGame()).CopyKeyed(-1, 0, src, src.rect(), qRgb(0, 0, 255));
    EXPECT_EQ(Rgb(window.image, 0, 0), 0x010203u);
    EXPECT_EQ(Rgb(window.image, 1, 0), 0x303030u);
    EXPECT_EQ(Rgb(window.image, 2, 0), 0x040506u);
}

TEST_F(Surfaces, TableChangesReachTheWindowOnlyWhenShown) {
    Canvas::Table(ProgramGame()).Fill(QRect(100, 100, 10, 10), Qt::red);
    EXPECT_EQ(Rgb(window.image, 105, 105), 0x303030u);
    ShowTableChanges(ProgramGame());
    EXPECT_EQ(Rgb(window.image, 105, 105), 0xFF0000u);
    Canvas::Table(ProgramGame()).Fill(QRect(200, 100, 10, 10), Qt::red);
    DiscardTableChanges();
    ShowTableChanges(ProgramGame());
    EXPECT_EQ(Rgb(window.image, 205, 105), 0x303030u);
}

}  // namespace
}  // namespace bw
