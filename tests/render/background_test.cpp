// The table background: which kind the preferences choose, the fade, library
// pictures, the player's own picture and its failure path.
#include <QGuiApplication>
#include <QPalette>
#include <filesystem>

#include "core/game.h"
#include "core/params.h"
#include "platform/ini.h"
#include "render/background.h"
#include "render/library.h"
#include "render_fixture.h"
#include "support/program_game.h"

namespace bw {
namespace {

using test::Rgb;

class Background : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        std::filesystem::create_directories(core.dir.file("DATA"));
    }
    // Bands are equal in height; the colour of the row in the middle of band j (0 = top).
    unsigned BandColour(int j, int area) {
        return Rgb(TableBitmap(), 5, (MulDiv(j, area, 256) + MulDiv(j + 1, area, 256)) / 2);
    }
};

class PaletteScreen : public IScreen {
public:
    int ColorBits() override { return 8; }
};

TEST(MulDivTest, RoundsHalvesAwayFromZero) {
    EXPECT_EQ(MulDiv(1, 3, 2), 2);
    EXPECT_EQ(MulDiv(-1, 3, 2), -2);
    EXPECT_EQ(MulDiv(255, 255, 256), 254);
    EXPECT_EQ(MulDiv(7, 5, 0), -1);
}

TEST(ColourValueTest, PlainValuesAreRedLowThenGreenThenBlue) {
    EXPECT_EQ(ColourOfValue(32768), QColor(0, 128, 0));
    EXPECT_EQ(ColourOfValue(0x00FF0000), QColor(0, 0, 255));
    EXPECT_EQ(ColourOfValue(0x000000FF), QColor(255, 0, 0));
    // System colours come from the platform palette, whether written as
    // the unsigned or the signed 32-bit value.
    const QColor face = QGuiApplication::palette().color(QPalette::Active, QPalette::Button);
    EXPECT_EQ(ColourOfValue(kButtonFaceColourValue), face);
    EXPECT_EQ(ColourOfValue(-2147483633), face);
}

TEST_F(Background, DefaultGreenOnEverySurfaceUnlessCanvasOnly) {
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundDefault, 0, "", false, 0);
    EXPECT_EQ(Rgb(TableBitmap(), 0, 0), 0x006000u);
    EXPECT_EQ(Rgb(TableBitmap(), 1099, 699), 0x006000u);
    EXPECT_EQ(Rgb(BackgroundBitmap(), 500, 300), 0x006000u);

    PaintSurfaces(0x101010, 0x202020, 0x303030);
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundDefault, 0, "", true, 0);
    EXPECT_EQ(Rgb(TableBitmap(), 10, 10), 0x006000u);
    EXPECT_EQ(Rgb(BackgroundBitmap(), 10, 10), 0x202020u);

    // A display of 256 colours or fewer gets the brighter green.
    PaletteScreen palette;
    InstalledPorts().screen = &palette;
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundDefault, 0, "", false, 0);
    EXPECT_EQ(Rgb(TableBitmap(), 10, 10), 0x008000u);
    InstalledPorts().screen = nullptr;
}

TEST_F(Background, WindowShowsTheTableRowsOfTheScrollPosition) {
    ProgramGame().Options.SetOpt(90, 100);
    SetParameter(135, 1, "Y");
    PaintBackgroundAs(Canvas::Window(ProgramGame()), kBackgroundColour, 0x0000FF, "", false, 0);
    // Window row 0 is table row 100.
    EXPECT_EQ(Rgb(window.image, 5, 0), Rgb(BackgroundBitmap(), 5, 100));
    ASSERT_FALSE(window.flushes.empty());
    EXPECT_EQ(window.flushes.back(), window.image.rect());
}

TEST_F(Background, ColourFadesInBandsFromFullAtTheTopToBlackAtTheBottom) {
    SetParameter(135, 1, "Y");
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundColour, 0x0000FF, "", false,
                      0);                            // red
    const int area = 701;                            // the table bitmap's height + 1
    EXPECT_EQ(Rgb(TableBitmap(), 0, 0), 0xFE0000u);  // 255 x 255 / 256
    EXPECT_EQ(BandColour(0, area), 0xFE0000u);
    EXPECT_EQ(BandColour(128, area), static_cast<unsigned>(MulDiv(255, 127, 256)) << 16);
    EXPECT_EQ(Rgb(TableBitmap(), 0, 699), 0x000000u);
    // The same bands on the background picture.
    EXPECT_EQ(Rgb(BackgroundBitmap(), 7, 350), Rgb(TableBitmap(), 7, 350));

    // With the scroll bar shown the fade runs 80 pixels further down: the
    // last visible row is not black yet.
    SetVerticalScrollBarShown(true);
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundColour, 0x0000FF, "", false, 0);
    SetVerticalScrollBarShown(false);
    int j = 0;
    while (MulDiv(j + 1, area + 80, 256) <= 699) ++j;
    EXPECT_GT(255 - j, 0);
    EXPECT_EQ(Rgb(TableBitmap(), 0, 699), static_cast<unsigned>(MulDiv(255, 255 - j, 256)) << 16);
}

