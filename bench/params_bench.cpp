// The parameter block is read on every pointer move and card drawn; these
// measure a field read and write in each of its three strings.
#include <benchmark/benchmark.h>

#include <string>

#include "core/params.h"

namespace {

constexpr int kPositions[] = {62, 251, 701};
constexpr int kWidths[] = {4, 1, 200};

void BM_SetParameter(benchmark::State& state) {
    const int position = kPositions[state.range(0)];
    const int width = kWidths[state.range(0)];
    const std::string text = "  0201";
    for (auto _ : state) {
        bw::SetParameter(position, width, text);
        benchmark::ClobberMemory();
    }
}
BENCHMARK(BM_SetParameter)->DenseRange(0, 2);

void BM_GetParameter(benchmark::State& state) {
    const int position = kPositions[state.range(0)];
    const int width = kWidths[state.range(0)];
    bw::SetParameter(position, width, "0201");
    for (auto _ : state) benchmark::DoNotOptimize(bw::GetParameter(position, width));
}
BENCHMARK(BM_GetParameter)->DenseRange(0, 2);

void BM_ParameterIsSwitch(benchmark::State& state) {
    bw::SetParameter(67, 1, "Y");
    for (auto _ : state) benchmark::DoNotOptimize(bw::ParameterIs(67, "Y"));
}
BENCHMARK(BM_ParameterIsSwitch);

void BM_ParameterInt(benchmark::State& state) {
    bw::SetParameter(172, 2, "12");
    for (auto _ : state) benchmark::DoNotOptimize(bw::ParameterInt(172, 2, 10));
}
BENCHMARK(BM_ParameterInt);

void BM_FormatNumber(benchmark::State& state) {
    long long v = 0;
    for (auto _ : state) benchmark::DoNotOptimize(bw::FormatNumber(++v % 10000, 4));
}
BENCHMARK(BM_FormatNumber);

}  // namespace
