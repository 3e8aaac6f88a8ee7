// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's body: the dark room, the cabinet shell with its chrome rails,
// the counter console, the button column, the pull lever and the grilles.
#include <QRadialGradient>
#include <cmath>

#include "assets/art/cabinet_common.h"
#include "assets/art/palette.h"

namespace vexlor::art::cabinet {
namespace {

const QRectF kBody(214, 6, 454, 620);
const QRectF kConsole = FromDesign(design::kCounterConsole);
const QRectF kColumn(568, 198, 96, 304);

void Rail(QPainter& p, double x, double top) {
  const QRectF rail(x, top, 12, 640 - top);
  p.setPen(Qt::NoPen);
  p.setBrush(Chrome(rail.topLeft(), rail.topRight()));
  p.drawRoundedRect(rail, 6, 6);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRect(QRectF(x + 11, top + 6, 1, 640 - top));
}

}  // namespace

void DrawRoom(QPainter& p) {
  p.fillRect(QRect(0, 0, 800, 600), kRoom);
  // A soft indigo wash behind the machine, and neon spill on either side of it.
  QRadialGradient wash(QPointF(440, 330), 470);
  wash.setColorAt(0, WithAlpha(palette::kBodyLight, 120));
  wash.setColorAt(0.55, WithAlpha(palette::kBody, 70));
  wash.setColorAt(1, QColor(0, 0, 0, 0));
  p.fillRect(QRect(0, 0, 800, 600), wash);
  QPainterPath spill;
  spill.addRect(QRectF(198, 120, 6, 480));
  Glow(p, spill, WithAlpha(palette::kMagenta, 150), 18, 0, QPainter::CompositionMode_Screen);
  QPainterPath spillRight;
  spillRight.addRect(QRectF(678, 440, 6, 160));
  Glow(p, spillRight, WithAlpha(palette::kCyan, 110), 16, 0, QPainter::CompositionMode_Screen);
}

void DrawShell(QPainter& p) {
  // Body: midnight indigo, lighter toward the middle, shaded top and bottom.
  QLinearGradient across(kBody.topLeft(), kBody.topRight());
  across.setColorAt(0, palette::kBodyDark);
  across.setColorAt(0.18, palette::kBody);
  across.setColorAt(0.5, palette::kBodyLight);
  across.setColorAt(0.82, palette::kBody);
  across.setColorAt(1, palette::kBodyDark);
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(kBody, 22), across);
  QLinearGradient down(0, 6, 0, 600);
  down.setColorAt(0, QColor(0, 0, 0, 90));
  down.setColorAt(0.2, QColor(0, 0, 0, 0));
  down.setColorAt(0.8, QColor(0, 0, 0, 0));
  down.setColorAt(1, QColor(0, 0, 0, 110));
  p.fillPath(Rounded(kBody, 22), down);
  // Gold piping along the edge of the body.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QBrush(Gold(QPointF(0, 6), QPointF(0, 600))), 2));
  p.drawPath(Rounded(kBody.adjusted(3, 3, -3, 0), 19));
  Rail(p, 204, 34);
  Rail(p, 666, 34);
}

void DrawConsole(QPainter& p) {
  Seat(p, kConsole.adjusted(-3, -3, 3, 3), 11);
  MetalRing(p, kConsole, 9, 3, Chrome(kConsole.topLeft(), kConsole.bottomLeft()));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0x0a, 0x08, 0x18));
  p.drawRoundedRect(kConsole.adjusted(3, 3, -3, -3), 6, 6);
  // A magenta neon tube under the console, over the marquee.
  const QRectF tube(230, 87, 420, 4);
  QPainterPath tubePath = Rounded(tube, 2);
  Glow(p, tubePath, palette::kMagenta, 4, 1);
  p.fillPath(tubePath, Mix(palette::kMagenta, Qt::white, 0.55));
}

void DrawColumn(QPainter& p) {
  QLinearGradient face(kColumn.topLeft(), kColumn.topRight());
  face.setColorAt(0, QColor(0x12, 0x0e, 0x30));
  face.setColorAt(0.5, QColor(0x1e, 0x18, 0x4c));
  face.setColorAt(1, QColor(0x10, 0x0c, 0x2a));
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(kColumn, 10), face);
  MetalRing(p, kColumn, 10, 3, Chrome(kColumn.topLeft(), kColumn.topRight()));
  const QFont label = Font("DejaVu Sans Condensed", 9, QFont::Bold, 1.2);
  FillOutlined(p, TextPath(QStringLiteral("BONUS METER"), label, QPointF(617, 211.5)),
               Gold(QPointF(0, 206), QPointF(0, 217)), QColor(0, 0, 0, 200), 2);
  for (const QRect& r : {kMeterRect, kSpinRect, kBetOneRect, kBetMaxRect}) {
    Seat(p, QRectF(r).adjusted(-3, -3, 3, 3), 9);
  }
  // On screens wider than 800 the game shows the meter unscaled in the middle of
  // its box: the box is a dark well, plain where the meter sits, glowing at its rim.
  const QRectF well(kMeterRect);
  p.fillPath(Rounded(well, 7), kSeat);
  QRadialGradient rim(well.center(), 62);
  rim.setColorAt(0.8, WithAlpha(palette::kMagenta, 0));
  rim.setColorAt(1, WithAlpha(palette::kMagenta, 70));
  p.fillPath(Rounded(well, 7), rim);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(WithAlpha(palette::kCyan, 110), 1));
  p.drawPath(Rounded(well.adjusted(1.5, 1.5, -1.5, -1.5), 6));
}

