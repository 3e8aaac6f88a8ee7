// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// n / d rounded to nearest by one multiplication and shift, for 0 <= n <= 255 * d
// and 0 < d < 4096: the box blurs divide every channel of every pixel by the
// width of their box, and a division costs many times more.

#include <cstdint>

namespace vexlor::art {

class RoundedDivision {
 public:
  explicit RoundedDivision(std::uint32_t d)
      : half_(d / 2), factor_((std::uint64_t{1} << 32) / d + 1) {}

  std::uint32_t operator()(std::uint32_t n) const {
    return static_cast<std::uint32_t>(((n + half_) * factor_) >> 32);
  }

 private:
  std::uint64_t half_;
  std::uint64_t factor_;
};

}  // namespace vexlor::art
