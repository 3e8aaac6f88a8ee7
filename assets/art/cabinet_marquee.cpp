// SPDX-License-Identifier: GPL-3.0-or-later
// The parts that flash after a win: the title marquee, the name plate and the
// "$1" coin spot, each drawn lit or dim from one function so the two states
// line up pixel for pixel.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

// Points spaced evenly along the rounded rectangle `r`.
QVector<QPointF> AlongRect(const QRectF& r, double radius, int count) {
  const QPainterPath path = Rounded(r, radius);
  QVector<QPointF> points;
  for (int i = 0; i < count; ++i)
    points.append(path.pointAtPercent((i + 0.5) / count));
  return points;
}

void Rays(QPainter& p, QPointF centre, int count, double length, const QColor& colour) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPainterPath ray = SunburstRay(centre, count, i, length);
    QRadialGradient fade(centre, length);
    fade.setColorAt(0, colour);
    fade.setColorAt(1, WithAlpha(colour, 0));
    p.fillPath(ray, fade);
  }
}

}  // namespace

void DrawTitlePanel(QPainter& p, bool lit) {
  const QRectF outer(0.5, 0.5, 301, 142);
  // Frame: gold rim, a dark band of marquee bulbs, a thin inner gold line.
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(outer, 16), Gold(QPointF(0, 0), QPointF(0, 143)));
  const QRectF band = outer.adjusted(4, 4, -4, -4);
  QLinearGradient bandFill(band.topLeft(), band.bottomLeft());
  bandFill.setColorAt(0, QColor(0x2a, 0x0c, 0x3a));
  bandFill.setColorAt(1, QColor(0x12, 0x06, 0x22));
  p.fillPath(Rounded(band, 12), bandFill);
  const QRectF screen = outer.adjusted(20, 20, -20, -20);
  // The screen: deep indigo with a magenta heart and rays when lit.
  QRadialGradient heart(screen.center(), screen.width() * 0.62);
  heart.setColorAt(0, lit ? QColor(0x6a, 0x1c, 0x7e) : QColor(0x24, 0x12, 0x40));
  heart.setColorAt(0.55, lit ? QColor(0x2e, 0x12, 0x5a) : QColor(0x15, 0x0d, 0x2e));
  heart.setColorAt(1, lit ? QColor(0x14, 0x0a, 0x30) : QColor(0x0a, 0x07, 0x1a));
  p.fillPath(Rounded(screen, 6), heart);
  p.save();
  p.setClipPath(Rounded(screen, 6));
  Rays(p, screen.center(), 18, 170, lit ? QColor(255, 120, 220, 46) : QColor(160, 120, 220, 14));
  p.restore();
  MetalRing(p, screen.adjusted(-2, -2, 2, 2), 8, 2, Gold(screen.topLeft(), screen.bottomLeft()));
  // Bulbs: warm white when lit, dark amber glass when not.
  const QVector<QPointF> bulbs = AlongRect(outer.adjusted(12, 12, -12, -12), 8, 44);
  for (const QPointF& b : bulbs) {
    if (lit) {
      QPainterPath halo;
      halo.addEllipse(b, 4, 4);
      Glow(p, halo, QColor(255, 200, 90, 200), 3, 0, QPainter::CompositionMode_Screen);
    }
    p.setBrush(QColor(0x1a, 0x0a, 0x10));
    p.drawEllipse(b, 5, 5);
    Bulb(p, b, 4, lit ? QColor(0xff, 0xd2, 0x60) : QColor(0xb0, 0x78, 0x30), lit);
  }
  // "Vexlor": big gold serif with a magenta neon glow.
  const QFont big = Font("DejaVu Serif", 58, QFont::Bold);
  const QPainterPath name = TextPath(QStringLiteral("Vexlor"), big, QPointF(151, 62));
  const QRectF nb = name.boundingRect();
  if (lit) Glow(p, name, palette::kMagenta, 6, 3, QPainter::CompositionMode_Screen);
  QLinearGradient nameFill(0, nb.top(), 0, nb.bottom());
  if (lit) {
    nameFill.setColorAt(0, QColor(255, 255, 235));
    nameFill.setColorAt(0.35, palette::kGoldHigh);
    nameFill.setColorAt(0.6, palette::kGold);
    nameFill.setColorAt(1, QColor(0xc2, 0x7a, 0x14));
  } else {
    nameFill.setColorAt(0, QColor(0xb8, 0x98, 0x58));
    nameFill.setColorAt(0.55, QColor(0x8a, 0x66, 0x24));
    nameFill.setColorAt(1, QColor(0x5e, 0x40, 0x12));
  }
  FillOutlined(p, name, QColor(0x2a, 0x08, 0x20), QColor(0x2a, 0x08, 0x20), 6);
  p.fillPath(name.translated(0, 2), QColor(0x40, 0x10, 0x30));
  p.fillPath(name, nameFill);
  // "SLOTS": spaced chrome capitals with a cyan glow, between two gold bars.
  const QFont caption = Font("DejaVu Sans", 22, QFont::Bold, 9);
  const QPainterPath slotsWord = TextPath(QStringLiteral("SLOTS"), caption, QPointF(155, 106));
  const QRectF slotsBox = slotsWord.boundingRect();
  if (lit) Glow(p, slotsWord, palette::kCyan, 4, 2, QPainter::CompositionMode_Screen);
  const QColor slotsTop = lit ? QColor(255, 255, 255) : QColor(0x9a, 0xa0, 0xb4);
  const QColor slotsLow = lit ? palette::kCyan : QColor(0x4a, 0x6a, 0x80);
  QLinearGradient slotsFill(0, slotsBox.top(), 0, slotsBox.bottom());
  slotsFill.setColorAt(0, slotsTop);
  slotsFill.setColorAt(1, slotsLow);
  FillOutlined(p, slotsWord, slotsFill, QColor(0x10, 0x06, 0x20), 4);
  for (double side : {-1.0, 1.0}) {
    const double x0 = side < 0 ? 40 : slotsBox.right() + 12;
    const double x1 = side < 0 ? slotsBox.left() - 12 : 262;
    const QRectF bar(x0, 104, x1 - x0, 4);
    p.fillPath(Rounded(bar, 2), lit ? QBrush(Gold(bar.topLeft(), bar.bottomLeft()))
                                    : QBrush(QColor(0x6a, 0x4c, 0x1a)));
  }
}

