// SPDX-License-Identifier: GPL-3.0-or-later
#include "odds/odds.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <stdexcept>

#include "engine/spin.h"
#include "odds/meter_chain.h"
#include "tests/support/fake_hooks.h"

namespace vexlor::odds {
namespace {

using testing::FakeHooks;
using testing::NewGameState;

const GameOdds& Exact() {
  static const GameOdds odds = ComputeOdds();
  return odds;
}

int64_t CountOf(std::array<int, 3> symbols) {
  for (const Combination& c : Exact().combinations) {
    if (c.symbols == symbols) return c.count;
  }
  return 0;
}

TEST(ExactOdds, CherryLinesCountedByHandFromTheStrips) {
  // Cherries (7) stand 7, 6 and 6 times on reels 1, 2 and 3, the WILD once on
  // each. Three plain cherries: 7 * 6 * 6 = 252 stop triples per line.
  EXPECT_EQ(CountOf({7, 7, 7}), 252);
  // Cherries or WILD on every reel: 8 * 7 * 7 = 392, less the one all-WILD
  // line, which pays the top award: 391 lines pay 5.
  int64_t payingFive = 0;
  for (const Combination& c : Exact().combinations) {
    if (c.pay == 5) payingFive += c.count;
  }
  EXPECT_EQ(payingFive, 391);
  EXPECT_EQ(CountOf({0, 0, 0}), 1);
  EXPECT_EQ(CountOf({7, 6, 7}), 0);
}

TEST(ExactOdds, EachLitLineAddsTheSameShareOfRareEvents) {
  // One WILD per reel: three WILD on a given line is 1 stop triple in 27,000,
  // and no two lines can show it at once. The one "H" cell is in a given row
  // for one stop of its reel: 30 * 30 triples, 1 in 30.
  for (const CoinOdds& c : Exact().byCoins) {
    EXPECT_EQ(c.topAwards, c.coins) << c.coins << " coins";
    EXPECT_EQ(c.holdAwards, c.coins * 900) << c.coins << " coins";
    EXPECT_DOUBLE_EQ(c.lineRtp, Exact().byCoins[0].lineRtp) << "every line pays alike";
  }
}

TEST(ExactOdds, TotalReturnAddsTheMeanPrizeOfEveryRoundToTheLines) {
  EXPECT_DOUBLE_EQ(Exact().meanBonusPrize, (250.0 + 100 + 50 + 25 + 1) / 5);
  for (const CoinOdds& c : Exact().byCoins) {
    EXPECT_NEAR(c.totalRtp * c.coins, c.meanLinePay + c.bonusTriggerRate * Exact().meanBonusPrize,
                1e-12);
    // A round per spin, two ways: the long-run meter, and one over the mean wait for a round.
    EXPECT_NEAR(c.bonusTriggerRate * c.meter.meanSpinsBetweenRounds, 1.0, 1e-9);
  }
}

TEST(MeterChain, OnePointASpinFillsTheMeterEveryTwelveSpins) {
  const MeterOdds odds = SolveMeter({0.0, {0.0, 1.0}});
  EXPECT_NEAR(odds.triggerRate, 1.0 / 12, 1e-12);
  EXPECT_NEAR(odds.meanSpinsBetweenRounds, 12.0, 1e-9);
  EXPECT_NEAR(odds.sdSpinsBetweenRounds, 0.0, 1e-6);
  for (double share : odds.resting)
    EXPECT_NEAR(share, 1.0 / 12, 1e-12);
}

TEST(MeterChain, PointsAboveTwelveAreLostAndAnXStartsAgain) {
  // Six points or an "X", even odds: a round needs two gains in a row. With
  // p = q = 1/2 the wait has mean (1 + p) / p^2 = 6 and variance
  // (1 - 5 q p^2 - p^5) / (q^2 p^4) = (1 - 0.625 - 0.03125) / 0.015625 = 22.
  const MeterOdds sixOrX = SolveMeter({0.5, {0, 0, 0, 0, 0, 0, 0.5}});
  EXPECT_NEAR(sixOrX.triggerRate, 1.0 / 6, 1e-12);
  EXPECT_NEAR(sixOrX.sdSpinsBetweenRounds, std::sqrt(22.0), 1e-9);
  // Twenty points at once still make one round, every spin.
  std::vector<double> twenty(21, 0.0);
  twenty[20] = 1.0;
  EXPECT_NEAR(SolveMeter({0.0, twenty}).triggerRate, 1.0, 1e-12);
}

TEST(MeterChain, AMeterThatNeverFillsIsRefused) {
  EXPECT_THROW(SolveMeter({0.3, {0.7}}), std::domain_error);
  EXPECT_THROW(ComputeCoinOdds(0), std::invalid_argument);
  EXPECT_THROW(ComputeCoinOdds(4), std::invalid_argument);
}

// What the engine did over many whole spins with one coin count.
struct Played {
  int64_t spins = 0;
  int64_t hits = 0;
  int64_t linePay = 0;
  int64_t rounds = 0;
};

Played PlaySpins(int coins, int64_t spins, uint32_t seed) {
  GameState state = NewGameState();
  FakeHooks fake(state, seed);
  fake.recording = false;
  fake.stepMs = 75;
  int32_t prize = 0;
  fake.bonusRound = [&](GameState& s) {
    prize = s.BonusPrizes[fake.Random(kPrizeCount)];
    return prize;
  };
  state.Credits = 100'000'000;
  state.LastBet = coins;
  Played played;
  for (played.spins = 0; played.spins < spins; ++played.spins) {
    const int32_t before = state.Credits;
    const int roundsBefore = fake.bonusRounds;
    prize = 0;
    fake.Run(Spin(state, fake));  // re-bets the last bet; no reel is ever held
    const int64_t pay = int64_t{state.Credits} - before + coins - prize;
    played.hits += pay > 0 ? 1 : 0;
    played.linePay += pay;
    played.rounds += fake.bonusRounds - roundsBefore;
  }
  return played;
}

// Four standard errors either side of the exact figure.
void ExpectWithinFourErrors(double seen, double exact, double sdPerSpin, int64_t spins,
                            const char* what) {
  const double error = sdPerSpin / std::sqrt(static_cast<double>(spins));
  EXPECT_NEAR(seen, exact, 4 * error) << what;
}

class EngineAgainstExactOdds : public ::testing::TestWithParam<int> {};

TEST_P(EngineAgainstExactOdds, HitsLineReturnAndRoundsLandWithinFourStandardErrors) {
  const int coins = GetParam();
  const CoinOdds& exact = Exact().byCoins[coins - 1];
  constexpr int64_t kSpins = 150'000;
  const Played played = PlaySpins(coins, kSpins, 4000 + coins);
  const double n = played.spins;

  const double p = exact.hitFrequency;
  ExpectWithinFourErrors(played.hits / n, p, std::sqrt(p * (1 - p)), kSpins, "hit frequency");
  ExpectWithinFourErrors(played.linePay / n / coins, exact.lineRtp, exact.sdLinePay / coins, kSpins,
                         "line return");
  // Rounds renew the meter: their count varies by sd^2 / mean^3 per spin.
  const double mean = exact.meter.meanSpinsBetweenRounds;
  const double sd = exact.meter.sdSpinsBetweenRounds;
  ExpectWithinFourErrors(played.rounds / n, exact.bonusTriggerRate,
                         std::sqrt(sd * sd / (mean * mean * mean)), kSpins, "bonus round rate");
}

INSTANTIATE_TEST_SUITE_P(Coins, EngineAgainstExactOdds, ::testing::Values(1, 2, 3));

}  // namespace
}  // namespace vexlor::odds
