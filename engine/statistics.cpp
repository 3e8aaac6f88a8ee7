// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/statistics.h"

namespace vexlor {
namespace {

// Two's-complement wrapping, as 32-bit counters do it.
int32_t Wrap(int64_t value) {
  return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(value)));
}

}  // namespace

StatsFigures ComputeStats(const GameState& state) {
  StatsFigures f;
  f.spins = state.Spins;
  f.credits = state.Credits;
  f.borrowed = state.Borrowed;
  f.totalBets = state.TotalBets;
  const int32_t kept = Wrap(int64_t{state.Credits} - state.Borrowed);
  f.payoffs = Wrap(int64_t{kept} + state.TotalBets);
  f.normal = Wrap(int64_t{Wrap(int64_t{kept} - state.BonusWon)} + state.TotalBets);
  f.bonus = state.BonusWon;
  if (state.TotalBets > 0) f.percentage = static_cast<double>(f.payoffs) / state.TotalBets * 100;
  return f;
}

}  // namespace vexlor
