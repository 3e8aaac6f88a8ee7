// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/game_clock.h"

#include <utility>

namespace vexlor {

void GameClock::ResumeAfter(int64_t ms, std::coroutine_handle<> waiting) {
  const uint64_t id = next_++;
  waiting_.emplace(id, waiting);
  env_.at(this, env_.clock() + ms, [this, id] {
    const auto found = waiting_.find(id);
    if (found == waiting_.end()) return;  // resumed already, by a close
    const std::coroutine_handle<> handle = found->second;
    waiting_.erase(found);
    handle.resume();
  });
}

void GameClock::ResumeAllNow() {
  for (auto& [id, handle] : std::exchange(waiting_, {}))
    handle.resume();
}

}  // namespace vexlor
