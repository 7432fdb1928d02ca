// Opening the replay viewer on a 50-turn game of "Memory-Up (6x4)": the
// dealt table drawn on a copy of the deal, with the window's widgets.
#include <benchmark/benchmark.h>

#include "app/game_preview.h"
#include "app/replay_viewer.h"
#include "bench_app.h"
#include "core/game.h"
#include "core/state.h"
#include "storage/catalogue.h"

namespace {

constexpr int kGame = 201;
constexpr const char* kDeal = "0000000012345";

// 50 turns on the deal's grid: misses over its first cards, then its pairs.
bw::TurnRecord FiftyTurns() {
    std::vector<bw::TurnCard> grid;
    bw::RenderPreviewDeal(kGame, kDeal, QSize(640, 440), 0xFF000000, [&](bw::Game& g) {
        for (int r = 0; r < 4; ++r)
            for (int s = 0; s < bw::SlotCount(g.FilaPiles[static_cast<size_t>(r)]); ++s)
                grid.push_back({bw::SlotCode(g.FilaPiles[static_cast<size_t>(r)], s), r, s, 0});
        return false;
    });
    bw::TurnRecord record{kDeal, 37, {}};
    for (size_t i = 0; record.turns.size() < 38 && !grid.empty(); i = (i + 1) % grid.size()) {
        const bw::TurnCard& a = grid[i];
        const bw::TurnCard& b = grid[(i + 1) % grid.size()];
        if (!bw::PairPartners(37, a.card, b.card))
            record.turns.push_back({{a, b}, bw::TurnOutcome::kMiss});
    }
    for (const bw::TurnCard& a : grid)
        for (const bw::TurnCard& b : grid)
            if (b.card == a.card + 52) record.turns.push_back({{a, b}, bw::TurnOutcome::kPair});
    return record;
}

void BM_OpenReplayViewer(benchmark::State& state) {
    bw::bench::StartBenchApp();
    if (!bw::LoadCatalogue() || bw::CatalogueIndex(kGame) < 0) {
        state.SkipWithError("GAMES.DAT with game 201 is needed beside the benchmark");
        return;
    }
    const bw::TurnRecord record = FiftyTurns();
    if (record.turns.size() != 50) {
        state.SkipWithError("the deal did not give 50 turns");
        return;
    }
    const std::vector<bw::StoredReplay> games{{kGame, "Bench", 20261210, record}};
    for (auto _ : state) {
        bw::ReplayViewer viewer(kGame, games, 0);
        benchmark::DoNotOptimize(viewer.Picture().constBits());
    }
}
BENCHMARK(BM_OpenReplayViewer)->Unit(benchmark::kMillisecond);

}  // namespace
