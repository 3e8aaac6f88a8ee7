// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <random>

namespace vexlor {

// The game's one random generator. The reduction to 0..n-1 is the project's
// own (rejection sampling on 32-bit Mersenne Twister outputs), so a seed gives
// the same draws with every compiler and standard library.
class GameRandom {
 public:
  explicit GameRandom(uint32_t seed) : engine_(seed) {}

  // A uniform integer in 0..n-1; n must be at least 1.
  int32_t Draw(int32_t n);

 private:
  std::mt19937 engine_;
};

}  // namespace vexlor
