// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>

#include "engine/game_state.h"
#include "engine/hooks.h"

namespace vexlor {

inline constexpr std::array<int32_t, kPrizeCount> kBonusPrizeValues = {250, 100, 50, 1, 25};

// Refills BonusPrizes with the five prizes and shuffles them: 1001 passes of
// swapping each entry with a randomly drawn one.
void ShuffleBonusPrizes(GameState& state, MachineHooks& hooks);

}  // namespace vexlor
