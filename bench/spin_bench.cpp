// SPDX-License-Identifier: GPL-3.0-or-later
// How long a spin of the reels lasts in the real window with the real clock
// and the event loop, against its floor of 47 ticks of 25 ms: what the player
// waits for, including every frame drawn and shown on the way.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>

#include "engine/spin.h"
#include "sound/audio_device.h"
#include "window/environment.h"
#include "window/unit1.h"

namespace vexlor {
namespace {

// The reels of one spin, run by the window's event loop until they stop.
Task<> ReelsThenQuit(GameState& state, MachineHooks& hooks, QEventLoop& loop) {
  co_await RunReels(state, hooks);
  loop.quit();
}

void BM_SpinInTheWindow(benchmark::State& bench) {
  QTemporaryDir folder;
  WindowEnvironment env = SystemEnvironment();
  env.executablePath = QDir(folder.path()).filePath(QStringLiteral("vexlorslots"));
  env.storeFolder = folder.path().toStdString();
  env.settingsFile.clear();
  env.information = [](const QString&) {};
  env.error = [](const QString&) {};
  env.makeAudio = [] { return std::make_unique<SilentAudio>(); };
  TForm1 form(env);
  form.LayoutForScreen(static_cast<int32_t>(bench.range(0)));
  form.show();
  form.Timer1Timer();
  form.NewGame1Click();
  GameState& state = form.State();
  for (auto _ : bench) {
    QElapsedTimer clock;
    clock.start();
    QEventLoop loop;
    Task<> reels = ReelsThenQuit(state, form.Hooks(), loop);
    reels.Start();
    loop.exec();
    bench.SetIterationTime(static_cast<double>(clock.nsecsElapsed()) / 1e9);
  }
  bench.counters["floor_ms"] = static_cast<double>(kSpinTicks * kTickMs);
}
BENCHMARK(BM_SpinInTheWindow)
    ->Arg(1920)
    ->Arg(3840)
    ->Unit(benchmark::kMillisecond)
    ->UseManualTime()
    ->Iterations(10);

}  // namespace
}  // namespace vexlor
