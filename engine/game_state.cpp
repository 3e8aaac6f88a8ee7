// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/game_state.h"

#include <limits>

namespace vexlor {

void StartNewGame(GameState& state, MachineHooks& hooks) {
  state.BonusPts = 0;
  state.TotalBets = 0;
  state.Credits = kNewGameCredits;
  state.Borrowed = state.Credits;
  state.Spins = 0;
  state.BonusWon = 0;
  state.Nudges = kNewGameHolds;
  state.Busy = false;
  hooks.Drawing().Repaint();
  hooks.GameSettled();
}

int32_t SaturatingAdd(int32_t a, int32_t b) {
  const int64_t sum = static_cast<int64_t>(a) + b;
  if (sum > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
  if (sum < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(sum);
}

}  // namespace vexlor
