// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPoint>
#include <QRect>
#include <array>
#include <cstdint>

#include "engine/machine_geometry.h"
#include "pictures/digits.h"
#include "window/artwork.h"

namespace vexlor {

// The pictures as the machine shows them at one layout width: scaled once
// here, from the sharpest source there is, so that every later draw is a
// plain copy.
struct MachineArt {
  int32_t layoutWidth = 0;
  QImage background;  // the whole machine, layout size; null once the renderer took it
  bool ledWindows =
      false;           // the background is the built-in one, with LED windows drawn for the layout
  QImage blurStrip;    // the blur strip at layout scale
  QImage symbolSheet;  // cells of CellSize
  // The right-hand buttons, by ButtonId order Bet One, Bet Max, Spin: [dim, lit].
  std::array<std::array<QImage, 2>, 3> buttons;
  std::array<QImage, 2> hold;  // [dim, lit]
  QImage dimTitle, dimNamePlate, dimCoinSpot;
  // Payline lamps by line (0 middle, 1 top, 2 bottom): [dark, lit], with the
  // mask turned into transparency.
  std::array<std::array<QImage, 2>, 3> lamps;
  QImage logo;        // its own size (grown on large layouts), transparent outside its mask
  QImage meterStrip;  // 13 frames of meterFrame, lit BONUS first
  QSize meterFrame;
  Digits digits;
  // The pull lever over leverRegion: backdrop, arm and hub; null until
  // AddLeverArt, and on a replaced background that these would not match.
  // Arm and hub are cut to what they show: the arm to its columns, which
  // start leverArmLeft pixels into the region, the hub to leverHubAt.
  QImage leverBackdrop, leverArm, leverHub;
  int leverArmLeft = 0;
  QPoint leverHubAt;
  QRect leverRegion;
  QPoint leverPivot;  // the hub's centre, which the arm turns about, in machine pixels
};

// Scales the pictures for `layoutWidth`. `symbolSheet` (the artwork's, or the
// size variant for this width) is used at its own size unless `stretchSheet`.
// The lever's pictures are left out: nothing shows them before the first pull.
MachineArt BuildMachineArt(const Artwork& artwork, const Picture& symbolSheet, int32_t layoutWidth,
                           bool stretchSheet);
// Adds the lever's pictures, unless the background is a replacement they would not match.
void AddLeverArt(MachineArt& art, const Artwork& artwork);

using DesignRect = design::Rect;
QRect Scaled(int32_t layoutWidth, const DesignRect& rect);

// Draws the machine's black LED counter windows onto a built-in background at
// its layout, as high as the digits of that layout with a margin above and below.
void DrawLedWindows(QImage& background, int32_t layoutWidth);
// On a layout wider than 800 the bonus meter keeps its own size in the middle
// of its box: the box's lit well is drawn again around the meter's size, the
// rest of the box in the cabinet's face.
void DrawMeterHousing(QImage& background, int32_t layoutWidth);

}  // namespace vexlor
