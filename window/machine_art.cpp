// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/machine_art.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <functional>
#include <future>
#include <vector>

#include "window/layout.h"

namespace vexlor {
namespace {

// The upper (dim) or lower (lit) half of a picture, halves taken at `from`'s size.
QRect Half(QSize from, bool lower) {
  const int half = from.height() / 2;
  return QRect(0, lower ? half : 0, from.width(), half);
}

// `picture` (or part of it) at `target`: as it is where it already has that
// size, so the machine at 800 pixels shows the pictures exactly as drawn.
QImage At(const Picture& picture, QSize target, QRect source = {}) {
  if (source.isEmpty()) source = QRect(QPoint(0, 0), picture.Size());
  if (target == source.size()) {
    const QImage pixels = picture.Image();
    return source.size() == pixels.size() ? pixels : pixels.copy(source);
  }
  return picture.Scaled(target, source);
}

// The dim (upper) and lit (lower) halves of a picture, halves taken at
// `from`'s size, each at `target`, from one decoding.
std::array<QImage, 2> Halves(const Picture& picture, QSize from, QSize target) {
  const std::vector<QImage> parts =
      picture.ScaledParts({Half(from, false), Half(from, true)}, {target, target});
  return {parts[0], parts[1]};
}

// The smallest rectangle holding every pixel of `image` that is not wholly transparent.
QRect Shown(const QImage& image) {
  QRect shown;
  for (int y = 0; y < image.height(); ++y) {
    const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
    for (int x = 0; x < image.width(); ++x) {
      if (qAlpha(line[x]) != 0) shown |= QRect(x, y, 1, 1);
    }
  }
  return shown;
}

// Every picture of a layout is one job; the jobs share nothing but the
// artwork they read, so they may run side by side.
std::vector<std::function<void()>> Jobs(MachineArt& art, const Artwork& artwork,
                                        const Picture& symbolSheet, bool stretchSheet) {
  const int32_t width = art.layoutWidth;
  const auto scale = [width](int v) { return ScaleBy(width, v); };
  const auto sizeOf = [width](const DesignRect& r) { return Scaled(width, r).size(); };
  std::vector<std::function<void()>> jobs;
  jobs.push_back([&art, &artwork, width, scale] {
    art.background = At(artwork.background, QSize(scale(kDesignWidth), scale(kDesignHeight)),
                        QRect(0, 0, kDesignWidth, kDesignHeight));
    art.ledWindows = !artwork.backgroundReplaced;
    if (art.ledWindows) {
      DrawLedWindows(art.background, width);
      DrawMeterHousing(art.background, width);
    }
  });
  jobs.push_back([&art, &artwork, scale] {
    const QSize blur = artwork.blur.Size();
    art.blurStrip = At(artwork.blur, QSize(scale(blur.width()), scale(blur.height())));
  });
  jobs.push_back([&art, &symbolSheet, stretchSheet, scale] {
    const QSize sheet = symbolSheet.Size();
    art.symbolSheet = stretchSheet
                          ? At(symbolSheet, QSize(scale(sheet.width()), scale(sheet.height())))
                          : symbolSheet.Image();
  });
  jobs.push_back([&art, &artwork, sizeOf] {
    // Every button takes its halves at the size of the Bet One picture.
    const QSize halves = artwork.betOne.Size();
    const std::array<const Picture*, 3> buttons = {&artwork.betOne, &artwork.betMax, &artwork.spin};
    for (int id = 0; id < 3; ++id)
      art.buttons[id] = Halves(*buttons[id], halves, sizeOf(design::kButtons[id]));
    art.hold = Halves(artwork.hold, artwork.hold.Size(), sizeOf(design::kHoldButtons[0]));
  });
  jobs.push_back([&art, &artwork, sizeOf] {
    art.dimTitle = At(artwork.dimmedTitle, sizeOf(design::kTitlePanel));
    art.dimNamePlate = At(artwork.dimmedNamePlate, sizeOf(design::kNamePlate));
    art.dimCoinSpot = At(artwork.dimmedCoinSpot, sizeOf(design::kCoinSpot));
  });
  jobs.push_back([&art, &artwork, sizeOf] {
    // Lamp halves are taken at the size of the red strip, for all three lines.
    const QSize halves = artwork.lampRed.Size();
    const std::array<const Picture*, 3> strips = {&artwork.lampRed, &artwork.lampBlue,
                                                  &artwork.lampGreen};
    // At the strip's own size the mask is the hard one as drawn; scaled, strip
    // and mask come from their masters and the lamp edges stay smooth.
    for (int line = 0; line < 3; ++line) {
      const QSize target = sizeOf(design::kLampRows[line]);
      const std::array<QImage, 2> lamp = Halves(*strips[line], halves, target);
      const std::array<QImage, 2> mask = Halves(artwork.lampMask, halves, target);
      for (int lit = 0; lit < 2; ++lit)
        art.lamps[line][lit] = ThroughMask(lamp[lit], mask[lit]);
    }
  });
  jobs.push_back([&art, &artwork, width] {
    const QSize logo = Grown(width, artwork.logo.Size());
    art.logo = ThroughMask(At(artwork.logo, logo), At(artwork.logoMask, logo));
    const QSize frame(design::kMeterFrameWidth, design::kMeterFrameHeight);
    art.meterFrame = Grown(width, frame);
    art.meterStrip =
        art.meterFrame == frame
            ? artwork.bonusMeter.Image()
            : At(artwork.bonusMeter, QSize(art.meterFrame.width(), 13 * art.meterFrame.height()),
                 QRect(0, 0, frame.width(), 13 * frame.height()));
    art.digits.cell = DigitCellFor(width);
    const bool large = UsesLargeDigits(width);
    const Picture& red = large ? artwork.digitsLargeRed : artwork.digitsSmallRed;
    const Picture& green = large ? artwork.digitsLargeGreen : artwork.digitsSmallGreen;
    const QSize cell = large ? QSize(32, 42) : QSize(16, 21);
    const QSize strip(10 * art.digits.cell.width(), art.digits.cell.height());
    const QRect digits(0, 0, 10 * cell.width(), cell.height());
    art.digits.red = art.digits.cell == cell ? red.Image() : At(red, strip, digits);
    art.digits.green = art.digits.cell == cell ? green.Image() : At(green, strip, digits);
  });
  return jobs;
}

}  // namespace

QRect Scaled(int32_t layoutWidth, const DesignRect& rect) {
  return ScaleRect(layoutWidth, rect.left, rect.top, rect.right, rect.bottom);
}

void DrawLedWindows(QImage& background, int32_t layoutWidth) {
  const double unit = static_cast<double>(layoutWidth) / kDesignWidth;
  const int digitHeight = DigitCellFor(layoutWidth).height();
  QPainter p(&background);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  for (const DesignRect& window : design::kLedWindows) {
    // As far below the digits as the window's top is above them.
    const int top = ScaleBy(layoutWidth, window.top);
    const int margin = ScaleBy(layoutWidth, design::kCounterTop) - top;
    const QRectF r(ScaleBy(layoutWidth, window.left), top,
                   ScaleBy(layoutWidth, window.right) - ScaleBy(layoutWidth, window.left),
                   digitHeight + 2 * margin);
    p.setBrush(QColor(0x1c, 0x17, 0x3c));  // the frame
    p.drawRoundedRect(r.adjusted(-2 * unit, -2 * unit, 2 * unit, 2 * unit), 3 * unit, 3 * unit);
    p.setBrush(QColor(0x34, 0x2c, 0x66));  // a lit lip under the glass
    p.drawRect(r.adjusted(-unit, r.height() + unit, unit, 2 * unit));
    p.setBrush(Qt::black);
    p.drawRect(r);
  }
}

void DrawMeterHousing(QImage& background, int32_t layoutWidth) {
  const QRect box = Scaled(layoutWidth, design::kBonusMeterBox);
  const QSize meter =
      Grown(layoutWidth, QSize(design::kMeterFrameWidth, design::kMeterFrameHeight));
  if (layoutWidth <= kDesignWidth || meter.width() >= box.width()) return;
  const double unit = static_cast<double>(layoutWidth) / kDesignWidth;
  const QRectF target(box.left() + (box.width() - meter.width()) / 2,
                      box.top() + (box.height() - meter.height()) / 2, meter.width(),
                      meter.height());
  // The face runs on across the old well in the colours beside it.
  const QRectF seat = QRectF(box).adjusted(-4 * unit, -4 * unit, 4 * unit, 4 * unit);
  const int y = std::clamp(static_cast<int>(target.center().y()), 0, background.height() - 1);
  const int leftX = std::max(0, static_cast<int>(seat.left()) - 2);
  const int rightX = std::min(background.width() - 1, static_cast<int>(seat.right()) + 2);
  QLinearGradient face(seat.topLeft(), seat.topRight());
  face.setColorAt(0, background.pixelColor(leftX, y));
  face.setColorAt(1, background.pixelColor(rightX, y));
  QPainter p(&background);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.fillRect(seat, face);
  // The recess, its glowing rim and the cyan line, hugging the meter.
  const QRectF well = target.adjusted(-4 * unit, -4 * unit, 4 * unit, 4 * unit);
  p.setBrush(QColor(0x07, 0x05, 0x14));
  p.drawRoundedRect(well.adjusted(-3 * unit, -3 * unit, 3 * unit, 3 * unit), 9 * unit, 9 * unit);
  QRadialGradient rim(well.center(), well.width() * 0.6);
  rim.setColorAt(0.8, QColor(0xff, 0x3f, 0xa4, 0));
  rim.setColorAt(1, QColor(0xff, 0x3f, 0xa4, 70));
  p.setBrush(rim);
  p.drawRoundedRect(well, 7 * unit, 7 * unit);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(0x38, 0xe8, 0xff, 110), unit));
  p.drawRoundedRect(well.adjusted(1.5 * unit, 1.5 * unit, -1.5 * unit, -1.5 * unit), 6 * unit,
                    6 * unit);
}

