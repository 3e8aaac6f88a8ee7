// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/play_runner.h"

#include <utility>

namespace vexlor {

bool PlayRunner::Start(Task<> play) {
  if (running_) return false;
  running_ = true;
  if (onChange) onChange();
  // The play before may still be on its way out (this start coming from its
  // end): it is kept until the next start, by when it has ended for good.
  previous_ = std::move(current_);
  current_ = Run(std::move(play));
  current_.Start();
  return true;
}

Task<> PlayRunner::Run(Task<> play) {
  co_await std::move(play);
  running_ = false;
  if (onChange) onChange();
  for (auto waiting = std::exchange(whenIdle_, {}); auto& then : waiting)
    then();
}

void PlayRunner::WhenIdle(std::function<void()> then) {
  if (running_) {
    whenIdle_.push_back(std::move(then));
  } else {
    then();
  }
}

}  // namespace vexlor
