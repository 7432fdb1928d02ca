// LayOutPiles runs on every resize of the main window, so it has to stay far
// below a frame even for the busiest layouts.
#include <benchmark/benchmark.h>

#include "core/game.h"
#include "core/state.h"
#include "render/layout.h"
#include "support/program_game.h"

namespace {

struct Setup {
    const char* name;
    int stock[3], dest[3], tableau[3], reserve[3];  // row, style, count
};

void Apply(const Setup& s) {
    bw::ProgramGame().GameRules.fill(0);
    auto put = [](int styleRule, int rowRule, int countRule, const int(&g)[3]) {
        bw::ProgramGame().GameRules[static_cast<size_t>(rowRule)] = static_cast<int16_t>(g[0]);
        bw::ProgramGame().GameRules[static_cast<size_t>(styleRule)] = static_cast<int16_t>(g[1]);
        bw::ProgramGame().GameRules[static_cast<size_t>(countRule)] = static_cast<int16_t>(g[2]);
    };
    put(355, 356, 366, s.stock);
    put(357, 358, 367, s.dest);
    put(359, 360, 368, s.tableau);
    put(362, 363, 369, s.reserve);
    bw::ProgramGame().GameRules[9] = 1;
    bw::ProgramGame().GameRules[10] = 1;
    bw::ProgramGame().GameRules[361] = 4;
}

const Setup kSetups[] = {
    {"grid_130", {0, 0, 0}, {0, 0, 10}, {1, 130, 20}, {0, 0, 0}},
    {"row_014", {1, 4, 2}, {1, 9, 8}, {2, 14, 40}, {0, 0, 0}},
    {"rows_018", {1, 13, 2}, {1, 17, 8}, {2, 18, 40}, {3, 6, 10}},
    // The reserve row meets the tableau: the layout runs twice.
    {"overlap_002", {0, 0, 0}, {0, 0, 0}, {1, 2, 8}, {1, 5, 4}},
};

void BM_LayOutPiles(benchmark::State& state) {
    const Setup& s = kSetups[state.range(0)];
    state.SetLabel(s.name);
    Apply(s);
    bw::SetOverlapOffsets(bw::ProgramGame(), 'B');
    bw::LayoutInput in;
    in.top = 75;
    in.bottom = 700;
    in.height = 768;
    in.width = 1024;
    in.screenWidth = 1024;
    in.screenHeight = 768;
    for (auto _ : state) {
        bw::ResetAndLayOutPiles(bw::ProgramGame(), in);
        benchmark::DoNotOptimize(bw::ProgramGame().FilaLeft.data());
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_LayOutPiles)->DenseRange(0, 3);

}  // namespace
