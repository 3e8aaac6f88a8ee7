// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>
#include <vector>

#include "engine/game_state.h"
#include "engine/task.h"

namespace vexlor {

// Runs the machine's plays (a bet that may spin, a spin, a pull of the lever)
// one at a time. It is the one answer to whether a spin is in progress, for
// the input, the menus and the close.
class PlayRunner {
 public:
  explicit PlayRunner(const GameState& state) : state_(state) {}
  PlayRunner(const PlayRunner&) = delete;
  PlayRunner& operator=(const PlayRunner&) = delete;

  bool InProgress() const { return running_; }
  // Whether the bet, spin and hold inputs act now: no play runs, and the
  // machine is not locked (Busy, as in its first quarter second).
  bool TakesInput() const { return !running_ && !state_.Busy; }

  // Starts `play` unless one runs (false then). Returns at the play's first
  // wait, or at its end when it has none.
  bool Start(Task<> play);
  // Runs `then` now when no play runs, else once the running play has ended.
  void WhenIdle(std::function<void()> then);

  std::function<void()> onChange;  // a play has started, or ended

 private:
  Task<> Run(Task<> play);

  const GameState& state_;
  Task<> current_;
  Task<> previous_;
  bool running_ = false;
  std::vector<std::function<void()>> whenIdle_;
};

}  // namespace vexlor
