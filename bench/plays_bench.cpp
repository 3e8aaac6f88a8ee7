// SPDX-License-Identifier: GPL-3.0-or-later
// The other half of an autosave since the game keeps its last plays: the
// plays file beside the store, replaced whole with a full list of 100 plays
// and flushed to disk, on the disk the benchmark runs from (its working folder).
#include <benchmark/benchmark.h>

#include <filesystem>

#include "savegame/plays_file.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

PlayHistory FullHistory() {
  PlayHistory history;
  for (int32_t spin = 1; spin <= static_cast<int32_t>(kPlaysKept); ++spin) {
    Play play;
    play.time = 1'796'000'000 + spin * 3;
    play.spin = spin;
    play.coins = 3;
    play.stops = {spin % kStripLength + 1, (spin * 7) % kStripLength + 1,
                  (spin * 11) % kStripLength + 1};
    play.cells = CellsAtStops(play.stops);
    play.bonusBefore = spin % 12;
    play.bonusAfter = (spin + 1) % 12;
    play.credits = 1000 - spin;
    history.Add(play);
  }
  return history;
}

void BM_StorePlays(benchmark::State& bench) {
  const fs::path folder = fs::current_path() / "plays-bench";
  fs::remove_all(folder);
  const PlayHistory history = FullHistory();
  for (auto _ : bench) {
    if (!StorePlays(folder / "vexlorslots-plays.json", history)) bench.SkipWithError("refused");
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_StorePlays)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LoadPlays(benchmark::State& bench) {
  const fs::path folder = fs::current_path() / "plays-bench";
  fs::remove_all(folder);
  const fs::path file = folder / "vexlorslots-plays.json";
  StorePlays(file, FullHistory());
  for (auto _ : bench) {
    const PlaysLoad load = LoadPlays(file);
    if (load.history.plays.size() != kPlaysKept) {
      bench.SkipWithError("the plays did not read back");
      break;
    }
  }
  fs::remove_all(folder);
}
BENCHMARK(BM_LoadPlays)->Unit(benchmark::kMicrosecond);

}  // namespace
}  // namespace vexlor

BENCHMARK_MAIN();
