// The card table widget, the splash and the help contents.
#include <gmock/gmock.h>

#include <QElapsedTimer>
#include <QPainter>
#include <QTest>

#include "app/help_window.h"
#include "app/main_window.h"
#include "app/memory_end_dialog.h"
#include "app/splash.h"
#include "app/table_widget.h"
#include "core/game.h"
#include "core/params.h"
#include "gui_support.h"
#include "platform/paths.h"
#include "render/library.h"
#include "support/program_game.h"

namespace bw::test {
namespace {

TEST(TableWidgetTest, CanvasGrowsWithTheWidgetAndKeepsItsPicture) {
    TableWidget table;
    table.resize(200, 100);
    table.show();
    ASSERT_GE(table.Image().width(), 200);
    ASSERT_GE(table.Image().height(), 100);
    table.Image().setPixelColor(10, 10, Qt::red);
    table.resize(400, 300);
    EXPECT_GE(table.Image().width(), 400);
    EXPECT_GE(table.Image().height(), 300);
    EXPECT_EQ(table.Image().pixelColor(10, 10), QColor(Qt::red));
    EXPECT_EQ(table.Image().pixelColor(350, 250), TableWidget::BlankColour());
}

TEST(TableWidgetTest, FlushedRectanglesReachTheScreen) {
    TableWidget table;
    table.resize(120, 80);
    table.show();
    table.Install();
    ASSERT_EQ(WindowCanvas(), &table);
    {
        QPainter p(&WindowCanvas()->Image());
        p.fillRect(QRect(20, 20, 30, 30), Qt::blue);
    }
    WindowCanvas()->Flush(QRect(20, 20, 30, 30));
    const QImage shown = table.grab().toImage();
    EXPECT_EQ(shown.pixelColor(30, 30), QColor(Qt::blue));
    EXPECT_EQ(shown.pixelColor(5, 5), TableWidget::BlankColour());
    EXPECT_EQ(WindowCanvas()->ScrollY(), 0);
}

// Paint events a widget receives.
class PaintCounter : public QObject {
public:
    int paints = 0;
    bool eventFilter(QObject*, QEvent* e) override {
        if (e->type() == QEvent::Paint) ++paints;
        return false;
    }
};

TEST(TableWidgetTest, WindowActivationDoesNotRedrawTheTable) {
    QWidget window;
    auto* table = new TableWidget(&window);
    table->resize(120, 80);
    window.resize(120, 80);
    window.show();
    QCoreApplication::processEvents();
    PaintCounter counter;
    table->installEventFilter(&counter);
    QWidget other;  // a dialog taking the focus and giving it back
    other.show();
    for (QWidget* active : {&other, &window}) {
        QApplication::setActiveWindow(active);
        QCoreApplication::processEvents();
    }
    EXPECT_EQ(counter.paints, 0);
    table->update();
    QCoreApplication::processEvents();
    EXPECT_EQ(counter.paints, 1);  // the counter sees paints at all
}

TEST(TableWidgetTest, CanvasIsUninstalledWithItsWidget) {
    {
        TableWidget table;
        table.Install();
    }
    EXPECT_EQ(WindowCanvas(), nullptr);
}

TEST(TableWidgetTest, PointerInputIsForwarded) {
    TableWidget table;
    table.resize(200, 200);
    table.show();
    std::vector<std::string> seen;
    table.onPress = [&](const TablePointerEvent& e) {
        seen.push_back("press " + std::to_string(e.x) + "," + std::to_string(e.y) +
                       (e.modifiers & Qt::ControlModifier ? " ctrl" : "") +
                       (e.button == Qt::RightButton ? " right" : ""));
    };
    table.onRelease = [&](const TablePointerEvent&) { seen.push_back("release"); };
    table.onDoubleClick = [&](const TablePointerEvent&) { seen.push_back("double"); };
    QTest::mouseClick(&table, Qt::RightButton, Qt::ControlModifier, QPoint(40, 50));
    // The events a widget gets for a double click: press, release, double
    // click, release.
    QTest::mousePress(&table, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QTest::mouseRelease(&table, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QTest::mouseDClick(&table, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    QTest::mouseRelease(&table, Qt::LeftButton, Qt::NoModifier, QPoint(7, 8));
    // A double click reports itself before the press that carries it.
    EXPECT_THAT(seen, ::testing::ElementsAre("press 40,50 ctrl right", "release", "press 7,8",
                                             "release", "double", "press 7,8", "release"));
}

TEST(SplashTest, BorderlessPictureOfItsFixedSize) {
    TfrmSplashForm splash;
    EXPECT_EQ(splash.size(), QSize(467, 287));
    EXPECT_TRUE(splash.windowFlags() & Qt::FramelessWindowHint);
    EXPECT_TRUE(splash.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_EQ(splash.imgSplash->pixmap().size(), QSize(467, 287));
    const QString keep = qEnvironmentVariable("BW_SCREENSHOT_DIR");
    if (!keep.isEmpty()) splash.grab().save(keep + "/splash_drawn.png");
    // A library picture of another size is fitted to the window.
    QPixmap small(100, 50);
    small.fill(Qt::yellow);
    TfrmSplashForm fitted(small);
    EXPECT_EQ(fitted.imgSplash->pixmap().size(), QSize(467, 287));
}

TEST(SplashTest, StaysUpForItsMinimumTimeWithoutBlocking) {
    TfrmSplashForm splash;
    splash.ShowNow();
    QElapsedTimer call;
    call.start();
    splash.HideWhenShownFor(300);
    EXPECT_LT(call.elapsed(), 100);  // the caller goes on at once
    EXPECT_TRUE(splash.isVisible());
    EXPECT_TRUE(QTest::qWaitFor([&] { return !splash.isVisible(); }, 3000));
    // Shown long enough already, or no minimum: down at once.
    splash.ShowNow();
    splash.HideWhenShownFor(0);
    EXPECT_FALSE(splash.isVisible());
    // A click takes it down before its time.
    splash.ShowNow();
    splash.HideWhenShownFor(60000);
    QTest::mouseClick(splash.imgSplash, Qt::LeftButton);
    EXPECT_FALSE(splash.isVisible());
}

// Pictures of the library built beside the programs.
class LibraryPicturesTest : public GuiFixture, public ::testing::Test {
protected:
    LibraryPicturesTest() {
        const std::string file = std::string(BW_PROGRAM_DIR) + "QLR.RGF";
        loaded = platform::FileExists(file) && LoadResourceLibraryFile(file);
    }
    ~LibraryPicturesTest() override { FreeResourceLibrary(); }
    static QImage Argb(const QImage& i) { return i.convertToFormat(QImage::Format_ARGB32); }
    bool loaded = false;
};

TEST_F(LibraryPicturesTest, ToolBarsAndBadgesComeFromTheLibrary) {
    ASSERT_TRUE(loaded);
    TfrmMain window{ProgramGame()};
    const QImage large = LibraryBitmap("TB_NEW");
    ASSERT_FALSE(large.isNull());
    EXPECT_EQ(Argb(window.tbNew->icon().pixmap(large.size()).toImage()), Argb(large));
    window.ApplyToolBarSize(false);
    const QImage small = LibraryBitmap("TB_EXIT1");
    ASSERT_FALSE(small.isNull());
    EXPECT_EQ(Argb(window.tbExit1->icon().pixmap(small.size()).toImage()), Argb(small));
    // The bar that is not shown holds no pictures.
    EXPECT_TRUE(window.tbNew->icon().isNull());

    TfrmMemoryEnd dialog{ProgramGame()};
    EXPECT_EQ(Argb(dialog.imgGreen->pixmap().toImage()), Argb(LibraryBitmap("BADGE_WON")));
    EXPECT_EQ(Argb(dialog.imgRed->pixmap().toImage()), Argb(LibraryBitmap("BADGE_LOST")));
    EXPECT_EQ(dialog.imgRed->pixmap().size(), QSize(61, 37));
}

TEST_F(LibraryPicturesTest, TablePointerFollowsTheCursorSetting) {
    ASSERT_TRUE(loaded);
    dir.write("GAMES.DAT", MemoryGamesCatalogue());
    dir.write("DATA/Cfg.dat", "[Preference]\r\nCursor=12\r\n");
    TfrmMain window{ProgramGame()};
    InstalledPorts().SetWindow(&window);
    ASSERT_TRUE(window.FormCreate());
    const QCursor* hand = ScreenCursor(12);
    ASSERT_NE(hand, nullptr);
    EXPECT_EQ(window.imgSfondo->cursor().pixmap().toImage(), hand->pixmap().toImage());
    EXPECT_EQ(window.imgSfondo->cursor().hotSpot(), hand->hotSpot());
}

class HelpTest : public GuiFixture, public ::testing::Test {};

TEST_F(HelpTest, ContentsOpenInTheWindowTheHelpFileNames) {
    dir.write("help/contents.html", "<html><body>Brindlewick contents</body></html>");
    ASSERT_TRUE(ShowHelpContents(dir.path() + "quillory.hlp>proc", nullptr));
    HelpWindow* proc = FindHelpWindow("proc");
    ASSERT_NE(proc, nullptr);
    EXPECT_TRUE(proc->browser()->toPlainText().contains("Brindlewick contents"));
    proc->close();
    QApplication::processEvents();
}

}  // namespace
}  // namespace bw::test
