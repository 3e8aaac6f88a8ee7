// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>

namespace vexlor {

// The five prize tokens of the bonus round, by index: the top-left corner of
// each on the round's picture. On screen, left to right, the indices run
// 2, 0, 3, 1, 4.
struct TokenPoint {
  int x, y;
};
inline constexpr std::array<TokenPoint, 5> kTokenPos = {
    {{134, 365}, {369, 365}, {13, 365}, {250, 365}, {486, 365}}};
inline constexpr int kTokenWidth = 100;
inline constexpr int kTokenHeight = 75;
inline constexpr int kTokenFrames = 3;  // closed, cracking, open
// A press hits a token within this far right of and below its corner, both
// ends included: larger than the token, so neighbouring areas overlap.
inline constexpr int kTokenHitWidth = 140;
inline constexpr int kTokenHitHeight = 104;

// The token a press at (x, y), in the picture's own pixels, picks: the first
// index whose area holds it, or -1.
inline int TokenAt(int x, int y) {
  for (int i = 0; i < static_cast<int>(kTokenPos.size()); ++i) {
    const TokenPoint& t = kTokenPos[static_cast<std::size_t>(i)];
    if (x >= t.x && x <= t.x + kTokenHitWidth && y >= t.y && y <= t.y + kTokenHitHeight) return i;
  }
  return -1;
}

}  // namespace vexlor
