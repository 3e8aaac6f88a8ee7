// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/game_state.h"

namespace vexlor {

// The statistics of a game, from its counters.
struct StatsFigures {
  int32_t spins = 0, credits = 0, borrowed = 0, totalBets = 0;
  int32_t payoffs = 0;    // Credits - Borrowed + TotalBets
  int32_t normal = 0;     // Credits - Borrowed - BonusWon + TotalBets
  int32_t bonus = 0;      // BonusWon
  double percentage = 0;  // payoffs per coin bet, x 100; 0 without bets
};

// The figures in 32-bit arithmetic, wrapping as the machine's counters do.
StatsFigures ComputeStats(const GameState& state);

}  // namespace vexlor
