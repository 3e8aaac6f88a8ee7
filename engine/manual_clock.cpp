// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/manual_clock.h"

#include <algorithm>
#include <utility>

namespace vexlor {

void ManualClock::At(int64_t dueMs, std::function<void()> call) {
  waiting_.push_back({dueMs, added_++, std::move(call)});
}

bool ManualClock::RunDue() {
  bool ran = false;
  for (;;) {
    const auto next =
        std::min_element(waiting_.begin(), waiting_.end(), [](const Waiting& a, const Waiting& b) {
          return a.due != b.due ? a.due < b.due : a.order < b.order;
        });
    if (next == waiting_.end() || next->due > now_) return ran;
    std::function<void()> call = std::move(next->call);
    waiting_.erase(next);
    call();
    ran = true;
  }
}

}  // namespace vexlor
