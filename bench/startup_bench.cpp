// The stages of start-up, each as the program meets it for the first time
// in a run: the resource library, the card images at the table's size, the
// game catalogue, the open-game dialog with its first preview, and the first
// full drawing of the table under a 1200 x 900 window. bench/compare.sh runs
// these for two builds.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "app/open_game_dialog.h"
#include "bench_app.h"
#include "core/game.h"
#include "core/params.h"
#include "core/state.h"
#include "render/background.h"
#include "render/card_images.h"
#include "render/library.h"
#include "render/render_game.h"
#include "render/surfaces.h"
#include "render/table.h"
#include "storage/catalogue.h"
#include "support/program_game.h"

namespace {

// The program's table at its default look, game 201 dealt.
bool Prepare(benchmark::State& state) {
    const std::string& bin = bw::bench::StartBenchApp();
    if (!bw::LibraryHandle()) {
        state.SkipWithError("QLR.RGF missing beside the benchmark");
        return false;
    }
    bw::SetProgramDir(bin);
    if (!bw::LoadCatalogue() || bw::CatalogueIndex(201) < 0) {
        state.SkipWithError("GAMES.DAT missing beside the benchmark");
        return false;
    }
    return true;
}

void DealMemoryUp() {
    bw::RenderRequest request;
    request.gameId = 201;
    request.gameNumber = "4711200300001";
    request.layout.top = 68;
    request.layout.bottom = 833;
    request.layout.height = 900;
    request.layout.width = 1200;
    request.layout.screenWidth = 1920;
    request.layout.screenHeight = 1080;
    bw::RenderDealtTable(bw::ProgramGame(), request);
}

void BM_StartupLibrary(benchmark::State& state) {
    if (!Prepare(state)) return;
    const std::string path = bw::LibraryPath();
    for (auto _ : state) {
        bw::FreeResourceLibrary();
        bw::LoadResourceLibraryFile(path);
        // The first picture shown, the splash.
        benchmark::DoNotOptimize(bw::LibraryBitmap("SPLASH"));
    }
}
BENCHMARK(BM_StartupLibrary)->Unit(benchmark::kMillisecond);

void BM_StartupCardImages(benchmark::State& state) {
    if (!Prepare(state)) return;
    bw::UseDefaultTablePreferences('B', true);
    for (auto _ : state) {
        bw::ForgetKeptCardImages();
        bw::ApplyCardSize(bw::ProgramGame());
        benchmark::DoNotOptimize(bw::CardFaces()[0].constBits());
    }
}
BENCHMARK(BM_StartupCardImages)->Unit(benchmark::kMillisecond);

void BM_StartupCatalogue(benchmark::State& state) {
    if (!Prepare(state)) return;
    for (auto _ : state) benchmark::DoNotOptimize(bw::LoadCatalogue());
}
BENCHMARK(BM_StartupCatalogue)->Unit(benchmark::kMillisecond);

// Created at start-up, then shown at the first activation with the
// current game's preview.
void BM_StartupOpenGameDialog(benchmark::State& state) {
    if (!Prepare(state)) return;
    bw::UseDefaultTablePreferences('B', true);
    bw::SetValue(bw::ProgramGame().values.id, bw::field::kGameId, "201");
    for (auto _ : state) {
        bw::ForgetKeptCardImages();
        bw::TfrmOpenGame& form = bw::OpenGameForm(bw::ProgramGame());
        form.show();
        benchmark::DoNotOptimize(form.PreviewPicture().constBits());
        bw::FreeOpenGameForm();
    }
}
BENCHMARK(BM_StartupOpenGameDialog)->Unit(benchmark::kMillisecond);

// The empty table, then every card, as the first game is dealt.
void BM_StartupFirstTable(benchmark::State& state) {
    if (!Prepare(state)) return;
    DealMemoryUp();
    for (auto _ : state) {
        bw::PaintBackground(bw::Canvas::Table(bw::ProgramGame()));
        bw::RepaintTable(bw::ProgramGame(), bw::Canvas::Table(bw::ProgramGame()), false);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_StartupFirstTable)->Unit(benchmark::kMillisecond);

}  // namespace
