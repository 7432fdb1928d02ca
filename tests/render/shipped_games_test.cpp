// Every game of the GAMES.DAT the build ships, dealt and drawn on a small and
// a large screen: each card shows whole where the card-position rule puts
// it, inside the table, and no pile overlaps another.
#include <QImage>

#include "core/card_positions.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "render/card_images.h"
#include "render/drawing.h"
#include "render/render_game.h"
#include "render/table.h"
#include "render_fixture.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace bw {
namespace {

struct Screen {
    int width, height, top, bottom, tableWidth;
};

class ShippedGames : public test::RenderTest, public ::testing::WithParamInterface<int> {
protected:
    void SetUp() override {
        RenderTest::SetUp();
        WindowCanvas() = nullptr;
        SetProgramDir(BW_PROGRAM_DIR);
        ASSERT_TRUE(LoadCatalogue()) << "GAMES.DAT missing beside the tests";
    }
    static const QImage& Picture(CardCode c) {
        return IsFaceUp(ProgramGame(), c) ? CardFaces()[static_cast<size_t>(FaceIndexOf(c))]
                                          : CardBack();
    }
    // The card's pixels, rounded corners aside, are its picture's.
    static bool ShowsWhole(const QImage& table, const QRect& r, const QImage& picture) {
        for (int y = 0; y < r.height(); ++y)
            for (int x = 0; x < r.width(); ++x) {
                if ((x < 2 || x >= r.width() - 2) && (y < 2 || y >= r.height() - 2)) continue;
                if ((table.pixel(r.x() + x, r.y() + y) & 0xFFFFFF) !=
                    (picture.pixel(x, y) & 0xFFFFFF))
                    return false;
            }
        return true;
    }
};

TEST_P(ShippedGames, EveryCardWhereTheLayoutSaysAndNoPilesOverlap) {
    const int id = GetParam();
    if (CatalogueIndex(id) < 0) GTEST_SKIP() << "game " << id << " is not shipped";
    for (const Screen& s : {Screen{1024, 768, 60, 700, 1007}, Screen{1920, 1080, 60, 1010, 1903}}) {
        RenderRequest request;
        request.gameId = id;
        request.gameNumber = "1234567890123";
        request.layout.top = s.top;
        request.layout.bottom = s.bottom;
        request.layout.height = s.height;
        request.layout.width = s.tableWidth;
        request.layout.screenWidth = s.width;
        request.layout.screenHeight = s.height;
        const QImage table = RenderDealtTable(ProgramGame(), request);
        const std::string where = "game " + std::to_string(id) + " at " + std::to_string(s.width);

        std::vector<std::pair<std::string, QRect>> piles;
        int cards = 0;
        auto visit = [&](const std::string& name, int index, bool everyCard) {
            const std::string* pile = PileByName(ProgramGame(), name);
            const QPoint anchor = PileAnchor(ProgramGame(), name, index);
            if (!pile || !OnTable(anchor.x()) || !OnTable(anchor.y())) return;
            const QRect extent = PileExtent(ProgramGame(), name, index);
            EXPECT_TRUE(table.rect().contains(extent)) << where << " " << name;
            piles.emplace_back(name, extent);
            const int n = SlotCount(*pile);
            for (int k = everyCard ? 0 : std::max(n - 1, 0); k < n; ++k) {
                const CardCode c = SlotCode(*pile, k);
                if (FaceIndexOf(c) < 0) continue;
                // Cards of a cascade show whole only on top.
                const int direction = PileDirection(ProgramGame(), name, index);
                if (k < n - 1 && direction != 8 && direction != 9) continue;
                const CardPoint p = k == n - 1
                                        ? CardPositionInPile(ProgramGame(), name, index, 0, false)
                                        : CardSlotPosition(ProgramGame(), name, index, k);
                EXPECT_TRUE(ShowsWhole(table, CardRectAt(ProgramGame(), p.left, p.top), Picture(c)))
                    << where << " " << name << " card " << k;
                ++cards;
            }
        };
        for (int i = 0; i < 3; ++i)
            visit(i == 0 ? "Mazzo" : i == 1 ? "Mazzo_Vis" : "Waste", i, false);
        for (int k = 0; k < ProgramGame().GameRules[367]; ++k)
            visit(PileName(kDest, k + 1), k, false);
        for (int k = 0; k < ProgramGame().GameRules[369]; ++k)
            visit(PileName(kAppogg, k + 1), k, true);
        for (int k = 0; k < ProgramGame().GameRules[368]; ++k)
            visit(PileName(kFila, k + 1), k, true);
        EXPECT_GT(cards, 0) << where;
        for (size_t a = 0; a < piles.size(); ++a)
            for (size_t b = a + 1; b < piles.size(); ++b)
                EXPECT_FALSE(piles[a].second.intersects(piles[b].second))
                    << where << ": " << piles[a].first << " and " << piles[b].first;
    }
}

INSTANTIATE_TEST_SUITE_P(Games, ShippedGames, ::testing::Range(200, 206));

}  // namespace
}  // namespace bw
