#include "window/machine_art.h"

#include "window/layout.h"

namespace vexlor {
namespace {

QImage Stretch(const QImage& source, QSize size) {
  if (source.isNull() || size.isEmpty()) return QImage();
  if (source.size() == size) return source;
  return source.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

QImage Half(const QImage& picture, QSize from, bool lower) {
  const int half = from.height() / 2;
  return picture.copy(0, lower ? half : 0, from.width(), half);
}

// A picture drawn through its 1-bit mask (black = drawn) as a transparent image.
QImage Masked(const QImage& picture, const QImage& mask) {
  QImage out(picture.size(), QImage::Format_ARGB32);
  const QImage rgb = picture.convertToFormat(QImage::Format_RGB32);
  const QImage bits = mask.convertToFormat(QImage::Format_RGB32);
  for (int y = 0; y < out.height(); ++y) {
    const auto* src = reinterpret_cast<const QRgb*>(rgb.constScanLine(y));
    const auto* m =
        y < bits.height() ? reinterpret_cast<const QRgb*>(bits.constScanLine(y)) : nullptr;
    auto* dst = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      const bool drawn = m != nullptr && x < bits.width() && qGray(m[x]) < 128;
      dst[x] = drawn ? (src[x] | 0xFF000000u) : 0u;
    }
  }
  return out.convertToFormat(QImage::Format_ARGB32_Premultiplied);
}

}  // namespace

QRect Scaled(int32_t layoutWidth, const DesignRect& rect) {
  return ScaleRect(layoutWidth, rect.left, rect.top, rect.right, rect.bottom);
}

MachineArt BuildMachineArt(const Artwork& artwork, const QImage& symbolSheet, int32_t layoutWidth,
                           bool stretchSheet) {
  const auto scale = [layoutWidth](int v) { return ScaleBy(layoutWidth, v); };
  const auto sizeOf = [&](const DesignRect& r) { return Scaled(layoutWidth, r).size(); };
  MachineArt art;
  art.layoutWidth = layoutWidth;
  art.background = Stretch(artwork.background.copy(0, 0, kDesignWidth, kDesignHeight),
                           QSize(scale(kDesignWidth), scale(kDesignHeight)));
  art.blurStrip =
      Stretch(artwork.blur, QSize(scale(artwork.blur.width()), scale(artwork.blur.height())));
  art.symbolSheet =
      stretchSheet
          ? Stretch(symbolSheet, QSize(scale(symbolSheet.width()), scale(symbolSheet.height())))
          : symbolSheet;

  // Every button takes its halves at the size of the Bet One picture.
  const QSize buttonHalves = artwork.betOne.size();
  const std::array<const QImage*, 3> buttons = {&artwork.betOne, &artwork.betMax, &artwork.spin};
  for (int id = 0; id < 3; ++id) {
    for (int lit = 0; lit < 2; ++lit) {
      art.buttons[id][lit] =
          Stretch(Half(*buttons[id], buttonHalves, lit == 1), sizeOf(kButtons[id]));
    }
  }
  for (int lit = 0; lit < 2; ++lit) {
    art.hold[lit] =
        Stretch(Half(artwork.hold, artwork.hold.size(), lit == 1), sizeOf(kHoldButtons[0]));
  }
  art.dimTitle = Stretch(artwork.dimmedTitle, sizeOf(kTitlePanel));
  art.dimNamePlate = Stretch(artwork.dimmedNamePlate, sizeOf(kNamePlate));
  art.dimCoinSpot = Stretch(artwork.dimmedCoinSpot, sizeOf(kCoinSpot));

  // Lamp halves are taken at the size of the red strip, for all three lines.
  const QSize lampHalves = artwork.lampRed.size();
  const std::array<const QImage*, 3> strips = {&artwork.lampRed, &artwork.lampBlue,
                                               &artwork.lampGreen};
  for (int line = 0; line < 3; ++line) {
    for (int lit = 0; lit < 2; ++lit) {
      const QImage lamp = Masked(Half(*strips[line], lampHalves, lit == 1),
                                 Half(artwork.lampMask, lampHalves, lit == 1));
      art.lamps[line][lit] = Stretch(lamp, sizeOf(kLampRows[line]));
    }
  }
  art.logo = Masked(artwork.logo, artwork.logoMask);
  art.meterStrip = artwork.bonusMeter;
  const bool large = UsesLargeDigits(layoutWidth);
  art.digitsRed = large ? artwork.digitsLargeRed : artwork.digitsSmallRed;
  art.digitsGreen = large ? artwork.digitsLargeGreen : artwork.digitsSmallGreen;
  art.digitCell = large ? QSize(32, 42) : QSize(16, 21);
  return art;
}

}  // namespace vexlor
