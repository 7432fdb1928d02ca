// Drawing the table on a 1920 x 1080 screen: the full repaint that every new
// game, resize and preference change costs, the partial update after a move,
// and the layout of the same games. The shipped games (200..205) come from
// GAMES.DAT beside the benchmark; without them a hand-built memory grid
// stands in for game 200.
#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <cstdio>
#include <filesystem>
#include <map>

#include "bench_app.h"
#include "core/card_size.h"
#include "core/game.h"
#include "core/params.h"
#include "core/ports.h"
#include "core/rules.h"
#include "core/state.h"
#include "platform/paths.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/layout.h"
#include "render/library.h"
#include "render/render_game.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "render/window_canvas.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace {

class BenchWindow : public bw::IWindowCanvas {
public:
    QImage image{1920, 1080, QImage::Format_RGB32};
    QImage& Image() override { return image; }
    void Flush(const QRect&) override {}
    int ScrollY() override { return 0; }
};

constexpr int kStandIn = 900;

// A 6 x 4 memory grid in GAMES.DAT form, for when the real file is missing.
std::string StandInGamesDat() {
    std::map<int, int> rules{{3, 9}, {359, 127}, {360, 1}, {368, 4}, {371, 24}};
    for (int i = 0; i < 4; ++i) rules[375 + i] = 6;
    std::string out = "[Sect1]\r\n" +
                      bw::EncodeGamesText("16  " + std::to_string(kStandIn) + "00 " +
                                          std::string("Memory grid") + std::string(39, ' ')) +
                      "\r\n[Sect2]\r\n";
    for (int entry = 0; entry < 489; ++entry) {
        char line[40];
        auto it = rules.find(entry);
        std::snprintf(line, sizeof line, "%04d            %-11d", entry,
                      it == rules.end() ? 0 : it->second);
        out += bw::EncodeGamesText(line) + "\r\n";
    }
    return out;
}

// Ready once: a GUI application, the library, and the catalogue. Returns
// whether the shipped games are there.
bool Prepare() {
    static const bool shipped = [] {
        bw::bench::StartBenchApp();
        if (bw::LoadCatalogue() && bw::CatalogueIndex(200) >= 0) return true;
        const auto dir = std::filesystem::temp_directory_path() / "bw_render_bench";
        std::filesystem::create_directories(dir);
        std::FILE* f = std::fopen((dir / "GAMES.DAT").c_str(), "wb");
        if (f) {
            const std::string text = StandInGamesDat();
            std::fwrite(text.data(), 1, text.size(), f);
            std::fclose(f);
        }
        bw::SetProgramDir(dir.string() + "/");
        bw::LoadCatalogue();
        return false;
    }();
    return shipped;
}

// Deals game `id` (or the stand-in) on a 1920 x 1080 screen; false when the
// benchmark has no such game.
bool DealAt1080(benchmark::State& state, int id) {
    const bool shipped = Prepare();
    if (!bw::LibraryHandle()) {
        state.SkipWithError("QLR.RGF missing beside the benchmark");
        return false;
    }
    if (!shipped) {
        if (id != 200) {
            state.SkipWithError("not in GAMES.DAT");
            return false;
        }
        id = kStandIn;
        state.SetLabel("stand-in memory grid");
    }
    bw::RenderRequest request;
    request.gameId = id;
    request.gameNumber = "4711200300001";
    request.layout.top = 60;
    request.layout.bottom = 1000;
    request.layout.height = 1080;
    request.layout.width = 1903;
    request.layout.screenWidth = 1920;
    request.layout.screenHeight = 1080;
    bw::RenderDealtTable(bw::ProgramGame(), request);
    return true;
}

