// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/app_icon.h"

#include <QPixmap>

namespace vexlor {
namespace {

// The chip of the logo, in the logo's own pixels.
constexpr QRect kChip(28, 2, 70, 70);
constexpr int kLargest = 256;

}  // namespace

QIcon GameIcon(const Artwork& artwork) {
  const QSize size(kLargest, kLargest);
  const QImage chip = artwork.logo.Scaled(size, kChip).convertToFormat(QImage::Format_RGB32);
  const QImage mask = artwork.logoMask.Scaled(size, kChip).convertToFormat(QImage::Format_RGB32);
  QImage icon(size, QImage::Format_ARGB32);
  for (int y = 0; y < kLargest; ++y) {
    const auto* c = reinterpret_cast<const QRgb*>(chip.constScanLine(y));
    const auto* m = reinterpret_cast<const QRgb*>(mask.constScanLine(y));
    auto* out = reinterpret_cast<QRgb*>(icon.scanLine(y));
    for (int x = 0; x < kLargest; ++x)
      out[x] = (c[x] & 0x00FFFFFFu) | (static_cast<QRgb>(255 - qGray(m[x])) << 24);
  }
  QIcon result;
  for (int side : {kLargest, 128, 64, 48, 32, 16}) {
    result.addPixmap(QPixmap::fromImage(
        icon.scaled(side, side, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
  }
  return result;
}

}  // namespace vexlor
