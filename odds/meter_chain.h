// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/game_state.h"

namespace vexlor::odds {

// What one spin does to the bonus meter: the chance that an "X" empties it,
// and the chance of gaining each number of points without an "X".
struct MeterStep {
  double wipe = 0.0;
  std::vector<double> gain;  // gain[g]: g points gained, no "X"; sums to 1 - wipe
};

// The meter as a Markov chain over the values 0..11 it rests on between spins:
// a spin that brings it to 12 (points above 12 are lost) runs the bonus round,
// which leaves it at 0, as does an "X".
struct MeterOdds {
  std::array<double, kBonusPointsForRound>
      resting{};                        // long-run share of spins starting at each value
  double triggerRate = 0.0;             // bonus rounds per spin, from `resting`
  double meanSpinsBetweenRounds = 0.0;  // from an empty meter to the next round
  double sdSpinsBetweenRounds = 0.0;
};

// Fails (std::domain_error) when the step can never fill the meter.
MeterOdds SolveMeter(const MeterStep& step);

}  // namespace vexlor::odds