void DrawNamePlate(QPainter& p, bool lit) {
  const QRectF plate(1, 4, 434, 43);
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(plate.adjusted(-1, -1, 1, 1), 12), QColor(0, 0, 0, 150));
  QLinearGradient glass(plate.topLeft(), plate.bottomLeft());
  glass.setColorAt(0, lit ? QColor(0x2c, 0x0c, 0x3c) : QColor(0x12, 0x08, 0x22));
  glass.setColorAt(0.5, lit ? QColor(0x1c, 0x08, 0x2c) : QColor(0x0b, 0x06, 0x16));
  glass.setColorAt(1, lit ? QColor(0x30, 0x0c, 0x3a) : QColor(0x10, 0x08, 0x1c));
  p.fillPath(Rounded(plate, 11), glass);
  MetalRing(p, plate, 11, 3, Chrome(plate.topLeft(), plate.bottomLeft()));
  const QFont font = Font("DejaVu Sans", 18, QFont::Bold, 2.6);
  const QPainterPath motto =
      TextPath(QStringLiteral("FORTUNE FAVOURS THE BOLD"), font, plate.center());
  const QRectF mb = motto.boundingRect();
  if (lit) Glow(p, motto, palette::kMagenta, 4, 2.5, QPainter::CompositionMode_Screen);
  FillOutlined(p, motto, lit ? Mix(palette::kMagenta, Qt::white, 0.6) : QColor(0x6a, 0x2a, 0x52),
               lit ? QColor(0x5a, 0x06, 0x32) : QColor(0x1a, 0x06, 0x14), 3);
  // A star at either end.
  for (double x : {mb.left() - 22, mb.right() + 22}) {
    QPainterPath star;
    for (int i = 0; i < 10; ++i) {
      const double a = -std::numbers::pi / 2 + i * std::numbers::pi / 5;
      const double r = i % 2 == 0 ? 9 : 3.8;
      const QPointF pt(x + r * std::cos(a), plate.center().y() + 0.5 + r * std::sin(a));
      if (i == 0) {
        star.moveTo(pt);
      } else {
        star.lineTo(pt);
      }
    }
    star.closeSubpath();
    if (lit) Glow(p, star, palette::kCyan, 3, 1.5, QPainter::CompositionMode_Screen);
    FillOutlined(p, star, lit ? Mix(palette::kCyan, Qt::white, 0.5) : QColor(0x2a, 0x5a, 0x6a),
                 QColor(0x06, 0x10, 0x20), 2);
  }
}

