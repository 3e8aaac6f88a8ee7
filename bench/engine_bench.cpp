// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <vector>

#include "engine/evaluate.h"
#include "engine/random.h"
#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::NewGameState;

// One whole spin through the hooks: bet, 47 animation ticks, evaluation and
// the payout count, with a fake clock that moves 25 ms a step.
void BM_WholeSpin(benchmark::State& bench) {
  GameState state = NewGameState();
  FakeHooks fake(state, 42);
  fake.recording = false;
  fake.stepMs = 25;
  for (auto _ : bench) {
    if (state.Credits < 3) state.Credits += 1000;
    fake.Run(BetMax(state, fake));
    benchmark::DoNotOptimize(state.ReelStop);
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_WholeSpin);

// EvaluateSpin alone over random windows with three coins.
void BM_EvaluateSpin(benchmark::State& bench) {
  GameState state = NewGameState();
  FakeHooks fake(state, 42);
  fake.recording = false;
  fake.stepMs = 75;
  GameRandom random(7);
  std::vector<std::array<int32_t, 3>> windows(4096);
  for (auto& w : windows) {
    for (auto& stop : w)
      stop = random.Draw(30) + 1;
  }
  std::size_t next = 0;
  for (auto _ : bench) {
    state.ReelStop = windows[next++ % windows.size()];
    state.CoinsBet = 3;
    state.BonusPts = 0;
    fake.Run(EvaluateSpin(state, fake));
    benchmark::DoNotOptimize(state.Credits);
  }
  bench.SetItemsProcessed(bench.iterations());
}
BENCHMARK(BM_EvaluateSpin);

}  // namespace
}  // namespace vexlor

BENCHMARK_MAIN();
