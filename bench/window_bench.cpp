// SPDX-License-Identifier: GPL-3.0-or-later
#include <benchmark/benchmark.h>

#include <QApplication>
#include <memory>

#include "engine/reels.h"
#include "window/artwork.h"
#include "window/layout.h"
#include "window/machine_art.h"
#include "window/renderer.h"

namespace vexlor {
namespace {

// The machine laid out at one width, drawn into its retained picture.
struct Machine {
  GameState state;
  MachineRenderer renderer{state};

  static const Artwork& Pictures() {
    static const Artwork artwork = LoadBuiltInArtwork();
    return artwork;
  }

  explicit Machine(int32_t width) {
    const Artwork& artwork = Pictures();
    InitReels(state);
    state.Credits = 1000;
    state.CoinsBet = 2;
    const ReelGeometry g = ComputeReelGeometry(width, width == 800, artwork.blur.Size().height());
    state.CellSize = g.cellSize;
    state.ReelLeft = g.reelLeft;
    state.ReelTop = g.reelTop;
    state.ReelPitch = g.reelPitch;
    state.BlurHeight = g.blurHeight;
    renderer.SetArt(BuildMachineArt(artwork, artwork.symbols, width, g.stretchSheet));
    renderer.FormPaint();
  }
};

// One tick of a spin: every reel shows the next window of the blur strip and
// the guide lines are drawn over it.
void BM_AnimationTick(benchmark::State& bench) {
  Machine machine(static_cast<int32_t>(bench.range(0)));
  const int32_t step = machine.renderer.Scale(61);
  int32_t offset = 0;
  for (auto _ : bench) {
    for (int reel = 0; reel < kReelCount; ++reel)
      machine.renderer.DrawReelBlur(reel, offset);
    offset = (offset + machine.state.BlurHeight - step) % machine.state.BlurHeight;
    benchmark::DoNotOptimize(machine.renderer.Surface().constBits());
  }
}
BENCHMARK(BM_AnimationTick)
    ->Arg(800)
    ->Arg(1024)
    ->Arg(1920)
    ->Arg(3840)
    ->Unit(benchmark::kMicrosecond);

void BM_FullRepaint(benchmark::State& bench) {
  Machine machine(static_cast<int32_t>(bench.range(0)));
  for (auto _ : bench) {
    machine.renderer.FormPaint();
    benchmark::DoNotOptimize(machine.renderer.Surface().constBits());
  }
}
BENCHMARK(BM_FullRepaint)->Arg(800)->Arg(1024)->Arg(1920)->Arg(3840)->Unit(benchmark::kMicrosecond);

// One frame of the pulled lever, its arm squashed toward the hub over its
// backdrop; a pull draws about thirty.
void BM_LeverFrame(benchmark::State& bench) {
  Machine machine(static_cast<int32_t>(bench.range(0)));
  AddLeverArt(machine.renderer.Art(), Machine::Pictures());
  int frame = 0;
  for (auto _ : bench) {
    machine.renderer.DrawLever(0.1 + 0.03 * (frame++ % 30));
    benchmark::DoNotOptimize(machine.renderer.Surface().constBits());
  }
}
BENCHMARK(BM_LeverFrame)->Arg(800)->Arg(1386)->Arg(3840)->Unit(benchmark::kMicrosecond);

// Scaling every picture for a layout, as start-up does once.
void BM_BuildMachineArt(benchmark::State& bench) {
  const Artwork artwork = LoadBuiltInArtwork();
  const auto width = static_cast<int32_t>(bench.range(0));
  for (auto _ : bench) {
    benchmark::DoNotOptimize(BuildMachineArt(artwork, artwork.symbols, width, width != 800));
  }
}
BENCHMARK(BM_BuildMachineArt)
    ->Arg(800)
    ->Arg(1386)
    ->Arg(1920)
    ->Arg(3840)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

}  // namespace
}  // namespace vexlor

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
