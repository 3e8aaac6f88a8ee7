// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "engine/game_state.h"
#include "odds/meter_chain.h"

namespace vexlor::odds {

// Every stop triple of the three reels, each equally likely.
inline constexpr int64_t kCycle = int64_t{kStripLength} * kStripLength * kStripLength;

// The exact figures of play with one coin count, all reels spinning (no holds).
// Counts are per kCycle spins; rates are per spin; returns are per coin bet.
struct CoinOdds {
  int coins = 0;
  int64_t hits = 0;        // spins whose lit lines pay
  int64_t payTotal = 0;    // line pay of all spins
  int64_t paySquares = 0;  // sum of each spin's line pay squared
  int64_t topAwards = 0;   // spins showing three WILD on a lit line
  int64_t holdAwards = 0;  // spins that add a hold
  double hitFrequency = 0.0;
  double meanLinePay = 0.0;  // credits per spin
  double sdLinePay = 0.0;
  double lineRtp = 0.0;
  double topAwardPerSpin = 0.0;
  double holdAwardRate = 0.0;
  MeterStep meterStep;
  MeterOdds meter;
  double bonusTriggerRate = 0.0;
  double totalRtp = 0.0;  // lines and bonus rounds
};

// A line that pays, and on how many of the kCycle stop triples one lit line shows it.
struct Combination {
  std::array<int, kReelCount> symbols{};
  int32_t pay = 0;
  int64_t count = 0;
};

struct GameOdds {
  std::array<CoinOdds, kMaxCoins> byCoins;  // [0] one coin ... [2] three
  double meanBonusPrize = 0.0;              // credits, each token as likely
  std::vector<Combination> combinations;    // pay table order, then by symbols
};

// Enumerates the engine's strips for one coin count (1..3).
CoinOdds ComputeCoinOdds(int coins);

// The paying lines of one payline over the whole cycle.
std::vector<Combination> PayingCombinations();

double MeanBonusPrize();

GameOdds ComputeOdds();

}  // namespace vexlor::odds
