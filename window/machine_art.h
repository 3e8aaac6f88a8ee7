#pragma once

#include <QImage>
#include <QRect>
#include <array>
#include <cstdint>

#include "window/artwork.h"

namespace vexlor {

// The pictures as the machine shows them at one layout width: scaled once
// here, so that every later draw is a plain copy.
struct MachineArt {
  int32_t layoutWidth = 0;
  QImage background;   // the whole machine, layout size
  QImage blurStrip;    // the blur strip at layout scale
  QImage symbolSheet;  // cells of CellSize
  // The right-hand buttons, by ButtonId order Bet One, Bet Max, Spin: [dim, lit].
  std::array<std::array<QImage, 2>, 3> buttons;
  std::array<QImage, 2> hold;  // [dim, lit]
  QImage dimTitle, dimNamePlate, dimCoinSpot;
  // Payline lamps by line (0 middle, 1 top, 2 bottom): [dark, lit], with the
  // mask turned into transparency.
  std::array<std::array<QImage, 2>, 3> lamps;
  QImage logo;        // unscaled, transparent outside its mask
  QImage meterStrip;  // 13 frames of 78 x 59
  QImage digitsRed, digitsGreen;
  QSize digitCell;
};

// Scales the pictures for `layoutWidth`. `symbolSheet` (the artwork's, or the
// size variant for this width) is used at its own size unless `stretchSheet`.
MachineArt BuildMachineArt(const Artwork& artwork, const QImage& symbolSheet, int32_t layoutWidth,
                           bool stretchSheet);

// Regions of the machine in design units, as (left, top, right, bottom).
struct DesignRect {
  int left, top, right, bottom;
};
inline constexpr DesignRect kTitlePanel{247, 98, 549, 241};
inline constexpr DesignRect kCoinSpot{560, 99, 644, 184};
inline constexpr DesignRect kNamePlate{221, 551, 657, 600};
inline constexpr DesignRect kBonusMeterBox{578, 223, 656, 282};
inline constexpr std::array<DesignRect, 3> kHoldButtons = {
    {{260, 246, 332, 263}, {364, 246, 436, 263}, {468, 246, 540, 263}}};
// Bet One, Bet Max, Spin.
inline constexpr std::array<DesignRect, 3> kButtons = {
    {{577, 362, 655, 421}, {577, 432, 655, 491}, {577, 293, 655, 352}}};
// Middle, top, bottom line lamps.
inline constexpr std::array<DesignRect, 3> kLampRows = {
    {{241, 377, 559, 391}, {241, 301, 559, 315}, {241, 453, 559, 467}}};

QRect Scaled(int32_t layoutWidth, const DesignRect& rect);

}  // namespace vexlor
