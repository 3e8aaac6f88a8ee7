// SPDX-License-Identifier: GPL-3.0-or-later
// The cut symbols: the cyan diamond, the magenta star and the BAR plate.
#include <QLinearGradient>
#include <QPolygonF>
#include <array>
#include <cmath>
#include <numbers>

#include "assets/art/palette.h"
#include "assets/art/reel_draw.h"

namespace vexlor::art::reel {

namespace {

void Facet(QPainter& p, std::initializer_list<QPointF> corners, const QColor& colour) {
  p.setBrush(colour);
  p.drawPolygon(QPolygonF(QList<QPointF>(corners)));
}

// Cyan shades of the diamond's facets, from the lightest to the deepest.
const std::array<QColor, 6> kIce = {QColor(0xec, 0xfe, 0xff), QColor(0xa6, 0xf3, 0xff),
                                    palette::kCyan,           QColor(0x12, 0xb4, 0xe6),
                                    QColor(0x0a, 0x7a, 0xc2), QColor(0x07, 0x48, 0x8e)};

void DrawCrown(QPainter& p, const std::array<QPointF, 5>& g, const std::array<QPointF, 3>& t) {
  Facet(p, {g[0], t[0], g[1]}, kIce[1]);
  Facet(p, {t[0], g[1], g[2]}, kIce[0]);
  Facet(p, {t[0], t[1], g[2]}, kIce[2]);
  Facet(p, {t[1], t[2], g[2]}, kIce[1]);
  Facet(p, {t[2], g[2], g[3]}, kIce[3]);
  Facet(p, {t[2], g[3], g[4]}, kIce[4]);
}

void DrawPavilion(QPainter& p, const std::array<QPointF, 5>& g, QPointF point) {
  static constexpr std::array<int, 8> kShade = {1, 3, 0, 2, 3, 2, 4, 5};
  for (int i = 0; i < 4; ++i) {
    const QPointF mid = (g[i] + g[i + 1]) / 2;
    Facet(p, {g[i], mid, point}, kIce[kShade[2 * i]]);
    Facet(p, {mid, g[i + 1], point}, kIce[kShade[2 * i + 1]]);
  }
}

}  // namespace

void DrawDiamond(QPainter& p) {
  const std::array<QPointF, 5> girdle = {QPointF(9, 38), QPointF(29.5, 38), QPointF(50, 38),
                                         QPointF(70.5, 38), QPointF(91, 38)};
  const std::array<QPointF, 3> table = {QPointF(30, 19), QPointF(50, 19), QPointF(70, 19)};
  const QPointF point(50, 87);
  QPainterPath outline;
  outline.addPolygon(QPolygonF({table[0], table[2], girdle[4], point, girdle[0], table[0]}));

  p.setPen(QPen(QColor(255, 255, 255, 130), 0.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  DrawCrown(p, girdle, table);
  DrawPavilion(p, girdle, point);
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.3));
  p.drawLine(girdle[0], girdle[4]);

  QLinearGradient sheen(0, 19, 0, 70);
  sheen.setColorAt(0, QColor(255, 255, 255, 90));
  sheen.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(QPen(QColor(0x05, 0x3c, 0x66), 1.7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(sheen);
  p.drawPath(outline);
  Sparkle(p, QPointF(31, 20), 10, Qt::white);
  Sparkle(p, QPointF(62, 60), 5, Qt::white);
}

void DrawStar(QPainter& p) {
  const QPointF c(50, 52);
  const double outer = 41;
  const double inner = outer * 0.48;
  const auto at = [&](double r, double step) {
    const double a = (-90 + 36 * step) * std::numbers::pi / 180;
    return c + QPointF(r * std::cos(a), r * std::sin(a));
  };
  const QPointF light(-0.55, -0.83);
  const QColor dark(0x8a, 0x08, 0x4e), light0(0xff, 0xbc, 0xe2);
  p.setPen(QPen(QColor(255, 255, 255, 70), 0.6));
  QPainterPath outline;
  for (int k = 0; k < 5; ++k) {
    const QPointF tip = at(outer, 2 * k);
    for (int side : {-1, 1}) {
      const QPointF notch = at(inner, 2 * k + side);
      // Each half point is a flat facet; its shade follows the outward side's slope to the light.
      const QPointF edge = tip - notch;
      QPointF normal(edge.y(), -edge.x());
      if (QPointF::dotProduct(normal, notch - c) < 0) normal = -normal;
      normal /= std::hypot(normal.x(), normal.y());
      const double b = 0.5 + 0.5 * QPointF::dotProduct(normal, light);
      const QColor shade = b < 0.5 ? Mix(dark, palette::kMagenta, b * 2)
                                   : Mix(palette::kMagenta, light0, (b - 0.5) * 2);
      Facet(p, {c, notch, tip}, shade);
    }
    if (k == 0) outline.moveTo(tip);
    outline.lineTo(tip);
    outline.lineTo(at(inner, 2 * k + 1));
  }
  outline.closeSubpath();
  p.setPen(QPen(QColor(0x62, 0x04, 0x38), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(outline);
  Sheen(p, outline, QRectF(28, 24, 30, 22), 130);
  Sparkle(p, at(outer * 0.55, -1.2), 5, Qt::white);
}

void DrawBar(QPainter& p) {
  const QRectF plate(7, 27, 86, 46);
  QLinearGradient chrome(0, plate.top(), 0, plate.bottom());
  chrome.setColorAt(0, palette::kChromeHigh);
  chrome.setColorAt(0.45, palette::kChromeMid);
  chrome.setColorAt(0.55, palette::kChromeLow);
  chrome.setColorAt(0.8, palette::kChromeMid);
  chrome.setColorAt(1, palette::kChromeHigh);
  p.setPen(QPen(QColor(0x26, 0x2a, 0x36), 1.5));
  p.setBrush(chrome);
  p.drawRoundedRect(plate, 9, 9);

  const QRectF face = plate.adjusted(4.5, 4.5, -4.5, -4.5);
  QLinearGradient indigo(0, face.top(), 0, face.bottom());
  indigo.setColorAt(0, palette::kBodyLight);
  indigo.setColorAt(0.5, palette::kBody);
  indigo.setColorAt(1, palette::kBodyDark);
  p.setPen(QPen(QColor(0x14, 0x10, 0x30), 1));
  p.setBrush(indigo);
  p.drawRoundedRect(face, 6, 6);
  QPainterPath facePath;
  facePath.addRoundedRect(face, 6, 6);

  const QPainterPath text = FittedText("BAR", "DejaVu Sans", face.adjusted(5, 5, -5, -5));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 150));
  p.drawPath(text.translated(1, 1.5));
  QLinearGradient gold(0, face.top() + 5, 0, face.bottom() - 5);
  gold.setColorAt(0, palette::kGoldHigh);
  gold.setColorAt(0.5, palette::kGold);
  gold.setColorAt(0.52, QColor(0xd0, 0x92, 0x1c));
  gold.setColorAt(1, palette::kGoldHigh);
  p.setPen(QPen(palette::kGoldDeep, 0.9, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(gold);
  p.drawPath(text);

  // Glass sheen over the upper half of the plate.
  p.save();
  p.setClipPath(facePath);
  QLinearGradient glass(0, face.top(), 0, face.center().y());
  glass.setColorAt(0, QColor(255, 255, 255, 80));
  glass.setColorAt(1, QColor(255, 255, 255, 12));
  p.setPen(Qt::NoPen);
  p.setBrush(glass);
  p.drawRect(QRectF(face.left(), face.top(), face.width(), face.height() / 2));
  p.restore();
}

}  // namespace vexlor::art::reel
