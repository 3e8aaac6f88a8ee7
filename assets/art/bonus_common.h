// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// Shared geometry of the bonus round's pictures (assets/art/bonus_*.cpp):
// where the tokens stand on the 640 x 480 stage, and the parts of the stage.

#include <QPainter>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <array>

#include "bonus/token_layout.h"

namespace vexlor::art::bonus {

inline constexpr int kStageWidth = 640;
inline constexpr int kStageHeight = 480;

// One token frame (from the round's own table), and the top-left corners of
// the five tokens, left to right on the stage.
using vexlor::kTokenFrames;
using vexlor::kTokenHeight;
using vexlor::kTokenWidth;
inline constexpr std::array<int, 5> kTokenLefts = {kTokenPos[2].x, kTokenPos[0].x, kTokenPos[3].x,
                                                   kTokenPos[1].x, kTokenPos[4].x};
inline constexpr int kTokenTop = kTokenPos[0].y;

// The foot of a token's pedestal, in frame coordinates: where it meets its plinth.
inline constexpr double kFootX = 50;
inline constexpr double kFootY = 72;

// Where token i's foot stands on the stage.
inline QPointF FootOnStage(int i) {
  return {kTokenLefts[static_cast<size_t>(i)] + kFootX, kTokenTop + kFootY};
}

// The stage's centre line: the middle token's, which the heading stands over.
inline constexpr double kStageMiddle = kTokenLefts[2] + kTokenWidth / 2.0;

// The heading sign with "BONUS ROUND" and the "PICK A TOKEN" line under it
// (bonus_sign.cpp), in stage coordinates.
void DrawHeadingSign(QPainter& p);
void DrawInstruction(QPainter& p);
// A four-pointed sparkle of `radius` round `c`.
QPainterPath Sparkle(QPointF c, double radius);

}  // namespace vexlor::art::bonus
