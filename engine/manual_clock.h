// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

namespace vexlor {

// A clock that moves only when its owner moves it, and the calls waiting on
// it: how tests, benchmarks and the screenshot tool run the game's waits
// without waiting.
class ManualClock {
 public:
  int64_t Now() const { return now_; }
  // Calls `call` once the clock has reached Now() + ms, or dueMs.
  void After(int64_t ms, std::function<void()> call) { At(now_ + ms, std::move(call)); }
  void At(int64_t dueMs, std::function<void()> call);
  // Runs the calls that are due, earliest first (those added meanwhile too);
  // true if there were any.
  bool RunDue();
  void Advance(int64_t ms) { now_ += ms; }
  bool HasWaiting() const { return !waiting_.empty(); }

 private:
  struct Waiting {
    int64_t due;
    uint64_t order;
    std::function<void()> call;
  };
  int64_t now_ = 0;
  uint64_t added_ = 0;
  std::vector<Waiting> waiting_;
};

}  // namespace vexlor
