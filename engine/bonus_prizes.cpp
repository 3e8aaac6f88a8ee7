// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/bonus_prizes.h"

#include <utility>

namespace vexlor {

void ShuffleBonusPrizes(GameState& state, MachineHooks& hooks) {
  state.BonusPrizes = kBonusPrizeValues;
  for (int pass = 0; pass < 1001; ++pass) {
    for (int i = 0; i < kPrizeCount; ++i) {
      std::swap(state.BonusPrizes[i], state.BonusPrizes[hooks.Random(kPrizeCount)]);
    }
  }
}

}  // namespace vexlor
