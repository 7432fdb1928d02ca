#pragma once
// What the drawing tests share: the real resource library, the default
// table preferences, small table bitmaps and a window canvas that records
// what it was asked to show.
#include <gtest/gtest.h>

#include <QImage>
#include <QRect>
#include <map>
#include <string>
#include <vector>

#include "core/game.h"
#include "core/state.h"
#include "render/window_canvas.h"
#include "support/program_game.h"
#include "support/test_support.h"

namespace bw::test {

class FakeWindowCanvas : public IWindowCanvas {
public:
    QImage image;
    std::vector<QRect> flushes;
    QImage& Image() override { return image; }
    void Flush(const QRect& r) override { flushes.push_back(r); }
    int ScrollY() override { return ProgramGame().Options.Opt(90); }
};

class RenderTest : public ::testing::Test {
protected:
    static void SetUpTestSuite();
    void SetUp() override;
    void TearDown() override;

    // Fills every surface with its own colour, so a pixel tells where it came from.
    void PaintSurfaces(QRgb table, QRgb background, QRgb windowColour);
    // A game with the given rules (others 0), laid out on a 1100 x 700 table.
    void UseRules(const std::map<int, int>& rules);
    void LayOut();

    CoreFixture core;
    FakeWindowCanvas window;
};

// A pixel as 0xRRGGBB.
inline unsigned Rgb(const QImage& img, int x, int y) {
    return img.pixel(x, y) & 0xFFFFFF;
}

// A GAMES.DAT of the given games (id and rules), as the program stores it.
std::string GamesDat(const std::vector<std::pair<int, std::map<int, int>>>& games);

// A 6 x 4 memory grid: four tableau rows of six face-down cards side by
// side, one column of rows (layout style 127), 24 cards.
std::map<int, int> MemoryGridRules();
// A klondike-like game: stock and waste, four foundations, seven cascades.
std::map<int, int> CascadeRules();

}  // namespace bw::test