TEST_F(Background, NoFadeWhenSwitchedOffOrOnAPaletteDisplay) {
    SetParameter(135, 1, "N");
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundColour, 0x00FF00, "", false, 0);
    EXPECT_EQ(Rgb(TableBitmap(), 3, 699), 0x00FF00u);

    SetParameter(135, 1, "Y");
    PaletteScreen palette;
    InstalledPorts().screen = &palette;
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundColour, 0x00FF00, "", false, 0);
    InstalledPorts().screen = nullptr;
    EXPECT_EQ(Rgb(TableBitmap(), 3, 699), 0x00FF00u);
}

TEST_F(Background, PreferencesChooseTheKind) {
    SetParameter(135, 1, "N");
    // Blank preferences get their defaults: fixed colour 32768 wins.
    PaintBackground(Canvas::Table(ProgramGame()));
    EXPECT_EQ(GetParameter(43, 4), "0");
    EXPECT_EQ(GetParameter(47, 15), "32768");
    EXPECT_EQ(GetParameter(28, 15), "2147483663");
    EXPECT_EQ(Rgb(TableBitmap(), 1, 1), 0x008000u);

    // Fixed colour 0: the colour of position 28, a system colour looked up.
    SetParameter(47, 15, "0");
    PaintBackground(Canvas::Table(ProgramGame()));
    EXPECT_EQ(Rgb(TableBitmap(), 1, 1), ColourOfValue(kButtonFaceColourValue).rgb() & 0xFFFFFF);

    // A picture number.
    SetParameter(43, 4, "102");
    PaintBackground(Canvas::Table(ProgramGame()));
    const QImage tile = LibraryBitmap("B102");
    ASSERT_FALSE(tile.isNull());
    EXPECT_EQ(Rgb(TableBitmap(), 3, 4), tile.pixel(3, 4) & 0xFFFFFF);

    // The default flag overrides everything else, the own picture included.
    SetParameter(246, 1, "Y");
    SetParameter(27, 1, "Y");
    PaintBackground(Canvas::Table(ProgramGame()));
    EXPECT_EQ(Rgb(TableBitmap(), 1, 1), 0x006000u);
    EXPECT_TRUE(core.dialogs.infos.empty());
}

TEST_F(Background, LibraryPicturesAreTiledUpTo499AndCopiedOnceAbove) {
    const QImage tile = LibraryBitmap("B102");
    ASSERT_FALSE(tile.isNull());
    PaintBackgroundAs(Canvas::Table(ProgramGame()), 102, 0, "", false, 0);
    const int w = tile.width(), h = tile.height();
    for (QPoint p :
         {QPoint(1, 2), QPoint(w + 1, 2), QPoint(1, 3 * h + 2), QPoint(30 * w + 1, 20 * h + 2)})
        EXPECT_EQ(Rgb(TableBitmap(), p.x(), p.y()), tile.pixel(1, 2) & 0xFFFFFF)
            << p.x() << "," << p.y();

    const QImage once = LibraryBitmap("B600");
    ASSERT_FALSE(once.isNull());
    ASSERT_LT(once.width(), 1100);
    PaintSurfaces(0x123456, 0x123456, 0x123456);
    PaintBackgroundAs(Canvas::Table(ProgramGame()), 600, 0, "", false, 0);
    EXPECT_EQ(Rgb(TableBitmap(), 5, 5), once.pixel(5, 5) & 0xFFFFFF);
    // Right of the picture the previous pixels stay: it is not repeated.
    EXPECT_EQ(Rgb(TableBitmap(), once.width() + 5, 5), 0x123456u);
    EXPECT_EQ(Rgb(BackgroundBitmap(), once.width() + 5, 5), 0x123456u);

    // A number the library lacks paints nothing.
    PaintBackgroundAs(Canvas::Table(ProgramGame()), 499, 0, "", false, 0);
    EXPECT_EQ(Rgb(TableBitmap(), once.width() + 5, 5), 0x123456u);
}

