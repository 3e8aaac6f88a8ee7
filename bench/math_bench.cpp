// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include "odds/odds.h"

namespace vexlor::odds {
namespace {

// Every stop triple of the reels for one, two and three coins, the bonus
// meter's chain for each, and the table of paying lines.
void BM_ExactOdds(benchmark::State& bench) {
  for (auto _ : bench) {
    GameOdds odds = ComputeOdds();
    benchmark::DoNotOptimize(odds);
  }
  bench.SetItemsProcessed(bench.iterations() * kMaxCoins * kCycle);
}
BENCHMARK(BM_ExactOdds)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace vexlor::odds

BENCHMARK_MAIN();
