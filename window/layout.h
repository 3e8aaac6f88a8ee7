// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <QString>
#include <cstdint>

#include "engine/machine_geometry.h"

namespace vexlor {

// The machine is designed in an 800 x 600 space and drawn at a layout width:
// design coordinate v becomes v * (layoutWidth / 800) pixels, truncated.
inline constexpr int32_t kDesignWidth = design::kWidth;
inline constexpr int32_t kDesignHeight = design::kHeight;

int32_t ScaleBy(int32_t layoutWidth, int32_t designUnits);

// A design rectangle (left, top, right, bottom; right and bottom exclusive) in pixels.
QRect ScaleRect(int32_t layoutWidth, int left, int top, int right, int bottom);

// The layout width for a screen: the screen's width when the whole machine
// fits the client space the window gets, else the widest machine that fits it.
int32_t FitLayoutWidth(int32_t screenWidth, QSize clientSpace);

// The symbol sheet for a layout width: the size-variant file the width looks
// for (empty when it has none) and the cell size that goes with it.
struct SymbolSheetChoice {
  QString variantFile;
  int32_t cellSize = 0;
};
SymbolSheetChoice SymbolSheetFor(int32_t layoutWidth, const QString& assetPrefix);

// Where the reels go, in pixels.
struct ReelGeometry {
  int32_t cellSize = 0;
  int32_t reelLeft = 0;
  int32_t reelTop = 0;
  int32_t reelPitch = 0;
  int32_t blurHeight = 0;
  bool stretchSheet = false;  // the symbol sheet is scaled, not used at its own size
};
// `sheetUnscaled`: the width is 800, or its variant file was loaded.
ReelGeometry ComputeReelGeometry(int32_t layoutWidth, bool sheetUnscaled,
                                 int32_t blurPictureHeight);

// Digit cells: 16 x 21 below 1000 pixels of layout width, 32 x 42 from 1000 on.
bool UsesLargeDigits(int32_t layoutWidth);

// Up to a layout width of 1600 the digits, the label font, the logo and the
// bonus meter's frame keep their own pixel size; beyond it they grow with the
// machine, by layoutWidth / 1600, so a very large machine looks like one of
// 1600, only larger. 1 up to 1600.
inline constexpr int32_t kLargestFixedLayout = 1600;
double GrowthFactor(int32_t layoutWidth);
// `size` grown by the factor of the layout, rounded to whole pixels.
QSize Grown(int32_t layoutWidth, QSize size);
// The digit cell of the layout: 16 x 21 or 32 x 42, grown beyond 1600.
QSize DigitCellFor(int32_t layoutWidth);

// The bonus round keeps its own size up to a machine of 1280 logical pixels;
// beyond, it grows with the machine, as far as `screen` (logical) holds it.
inline constexpr int32_t kLargestFixedRound = 1280;
double RoundZoom(int32_t layoutWidth, double devicePixelRatio, QSize screen);

}  // namespace vexlor
