// Whole dealt tables compared with reference pictures of this project's own
// art, kept in tests/render/data. When the art or the drawing changes on
// purpose, look at the new pictures and regenerate them with
//   BW_UPDATE_REFERENCE=1 build/debug/bin/bw_render_tests --gtest_filter='ReferencePicture.*'
// (see tests/render/data/README).
#include <QImage>
#include <cmath>
#include <cstdlib>

#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "render/background_picture.h"
#include "render/device_detail.h"
#include "render/render_game.h"
#include "render/surfaces.h"
#include "render_fixture.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace bw {
namespace {

class ReferencePicture : public test::RenderTest {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        WindowCanvas() = nullptr;
        core.dir.write("GAMES.DAT", test::GamesDat({{901, test::MemoryGridRules()},
                                                    {902, test::CascadeRules()}}));
        ASSERT_TRUE(LoadCatalogue());
    }
    static RenderRequest Request(int id) {
        RenderRequest r;
        r.gameId = id;
        r.gameNumber = "4711200300001";
        r.layout.top = 75;
        r.layout.bottom = 700;
        r.layout.height = 768;
        r.layout.width = 1024;
        r.layout.screenWidth = 1024;
        r.layout.screenHeight = 768;
        return r;
    }
    void Check(const QImage& got, const std::string& file) {
        const QString path = QString::fromStdString(std::string(BW_RENDER_TEST_DATA) + file);
        if (std::getenv("BW_UPDATE_REFERENCE")) {
            ASSERT_TRUE(got.convertToFormat(QImage::Format_RGB32).save(path, "PNG"));
            GTEST_SKIP() << "wrote " << path.toStdString();
        }
        QImage want;
        ASSERT_TRUE(want.load(path))
            << path.toStdString() << " missing: regenerate it (tests/render/data/README)";
        want = want.convertToFormat(QImage::Format_RGB32);
        const QImage have = got.convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(have.size(), want.size());
        int differing = 0;
        QPoint first;
        for (int y = 0; y < have.height(); ++y)
            for (int x = 0; x < have.width(); ++x)
                if (have.pixel(x, y) != want.pixel(x, y) && differing++ == 0) first = QPoint(x, y);
        EXPECT_EQ(differing, 0) << "first at " << first.x() << "," << first.y();
    }
};

TEST_F(ReferencePicture, MemoryGridAfterTheDeal) {
    const QImage table = RenderDealtTable(ProgramGame(), Request(901));
    EXPECT_EQ(table.size(), QSize(1024, 701));
    Check(table, "memory_grid.png");
}

TEST_F(ReferencePicture, CascadesStockAndFoundationsAfterTheDeal) {
    const QImage table = RenderDealtTable(ProgramGame(), Request(902));
    Check(table, "cascades.png");
}

// On a screen of more device pixels the faces come from the library's large
// pictures, not the logical ones enlarged: the device picture differs from
// the logical one repeated pixel by pixel wherever a card is, and nowhere
// else, and the logical table stays the reference one.
TEST_F(ReferencePicture, CardsAtDevicePixels) {
    SetDeviceRatio(2);
    const QImage table = RenderDealtTable(ProgramGame(), Request(902));
    Check(table, "cascades.png");
    const QRect all(QPoint(0, 0), table.size());
    for (const qreal ratio : {2.0, 1.5, 3.0}) {
        SCOPED_TRACE(ratio);
        const QImage device = DevicePicture(TableBitmap(), all, ratio);
        ASSERT_EQ(device.size(), DeviceRect(all, ratio).size());
        EXPECT_EQ(device.devicePixelRatio(), ratio);
        // The logical pixel a device pixel enlarges: the last one starting at or before it.
        auto logical = [ratio](int d) { return static_cast<int>(std::ceil((d + 1) / ratio)) - 1; };
        int onCards = 0, onTable = 0;
        for (int y = 0; y < device.height(); ++y)
            for (int x = 0; x < device.width(); ++x) {
                const QPoint at(logical(x), logical(y));
                if (device.pixel(x, y) == table.pixel(at)) continue;
                ++(table.pixel(at) == BackgroundBitmap().pixel(at) ? onTable : onCards);
            }
        EXPECT_GT(onCards, device.width() * device.height() / 50);
        EXPECT_EQ(onTable, 0);
    }
    SetDeviceRatio(1);
    // At ratio 1 the device picture is the logical one.
    EXPECT_EQ(DevicePicture(TableBitmap(), all, 1).convertToFormat(QImage::Format_RGB32),
              table.convertToFormat(QImage::Format_RGB32));
}

// The empty-pile marks too: at ratio 2 the foundations' marks come from the
// library's large marks, blended over the table, not the logical ones doubled.
TEST_F(ReferencePicture, PileMarksAtDevicePixels) {
    SetDeviceRatio(2);
    const QImage table = RenderDealtTable(ProgramGame(), Request(902));
    const QRect foundation(Opt(ProgramGame(), opt::kDestBaseLeft),
                           Opt(ProgramGame(), opt::kDestBaseTop), ProgramGame().CardWidth,
                           ProgramGame().CardHeight);
    const QImage device = DevicePicture(TableBitmap(), foundation, 2);
    SetDeviceRatio(1);
    int differing = 0;
    for (int y = 0; y < device.height(); ++y)
        for (int x = 0; x < device.width(); ++x)
            differing +=
                device.pixel(x, y) != table.pixel(foundation.topLeft() + QPoint(x / 2, y / 2));
    EXPECT_GT(differing, device.width() * device.height() / 10);
}

}  // namespace
}  // namespace bw
