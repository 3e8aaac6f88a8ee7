// SPDX-License-Identifier: GPL-3.0-or-later
#include "odds/meter_chain.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <utility>

namespace vexlor::odds {
namespace {

constexpr int kStates = kBonusPointsForRound;
using Matrix = std::array<std::array<double, kStates>, kStates>;
using Vector = std::array<double, kStates>;

// Solves a x = b by Gaussian elimination with partial pivoting.
Vector Solve(Matrix a, Vector b) {
  for (int col = 0; col < kStates; ++col) {
    int pivot = col;
    for (int row = col + 1; row < kStates; ++row) {
      if (std::abs(a[row][col]) > std::abs(a[pivot][col])) pivot = row;
    }
    if (std::abs(a[pivot][col]) < 1e-300) throw std::domain_error("the meter chain is singular");
    std::swap(a[col], a[pivot]);
    std::swap(b[col], b[pivot]);
    for (int row = col + 1; row < kStates; ++row) {
      const double f = a[row][col] / a[col][col];
      for (int k = col; k < kStates; ++k)
        a[row][k] -= f * a[col][k];
      b[row] -= f * b[col];
    }
  }
  Vector x{};
  for (int row = kStates - 1; row >= 0; --row) {
    double sum = b[row];
    for (int k = row + 1; k < kStates; ++k)
      sum -= a[row][k] * x[k];
    x[row] = sum / a[row][row];
  }
  return x;
}

// Moves between resting values that do not run a round, and each value's
// chance of running one on the next spin.
struct Chain {
  Matrix stay{};
  Vector fill{};
};

Chain BuildChain(const MeterStep& step) {
  Chain chain;
  for (int from = 0; from < kStates; ++from) {
    chain.stay[from][0] += step.wipe;
    for (std::size_t g = 0; g < step.gain.size(); ++g) {
      const auto to = from + static_cast<int>(g);
      if (to >= kStates) {
        chain.fill[from] += step.gain[g];
      } else {
        chain.stay[from][to] += step.gain[g];
      }
    }
  }
  return chain;
}

// The long-run share of spins that start at each value: pi = pi P, sum 1,
// where a round leads back to 0.
Vector Resting(const Chain& chain) {
  Matrix a{};
  for (int from = 0; from < kStates; ++from) {
    for (int to = 0; to < kStates; ++to)
      a[to][from] = chain.stay[from][to] + (to == 0 ? chain.fill[from] : 0.0);
    a[from][from] -= 1.0;
  }
  Vector b{};
  a[0].fill(1.0);
  b[0] = 1.0;
  return Solve(a, b);
}

}  // namespace

MeterOdds SolveMeter(const MeterStep& step) {
  const Chain chain = BuildChain(step);
  MeterOdds odds;
  odds.resting = Resting(chain);
  for (int s = 0; s < kStates; ++s)
    odds.triggerRate += odds.resting[s] * chain.fill[s];
  if (!(odds.triggerRate > 0.0)) throw std::domain_error("the meter never fills");

  // Spins T to the next round: m = 1 + Q m, and E[T^2] = q = 1 + Q (2m + q).
  Matrix iq{};
  for (int r = 0; r < kStates; ++r) {
    for (int c = 0; c < kStates; ++c)
      iq[r][c] = (r == c ? 1.0 : 0.0) - chain.stay[r][c];
  }
  Vector ones;
  ones.fill(1.0);
  const Vector m = Solve(iq, ones);
  Vector rhs{};
  for (int r = 0; r < kStates; ++r) {
    rhs[r] = 1.0;
    for (int c = 0; c < kStates; ++c)
      rhs[r] += 2.0 * chain.stay[r][c] * m[c];
  }
  const Vector q = Solve(iq, rhs);
  odds.meanSpinsBetweenRounds = m[0];
  odds.sdSpinsBetweenRounds = std::sqrt(std::max(0.0, q[0] - m[0] * m[0]));
  return odds;
}

}  // namespace vexlor::odds
