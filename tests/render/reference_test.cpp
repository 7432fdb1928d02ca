// Whole dealt tables compared with reference pictures of this project's own
// art, kept in tests/render/data. When the art or the drawing changes on
// purpose, look at the new pictures and regenerate them with
//   BW_UPDATE_REFERENCE=1 build/debug/bin/bw_render_tests --gtest_filter='ReferencePicture.*'
// (see tests/render/data/README).
#include <QImage>
#include <cstdlib>

#include "core/params.h"
#include "render/render_game.h"
#include "render_fixture.h"
#include "storage/catalogue.h"

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
    const QImage table = RenderDealtTable(Request(901));
    EXPECT_EQ(table.size(), QSize(1024, 701));
    Check(table, "memory_grid.png");
}

TEST_F(ReferencePicture, CascadesStockAndFoundationsAfterTheDeal) {
    const QImage table = RenderDealtTable(Request(902));
    Check(table, "cascades.png");
}

}  // namespace
}  // namespace bw
