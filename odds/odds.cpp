// SPDX-License-Identifier: GPL-3.0-or-later
#include "odds/odds.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <numeric>
#include <stdexcept>

#include "engine/bonus_prizes.h"
#include "engine/evaluate.h"
#include "engine/holds.h"
#include "engine/reels.h"

namespace vexlor::odds {
namespace {

// Calls `visit(state)` with the reels at every stop triple in turn.
template <typename Visit>
void ForEachStop(GameState& state, Visit visit) {
  for (int32_t a = 1; a <= kStripLength; ++a) {
    for (int32_t b = 1; b <= kStripLength; ++b) {
      for (int32_t c = 1; c <= kStripLength; ++c) {
        state.ReelStop = {a, b, c};
        visit(state);
      }
    }
  }
}

std::array<int, kReelCount> LineSymbols(const GameState& state, int line) {
  const Row row = LineRow(line);
  return {SymbolInRow(state, 0, row), SymbolInRow(state, 1, row), SymbolInRow(state, 2, row)};
}

// Gains and wipes counted over the cycle, then turned into chances.
struct MeterCounts {
  int64_t wipes = 0;
  std::vector<int64_t> gains;

  void Add(const SpecialTally& tally) {
    if (tally.lost) {
      ++wipes;
      return;
    }
    const auto g = static_cast<std::size_t>(tally.gained);
    if (gains.size() <= g) gains.resize(g + 1, 0);
    ++gains[g];
  }

  MeterStep Step() const {
    MeterStep step;
    step.wipe = static_cast<double>(wipes) / kCycle;
    for (int64_t n : gains)
      step.gain.push_back(static_cast<double>(n) / kCycle);
    return step;
  }
};

void FillRates(CoinOdds& odds, double meanPrize) {
  constexpr auto kSpins = static_cast<double>(kCycle);
  odds.hitFrequency = odds.hits / kSpins;
  odds.meanLinePay = odds.payTotal / kSpins;
  const double meanSquare = odds.paySquares / kSpins;
  odds.sdLinePay = std::sqrt(meanSquare - odds.meanLinePay * odds.meanLinePay);
  odds.lineRtp = odds.meanLinePay / odds.coins;
  odds.topAwardPerSpin = odds.topAwards / kSpins;
  odds.holdAwardRate = odds.holdAwards / kSpins;
  odds.bonusTriggerRate = odds.meter.triggerRate;
  odds.totalRtp = (odds.meanLinePay + odds.bonusTriggerRate * meanPrize) / odds.coins;
}

}  // namespace

double MeanBonusPrize() {
  const int64_t sum =
      std::accumulate(kBonusPrizeValues.begin(), kBonusPrizeValues.end(), int64_t{0});
  return static_cast<double>(sum) / static_cast<double>(kBonusPrizeValues.size());
}

CoinOdds ComputeCoinOdds(int coins) {
  if (coins < 1 || coins > kMaxCoins) throw std::invalid_argument("coins must be 1..3");
  GameState state;
  InitReels(state);
  state.CoinsBet = coins;
  CoinOdds odds;
  odds.coins = coins;
  const int32_t topPay = SymbolPay(kWildSymbol);
  MeterCounts meter;
  ForEachStop(state, [&](const GameState& s) {
    int64_t pay = 0;
    bool top = false;
    for (int line = 0; line < coins; ++line) {
      const int32_t linePay = LinePayOf(s, line);
      pay += linePay;
      top = top || linePay == topPay;
    }
    const SpecialTally tally = TallySpecialCells(s);
    odds.hits += pay > 0 ? 1 : 0;
    odds.payTotal += pay;
    odds.paySquares += pay * pay;
    odds.topAwards += top ? 1 : 0;
    odds.holdAwards += tally.holdAward > 0 ? 1 : 0;
    meter.Add(tally);
  });
  odds.meterStep = meter.Step();
  odds.meter = SolveMeter(odds.meterStep);
  FillRates(odds, MeanBonusPrize());
  return odds;
}

std::vector<Combination> PayingCombinations() {
  GameState state;
  InitReels(state);
  std::map<std::array<int, kReelCount>, int64_t> counts;
  ForEachStop(state, [&](const GameState& s) {
    const auto symbols = LineSymbols(s, 0);
    if (LinePay(symbols[0], symbols[1], symbols[2]) > 0) ++counts[symbols];
  });
  std::vector<Combination> combinations;
  for (const auto& [symbols, count] : counts)
    combinations.push_back({symbols, LinePay(symbols[0], symbols[1], symbols[2]), count});
  std::stable_sort(combinations.begin(), combinations.end(),
                   [](const Combination& x, const Combination& y) { return x.pay > y.pay; });
  return combinations;
}

GameOdds ComputeOdds() {
  GameOdds odds;
  for (int coins = 1; coins <= kMaxCoins; ++coins)
    odds.byCoins[coins - 1] = ComputeCoinOdds(coins);
  odds.meanBonusPrize = MeanBonusPrize();
  odds.combinations = PayingCombinations();
  return odds;
}

}  // namespace vexlor::odds
