// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <coroutine>
#include <cstdint>
#include <optional>

#include "engine/game_state.h"
#include "engine/hooks.h"

namespace vexlor {

// `co_await Wait(state, hooks, ms)`: `ms` on the game's clock. While the
// machine is closing (StopRequested) nothing waits.
class Wait {
 public:
  Wait(const GameState& state, MachineHooks& hooks, int64_t ms)
      : clock_(hooks.Clock()), ms_(state.StopRequested ? 0 : ms) {}
  bool await_ready() const noexcept { return ms_ <= 0; }
  void await_suspend(std::coroutine_handle<> waiting) { clock_.ResumeAfter(ms_, waiting); }
  void await_resume() const noexcept {}

 private:
  ClockHooks& clock_;
  int64_t ms_;
};

// `co_await BonusRoundPrize(hooks)`: opens the bonus round and gives the prize
// it revealed, or 0. Keep it in a named variable while it is awaited: the
// answer is written into it.
class BonusRoundPrize {
 public:
  explicit BonusRoundPrize(MachineHooks& hooks) : hooks_(hooks) {}
  bool await_ready() const noexcept { return false; }
  void await_suspend(std::coroutine_handle<> waiting) {
    hooks_.OpenBonusRound(Reply<int32_t>(&prize_, waiting));
  }
  int32_t await_resume() const noexcept { return prize_.value_or(0); }

 private:
  MachineHooks& hooks_;
  std::optional<int32_t> prize_;
};

}  // namespace vexlor
