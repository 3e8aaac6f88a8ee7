// SPDX-License-Identifier: GPL-3.0-or-later
// The desktop icon: the logo's chip, large enough to stand alone in a menu.
#include <QPainterPathStroker>
#include <QRadialGradient>

#include "assets/art/art.h"
#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art {
namespace {

using cabinet::Font;
using cabinet::Gold;
using cabinet::Mix;
using cabinet::TextPath;

constexpr double kMiddle = kIconField / 2.0;
const QPointF kCentre(kMiddle, kMiddle);
constexpr double kRadius = 120;

QPainterPath Disc(double radius) {
  QPainterPath path;
  path.addEllipse(kCentre, radius, radius);
  return path;
}

// A ring sector between radii r0 and r1 from angle a0 to a1 (degrees, clockwise from 3 o'clock).
QPainterPath Sector(double r0, double r1, double a0, double a1) {
  const QRectF outer(kMiddle - r1, kMiddle - r1, 2 * r1, 2 * r1);
  const QRectF inner(kMiddle - r0, kMiddle - r0, 2 * r0, 2 * r0);
  QPainterPath path;
  path.arcMoveTo(outer, -a0);
  path.arcTo(outer, -a0, -(a1 - a0));
  path.arcTo(inner, -a1, a1 - a0);
  path.closeSubpath();
  return path;
}

QPainterPath Stroked(const QPainterPath& path, double width, const QVector<qreal>& dashes = {}) {
  QPainterPathStroker stroker;
  stroker.setWidth(width);
  stroker.setJoinStyle(Qt::RoundJoin);
  stroker.setCapStyle(dashes.isEmpty() ? Qt::RoundCap : Qt::FlatCap);
  if (!dashes.isEmpty()) stroker.setDashPattern(dashes);
  return stroker.createStroke(path);
}

QRadialGradient Radial(QPointF centre, double radius, std::initializer_list<QGradientStop> stops) {
  QRadialGradient gradient(centre, radius);
  for (const QGradientStop& stop : stops)
    gradient.setColorAt(stop.first, stop.second);
  return gradient;
}

}  // namespace

std::vector<IconLayer> IconLayers() {
  const QColor ivory(0xf4, 0xf0, 0xe4);
  std::vector<IconLayer> layers;
  layers.push_back({Disc(kRadius), QColor(0x1a, 0x04, 0x14)});
  layers.push_back({Disc(kRadius - 5), Radial(kCentre + QPointF(-35, -42), kRadius * 1.5,
                                              {{0, Mix(palette::kMagenta, Qt::white, 0.25)},
                                               {0.5, palette::kMagenta},
                                               {1, palette::kMagenta.darker(220)}})});
  QPainterPath spots;
  for (int i = 0; i < 8; ++i) {
    const double a = i * 45.0 + 22.5;
    spots.addPath(Sector(78, kRadius - 9, a - 9, a + 9));
  }
  layers.push_back({spots, ivory});
  // Dashed gold ring, then the indigo inlay with a gold V.
  layers.push_back({Stroked(Disc(70), 7.5, {2.6, 2.2}), palette::kGoldHigh});
  layers.push_back({Disc(62), Gold(kCentre + QPointF(0, -62), kCentre + QPointF(0, 62))});
  layers.push_back({Disc(53), Radial(kCentre + QPointF(-14, -20), 76,
                                     {{0, palette::kBodyLight}, {1, palette::kBodyDark}})});
  const QPainterPath v =
      TextPath(QStringLiteral("V"), Font("DejaVu Serif", 84, QFont::Bold), kCentre + QPointF(0, 2));
  layers.push_back({Stroked(v, 7), QColor(0x10, 0x06, 0x20)});
  layers.push_back({v, Gold(kCentre + QPointF(0, -35), kCentre + QPointF(0, 35))});
  // Gloss over the chip.
  layers.push_back(
      {Disc(kRadius - 5), Radial(kCentre + QPointF(-42, -56), 105,
                                 {{0, QColor(255, 255, 255, 90)}, {1, QColor(255, 255, 255, 0)}})});
  return layers;
}

}  // namespace vexlor::art
