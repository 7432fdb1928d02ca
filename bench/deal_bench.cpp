#include <benchmark/benchmark.h>

#include "core/deal.h"
#include "core/game.h"
#include "core/params.h"
#include "core/piles.h"
#include "core/state.h"
#include "support/program_game.h"

namespace bw {
namespace {

void SetUpGame(int cards) {
    ResetGameState(ProgramGame());
    ProgramGame().GameRules[371] = static_cast<int16_t>(cards);
    ProgramGame().GameRules[368] = 5;
    ProgramGame().GameRules[34] = cards == 104 ? 12 : 0;
    for (int i = 0; i < 5; ++i)
        ProgramGame().GameRules[375 + i] = static_cast<int16_t>(cards == 104 ? 8 : 10);
    ProgramGame().GameRules[372] = 2;
}

void BuildAndDeal(benchmark::State& state) {
    SetUpGame(static_cast<int>(state.range(0)));
    long long n = 0;
    for (auto _ : state) {
        SetValue(ProgramGame().values.number, field::kGameNumber, FormatNumber(n++ * 7919, 13));
        ClearPiles(ProgramGame(), false, true);
        DealGame(ProgramGame());
        benchmark::DoNotOptimize(ProgramGame().FilaPiles[0].data());
    }
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BuildAndDeal)->Arg(52)->Arg(104);

void BuildPackOnly(benchmark::State& state) {
    SetUpGame(static_cast<int>(state.range(0)));
    long long n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(BuildPackFor(ProgramGame(), FormatNumber(n++ * 7919, 13)));
    state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BuildPackOnly)->Arg(52)->Arg(104);

}  // namespace
}  // namespace bw
