#include "render_fixture.h"

#include <cstdio>

#include "core/game.h"
#include "core/params.h"
#include "core/rules.h"
#include "render/card_images.h"
#include "render/layout.h"
#include "render/library.h"
#include "render/render_game.h"
#include "render/surfaces.h"
#include "support/program_game.h"

namespace bw::test {

void RenderTest::SetUpTestSuite() {
    LoadResourceLibraryFile(std::string(BW_PROGRAM_DIR) + "QLR.RGF");
}

void RenderTest::SetUp() {
    ASSERT_NE(LibraryHandle(), nullptr) << "QLR.RGF missing beside the tests";
    UseDefaultTablePreferences('B', true);
    ApplyCardSize(ProgramGame());
    SizeTableBitmaps(1100, 700);
    window.image = QImage(1100, 700, QImage::Format_RGB32);
    WindowCanvas() = &window;
    SetFlag(ProgramGame(), flag::kInProgress, true);
    PaintSurfaces(0x101010, 0x202020, 0x303030);
}

void RenderTest::TearDown() {
    WindowCanvas() = nullptr;
    DiscardTableChanges();
}

void RenderTest::PaintSurfaces(QRgb table, QRgb background, QRgb windowColour) {
    TableBitmap().fill(table | 0xFF000000);
    BackgroundBitmap().fill(background | 0xFF000000);
    this->window.image.fill(windowColour | 0xFF000000);
    DiscardTableChanges();
}

void RenderTest::UseRules(const std::map<int, int>& rules) {
    ProgramGame().GameRules.fill(0);
    for (const auto& [entry, value] : rules)
        ProgramGame().GameRules[static_cast<size_t>(entry)] = static_cast<int16_t>(value);
    LayOut();
}

void RenderTest::LayOut() {
    SetOverlapOffsets(ProgramGame(), 'B');
    LayoutInput in;
    in.top = 40;
    in.bottom = 699;
    in.height = 740;
    in.width = 1100;
    in.screenWidth = 1920;
    in.screenHeight = 1080;
    ResetAndLayOutPiles(ProgramGame(), in);
}

std::string GamesDat(const std::vector<std::pair<int, std::map<int, int>>>& games) {
    auto padded = [](std::string s, size_t width) {
        s.resize(width, ' ');
        return s;
    };
    std::string out = "[Sect1]\r\n";
    for (const auto& [id, rules] : games)
        out += EncodeGamesText("16  " + std::to_string(id) + "00 " +
                               padded("Game " + std::to_string(id), 50)) +
               "\r\n";
    out += "[Sect2]\r\n";
    for (int entry = 0; entry < 489; ++entry) {
        char index[8];
        std::snprintf(index, sizeof index, "%04d", entry);
        std::string line = padded(index, 16);
        for (const auto& game : games) {
            auto it = game.second.find(entry);
            line += padded(std::to_string(it == game.second.end() ? 0 : it->second), 11);
        }
        out += EncodeGamesText(line) + "\r\n";
    }
    return out;
}

std::map<int, int> MemoryGridRules() {
    std::map<int, int> r{{3, 9}, {359, 127}, {360, 1}, {368, 4}, {371, 24}};
    for (int i = 0; i < 4; ++i) r[375 + i] = 6;
    return r;
}

std::map<int, int> CascadeRules() {
    std::map<int, int> r{{9, 1},   {10, 1},  {355, 13}, {356, 1}, {366, 2}, {357, 17}, {358, 1},
                         {367, 4}, {359, 2}, {360, 2},  {368, 7}, {3, 1},   {371, 52}, {372, 24},
                         {15, -1}, {16, 1},  {7, 1},    {52, 1},  {32, 13}};
    for (int i = 0; i < 7; ++i) {
        r[375 + i] = i + 1;
        r[415 + i] = 1;
    }
    return r;
}

}  // namespace bw::test
