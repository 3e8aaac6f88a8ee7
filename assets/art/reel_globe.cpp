// SPDX-License-Identifier: GPL-3.0-or-later
// The WILD globe: a glossy blue planet in a gold bezel with a gold banner.
#include <QLinearGradient>
#include <QRadialGradient>
#include <cmath>

#include "assets/art/palette.h"
#include "assets/art/reel_draw.h"

namespace vexlor::art::reel {

namespace {

const QPointF kCentre(50, 41);
constexpr double kRadius = 32;

QPainterPath Land() {
  QPainterPath land;
  land.moveTo(24, 20);
  land.cubicTo(30, 13, 42, 13, 44, 19);
  land.cubicTo(46, 24, 40, 28, 37, 31);
  land.cubicTo(35, 34, 36, 37, 33, 38);
  land.cubicTo(29, 39, 27, 35, 23, 34);
  land.cubicTo(19, 33, 18, 27, 24, 20);
  land.closeSubpath();
  land.moveTo(34, 42);
  land.cubicTo(39, 40, 44, 43, 43, 49);
  land.cubicTo(42, 55, 38, 60, 35, 66);
  land.cubicTo(33, 60, 31, 55, 31, 50);
  land.cubicTo(31, 46, 31, 43, 34, 42);
  land.closeSubpath();
  land.moveTo(53, 19);
  land.cubicTo(58, 14, 70, 13, 78, 18);
  land.cubicTo(83, 22, 82, 28, 76, 29);
  land.cubicTo(71, 30, 67, 28, 63, 31);
  land.cubicTo(59, 34, 54, 32, 52, 28);
  land.cubicTo(50, 25, 50, 22, 53, 19);
  land.closeSubpath();
  land.moveTo(56, 36);
  land.cubicTo(61, 34, 67, 36, 68, 41);
  land.cubicTo(69, 47, 65, 52, 63, 58);
  land.cubicTo(60, 55, 57, 50, 56, 45);
  land.cubicTo(55, 41, 54, 38, 56, 36);
  land.closeSubpath();
  land.addEllipse(QPointF(77, 43), 4, 2.6);
  land.addEllipse(QPointF(47, 33), 2.2, 1.5);
  return land;
}

// A soft gold glow around the bezel.
void DrawHalo(QPainter& p) {
  const double inner = kRadius + 3;
  const double outer = kRadius + 7;
  QRadialGradient glow(kCentre, outer);
  glow.setColorAt(inner / outer, WithAlpha(palette::kGold, 190));
  glow.setColorAt(1, WithAlpha(palette::kGold, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(kCentre, outer, outer);
}

void DrawBezel(QPainter& p) {
  QLinearGradient gold(kCentre - QPointF(kRadius, kRadius), kCentre + QPointF(kRadius, kRadius));
  gold.setColorAt(0, palette::kGoldHigh);
  gold.setColorAt(0.35, palette::kGold);
  gold.setColorAt(0.6, palette::kGoldHigh);
  gold.setColorAt(1, palette::kGoldDeep);
  p.setPen(QPen(Mix(palette::kGoldDeep, Qt::black, 0.3), 1.4));
  p.setBrush(gold);
  p.drawEllipse(kCentre, kRadius + 3.6, kRadius + 3.6);
}

void DrawSea(QPainter& p, const QPainterPath& sphere) {
  const QPointF focus = kCentre + QPointF(-0.4 * kRadius, -0.45 * kRadius);
  QRadialGradient sea(kCentre, kRadius, focus);
  sea.setColorAt(0, QColor(0x9c, 0xe6, 0xff));
  sea.setColorAt(0.35, QColor(0x2c, 0x92, 0xf4));
  sea.setColorAt(0.8, QColor(0x14, 0x4a, 0xc0));
  sea.setColorAt(1, QColor(0x0a, 0x22, 0x6e));
  p.setPen(Qt::NoPen);
  p.setBrush(sea);
  p.drawPath(sphere);

  QRadialGradient green(kCentre, kRadius, focus);
  green.setColorAt(0, QColor(0xb4, 0xf4, 0x8a));
  green.setColorAt(0.4, QColor(0x38, 0xc0, 0x4c));
  green.setColorAt(1, QColor(0x0e, 0x5a, 0x26));
  p.setPen(QPen(QColor(0x0c, 0x4a, 0x22, 150), 0.8));
  p.setBrush(green);
  p.drawPath(Land().intersected(sphere));
}

// Meridians and parallels, as seen slightly from above.
void DrawGrid(QPainter& p) {
  p.setPen(QPen(QColor(255, 255, 255, 80), 0.9));
  p.setBrush(Qt::NoBrush);
  for (double s : {0.0, 0.5, 0.87}) {
    p.drawEllipse(kCentre, kRadius * s, kRadius);
  }
  for (double lat : {-0.75, -0.4, 0.0, 0.4, 0.75}) {
    const double rx = kRadius * std::sqrt(1 - lat * lat);
    const double y = kCentre.y() + kRadius * lat;
    p.drawArc(QRectF(kCentre.x() - rx, y - rx * 0.2, 2 * rx, rx * 0.4), 180 * 16, 180 * 16);
  }
}

void DrawShading(QPainter& p, const QPainterPath& sphere) {
  QRadialGradient limb(kCentre + QPointF(-4, -5), kRadius + 5);
  limb.setColorAt(0.6, QColor(4, 10, 50, 0));
  limb.setColorAt(1, QColor(4, 10, 50, 170));
  p.setPen(Qt::NoPen);
  p.setBrush(limb);
  p.drawPath(sphere);
  // Cyan air glow along the lower-right limb.
  p.setPen(QPen(WithAlpha(palette::kCyan, 150), 1.8, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  const double r = kRadius - 1.6;
  p.drawArc(QRectF(kCentre.x() - r, kCentre.y() - r, 2 * r, 2 * r), 5 * 16, -110 * 16);
  Sheen(p, sphere,
        QRectF(kCentre.x() - 0.78 * kRadius, kCentre.y() - 0.84 * kRadius, 0.85 * kRadius,
               0.55 * kRadius),
        200);
  Sheen(p, sphere,
        QRectF(kCentre.x() - 0.62 * kRadius, kCentre.y() - 0.74 * kRadius, 0.42 * kRadius,
               0.26 * kRadius),
        240);
}

// The banner's centre line bows up by this much at the middle.
double Bow(double x) {
  const double u = (x - 50) / 42;
  return 6 * (1 - u * u);
}

QPainterPath Banner() {
  QPainterPath band;
  band.moveTo(8, 61);
  band.quadTo(50, 49, 92, 61);
  band.lineTo(92, 83);
  band.quadTo(50, 71, 8, 83);
  band.closeSubpath();
  return band;
}

void DrawTails(QPainter& p) {
  QPainterPath tails;
  for (int side : {-1, 1}) {
    const auto x = [side](double dx) { return 50 + side * dx; };
    tails.moveTo(x(34), 68);
    tails.lineTo(x(48), 70);
    tails.lineTo(x(43), 78.5);
    tails.lineTo(x(48), 88);
    tails.lineTo(x(34), 86);
    tails.closeSubpath();
  }
  QLinearGradient g(0, 68, 0, 88);
  g.setColorAt(0, palette::kGold);
  g.setColorAt(1, palette::kGoldDeep);
  p.setPen(QPen(Mix(palette::kGoldDeep, Qt::black, 0.4), 1.2, Qt::SolidLine, Qt::SquareCap,
                Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(tails);
}

QPainterPath BowedText() {
  QPainterPath text = FittedText("WILD", "DejaVu Sans", QRectF(17, 64.5, 66, 15));
  for (int i = 0; i < text.elementCount(); ++i) {
    const QPointF e = text.elementAt(i);
    text.setElementPositionAt(i, e.x(), e.y() - Bow(e.x()));
  }
  return text;
}

void DrawBanner(QPainter& p) {
  DrawTails(p);
  const QPainterPath band = Banner();
  QLinearGradient g(0, 52, 0, 82);
  g.setColorAt(0, palette::kGoldHigh);
  g.setColorAt(0.3, QColor(0xff, 0xd8, 0x5a));
  g.setColorAt(0.75, palette::kGold);
  g.setColorAt(1, Mix(palette::kGold, palette::kGoldDeep, 0.6));
  p.setPen(QPen(Mix(palette::kGoldDeep, Qt::black, 0.3), 1.4, Qt::SolidLine, Qt::SquareCap,
                Qt::RoundJoin));
  p.setBrush(g);
  p.drawPath(band);
  // Thin inner rules along both edges.
  p.setPen(QPen(WithAlpha(palette::kGoldDeep, 170), 0.8));
  p.setBrush(Qt::NoBrush);
  QPainterPath rules;
  rules.moveTo(11, 63.2);
  rules.quadTo(50, 51.2, 89, 63.2);
  rules.moveTo(89, 80.8);
  rules.quadTo(50, 68.8, 11, 80.8);
  p.drawPath(rules);

  const QPainterPath text = BowedText();
  p.setPen(QPen(WithAlpha(Qt::white, 190), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  p.setBrush(Qt::NoBrush);
  p.drawPath(text.translated(0, 0.7));
  QLinearGradient ink(0, 58, 0, 80);
  ink.setColorAt(0, palette::kBodyLight);
  ink.setColorAt(1, palette::kBodyDark);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  p.drawPath(text);
  Sheen(p, band, QRectF(20, 53, 60, 11), 120);
}

}  // namespace

void DrawGlobe(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  DrawHalo(p);
  DrawBezel(p);
  QPainterPath sphere;
  sphere.addEllipse(kCentre, kRadius, kRadius);
  DrawSea(p, sphere);
  p.save();
  p.setClipPath(sphere);
  DrawGrid(p);
  p.restore();
  DrawShading(p, sphere);
  DrawBanner(p);
  Sparkle(p, QPointF(13, 14), 8, palette::kGoldHigh);
  Sparkle(p, QPointF(88, 38), 5, Qt::white);
  Sparkle(p, QPointF(19, 50), 3.5, palette::kGoldHigh);
}

}  // namespace vexlor::art::reel
