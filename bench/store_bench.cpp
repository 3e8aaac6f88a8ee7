// SPDX-License-Identifier: GPL-3.0-or-later
// The cost of storing the game: one autosave of the current game into a store
// that holds all nine sections, flushed to disk, on the disk the benchmark
// runs from (its working folder).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "savegame/store.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

struct BenchStore {
  fs::path folder = fs::current_path() / "store-bench";
  GameStore store{folder / "vexlorslots.ini", [] { return std::string("12/08/26"); }};

  BenchStore() {
    fs::remove_all(folder);
    GameState game;
    game.Credits = 870;
    for (int slot = 0; slot <= kCurrentGameSlot; ++slot)
      TransferGame(game, store, slot, true, "Friday night " + std::to_string(slot));
  }
  ~BenchStore() { fs::remove_all(folder); }
};

void BM_AutoSave(benchmark::State& bench) {
  BenchStore fixture;
  GameState game;
  game.Credits = 1000;
  game.CoinsBet = 2;
  for (auto _ : bench) {
    game.Spins += 1;
    StoreLiveGame(game, fixture.store, kCurrentGameSlot, kCurrentGameName);
  }
}
BENCHMARK(BM_AutoSave)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_RestoreGame(benchmark::State& bench) {
  BenchStore fixture;
  GameState game;
  for (auto _ : bench) {
    RestoreLiveGame(game, fixture.store, kCurrentGameSlot);
    benchmark::DoNotOptimize(game.Credits);
  }
}
BENCHMARK(BM_RestoreGame)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexlor

BENCHMARK_MAIN();