void BM_RepaintTable(benchmark::State& state) {
    if (!DealAt1080(state, static_cast<int>(state.range(0)))) return;
    for (auto _ : state) {
        bw::RepaintTable(bw::ProgramGame(), bw::Canvas::Table(bw::ProgramGame()), false);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_RepaintTable)->DenseRange(200, 205)->Unit(benchmark::kMicrosecond);

// After a move: the pile's top card again and its rectangle on the window.
void BM_RedrawPileTopAndShow(benchmark::State& state) {
    if (!DealAt1080(state, 200)) return;
    BenchWindow window;
    bw::WindowCanvas() = &window;
    const QRect extent = bw::PileExtent(bw::ProgramGame(), "Fila1", 0);
    for (auto _ : state) {
        bw::RedrawPileTop(bw::ProgramGame(), "Fila1", 0, bw::Canvas::Table(bw::ProgramGame()));
        bw::DiscardTableChanges();
        bw::ShowTableRect(bw::ProgramGame(), extent);
        benchmark::ClobberMemory();
    }
    bw::WindowCanvas() = nullptr;
}
BENCHMARK(BM_RedrawPileTopAndShow)->Unit(benchmark::kMicrosecond);

void BM_LayOutPilesAt1080(benchmark::State& state) {
    if (!DealAt1080(state, static_cast<int>(state.range(0)))) return;
    bw::LayoutInput in;
    in.top = 60;
    in.bottom = 1000;
    in.height = 1080;
    in.width = 1903;
    in.screenWidth = 1920;
    in.screenHeight = 1080;
    for (auto _ : state) {
        bw::ResetAndLayOutPiles(bw::ProgramGame(), in);
        benchmark::DoNotOptimize(bw::ProgramGame().FilaLeft.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LayOutPilesAt1080)->DenseRange(200, 205);

// "Fit to the table" on a 3840 x 2160 screen, the table a little shorter at
// every step as while the window is resized: the size found, the pictures
// at that size (a new size each time, none taken from the kept sets), the
// layout and the whole table drawn again. One frame is 16 ms.
class FitSetUp : public bw::ICardSetUp {
public:
    bw::LayoutInput in;
    void LayOutPiles() override {
        bw::LayoutInput at = in;
        at.cardWidth = bw::ProgramGame().CardWidth;
        at.cardHeight = bw::ProgramGame().CardHeight;
        bw::ResetAndLayOutPiles(bw::ProgramGame(), at);
    }
    bool HasTable() override { return true; }
    bool TableHoldsPiles() override {
        return QRect(0, in.top, in.width, in.bottom + 1 - in.top)
            .contains(bw::TableExtent(bw::ProgramGame()));
    }
};

void BM_RefitTableAt2160(benchmark::State& state) {
    const int id = static_cast<int>(state.range(0));
    if (!Prepare() || !bw::LibraryHandle()) {
        state.SkipWithError("GAMES.DAT or QLR.RGF missing beside the benchmark");
        return;
    }
    bw::RenderRequest request;
    request.gameId = id;
    request.gameNumber = "4711200300001";
    request.cardSize = bw::kFitToTableSize;
    request.layout.top = 60;
    request.layout.bottom = 2080;
    request.layout.height = 2160;
    request.layout.width = 3823;
    request.layout.screenWidth = 3840;
    request.layout.screenHeight = 2160;
    bw::RenderDealtTable(bw::ProgramGame(), request);
    FitSetUp setUp;
    setUp.in = request.layout;
    bw::Install<bw::ICardSetUp>(&setUp);
    int step = 0;
    for (auto _ : state) {
        setUp.in.bottom = request.layout.bottom - 7 * (step++ % 40);
        bw::FitCardsToTable(bw::ProgramGame());
        setUp.LayOutPiles();
        bw::PaintBackground(bw::Canvas::Table(bw::ProgramGame()));
        bw::RepaintTable(bw::ProgramGame(), bw::Canvas::Table(bw::ProgramGame()), false);
        benchmark::ClobberMemory();
    }
    state.SetLabel("card height " + std::to_string(bw::ProgramGame().CardHeight));
    bw::Install<bw::ICardSetUp>(nullptr);
}
BENCHMARK(BM_RefitTableAt2160)->Arg(201)->Arg(205)->Unit(benchmark::kMillisecond);

}  // namespace
