#include "window/layout.h"

#include <algorithm>
#include <array>

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

constexpr int32_t kDesignCell = 76;

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
  geometry.reelLeft = ScaleBy(layoutWidth, 258);
  geometry.reelTop = ScaleBy(layoutWidth, 272);
  geometry.reelPitch = ScaleBy(layoutWidth, 104);
  geometry.blurHeight = ScaleBy(layoutWidth, blurPictureHeight);
  return geometry;
}

bool UsesLargeDigits(int32_t layoutWidth) {
  return layoutWidth >= 1000;
}

}  // namespace vexlor
