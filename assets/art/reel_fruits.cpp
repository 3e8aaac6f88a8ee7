// SPDX-License-Identifier: GPL-3.0-or-later
// The golden bell and the garden symbols: clover, grapes and cherries.
#include <QLinearGradient>
#include <QRadialGradient>
#include <array>
#include <cmath>

#include "assets/art/palette.h"
#include "assets/art/reel_draw.h"

namespace vexlor::art::reel {

namespace {

const QColor kLeafLight(0xa8, 0xf0, 0x84);
const QColor kLeaf(0x34, 0xb4, 0x48);
const QColor kLeafDark(0x0e, 0x58, 0x24);
const QColor kLeafEdge(0x0a, 0x3e, 0x1a);

// A pointed leaf from base to tip, with its midrib.
void DrawLeaf(QPainter& p, QPointF base, QPointF tip, double width) {
  const QPointF along = tip - base;
  const QPointF across =
      QPointF(-along.y(), along.x()) * (width / std::hypot(along.x(), along.y()));
  const QPointF mid = base + along * 0.45;
  QPainterPath leaf;
  leaf.moveTo(base);
  leaf.quadTo(mid + across, tip);
  leaf.quadTo(mid - across, base);
  QLinearGradient g(mid + across * 0.5, mid - across * 0.5);
  g.setColorAt(0, kLeafLight);
  g.setColorAt(0.5, kLeaf);
  g.setColorAt(1, kLeafDark);
  p.setPen(QPen(kLeafEdge, 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(leaf);
  p.setPen(QPen(WithAlpha(kLeafLight, 200), 0.8, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(base + along * 0.1, base + along * 0.8);
}

void DrawStem(QPainter& p, const QPainterPath& stem, const QColor& colour, double width) {
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Mix(colour, Qt::black, 0.5), width + 1.4, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(stem);
  p.setPen(QPen(colour, width, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(stem);
  p.setPen(
      QPen(WithAlpha(Mix(colour, Qt::white, 0.5), 170), width * 0.3, Qt::SolidLine, Qt::RoundCap));
  p.drawPath(stem.translated(-width * 0.2, -width * 0.15));
}

QPainterPath BellBody() {
  QPainterPath body;
  body.moveTo(50, 19);
  body.cubicTo(35, 19, 30, 29, 30, 41);
  body.cubicTo(30, 55, 24, 63, 14, 70);
  body.lineTo(86, 70);
  body.cubicTo(76, 63, 70, 55, 70, 41);
  body.cubicTo(70, 29, 65, 19, 50, 19);
  body.closeSubpath();
  return body;
}

QLinearGradient GoldAcross(double left, double right) {
  QLinearGradient g(left, 0, right, 0);
  g.setColorAt(0, palette::kGoldDeep);
  g.setColorAt(0.17, palette::kGold);
  g.setColorAt(0.32, palette::kGoldHigh);
  g.setColorAt(0.4, QColor(0xff, 0xfb, 0xe8));
  g.setColorAt(0.55, palette::kGold);
  g.setColorAt(0.85, QColor(0xb0, 0x76, 0x16));
  g.setColorAt(1, palette::kGoldDeep);
  return g;
}

}  // namespace

void DrawBell(QPainter& p) {
  const QPen edge(QColor(0x5a, 0x38, 0x06), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
  p.setPen(QPen(palette::kGoldDeep, 3.4));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(QPointF(50, 13.5), 4.6, 4.6);
  p.setPen(QPen(palette::kGoldHigh, 1.4));
  p.drawArc(QRectF(45.4, 8.9, 9.2, 9.2), 60 * 16, 110 * 16);

  GlossyBall(p, QPointF(50, 82.5), 6.5, palette::kGoldHigh, palette::kGold, palette::kGoldDeep);
  const QPainterPath body = BellBody();
  p.setPen(edge);
  p.setBrush(GoldAcross(14, 86));
  p.drawPath(body);
  // Engraved bands around the waist.
  p.setPen(QPen(WithAlpha(palette::kGoldDeep, 170), 1.1));
  p.setBrush(Qt::NoBrush);
  QPainterPath bands;
  bands.moveTo(31, 36);
  bands.quadTo(50, 40, 69, 36);
  bands.moveTo(27, 60);
  bands.quadTo(50, 65, 73, 60);
  p.drawPath(bands);

  const QRectF lip(10, 68, 80, 10);
  QLinearGradient rim(0, lip.top(), 0, lip.bottom());
  rim.setColorAt(0, palette::kGoldHigh);
  rim.setColorAt(0.45, palette::kGold);
  rim.setColorAt(1, palette::kGoldDeep);
  p.setPen(edge);
  p.setBrush(rim);
  p.drawRoundedRect(lip, 5, 5);
  p.setBrush(GoldAcross(10, 90));
  p.setOpacity(0.45);
  p.drawRoundedRect(lip, 5, 5);
  p.setOpacity(1);
  Sheen(p, body, QRectF(31, 22, 11, 42), 190);
  Sparkle(p, QPointF(37, 28), 6, Qt::white);
}

void DrawClover(QPainter& p) {
  const QPointF c(49, 47);
  QPainterPath stem;
  stem.moveTo(c);
  stem.cubicTo(52, 62, 56, 76, 64, 89);
  DrawStem(p, stem, QColor(0x2c, 0x9a, 0x3c), 4);

  QPainterPath heart;
  heart.moveTo(0, 0);
  heart.cubicTo(-5, -4, -19, -12, -19, -24);
  heart.cubicTo(-19, -33, -9, -37, 0, -29);
  heart.cubicTo(9, -37, 19, -33, 19, -24);
  heart.cubicTo(19, -12, 5, -4, 0, 0);
  heart.closeSubpath();
  for (double angle : {-45.0, 45.0, 135.0, 225.0}) {
    QTransform t;
    t.translate(c.x(), c.y());
    t.rotate(angle);
    const QPainterPath leaf = t.map(heart);
    const QPointF mid = t.map(QPointF(0, -18));
    QRadialGradient g(mid, 24, mid + QPointF(-8, -9));
    g.setColorAt(0, kLeafLight);
    g.setColorAt(0.5, kLeaf);
    g.setColorAt(1, kLeafDark);
    p.setPen(QPen(kLeafEdge, 1.5, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(g);
    p.drawPath(leaf);
    // The pale chevron and midrib of each leaflet.
    QPainterPath mark;
    mark.moveTo(-10, -22);
    mark.quadTo(0, -12, 10, -22);
    mark.moveTo(0, -4);
    mark.lineTo(0, -27);
    p.setPen(QPen(WithAlpha(QColor(0xe4, 0xff, 0xcc), 150), 1.2, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawPath(t.map(mark));
    Sheen(p, leaf, QRectF(mid.x() - 11, mid.y() - 11, 13, 10), 150);
  }
  GlossyBall(p, c, 3, kLeafLight, kLeaf, kLeafDark);
}

void DrawGrapes(QPainter& p) {
  QPainterPath stem;
  stem.moveTo(50, 30);
  stem.cubicTo(49, 22, 45, 16, 44, 9);
  DrawStem(p, stem, QColor(0x7a, 0x50, 0x22), 3);
  DrawLeaf(p, QPointF(49, 20), QPointF(80, 10), 8);

  struct Grape {
    double x, y;
  };
  static constexpr std::array<Grape, 10> kBunch = {{{21.5, 35},
                                                    {40.5, 33},
                                                    {59.5, 34},
                                                    {78.5, 36},
                                                    {31, 50.5},
                                                    {50, 49.5},
                                                    {69, 51},
                                                    {40.5, 66},
                                                    {59.5, 66.5},
                                                    {50, 81}}};
  const QColor light(0xd6, 0xb4, 0xff), mid(0x7c, 0x3c, 0xdc), dark(0x2c, 0x0c, 0x68);
  for (const Grape& g : kBunch)
    GlossyBall(p, QPointF(g.x, g.y), 9.8, light, mid, dark);
}

void DrawCherries(QPainter& p) {
  const QPointF knot(57, 17);
  QPainterPath stems;
  stems.moveTo(34, 55);
  stems.cubicTo(36, 40, 46, 25, knot.x(), knot.y());
  stems.moveTo(66, 58);
  stems.cubicTo(66, 44, 60, 30, knot.x(), knot.y());
  DrawStem(p, stems, QColor(0x4e, 0x94, 0x2a), 2.6);
  DrawLeaf(p, knot, QPointF(86, 25), 7.5);

  const QColor light(0xff, 0xa8, 0x98), mid(0xe8, 0x12, 0x2a), dark(0x6c, 0x00, 0x12);
  GlossyBall(p, QPointF(33, 68), 16, light, mid, dark);
  GlossyBall(p, QPointF(66, 71.5), 15.5, light, mid, dark);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x4a, 0x00, 0x0c, 140));
  p.drawEllipse(QPointF(34, 54.5), 2.6, 1.4);
  p.drawEllipse(QPointF(66, 57.5), 2.6, 1.4);
}

}  // namespace vexlor::art::reel
