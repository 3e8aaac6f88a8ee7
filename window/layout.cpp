// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout.h"

#include <algorithm>
#include <array>
#include <cmath>

#include "engine/machine_geometry.h"

namespace vexlor {
namespace {

struct SheetVariant {
  int32_t width;
  const char* suffix;
  int32_t cellSize;
};
constexpr std::array<SheetVariant, 5> kSheetVariants = {{
    {1600, "152.jpg", 152},
    {1280, "122.jpg", 122},
    {1152, "110.jpg", 110},
    {1024, "98.jpg", 98},
    {640, "61.jpg", 61},
}};

constexpr int32_t kDesignCell = design::kCell;

}  // namespace

int32_t ScaleBy(int32_t layoutWidth, int32_t designUnits) {
  const double factor = static_cast<double>(layoutWidth) / kDesignWidth;
  return static_cast<int32_t>(designUnits * factor);
}

QRect ScaleRect(int32_t layoutWidth, int left, int top, int right, int bottom) {
  const int x = ScaleBy(layoutWidth, left);
  const int y = ScaleBy(layoutWidth, top);
  return QRect(x, y, ScaleBy(layoutWidth, right) - x, ScaleBy(layoutWidth, bottom) - y);
}

int32_t FitLayoutWidth(int32_t screenWidth, QSize clientSpace) {
  const int32_t widest = std::min(screenWidth, static_cast<int32_t>(clientSpace.width()));
  const int32_t height = clientSpace.height();
  // The widest machine whose height, truncated as Scale truncates, still fits.
  int32_t width =
      std::min(widest, ((height + 1) * kDesignWidth + kDesignHeight - 1) / kDesignHeight - 1);
  while (width > 1 && ScaleBy(width, kDesignHeight) > height)
    --width;
  while (width < widest && ScaleBy(width + 1, kDesignHeight) <= height)
    ++width;
  return std::max(width, 1);
}

SymbolSheetChoice SymbolSheetFor(int32_t layoutWidth, const QString& assetPrefix) {
  if (layoutWidth == kDesignWidth) return {QString(), kDesignCell};
  for (const SheetVariant& variant : kSheetVariants) {
    if (variant.width == layoutWidth) {
      return {assetPrefix + QString::fromLatin1(variant.suffix), variant.cellSize};
    }
  }
  return {QString(), ScaleBy(layoutWidth, kDesignCell)};
}

ReelGeometry ComputeReelGeometry(int32_t layoutWidth, bool sheetUnscaled,
                                 int32_t blurPictureHeight) {
  ReelGeometry geometry;
  const SymbolSheetChoice choice = SymbolSheetFor(layoutWidth, QString());
  geometry.stretchSheet = !sheetUnscaled;
  geometry.cellSize = sheetUnscaled ? choice.cellSize : ScaleBy(layoutWidth, kDesignCell);
  geometry.reelLeft = ScaleBy(layoutWidth, design::kReelLeft);
  geometry.reelTop = ScaleBy(layoutWidth, design::kReelTop);
  geometry.reelPitch = ScaleBy(layoutWidth, design::kReelPitch);
  geometry.blurHeight = ScaleBy(layoutWidth, blurPictureHeight);
  return geometry;
}

bool UsesLargeDigits(int32_t layoutWidth) {
  return layoutWidth >= 1000;
}

double GrowthFactor(int32_t layoutWidth) {
  return layoutWidth > kLargestFixedLayout ? static_cast<double>(layoutWidth) / kLargestFixedLayout
                                           : 1.0;
}

QSize Grown(int32_t layoutWidth, QSize size) {
  const double factor = GrowthFactor(layoutWidth);
  return QSize(static_cast<int>(std::lround(size.width() * factor)),
               static_cast<int>(std::lround(size.height() * factor)));
}

double RoundZoom(int32_t layoutWidth, double devicePixelRatio, QSize screen) {
  const double machine = layoutWidth / devicePixelRatio;
  const double zoom =
      std::min({machine / kLargestFixedRound, screen.width() / 640.0, screen.height() / 480.0});
  return std::max(zoom, 1.0);
}

QSize DigitCellFor(int32_t layoutWidth) {
  return Grown(layoutWidth, UsesLargeDigits(layoutWidth) ? QSize(32, 42) : QSize(16, 21));
}

}  // namespace vexlor
