// SPDX-License-Identifier: GPL-3.0-or-later
// The game as a whole process on a real display (DISPLAY, with a window
// manager): start-up against a bare Qt window, and the CPU and memory of the
// game left alone for 30 seconds after its first frame, with and without
// music. Each figure is the median over several runs; the programs are
// looked for beside this one.
#include <benchmark/benchmark.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int kIdleSeconds = 30;

struct Finished {
  double wallMs = 0;
  double cpuMs = 0;
  double peakMib = 0;
  std::string err;  // what it wrote to standard error
};

fs::path Beside(const char* name) {
  return fs::read_symlink("/proc/self/exe").parent_path() / name;
}

// A fresh home for each run: one game per store, and the switches given.
fs::path FreshHome(bool music) {
  static int run = 0;
  const fs::path home =
      fs::temp_directory_path() /
      ("vexlor-process-bench-" + std::to_string(getpid()) + "-" + std::to_string(run++));
  fs::remove_all(home);
  fs::create_directories(home / ".config" / "vexlorslots");
  std::ofstream(home / ".config" / "vexlorslots" / "vexlorslots.conf")
      << "[General]\nSound=true\nMusic=" << (music ? "true" : "false") << "\n";
  return home;
}

Finished Run(const fs::path& program, const std::vector<std::string>& env) {
  const fs::path errFile =
      fs::temp_directory_path() / ("vexlor-bench-err-" + std::to_string(getpid()));
  const auto start = std::chrono::steady_clock::now();
  const pid_t child = fork();
  if (child == 0) {
    for (const std::string& pair : env)
      putenv(const_cast<char*>(pair.c_str()));
    if (std::freopen(errFile.c_str(), "w", stderr) == nullptr) _exit(126);
    execl(program.c_str(), program.c_str(), static_cast<char*>(nullptr));
    _exit(127);
  }
  int status = 0;
  rusage usage{};
  wait4(child, &status, 0, &usage);
  Finished done;
  done.wallMs =
      std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
  done.cpuMs = ms(usage.ru_utime) + ms(usage.ru_stime);
  done.peakMib = static_cast<double>(usage.ru_maxrss) / 1024.0;
  std::ifstream in(errFile);
  done.err.assign(std::istreambuf_iterator<char>(in), {});
  fs::remove(errFile);
  return done;
}

double Median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values.empty() ? 0 : values[values.size() / 2];
}

std::vector<std::string> GameEnv(const fs::path& home) {
  return {"HOME=" + home.string(), "XDG_CONFIG_HOME=" + (home / ".config").string(),
          "XDG_DATA_HOME=" + (home / ".local/share").string()};
}

bool HaveDisplay(benchmark::State& bench) {
  if (std::getenv("DISPLAY") != nullptr) return true;
  bench.SkipWithError("needs DISPLAY: an X server with a window manager");
  return false;
}

// Start to first frame, the game and the bare window in turn, pair by pair.
void BM_StartUpAgainstBareWindow(benchmark::State& bench) {
  if (!HaveDisplay(bench)) return;
  constexpr int kPairs = 10;
  for (auto _ : bench) {
    std::vector<double> game, bare, ratio, gameMib, bareMib;
    for (int pair = 0; pair < kPairs; ++pair) {
      const fs::path home = FreshHome(true);
      std::vector<std::string> env = GameEnv(home);
      env.push_back("VEXLOR_EXIT_AFTER_FIRST_FRAME=1");
      const Finished g = Run(Beside("vexlorslots"), env);
      const Finished b = Run(Beside("startup_baseline"), GameEnv(home));
      fs::remove_all(home);
      game.push_back(g.wallMs);
      bare.push_back(b.wallMs);
      ratio.push_back(g.wallMs / b.wallMs);
      gameMib.push_back(g.peakMib);
      bareMib.push_back(b.peakMib);
    }
    bench.counters["game_ms"] = Median(game);
    bench.counters["bare_ms"] = Median(bare);
    bench.counters["ratio"] = Median(ratio);
    bench.counters["game_MiB"] = Median(gameMib);
    bench.counters["bare_MiB"] = Median(bareMib);
  }
}
BENCHMARK(BM_StartUpAgainstBareWindow)->Iterations(1)->Unit(benchmark::kMillisecond);

// The game left alone for 30 s after its first frame: lamps chasing, and a
// tune playing when Music is on (argument 1).
void BM_IdleThirtySeconds(benchmark::State& bench) {
  if (!HaveDisplay(bench)) return;
  constexpr int kRuns = 3;
  const bool music = bench.range(0) == 1;
  for (auto _ : bench) {
    std::vector<double> cpu, first, peak;
    for (int run = 0; run < kRuns; ++run) {
      const fs::path home = FreshHome(music);
      std::vector<std::string> env = GameEnv(home);
      env.push_back("VEXLOR_IDLE_SECONDS=" + std::to_string(kIdleSeconds));
      const Finished done = Run(Beside("vexlorslots"), env);
      fs::remove_all(home);
      int seconds = 0;
      long cpuMs = 0, firstKib = 0, peakKib = 0;
      const std::size_t at = done.err.find("idle: ");
      if (at == std::string::npos ||
          std::sscanf(done.err.c_str() + at,
                      "idle: seconds=%d cpu-ms=%ld first-frame-peak-kib=%ld peak-kib=%ld", &seconds,
                      &cpuMs, &firstKib, &peakKib) != 4) {
        bench.SkipWithError(("the game said no figures: " + done.err).c_str());
        return;
      }
      cpu.push_back(100.0 * static_cast<double>(cpuMs) / (seconds * 1000.0));
      first.push_back(static_cast<double>(firstKib) / 1024.0);
      peak.push_back(static_cast<double>(peakKib) / 1024.0);
    }
    bench.counters["cpu_pct"] = Median(cpu);
    bench.counters["first_frame_MiB"] = Median(first);
    bench.counters["peak_MiB"] = Median(peak);
  }
}
BENCHMARK(BM_IdleThirtySeconds)
    ->ArgName("music")
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kSecond);

}  // namespace

BENCHMARK_MAIN();
