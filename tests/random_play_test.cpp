// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/bonus_prizes.h"
#include "engine/holds.h"
#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::NewGameState;

// A long session of random play: bets of every size, holds, borrowing and
// paying back, New Games and bonus rounds with random picks. After every spin
// the machine's books must balance and every counter stay in its range.
class RandomPlay : public ::testing::Test {
 protected:
  int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(player_); }

  void Bank() {
    if (state_.Credits < 3 || Roll(50) == 0) {
      const int32_t amount = std::vector<int32_t>{1000, 100, 10, 1}[Roll(4)];
      state_.Credits += amount;
      state_.Borrowed += amount;
    } else if (Roll(40) == 0) {
      const int32_t amount = std::vector<int32_t>{100, 10, 1}[Roll(3)];
      if (amount <= state_.Credits && amount <= state_.Borrowed) {
        state_.Credits -= amount;
        state_.Borrowed -= amount;
      }
    }
  }

  void MaybeHold() {
    for (int tries = Roll(4); tries > 0 && CanPlaceHold(state_); --tries) {
      PlaceHold(state_, fake_, Roll(3));
      ++holdsPlaced_;
      ASSERT_LE(state_.HoldsUsed, 2);
    }
  }

  void PlayOneSpin() {
    switch (Roll(4)) {
      case 0:
        fake_.Run(BetMax(state_, fake_));
        break;
      case 1:
        for (int coins = 1 + Roll(3); coins > 0 && state_.CoinsBet < 3; --coins) {
          fake_.Run(BetOne(state_, fake_));
        }
        break;
      default:
        if (state_.LastBet == 0) fake_.Run(BetOne(state_, fake_));
        break;  // otherwise Spin re-bets the last bet
    }
    if (state_.Spins == spinsBefore_) fake_.Run(Spin(state_, fake_));
  }

  void CheckBooks() {
    const int64_t paidOut = fake_.CountedPayouts() - paidBeforeNewGame_;
    ASSERT_EQ(int64_t{state_.Credits} - state_.Borrowed + state_.TotalBets, paidOut);
    ASSERT_GE(state_.BonusPts, 0);
    ASSERT_LE(state_.BonusPts, 12);
    ASSERT_EQ(state_.HoldsUsed, 0);
    ASSERT_GE(state_.Nudges, 0);
    ASSERT_GE(state_.Credits, 0);
    ASSERT_EQ(state_.CoinsBet, 0);
    ASSERT_EQ(state_.SpinWin, 0);
    ASSERT_FALSE(state_.Busy);
    for (int32_t stop : state_.ReelStop) {
      ASSERT_GE(stop, 1);
      ASSERT_LE(stop, 30);
    }
  }

  GameState state_ = NewGameState();
  FakeHooks fake_{state_, 777};
  std::mt19937 player_{2026};
  int32_t spinsBefore_ = 0;
  int64_t paidBeforeNewGame_ = 0;
  int holdsPlaced_ = 0;
};

TEST_F(RandomPlay, BooksBalanceAndCountersStayInRangeOverAHundredThousandSpins) {
  fake_.recording = false;
  fake_.stepMs = 25;
  int rounds = 0;
  int prizeRounds = 0;
  fake_.bonusRound = [&](GameState& s) -> int32_t {
    ++rounds;
    EXPECT_EQ(s.BonusPts, 12);  // the meter never climbs past its top
    std::array<int32_t, 5> sorted = s.BonusPrizes;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (std::array<int32_t, 5>{1, 25, 50, 100, 250}));
    if (Roll(20) == 0) return 0;  // closed before a token was picked
    ++prizeRounds;
    return s.BonusPrizes[Roll(5)];
  };

  int64_t spins = 0;
  while (spins < 100000) {
    if (Roll(5000) == 0) {
      StartNewGame(state_, fake_);
      paidBeforeNewGame_ = fake_.CountedPayouts();
      spinsBefore_ = state_.Spins;
    }
    Bank();
    MaybeHold();
    spinsBefore_ = state_.Spins;
    PlayOneSpin();
    ASSERT_EQ(state_.Spins, spinsBefore_ + 1) << "spin " << spins << " did not run";
    ++spins;
    CheckBooks();
    if (HasFatalFailure()) return;
  }
  EXPECT_GT(rounds, 100);
  EXPECT_GT(prizeRounds, 90);
  EXPECT_GT(holdsPlaced_, 1000);
  EXPECT_TRUE(fake_.messages.empty());
}

}  // namespace
}  // namespace vexlor
