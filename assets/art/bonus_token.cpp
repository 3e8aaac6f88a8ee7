// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus round's prize token: a gilded jewel capsule on a pedestal, drawn
// closed, with its lid lifting on a crack of light, and open in a burst of
// light; and the mask that cuts it out.
#include <QRadialGradient>
#include <algorithm>
#include <cmath>
#include <numbers>

#include "assets/art/bonus_common.h"
#include "assets/art/cabinet_common.h"
#include "assets/art/memo.h"
#include "assets/art/palette.h"

namespace vexlor::art::bonus {
namespace {

using namespace cabinet;

// The capsule's body, an oblate gold sphere, in frame coordinates.
constexpr QPointF kCentre(50, 36);
constexpr double kRx = 36;
constexpr double kRy = 22;
constexpr double kSeamBow = 5;  // the seam's front dips this far below its ends
constexpr double kBelt = 7;     // the jewelled belt under the seam
// The finial's cyan ball sits this far above the lid's top, in a gold setting.
constexpr double kFinialRise = 4.2;
constexpr double kFinialRadius = 3.2;
constexpr double kSetting = 1.1;  // the gold rim round every jewel
constexpr double kFinialTop = kCentre.y() - kRy - kFinialRise - kFinialRadius - kSetting;
// The lid turns about the seam's right end.
constexpr QPointF kHinge(kCentre.x() + kRx, kCentre.y());
const QColor kInk(0x1e, 0x0e, 0x02);
constexpr double kInkWidth = 1.6;

QRectF Box(QPointF c, double rx, double ry) {
  return {c.x() - rx, c.y() - ry, 2 * rx, 2 * ry};
}

// The seam's front, from the left end to the right, `down` below the seam.
void SeamFront(QPainterPath& path, double down) {
  path.arcTo(Box(kCentre + QPointF(0, down), kRx, kSeamBow), 180, 180);
}

QPainterPath LidShape() {
  QPainterPath path;
  path.moveTo(kCentre - QPointF(kRx, 0));
  path.arcTo(Box(kCentre, kRx, kRy), 180, -180);
  path.arcTo(Box(kCentre, kRx, kSeamBow), 0, -180);
  path.closeSubpath();
  return path;
}

QPainterPath BowlShape() {
  QPainterPath path;
  path.moveTo(kCentre - QPointF(kRx, 0));
  SeamFront(path, 0);
  path.arcTo(Box(kCentre, kRx, kRy), 0, -180);
  path.closeSubpath();
  return path;
}

QPainterPath BeltShape() {
  QPainterPath band;
  band.moveTo(kCentre - QPointF(kRx, 0));
  SeamFront(band, 0);
  band.lineTo(kCentre + QPointF(kRx, kBelt));
  band.arcTo(Box(kCentre + QPointF(0, kBelt), kRx, kSeamBow), 0, -180);
  band.closeSubpath();
  return band.intersected(BowlShape());
}

// Polished gold lit from the upper left.
QRadialGradient ShellGold(QPointF light, double radius) {
  QRadialGradient g(light, radius);
  g.setColorAt(0, QColor(255, 252, 225));
  g.setColorAt(0.22, palette::kGoldHigh);
  g.setColorAt(0.6, palette::kGold);
  g.setColorAt(1, palette::kGoldDeep);
  return g;
}

// Gold turned on a lathe: light a third of the way across, dark at the edges.
QLinearGradient TurnedGold(double left, double right) {
  QLinearGradient g(left, 0, right, 0);
  g.setColorAt(0, palette::kGoldDeep);
  g.setColorAt(0.32, palette::kGoldHigh);
  g.setColorAt(0.6, palette::kGold);
  g.setColorAt(1, palette::kGoldDeep);
  return g;
}

// Meridian ribs over `shape`: half-ellipses through the poles.
void Ribs(QPainter& p, const QPainterPath& shape) {
  p.save();
  p.setClipPath(shape, Qt::IntersectClip);
  p.setBrush(Qt::NoBrush);
  for (double f : {0.38, 0.75}) {
    const QRectF rib = Box(kCentre, kRx * f, kRy);
    p.setPen(QPen(WithAlpha(palette::kGoldDeep, 200), 1));
    p.drawEllipse(rib);
    p.setPen(QPen(WithAlpha(palette::kGoldHigh, 170), 0.7));
    p.drawEllipse(rib.translated(-0.9, 0));
  }
  p.restore();
}

void DrawPedestal(QPainter& p) {
  QPainterPath stem;
  stem.moveTo(43, 55);
  stem.cubicTo(47, 58, 47, 61, 46, 64);
  stem.lineTo(54, 64);
  stem.cubicTo(53, 61, 53, 58, 57, 55);
  stem.closeSubpath();
  FillOutlined(p, stem, TurnedGold(43, 57), kInk, kInkWidth);
  QPainterPath base;
  base.moveTo(37, 65);
  base.cubicTo(41, 62, 59, 62, 63, 65);
  base.cubicTo(68, 67, 71, 68, 72, 69.5);
  base.arcTo(Box(QPointF(50, 69.5), 22, 2.5), 0, -180);
  base.cubicTo(29, 68, 32, 67, 37, 65);
  base.closeSubpath();
  FillOutlined(p, base, TurnedGold(28, 72), kInk, kInkWidth);
  p.setPen(QPen(WithAlpha(palette::kGoldHigh, 200), 0.8));
  p.setBrush(Qt::NoBrush);
  p.drawArc(Box(QPointF(50, 66.5), 17, 2.2), 180 * 16, 180 * 16);
}

void DrawGem(QPainter& p, QPointF c, double r, const QColor& colour) {
  p.setPen(QPen(kInk, 1));
  p.setBrush(palette::kGoldDeep);
  p.drawEllipse(c, r + kSetting, r + kSetting);
  Bulb(p, c, r, colour, true);
}

// The belt's middle line at x, for placing its jewels.
QPointF OnBelt(double x) {
  const double u = (x - kCentre.x()) / kRx;
  return {x, kCentre.y() + kSeamBow * std::sqrt(1 - u * u) + kBelt / 2};
}

void DrawBowl(QPainter& p) {
  const QPainterPath bowl = BowlShape();
  FillOutlined(p, bowl, ShellGold(kCentre + QPointF(-14, 2), 44), kInk, kInkWidth);
  Ribs(p, bowl);
  QLinearGradient shade(0, kCentre.y(), 0, kCentre.y() + kRy);
  shade.setColorAt(0, QColor(0, 0, 0, 0));
  shade.setColorAt(1, QColor(40, 10, 0, 120));
  p.fillPath(bowl, shade);
  const QPainterPath belt = BeltShape();
  QLinearGradient enamel(0, kCentre.y(), 0, kCentre.y() + kSeamBow + kBelt);
  enamel.setColorAt(0, Mix(palette::kMagenta, Qt::white, 0.3));
  enamel.setColorAt(0.5, palette::kMagenta);
  enamel.setColorAt(1, palette::kMagenta.darker(200));
  p.fillPath(belt, enamel);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(palette::kGoldHigh, 1.1));
  QPainterPath edges;
  edges.moveTo(kCentre + QPointF(-kRx + 1, kBelt - 0.5));
  edges.arcTo(Box(kCentre + QPointF(0, kBelt), kRx - 1, kSeamBow), 180, 180);
  p.drawPath(edges.intersected(bowl));
  for (double dx : {-26.0, -14.0, 14.0, 26.0})
    DrawGem(p, OnBelt(kCentre.x() + dx), 1.9, palette::kCyan);
  DrawGem(p, OnBelt(kCentre.x()), 3.6, palette::kCyan);
}

void DrawLid(QPainter& p) {
  const QPainterPath lid = LidShape();
  FillOutlined(p, lid, ShellGold(kCentre + QPointF(-14, -16), 50), kInk, kInkWidth);
  Ribs(p, lid);
  // The gloss of the dome.
  QRadialGradient gloss(QPointF(34, 21), 11);
  gloss.setColorAt(0, QColor(255, 255, 255, 210));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.save();
  p.setClipPath(lid, Qt::IntersectClip);
  p.fillRect(QRectF(20, 12, 30, 20), gloss);
  p.restore();
  // The finial: a gold collar under a cyan glass ball.
  const QPointF top(kCentre.x(), kCentre.y() - kRy);
  p.setPen(QPen(kInk, 1.2));
  p.setBrush(TurnedGold(top.x() - 6, top.x() + 6));
  p.drawEllipse(Box(top + QPointF(0, 0.4), 6, 2));
  DrawGem(p, top - QPointF(0, kFinialRise), kFinialRadius, palette::kCyan);
}

// A thin ray of light from `from` along angle `a` (radians), fading out from
// `strength` (alpha) halfway.
void Ray(QPainter& p, QPointF from, double a, double length, double spread, int strength) {
  const QPointF tip = from + QPointF(std::cos(a), std::sin(a)) * length;
  const QPointF side = QPointF(-std::sin(a), std::cos(a)) * (length * spread);
  QPainterPath ray;
  ray.moveTo(from);
  ray.lineTo(tip + side);
  ray.lineTo(tip - side);
  ray.closeSubpath();
  QRadialGradient fade(from, length);
  fade.setColorAt(0, QColor(255, 255, 240, 255));
  fade.setColorAt(0.45, QColor(255, 230, 140, strength));
  fade.setColorAt(1, QColor(255, 200, 80, 0));
  p.fillPath(ray, fade);
}

void DrawSparkle(QPainter& p, QPointF c, double radius) {
  const QPainterPath star = Sparkle(c, radius);
  FillOutlined(p, star, QColor(255, 255, 240), QColor(0x6a, 0x40, 0x08), 1);
}

void DrawClosed(QPainter& p) {
  DrawPedestal(p);
  DrawBowl(p);
  DrawLid(p);
}

// The lid tipped up on its hinge, light pouring from under it.
void DrawCracking(QPainter& p) {
  // Tipped on the hinge and lifted a pixel off it.
  QTransform lift;
  lift.translate(kHinge.x() - 1, kHinge.y() - 1);
  lift.rotate(7);
  lift.translate(-kHinge.x(), -kHinge.y());
  const QPainterPath gap = LidShape().subtracted(lift.map(LidShape()));
  DrawPedestal(p);
  DrawBowl(p);
  Glow(p, gap, QColor(255, 220, 120), 3, 2);
  p.fillPath(gap, QColor(255, 252, 228));
  const QPointF mouth = kCentre + QPointF(-kRx + 4, -4);
  for (double a : {160.0, 180.0, 200.0, 220.0, 240.0})
    Ray(p, mouth, a * std::numbers::pi / 180, a == 200.0 ? 24 : 19, 0.18, 200);
  p.save();
  p.setTransform(lift, true);
  DrawLid(p);
  p.restore();
  DrawSparkle(p, QPointF(9, 22), 5);
  DrawSparkle(p, QPointF(23, 8), 3.5);
}

// A starburst of light over the open bowl, plain and bright in its middle.
QPainterPath Burst(QPointF c, double rx, double ry, double spike) {
  constexpr int kPoints = 18;
  QPainterPath burst;
  for (int i = 0; i < 2 * kPoints; ++i) {
    const double a = std::numbers::pi * i / kPoints;
    const double grow = i % 2 == 0 ? spike : 1;
    const QPointF pt = c + QPointF(std::cos(a) * rx * grow, std::sin(a) * ry * grow);
    if (i == 0) {
      burst.moveTo(pt);
    } else {
      burst.lineTo(pt);
    }
  }
  burst.closeSubpath();
  return burst;
}

// How far a ray from `from` along angle `a` (radians) may reach and still end
// `margin` inside the frame.
double ReachInFrame(QPointF from, double a, double margin) {
  const double dx = std::cos(a), dy = std::sin(a);
  double reach = 1e9;
  if (dx > 1e-9) reach = std::min(reach, (kTokenWidth - margin - from.x()) / dx);
  if (dx < -1e-9) reach = std::min(reach, (margin - from.x()) / dx);
  if (dy > 1e-9) reach = std::min(reach, (kTokenHeight - margin - from.y()) / dy);
  if (dy < -1e-9) reach = std::min(reach, (margin - from.y()) / dy);
  return reach;
}

void DrawOpen(QPainter& p) {
  const QPointF heart(50, 37);
  for (int i = 0; i < 12; ++i) {
    const double a = (i * 30 + 15) * std::numbers::pi / 180;
    Ray(p, heart, a, ReachInFrame(heart, a, 1), 0.1, 110);
  }
  DrawPedestal(p);
  DrawBowl(p);
  const QPainterPath burst = Burst(heart, 40, 19.5, 1.14);
  Glow(p, burst, QColor(255, 200, 80, 220), 3, 1.5);
  QRadialGradient light(heart, 40);
  light.setColorAt(0, QColor(255, 255, 255));
  light.setColorAt(0.7, QColor(255, 253, 238));
  light.setColorAt(1, QColor(255, 238, 176));
  FillOutlined(p, burst, light, palette::kGold, 1.6);
  // The lid, thrown up off the light, its finial at the top of the frame.
  p.save();
  p.translate(kCentre.x(), 1);
  p.rotate(-8);
  p.scale(0.55, 0.55);
  p.translate(-kCentre.x(), -kFinialTop);
  DrawLid(p);
  p.restore();
  for (const QPointF& at : {QPointF(10, 9), QPointF(90, 9), QPointF(9, 64), QPointF(91, 64)})
    DrawSparkle(p, at, 4.5);
}

// The three frames stacked, on transparency.
QImage DrawSheet() {
  QImage sheet = Canvas(kTokenWidth, kTokenHeight * kTokenFrames);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  void (*const frames[kTokenFrames])(QPainter&) = {DrawClosed, DrawCracking, DrawOpen};
  for (int f = 0; f < kTokenFrames; ++f) {
    p.save();
    p.translate(0, f * kTokenHeight);
    p.setClipRect(QRect(0, 0, kTokenWidth, kTokenHeight));
    frames[f](p);
    p.restore();
  }
  p.end();
  // Straight (not premultiplied) colour: the game scales sheet and mask
  // separately and joins them again.
  return sheet.convertToFormat(QImage::Format_ARGB32);
}

QImage Sheet() {
  static Memo sheets;
  return sheets.Get(0, DrawSheet);
}

// Below this opacity a pixel is left out: at the listed size the mask is
// hard, black from half opacity up; the masters keep every partial pixel.
int Threshold() {
  return RenderScale::Current() == 1 ? 128 : 1;
}

}  // namespace
}  // namespace vexlor::art::bonus

