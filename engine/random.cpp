// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/random.h"

#include <cassert>

namespace vexlor {

int32_t GameRandom::Draw(int32_t n) {
  assert(n >= 1);
  if (n <= 1) return 0;
  const uint64_t range = static_cast<uint64_t>(n);
  const uint64_t span = uint64_t{1} << 32;
  const uint64_t limit = span - span % range;  // largest multiple of n that fits
  uint64_t value = 0;
  do {
    value = engine_();
  } while (value >= limit);
  return static_cast<int32_t>(value % range);
}

}  // namespace vexlor
