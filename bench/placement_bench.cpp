#include <benchmark/benchmark.h>

#include "core/cards.h"
#include "core/game.h"
#include "core/placement.h"
#include "core/state.h"
#include "support/program_game.h"

namespace bw {
namespace {

// Every build code asked of the drop tests on a half-played table: eight
// tableau piles and four foundations, all with the code under test, and the
// thirteen clubs of the second pack as the moving cards.
void BM_DropTestsEveryCode(benchmark::State& state) {
    ResetGameState(ProgramGame());
    ProgramGame().GameRules[367] = 4;
    ProgramGame().GameRules[368] = 8;
    ProgramGame().GameRules[32] = 13;
    ProgramGame().GameRules[33] = -1;
    for (int p = 0; p < 8; ++p)
        for (int k = 0; k <= p; ++k)
            ProgramGame().FilaPiles[static_cast<size_t>(p)] += FormatCode(1 + (p * 7 + k * 5) % 52);
    for (int f = 0; f < 4; ++f)
        ProgramGame().DestPiles[static_cast<size_t>(f)] = FormatCode(53 + f * 13);
    ProgramGame().MazzoPiles[0] = FormatCode(60) + FormatCode(75);
    long long asked = 0;
    for (auto _ : state) {
        for (int ch = 0; ch <= 120; ++ch) {
            for (int i = 0; i < 8; ++i)
                ProgramGame().GameRules[static_cast<size_t>(212 + i)] = static_cast<int16_t>(ch);
            for (int i = 0; i < 4; ++i)
                ProgramGame().GameRules[static_cast<size_t>(84 + i)] = static_cast<int16_t>(ch);
            for (CardCode m = 79; m <= 91; ++m) {
                for (int i = 0; i < 8; ++i)
                    benchmark::DoNotOptimize(CanDropOnTableau(ProgramGame(), i, m));
                for (int i = 0; i < 4; ++i)
                    benchmark::DoNotOptimize(CanDropOnFoundation(ProgramGame(), i, m));
                asked += 12;
            }
        }
    }
    state.SetItemsProcessed(asked);
}
BENCHMARK(BM_DropTestsEveryCode)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bw