namespace vexlor::art {

QImage BonusTokens() {
  const QImage sheet = bonus::Sheet();
  const int threshold = bonus::Threshold();
  QImage out(sheet.size(), QImage::Format_RGB32);
  out.setDevicePixelRatio(sheet.devicePixelRatio());
  for (int y = 0; y < out.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
    auto* to = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x)
      to[x] = qAlpha(from[x]) >= threshold ? (from[x] | 0xff000000u) : qRgb(0, 0, 0);
  }
  return out;
}

QImage BonusTokenMask() {
  const QImage sheet = bonus::Sheet();
  const int threshold = bonus::Threshold();
  QImage mask(sheet.size(), QImage::Format_Grayscale8);
  mask.setDevicePixelRatio(sheet.devicePixelRatio());
  for (int y = 0; y < mask.height(); ++y) {
    const auto* from = reinterpret_cast<const QRgb*>(sheet.constScanLine(y));
    uchar* to = mask.scanLine(y);
    for (int x = 0; x < mask.width(); ++x) {
      const int alpha = qAlpha(from[x]);
      const int grey = threshold > 1 ? (alpha >= threshold ? 0 : 255) : 255 - alpha;
      to[x] = static_cast<uchar>(grey);
    }
  }
  return mask;
}

}  // namespace vexlor::art
