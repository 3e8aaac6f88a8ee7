// SPDX-License-Identifier: GPL-3.0-or-later
// The machine's panels, its logo and its pull lever.
#include <QPainter>
#include <QPainterPath>
#include <algorithm>

#include "window/layout.h"
#include "window/renderer.h"

namespace vexlor {

void MachineRenderer::DrawPanel(const DesignRect& design, const QImage& dimmed, bool lit) {
  const QRect region = Scaled(art_.layoutWidth, design);
  {
    QPainter painter(&surface_);
    if (lit) {
      background_.Draw(painter, region);  // the background's own look
    } else {
      painter.drawImage(region.topLeft(), dimmed);
    }
  }
  Dirty(region);
}

void MachineRenderer::DrawTitlePanel(bool lit) {
  DrawPanel(design::kTitlePanel, art_.dimTitle, lit);
}
void MachineRenderer::DrawNamePlate(bool lit) {
  DrawPanel(design::kNamePlate, art_.dimNamePlate, lit);
}
void MachineRenderer::DrawCoinSpot(bool lit) {
  DrawPanel(design::kCoinSpot, art_.dimCoinSpot, lit);
}

void MachineRenderer::DrawTitlePanels(bool lit) {
  DrawTitlePanel(lit);
  DrawNamePlate(lit);
}

void MachineRenderer::DrawLogo() {
  const QRect region(QPoint(Scale(design::kLogoAt.x), Scale(design::kLogoAt.y)), art_.logo.size());
  {
    QPainter painter(&surface_);
    painter.drawImage(region.topLeft(), art_.logo);
  }
  Dirty(region);
}

bool MachineRenderer::CanDrawLever() const {
  return !art_.leverArm.isNull();
}

void MachineRenderer::DrawLever(double pull) {
  const QRect region = art_.leverRegion;
  if (region.isEmpty()) return;
  QPainter painter(&surface_);
  if (pull <= 0 || !CanDrawLever()) {
    background_.Draw(painter, region);  // at rest, as drawn
    Dirty(region);
    return;
  }
  // Pulled toward the player the rod turns about the hub and looks shorter;
  // the ball on its end stays round.
  const double squash = 1.0 - 0.8 * std::min(pull, 1.0);
  const QPointF pivot = art_.leverPivot;
  const auto down = [&](double y) { return pivot.y() + (y - pivot.y()) * squash; };
  painter.setRenderHint(QPainter::SmoothPixmapTransform);
  painter.drawImage(region.topLeft(), art_.leverBackdrop);
  const int armLeft = region.left() + art_.leverArmLeft;
  painter.drawImage(QRectF(armLeft, down(region.top()), art_.leverArm.width(),
                           down(region.top() + region.height()) - down(region.top())),
                    art_.leverArm);
  const QPointF knob(Scale(design::kLeverKnob.x), Scale(design::kLeverKnob.y));
  const double radius = Scale(design::kLeverKnobRadius + 3);
  const QRectF ball(knob.x() - radius, knob.y() - radius, 2 * radius, 2 * radius);
  QPainterPath round;
  round.addEllipse(ball.translated(0, down(knob.y()) - knob.y()));
  painter.setClipPath(round);
  painter.drawImage(ball.translated(0, down(knob.y()) - knob.y()), art_.leverArm,
                    ball.translated(-armLeft, -region.top()));
  painter.setClipping(false);
  painter.drawImage(art_.leverHubAt, art_.leverHub);
  Dirty(region);
}

}  // namespace vexlor
