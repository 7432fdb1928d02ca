#include <benchmark/benchmark.h>

#include <memory>

#include "core/cards.h"
#include "core/game.h"
#include "core/piles.h"
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

// Where each card of a full two-pack table lies, in the order of taking a
// card from anywhere: the cost a kept card-to-place index would save. Ten
// tableau piles of seven, eight foundations of three and the rest as stock.
void BM_FindEveryCardOnAFullTable(benchmark::State& state) {
    const auto game = std::make_unique<Game>();
    Game& g = *game;
    ResetGameState(g);
    g.GameRules[rule::kFilas] = 10;
    CardCode next = 1;
    for (int p = 0; p < 10; ++p)
        for (int k = 0; k < 7; ++k) AppendCode(g.FilaPiles[static_cast<size_t>(p)], next++);
    for (int f = 0; f < 8; ++f)
        for (int k = 0; k < 3; ++k) AppendCode(g.DestPiles[static_cast<size_t>(f)], next++);
    while (next <= 104) AppendCode(g.MazzoPiles[0], next++);
    long long found = 0;
    for (auto _ : state) {
        for (CardCode c = 1; c <= 104; ++c) found += FindCardAnywhere(g, c).Found() ? 1 : 0;
    }
    if (found != 104LL * static_cast<long long>(state.iterations()))
        state.SkipWithError("a card was not found");
    state.SetItemsProcessed(found);
}
BENCHMARK(BM_FindEveryCardOnAFullTable)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace bw
