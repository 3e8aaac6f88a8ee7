// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/run_probe.h"

#include <sys/resource.h>

#include <QTimer>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <functional>
#include <string>

#include "window/machine_view.h"

namespace vexlor {
namespace {

constexpr int kLongestIdleSeconds = 3600;

// User and system time of every thread of the process so far, in ms.
long CpuMs() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  const auto ms = [](const timeval& t) { return t.tv_sec * 1000L + t.tv_usec / 1000L; };
  return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// The most resident memory the process has had, in KiB.
long PeakKib() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) return std::atol(line.c_str() + 6);
  }
  return -1;
}

}  // namespace

void ArmRunProbes(MachineView& view) {
  if (qEnvironmentVariableIntValue("VEXLOR_EXIT_AFTER_FIRST_FRAME") == 1) {
    view.onFirstPaint = [] { QTimer::singleShot(0, [] { std::_Exit(0); }); };
    return;
  }
  const int seconds = qEnvironmentVariableIntValue("VEXLOR_IDLE_SECONDS");
  if (seconds < 1 || seconds > kLongestIdleSeconds) return;
  // The game's own work after its first frame runs as it does unmeasured, and
  // the idle seconds are counted from when it is done.
  std::function<void()> game = view.onFirstPaint;
  view.onFirstPaint = [game, seconds] {
    const long peakAtFrame = PeakKib();
    if (game) game();
    QTimer::singleShot(0, [=] {
      const long cpuAtStart = CpuMs();
      QTimer::singleShot(seconds * 1000, Qt::PreciseTimer, [=] {
        std::fprintf(stderr, "idle: seconds=%d cpu-ms=%ld first-frame-peak-kib=%ld peak-kib=%ld\n",
                     seconds, CpuMs() - cpuAtStart, peakAtFrame, PeakKib());
        std::fflush(stderr);
        std::_Exit(0);
      });
    });
  };
}

}  // namespace vexlor
