// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <cstdint>
#include <map>

#include "engine/hooks.h"
#include "window/environment.h"

namespace vexlor {

// The engine's clock in the window: its waits are timers of the event loop.
// The waits die with the clock, so it must outlive the coroutines that wait.
class GameClock : public QObject, public ClockHooks {
  Q_OBJECT
 public:
  explicit GameClock(const WindowEnvironment& env) : env_(env) {}

  int64_t NowMs() override { return env_.clock(); }
  void ResumeAfter(int64_t ms, std::coroutine_handle<> waiting) override;
  // Resumes every wait at once, however far its time: the machine is closing.
  void ResumeAllNow();
  bool HasWaiting() const { return !waiting_.empty(); }

 private:
  const WindowEnvironment& env_;
  std::map<uint64_t, std::coroutine_handle<>> waiting_;  // by the order they came in
  uint64_t next_ = 0;
};

}  // namespace vexlor