MachineArt BuildMachineArt(const Artwork& artwork, const Picture& symbolSheet, int32_t layoutWidth,
                           bool stretchSheet) {
  MachineArt art;
  art.layoutWidth = layoutWidth;
  art.leverRegion = Scaled(layoutWidth, design::kLeverRegion);
  art.leverPivot =
      QPoint(ScaleBy(layoutWidth, design::kLeverHub.x), ScaleBy(layoutWidth, design::kLeverHub.y));
  const std::vector<std::function<void()>> jobs = Jobs(art, artwork, symbolSheet, stretchSheet);
  // The background is the largest job by far: it runs beside all the others.
  std::future<void> background = std::async(std::launch::async, jobs.front());
  for (std::size_t i = 1; i < jobs.size(); ++i)
    jobs[i]();
  background.get();
  return art;
}

void AddLeverArt(MachineArt& art, const Artwork& artwork) {
  if (artwork.backgroundReplaced || !art.leverArm.isNull()) return;
  const QSize size = art.leverRegion.size();
  art.leverBackdrop = At(artwork.leverBackdrop, size);
  const QImage arm =
      At(artwork.leverArm, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  const QImage hub =
      At(artwork.leverHub, size).convertToFormat(QImage::Format_ARGB32_Premultiplied);
  // The arm is squashed as it is drawn: it keeps its rows, and two clear
  // columns either side for the smoothing to reach into.
  const QRect armShown = Shown(arm);
  const int left = std::max(0, armShown.left() - 2);
  const int right = std::min(arm.width() - 1, armShown.right() + 2);
  art.leverArmLeft = left;
  art.leverArm = armShown.isEmpty() ? arm : arm.copy(left, 0, right - left + 1, arm.height());
  const QRect hubShown = Shown(hub);
  art.leverHubAt = art.leverRegion.topLeft() + hubShown.topLeft();
  art.leverHub = hub.copy(hubShown);
}

}  // namespace vexlor
