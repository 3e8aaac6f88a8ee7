// SPDX-License-Identifier: GPL-3.0-or-later
// The 640 x 480 bonus stage: an indigo backdrop with a sunburst, the heading
// sign, a spotlight on each of five plinths, and the glossy stage floor.
#include <QRadialGradient>
#include <cmath>
#include <numbers>

#include "assets/art/bonus_common.h"
#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::bonus {
namespace {

using namespace cabinet;

const QRectF kStage(0, 0, kStageWidth, kStageHeight);
constexpr double kFloorTop = 405;
const QPointF kBurstCentre(kStageMiddle, 90);

// Plinths: a velvet-topped drum under each token, its top face round the foot.
constexpr double kPlinthRadius = 44;
constexpr double kPlinthTilt = 8;  // half the height of a round face seen from the front
constexpr double kPlinthDrum = 25;
constexpr double kPlinthBase = 8;

QPainterPath Ellipse(QPointF c, double rx, double ry) {
  QPainterPath path;
  path.addEllipse(c, rx, ry);
  return path;
}

// A band round the front of an upright cylinder whose top face is centred on
// `top`: from `from` below the top face to `to` below it.
QPainterPath FrontBand(QPointF top, double rx, double ry, double from, double to) {
  const QRectF face(top.x() - rx, top.y() - ry, 2 * rx, 2 * ry);
  QPainterPath path;
  path.moveTo(top + QPointF(-rx, from));
  path.arcTo(face.translated(0, from), 180, 180);
  path.lineTo(top + QPointF(rx, to));
  path.arcTo(face.translated(0, to), 0, -180);
  path.closeSubpath();
  return path;
}

// A cylinder's outline, its top face centred on `top`, `height` tall.
QPainterPath Cylinder(QPointF top, double rx, double ry, double height) {
  QPainterPath path = FrontBand(top, rx, ry, 0, height);
  path.setFillRule(Qt::WindingFill);
  path.addPath(Ellipse(top, rx, ry));
  return path;
}

// A faint sunburst from behind the sign. Smoothing its large faint wedges
// costs several times drawing them, and a step of one pixel in them cannot be
// seen on a master, so only the listed picture smooths them.
void DrawSunburst(QPainter& p) {
  constexpr int kRays = 28;
  constexpr double kReach = 520;
  QRadialGradient fade(kBurstCentre, kReach);
  fade.setColorAt(0, QColor(150, 110, 255, 46));
  fade.setColorAt(1, QColor(150, 110, 255, 0));
  p.save();
  p.setRenderHint(QPainter::Antialiasing, RenderScale::Current() == 1);
  for (int i = 0; i < kRays; ++i)
    p.fillPath(SunburstRay(kBurstCentre, kRays, i, kReach), fade);
  p.restore();
}

void DrawWall(QPainter& p) {
  QLinearGradient down(0, 0, 0, kFloorTop);
  down.setColorAt(0, palette::kBodyDark);
  down.setColorAt(0.55, palette::kBody);
  down.setColorAt(1, Mix(palette::kBody, palette::kBodyLight, 0.4));
  p.fillRect(QRectF(0, 0, kStageWidth, kFloorTop), down);
  DrawSunburst(p);
  // Fluted panels: a light and a dark line every 32 pixels.
  for (double x = 16; x < kStageWidth; x += 32) {
    p.fillRect(QRectF(x, 0, 1, kFloorTop), QColor(255, 255, 255, 9));
    p.fillRect(QRectF(x + 1, 0, 1, kFloorTop), QColor(0, 0, 0, 30));
  }
}

void DrawFloor(QPainter& p) {
  const QRectF floor(0, kFloorTop, kStageWidth, kStageHeight - kFloorTop);
  QLinearGradient down(floor.topLeft(), floor.bottomLeft());
  down.setColorAt(0, QColor(0x26, 0x1c, 0x56));
  down.setColorAt(1, QColor(0x0a, 0x07, 0x1c));
  p.fillRect(floor, down);
  // Boards running toward the back of the stage.
  p.save();
  p.setClipRect(floor);
  p.setPen(QPen(QColor(255, 255, 255, 16), 1));
  const QPointF vanish(kStageMiddle, 250);
  for (double x = -900; x <= 1500; x += 70)
    p.drawLine(vanish, QPointF(x, kStageHeight + 200));
  p.restore();
  // The neon tube along the foot of the wall, over a gold skirting.
  const QPainterPath tube = Rounded(QRectF(-4, kFloorTop - 9, kStageWidth + 8, 3), 1.5);
  Glow(p, tube, palette::kMagenta, 5, 1);
  p.fillPath(tube, Mix(palette::kMagenta, Qt::white, 0.55));
  const QRectF skirting(0, kFloorTop - 3, kStageWidth, 4);
  p.fillRect(skirting, Gold(skirting.topLeft(), skirting.bottomLeft()));
}

// A spotlight's cone from above the picture down to token i's plinth, bright
// along its middle and fading to nothing at its sides.
void DrawBeam(QPainter& p, int i) {
  const QPointF foot = FootOnStage(i);
  constexpr double kTop = 14;
  constexpr double kBottom = kPlinthRadius + 10;
  const QPolygonF unit({QPointF(0, 0), QPointF(1, 0), QPointF(1, 1), QPointF(0, 1)});
  const QPolygonF cone({QPointF(foot.x() - kTop, -10), QPointF(foot.x() + kTop, -10),
                        QPointF(foot.x() + kBottom, foot.y()),
                        QPointF(foot.x() - kBottom, foot.y())});
  QTransform toCone;
  if (!QTransform::quadToQuad(unit, cone, toCone)) return;
  QLinearGradient across(0, 0, 1, 0);
  across.setColorAt(0, QColor(255, 236, 200, 0));
  across.setColorAt(0.3, QColor(255, 236, 200, 30));
  across.setColorAt(0.5, QColor(255, 236, 200, 54));
  across.setColorAt(0.7, QColor(255, 236, 200, 30));
  across.setColorAt(1, QColor(255, 236, 200, 0));
  p.save();
  p.setCompositionMode(QPainter::CompositionMode_Plus);
  p.setRenderHint(QPainter::Antialiasing, false);  // its sides fade out by themselves
  p.setTransform(toCone, true);
  p.fillRect(QRectF(0, 0, 1, 1), across);
  p.restore();
}

void DrawPlinthDrum(QPainter& p, QPointF top) {
  const double r = kPlinthRadius;
  // Its shadow on the floor, then the gold base ring.
  p.fillPath(Ellipse(top + QPointF(0, kPlinthDrum + kPlinthBase + 4), r + 12, 7),
             QColor(0, 0, 0, 120));
  const QPointF baseTop = top + QPointF(0, kPlinthDrum);
  p.fillPath(Cylinder(baseTop, r + 5, kPlinthTilt, kPlinthBase),
             Gold(baseTop - QPointF(r + 5, 0), baseTop + QPointF(r + 5, 0)));
  // The lacquered drum, lit from the front.
  QLinearGradient lacquer(top - QPointF(r, 0), top + QPointF(r, 0));
  lacquer.setColorAt(0, QColor(0x08, 0x06, 0x16));
  lacquer.setColorAt(0.36, palette::kBodyLight);
  lacquer.setColorAt(0.5, palette::kBody);
  lacquer.setColorAt(1, QColor(0x06, 0x04, 0x12));
  p.fillPath(Cylinder(top, r, kPlinthTilt, kPlinthDrum), lacquer);
  // Gold bands at its top and foot.
  for (double y : {2.0, kPlinthDrum - 5}) {
    p.fillPath(FrontBand(top, r, kPlinthTilt, y, y + 3),
               Gold(top - QPointF(r, 0), top + QPointF(r, 0)));
  }
  // A cyan jewel in the front.
  const QPointF gem = top + QPointF(0, kPlinthDrum / 2 + 4);
  const QPainterPath diamond = Diamond(gem, 5);
  Glow(p, diamond, palette::kCyan, 3, 1, QPainter::CompositionMode_Screen);
  FillOutlined(p, diamond, Mix(palette::kCyan, Qt::white, 0.35), QColor(0x06, 0x10, 0x20), 1.5);
}

void DrawPlinthTop(QPainter& p, QPointF top) {
  const double r = kPlinthRadius;
  p.fillPath(Ellipse(top, r, kPlinthTilt),
             Gold(top - QPointF(0, kPlinthTilt), top + QPointF(0, kPlinthTilt)));
  QRadialGradient velvet(top + QPointF(0, -2), r);
  velvet.setColorAt(0, QColor(0x9a, 0x1c, 0x6a));
  velvet.setColorAt(0.7, QColor(0x5a, 0x0c, 0x3e));
  velvet.setColorAt(1, QColor(0x30, 0x06, 0x22));
  p.fillPath(Ellipse(top, r - 4, kPlinthTilt - 1.8), velvet);
  // The spotlight's pool on the velvet.
  QRadialGradient pool(top, r - 6);
  pool.setColorAt(0, QColor(255, 230, 220, 110));
  pool.setColorAt(1, QColor(255, 230, 220, 0));
  p.fillPath(Ellipse(top, r - 4, kPlinthTilt - 1.8), pool);
}

void DrawVignette(QPainter& p) {
  QRadialGradient dark(QPointF(kStageMiddle, 250), 470);
  dark.setColorAt(0, QColor(0, 0, 0, 0));
  dark.setColorAt(0.55, QColor(0, 0, 0, 0));
  dark.setColorAt(1, QColor(0, 0, 0, 170));
  p.fillRect(kStage, dark);
}

}  // namespace
}  // namespace vexlor::art::bonus

namespace vexlor::art {

QImage BonusBackground() {
  using namespace bonus;
  QImage image = cabinet::Canvas(kStageWidth, kStageHeight, cabinet::kRoom);
  QPainter p(&image);
  p.setRenderHint(QPainter::Antialiasing);
  DrawWall(p);
  DrawFloor(p);
  for (int i = 0; i < static_cast<int>(kTokenLefts.size()); ++i)
    DrawBeam(p, i);
  DrawHeadingSign(p);
  DrawInstruction(p);
  for (int i = 0; i < static_cast<int>(kTokenLefts.size()); ++i) {
    DrawPlinthDrum(p, FootOnStage(i));
    DrawPlinthTop(p, FootOnStage(i));
  }
  DrawVignette(p);
  p.end();
  return image.convertToFormat(QImage::Format_RGB32);
}

}  // namespace vexlor::art
