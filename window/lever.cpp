// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/lever.h"

#include <algorithm>
#include <cmath>

#include "engine/machine_geometry.h"
#include "window/machine_art.h"

namespace vexlor {
namespace {

// Forty frames a second, in step with the reels' ticks: while the reels start
// turning, the lever and the reels are drawn into one frame of the window.
constexpr int64_t kFrameMs = 25;

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t =
      length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  const QPointF nearest = a + ab * t;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

bool Lever::Contains(QPoint position) const {
  const auto scale = [this](int v) { return renderer_.Scale(v); };
  const QPointF p = position;
  const QPointF knob(scale(design::kLeverKnob.x), scale(design::kLeverKnob.y));
  const QPointF hub(scale(design::kLeverHub.x), scale(design::kLeverHub.y));
  const auto within = [](QPointF a, QPointF b, double radius) {
    return std::hypot(a.x() - b.x(), a.y() - b.y()) <= radius;
  };
  return within(p, knob, scale(design::kLeverKnobRadius + 2)) ||
         within(p, hub, scale(design::kLeverHubRadius)) ||
         DistanceToSegment(p, hub, knob) <= scale(design::kLeverRodHalfWidth);
}

bool Lever::Pull() {
  AddLeverArt(renderer_.Art(), artwork_);
  if (!renderer_.CanDrawLever()) return false;
  const bool moving = pulledAt_ >= 0;
  pulledAt_ = env_.clock();
  if (!moving) Frame();
  return true;
}

void Lever::Swing() {
  if (pulledAt_ < 0) Pull();
}

void Lever::Frame() {
  const int64_t elapsed = env_.clock() - pulledAt_;
  if (elapsed < kDownMs) {
    const double t = static_cast<double>(elapsed) / kDownMs;
    renderer_.DrawLever(t * t);  // it gathers speed as it is pulled
  } else if (elapsed < kDownMs + kUpMs) {
    const double t = static_cast<double>(elapsed - kDownMs) / kUpMs;
    renderer_.DrawLever(1.0 - t);
  } else {
    pulledAt_ = -1;
    renderer_.DrawLever(0);  // at rest, exactly as drawn
    return;
  }
  env_.at(this, env_.clock() + kFrameMs, [this] { Frame(); });
}

}  // namespace vexlor
