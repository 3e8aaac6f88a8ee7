// SPDX-License-Identifier: GPL-3.0-or-later
// The publisher's logo: a casino chip over a gold-framed VEXLOR plaque, and
// its mask.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

const QPointF kChip(62.5, 36.5);
constexpr double kChipRadius = 34;
const QRectF kPlaque(9, 65, 107, 27);

// A ring sector between radii r0 and r1 from angle a0 to a1 (degrees, clockwise from 3 o'clock).
QPainterPath Sector(QPointF c, double r0, double r1, double a0, double a1) {
  QPainterPath path;
  path.arcMoveTo(QRectF(c.x() - r1, c.y() - r1, 2 * r1, 2 * r1), -a0);
  path.arcTo(QRectF(c.x() - r1, c.y() - r1, 2 * r1, 2 * r1), -a0, -(a1 - a0));
  path.arcTo(QRectF(c.x() - r0, c.y() - r0, 2 * r0, 2 * r0), -a1, a1 - a0);
  path.closeSubpath();
  return path;
}

QImage LogoLayer() {
  QImage image = Canvas(kLogoRect.width(), kLogoRect.height());
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  // The chip body: magenta with a dark edge, ivory edge spots.
  p.setBrush(QColor(0x1a, 0x04, 0x14));
  p.drawEllipse(kChip, kChipRadius, kChipRadius);
  QRadialGradient body(kChip + QPointF(-10, -12), kChipRadius * 1.5);
  body.setColorAt(0, Mix(palette::kMagenta, Qt::white, 0.25));
  body.setColorAt(0.5, palette::kMagenta);
  body.setColorAt(1, palette::kMagenta.darker(220));
  p.setBrush(body);
  p.drawEllipse(kChip, kChipRadius - 1.5, kChipRadius - 1.5);
  for (int i = 0; i < 8; ++i) {
    const double a = i * 45.0 + 22.5;
    p.fillPath(Sector(kChip, 22, kChipRadius - 2.5, a - 9, a + 9), QColor(0xf4, 0xf0, 0xe4));
  }
  // Dashed gold ring, then the indigo inlay with a gold V.
  p.setBrush(Qt::NoBrush);
  QPen dash(palette::kGoldHigh, 2.2);
  dash.setDashPattern({2.6, 2.2});
  p.setPen(dash);
  p.drawEllipse(kChip, 20, 20);
  p.setPen(Qt::NoPen);
  p.setBrush(Gold(kChip + QPointF(0, -18), kChip + QPointF(0, 18)));
  p.drawEllipse(kChip, 17.5, 17.5);
  QRadialGradient inlay(kChip + QPointF(-4, -6), 22);
  inlay.setColorAt(0, palette::kBodyLight);
  inlay.setColorAt(1, palette::kBodyDark);
  p.setBrush(inlay);
  p.drawEllipse(kChip, 15, 15);
  const QPainterPath v =
      TextPath(QStringLiteral("V"), Font("DejaVu Serif", 24, QFont::Bold), kChip + QPointF(0, 0.5));
  FillOutlined(p, v, Gold(kChip + QPointF(0, -10), kChip + QPointF(0, 10)),
               QColor(0x10, 0x06, 0x20), 2);
  // Gloss over the chip.
  QRadialGradient gloss(kChip + QPointF(-12, -16), 30);
  gloss.setColorAt(0, QColor(255, 255, 255, 90));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(gloss);
  p.drawEllipse(kChip, kChipRadius - 1.5, kChipRadius - 1.5);
  // The plaque with the name.
  p.fillPath(Rounded(kPlaque, 9), QColor(0x1a, 0x0c, 0x02));
  p.fillPath(Rounded(kPlaque.adjusted(1, 1, -1, -1), 8),
             Gold(kPlaque.topLeft(), kPlaque.bottomLeft()));
  QLinearGradient plate(kPlaque.topLeft(), kPlaque.bottomLeft());
  plate.setColorAt(0, palette::kBodyLight);
  plate.setColorAt(1, palette::kBodyDark);
  p.fillPath(Rounded(kPlaque.adjusted(3.5, 3.5, -3.5, -3.5), 5.5), plate);
  const QPainterPath name = TextPath(QStringLiteral("VEXLOR"),
                                     Font("DejaVu Sans", 15, QFont::Black, 2.5), kPlaque.center());
  const QRectF nb = name.boundingRect();
  QLinearGradient fill(0, nb.top(), 0, nb.bottom());
  fill.setColorAt(0, QColor(255, 255, 255));
  fill.setColorAt(1, palette::kGoldHigh);
  FillOutlined(p, name, fill, QColor(0x08, 0x04, 0x18), 2.5);
  p.end();
  return image;
}

}  // namespace
}  // namespace vexlor::art::cabinet

namespace vexlor::art {
using namespace cabinet;

QImage Logo() {
  QImage image = Canvas(kLogoRect.width(), kLogoRect.height(), Qt::black);
  QPainter p(&image);
  p.drawImage(0, 0, LogoLayer());
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

QImage LogoMask() {
  const QImage layer = LogoLayer();
  QImage mask(layer.size(), QImage::Format_Grayscale8);
  mask.setDevicePixelRatio(layer.devicePixelRatio());
  for (int y = 0; y < mask.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(layer.constScanLine(y));
    uchar* to = mask.scanLine(y);
    for (int x = 0; x < mask.width(); ++x)
      to[x] = static_cast<uchar>(255 - qAlpha(from[x]));
  }
  return mask;
}

}  // namespace vexlor::art