void DrawCoinSpot(QPainter& p, bool lit) {
  const QRectF seat(1, 1, 82, 83);
  Seat(p, seat, 14);
  MetalRing(p, seat, 14, 3, Chrome(seat.topLeft(), seat.bottomLeft()));
  const QPointF c(42, 42.5);
  if (lit) {
    QPainterPath ring;
    ring.addEllipse(c, 31, 31);
    Glow(p, ring, palette::kCyan, 4, 1, QPainter::CompositionMode_Screen);
  }
  // The rim: a bright ring of reeded gold, then the coin's face.
  QRadialGradient rim(c + QPointF(-10, -12), 44);
  rim.setColorAt(0, lit ? palette::kGoldHigh : QColor(0xa0, 0x86, 0x50));
  rim.setColorAt(0.55, lit ? palette::kGold : QColor(0x7a, 0x58, 0x1e));
  rim.setColorAt(1, lit ? palette::kGoldDeep : QColor(0x3a, 0x26, 0x08));
  p.setPen(QPen(QColor(0x20, 0x12, 0x02), 1.5));
  p.setBrush(rim);
  p.drawEllipse(c, 29, 29);
  p.setPen(QPen(WithAlpha(lit ? palette::kGoldDeep : QColor(0x30, 0x20, 0x06), 150), 1.2));
  for (int i = 0; i < 40; ++i) {
    const double a = 2 * std::numbers::pi * i / 40;
    const QPointF d(std::cos(a), std::sin(a));
    p.drawLine(c + d * 25.5, c + d * 28.3);
  }
  QLinearGradient face(c + QPointF(0, -23), c + QPointF(0, 23));
  face.setColorAt(0, lit ? palette::kGold : QColor(0x84, 0x64, 0x28));
  face.setColorAt(1, lit ? palette::kGoldHigh : QColor(0xa0, 0x84, 0x4e));
  p.setPen(QPen(lit ? palette::kGoldDeep : QColor(0x3a, 0x26, 0x08), 1.5));
  p.setBrush(face);
  p.drawEllipse(c, 23.5, 23.5);
  // "$1", embossed: light below, dark body.
  const QFont font = Font("DejaVu Serif", 27, QFont::Bold);
  const QPainterPath legend = TextPath(QStringLiteral("$1"), font, c + QPointF(-0.5, 0.5));
  p.fillPath(legend.translated(0.8, 1.2), lit ? QColor(255, 250, 220) : QColor(0xc8, 0xb4, 0x84));
  QLinearGradient ink(c + QPointF(0, -14), c + QPointF(0, 14));
  ink.setColorAt(0, lit ? QColor(0x7a, 0x44, 0x06) : QColor(0x4a, 0x30, 0x0a));
  ink.setColorAt(1, lit ? QColor(0xa8, 0x62, 0x0a) : QColor(0x5e, 0x3e, 0x10));
  p.fillPath(legend, ink);
}

}  // namespace vexlor::art::cabinet