// Erases take the background's pixels from what it was painted from: every
// kind, at any scroll position and in pieces that cut across tiles and the
// edge of a picture, matches painting the table outright.
TEST_F(Background, ErasesMatchTheWholePaintingOfEveryKind) {
    QImage own(37, 23, QImage::Format_RGB32);
    for (int y = 0; y < own.height(); ++y)
        for (int x = 0; x < own.width(); ++x) own.setPixel(x, y, qRgb(x * 7, y * 11, (x ^ y) * 5));
    const std::string ownPath = core.dir.file("weave.bmp");
    ASSERT_TRUE(own.save(QString::fromStdString(ownPath), "BMP"));
    SetParameter(135, 1, "Y");
    const std::vector<QRect> pieces = {QRect(0, 0, 1100, 700), QRect(3, 5, 71, 96),
                                       QRect(590, 10, 300, 400), QRect(1050, 650, 200, 200),
                                       QRect(-20, 300, 50, 1)};
    struct Kind {
        int kind;
        int64_t colour;
        std::string file;
    };
    // A placed picture comes after a fade: beside it the fade stays.
    for (const Kind& k :
         {Kind{kBackgroundDefault, 0, ""}, Kind{kBackgroundColour, 0x3080FF, ""}, Kind{600, 0, ""},
          Kind{102, 0, ""}, Kind{499, 0, ""}, Kind{kBackgroundOwnImage, 0, ownPath}}) {
        window.image = BackgroundBitmap().copy();
        ProgramGame().Options.SetOpt(90, 0);
        PaintBackgroundAs(Canvas::Window(ProgramGame()), k.kind, k.colour, k.file, false, 0);
        EXPECT_EQ(BackgroundBitmap().copy(), window.image) << k.kind;
        // What the window keeps beside a placed or missing picture is no
        // painting of the scrolled table.
        const bool covers = k.kind != 600 && k.kind != 499;
        for (int scroll : {0, 37}) {
            if (scroll && !covers) continue;
            ProgramGame().Options.SetOpt(90, scroll);
            if (scroll)
                PaintBackgroundAs(Canvas::Window(ProgramGame()), k.kind, k.colour, k.file, true, 0);
            const QImage painted = window.image.copy();
            window.image.fill(0xFF00FF);
            for (const QRect& r : pieces)
                Canvas::Window(ProgramGame()).Restore(r, BackgroundBitmap());
            // Below the table's last row scrolled up the window keeps its own.
            const QRect onTable(0, 0, 1100, 700 - scroll);
            for (const QRect& r : pieces)
                EXPECT_EQ(window.image.copy(r & onTable), painted.copy(r & onTable))
                    << k.kind << " scroll " << scroll << " at " << r.x() << "," << r.y();
        }
    }
    EXPECT_TRUE(core.dialogs.infos.empty());
}

TEST_F(Background, OwnPictureByBareNameIsABitmapInTheProgramFolder) {
    QImage own(40, 30, QImage::Format_RGB32);
    own.fill(QColor(10, 200, 30));
    own.setPixel(0, 0, qRgb(250, 1, 2));
    ASSERT_TRUE(own.save(QString::fromStdString(core.dir.file("felt.bmp")), "BMP"));
    SetParameter(246, 1, "Y");
    platform::IniWriteString(SettingsFile(), "Preference", "Customized_Background", "felt");
    PaintBackground(Canvas::Table(ProgramGame()));
    EXPECT_TRUE(core.dialogs.infos.empty());
    EXPECT_EQ(Rgb(TableBitmap(), 0, 0), 0xFA0102u);
    EXPECT_EQ(Rgb(TableBitmap(), 40, 30), 0xFA0102u);  // tiled
    EXPECT_EQ(Rgb(TableBitmap(), 41, 31), 0x0AC81Eu);
}

TEST_F(Background, OwnJpegPicture) {
    QImage own(16, 16, QImage::Format_RGB32);
    own.fill(QColor(200, 40, 40));
    const std::string path = core.dir.file("wood.jpeg");
    ASSERT_TRUE(own.save(QString::fromStdString(path), "JPG", 100));
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundOwnImage, 0, path, false, 0);
    const QColor got(TableBitmap().pixel(20, 20));
    EXPECT_NEAR(got.red(), 200, 6);
    EXPECT_NEAR(got.green(), 40, 6);
}

TEST_F(Background, MissingOwnPictureIsReportedForgottenAndReplacedByTheDefault) {
    SetParameter(246, 1, "Y");
    SetParameter(27, 1, "N");
    platform::IniWriteString(SettingsFile(), "Preference", "Customized_Background", "gone");
    PaintBackground(Canvas::Table(ProgramGame()));
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_EQ(core.dialogs.infos[0],
              "Customized background image not found: " + core.dir.file("gone.bmp"));
    EXPECT_EQ(GetParameter(246, 1), "N");
    EXPECT_EQ(GetParameter(27, 1), "Y");
    EXPECT_EQ(platform::IniReadString(SettingsFile(), "Preference", "Customized_Background", "x"),
              "");
    EXPECT_EQ(platform::IniReadString(SettingsFile(), "Preference", "Background_Def", "x"), "Y");
    EXPECT_EQ(Rgb(TableBitmap(), 9, 9), 0x006000u);
    EXPECT_EQ(Rgb(BackgroundBitmap(), 9, 9), 0x006000u);
}

TEST_F(Background, DamagedOwnPictureIsRefusedTheSameWay) {
    test::WriteFile(core.dir.file("broken.bmp"), "BM not really a bitmap");
    PaintBackgroundAs(Canvas::Table(ProgramGame()), kBackgroundOwnImage, 0, "broken", false, 0);
    ASSERT_EQ(core.dialogs.infos.size(), 1u);
    EXPECT_NE(core.dialogs.infos[0].find(core.dir.file("broken.bmp")), std::string::npos);
    EXPECT_EQ(GetParameter(27, 1), "Y");
    EXPECT_EQ(Rgb(TableBitmap(), 9, 9), 0x006000u);
}

}  // namespace
}  // namespace bw
