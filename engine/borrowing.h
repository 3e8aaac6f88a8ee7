// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/game_state.h"

namespace vexlor {

// The chip amounts of the borrow window, by the buttons' tags 0..3.
inline constexpr int32_t kChipAmounts[] = {1000, 100, 10, 1};

// What came of a chip pressed in the borrow window.
enum class BorrowOutcome {
  Done,
  NotEnoughCredits,  // paying back more than is in hand
  MoreThanBorrowed,  // paying back more than is owed
  TooMuch,           // borrowing past the largest count the machine can keep
};

// Borrows `amount` (Credits and Borrowed both grow by it) or pays it back
// (both shrink), or changes nothing and says why. The credits test comes
// before the owed test.
BorrowOutcome BorrowOrPayBack(GameState& state, int32_t amount, bool payBack);

}  // namespace vexlor