void DrawLeverMount(QPainter& p) {
  const QRectF mount(670, 322, 30, 96);
  p.setPen(Qt::NoPen);
  p.setBrush(Chrome(mount.topLeft(), mount.topRight()));
  p.drawRoundedRect(mount, 8, 8);
}

void DrawLeverArm(QPainter& p) {
  const QPointF hub = FromDesign(design::kLeverHub);
  const QPointF knob = FromDesign(design::kLeverKnob);
  // The rod, tapering from the hub to the knob, with a soft shadow.
  const QPointF along = (knob - hub) / std::hypot(knob.x() - hub.x(), knob.y() - hub.y());
  const QPointF normal(-along.y(), along.x());
  const double foot = design::kLeverRodHalfWidth;
  QPainterPath rod;
  rod.moveTo(hub + normal * foot);
  rod.lineTo(knob + normal * 4.5);
  rod.lineTo(knob - normal * 4.5);
  rod.lineTo(hub - normal * foot);
  rod.closeSubpath();
  p.setPen(Qt::NoPen);
  Glow(p, rod, QColor(0, 0, 0, 160), 6, 0, QPainter::CompositionMode_SourceOver);
  p.fillPath(rod, Chrome(hub + normal * foot, hub - normal * foot));
  // The knob: a glossy red ball with a soft red glow.
  QPainterPath ball;
  ball.addEllipse(knob, design::kLeverKnobRadius, design::kLeverKnobRadius);
  Glow(p, ball, WithAlpha(kNeonRed, 150), 10);
  Bulb(p, knob, design::kLeverKnobRadius, QColor(0xe0, 0x14, 0x30), true);
}

void DrawLeverHub(QPainter& p) {
  const QPointF hub = FromDesign(design::kLeverHub);
  const double radius = design::kLeverHubRadius;
  QPainterPath ring;
  ring.addEllipse(hub, radius + 3, radius + 3);
  Glow(p, ring, WithAlpha(palette::kCyan, 160), 6);
  QRadialGradient disc(hub + QPointF(-6, -8), 30);
  disc.setColorAt(0, palette::kChromeHigh);
  disc.setColorAt(0.6, palette::kChromeMid);
  disc.setColorAt(1, palette::kChromeLow);
  p.setPen(Qt::NoPen);
  p.setBrush(disc);
  p.drawEllipse(hub, radius, radius);
  QRadialGradient cap(hub + QPointF(-3, -4), 13);
  cap.setColorAt(0, QColor(255, 255, 255));
  cap.setColorAt(0.5, palette::kChromeMid);
  cap.setColorAt(1, palette::kChromeLow);
  p.setPen(QPen(QColor(0x30, 0x34, 0x44), 1));
  p.setBrush(cap);
  p.drawEllipse(hub, radius / 2, radius / 2);
  p.setPen(Qt::NoPen);
}

void DrawGrille(QPainter& p, const QRectF& r) {
  Seat(p, r, 10);
  QLinearGradient face(r.topLeft(), r.bottomLeft());
  face.setColorAt(0, QColor(0x2a, 0x22, 0x5c));
  face.setColorAt(1, QColor(0x14, 0x10, 0x34));
  p.setPen(Qt::NoPen);
  p.fillPath(Rounded(r, 10), face);
  MetalRing(p, r, 10, 3, Chrome(r.topLeft(), r.bottomLeft()));
  const QRectF inside = r.adjusted(10, 10, -10, -10);
  const double pitch = 8;
  const int cols = static_cast<int>(inside.width() / pitch);
  const int rows = static_cast<int>(inside.height() / pitch);
  const double x0 = inside.center().x() - (cols - 1) * pitch / 2;
  const double y0 = inside.center().y() - (rows - 1) * pitch / 2;
  for (int row = 0; row < rows; ++row) {
    for (int col = 0; col < cols; ++col) {
      const QPointF c(x0 + col * pitch, y0 + row * pitch);
      // Each hole: a light lower lip, then the dark hole a little above it.
      p.setBrush(QColor(0x4a, 0x40, 0x8c));
      p.drawEllipse(c + QPointF(0, 0.6), 2.7, 2.7);
      p.setBrush(QColor(0x03, 0x02, 0x08));
      p.drawEllipse(c, 2.6, 2.6);
    }
  }
  // A soft sheen across the grille.
  QLinearGradient sheen(r.topLeft(), r.bottomRight());
  sheen.setColorAt(0, QColor(255, 255, 255, 26));
  sheen.setColorAt(0.5, QColor(255, 255, 255, 0));
  p.fillPath(Rounded(r.adjusted(3, 3, -3, -3), 7), sheen);
}

}  // namespace vexlor::art::cabinet
