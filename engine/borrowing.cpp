// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/borrowing.h"

#include <limits>

namespace vexlor {

BorrowOutcome BorrowOrPayBack(GameState& state, int32_t amount, bool payBack) {
  if (payBack) {
    if (amount > state.Credits) return BorrowOutcome::NotEnoughCredits;
    if (amount > state.Borrowed) return BorrowOutcome::MoreThanBorrowed;
    state.Credits -= amount;
    state.Borrowed -= amount;
    return BorrowOutcome::Done;
  }
  constexpr int32_t kLargest = std::numeric_limits<int32_t>::max();
  if (state.Credits > kLargest - amount || state.Borrowed > kLargest - amount) {
    return BorrowOutcome::TooMuch;
  }
  state.Credits += amount;
  state.Borrowed += amount;
  return BorrowOutcome::Done;
}

}  // namespace vexlor
