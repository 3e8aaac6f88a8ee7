#include <QCloseEvent>
#include <cmath>

#include "engine/holds.h"
#include "engine/spin.h"
#include "window/machine_art.h"
#include "window/machine_view.h"
#include "window/unit1.h"

namespace vexlor {
namespace {

// Hit areas include both edges: a press on the far edge counts.
bool Within(int value, int from, int to) {
  return value >= from && value <= to;
}

// How long the lever takes to come down, and to go back up once the reels run.
constexpr int64_t kLeverDownMs = 150;
constexpr int64_t kLeverUpMs = 300;

double DistanceToSegment(QPointF p, QPointF a, QPointF b) {
  const QPointF ab = b - a;
  const double length2 = QPointF::dotProduct(ab, ab);
  const double t =
      length2 > 0 ? std::clamp(QPointF::dotProduct(p - a, ab) / length2, 0.0, 1.0) : 0.0;
  const QPointF nearest = a + ab * t;
  return std::hypot(p.x() - nearest.x(), p.y() - nearest.y());
}

}  // namespace

template <typename Action>
void TForm1::RunAction(Action action) {
  action();
  if (closePending_ && !state_.SpinInProgress) {
    closePending_ = false;
    close();
  }
  if (relayoutPending_ && !state_.SpinInProgress) OnViewResized(view_->size());
}

bool TForm1::OnLever(QPoint position) const {
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

void TForm1::PressHoldButton(int reel) {
  if (CanPlaceHold(state_)) PlaceHold(state_, hooks_, reel);
}

void TForm1::FormMouseDown(Qt::MouseButton, QPoint position) {
  const auto scale = [this](int v) { return renderer_.Scale(v); };
  const auto inside = [&](const design::Rect& area) {
    return Within(position.x(), scale(area.left), scale(area.right)) &&
           Within(position.y(), scale(area.top), scale(area.bottom));
  };
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (inside(design::kHoldButtons[reel])) {
      PressHoldButton(reel);
      break;
    }
  }
  if (!state_.Busy) {
    if (inside(design::kButtons[0])) {
      RunAction([this] { BetOne(state_, hooks_); });
    } else if (inside(design::kButtons[1])) {
      RunAction([this] { BetMax(state_, hooks_); });
    } else if (inside(design::kButtons[2])) {
      RunAction([this] { Spin(state_, hooks_); });
    } else if (inside(design::kCoinSpotHit)) {
      RunAction([this] { BetOne(state_, hooks_); });
    } else if (OnLever(position)) {
      PullLever();
    }
  }
  if (state_.Nudges <= 0) {
    state_.HoldsOpen = false;
    timer7_.stop();
  }
  // The logo answers over its fixed area and over the picture as grown for the screen.
  const QPoint at(scale(design::kLogoAt.x), scale(design::kLogoAt.y));
  const QRect logo = QRect(at, QSize(design::kLogoWidth + 1, design::kLogoHeight + 1))
                         .united(QRect(at, renderer_.Art().logo.size()));
  if (logo.contains(position)) OpenCompanyPage();
}

void TForm1::FormKeyDown(int key) {
  if (state_.Busy) return;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      RunAction([this] { Spin(state_, hooks_); });
      break;
    case Qt::Key_B:
      RunAction([this] { BetOne(state_, hooks_); });
      break;
    case Qt::Key_M:
      RunAction([this] { BetMax(state_, hooks_); });
      break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
      // As a press on that reel's hold button.
      PressHoldButton(key - Qt::Key_1);
      if (state_.Nudges <= 0) {
        state_.HoldsOpen = false;
        timer7_.stop();
      }
      break;
    default:
      break;
  }
}

void TForm1::PullLever() {
  // The lever comes down, then the reels start as from the Spin button while
  // it springs back; the spring back is drawn as the spin handles its events.
  AddLeverArt(renderer_.Art(), artwork_);
  if (renderer_.CanDrawLever()) {
    // With nothing to spin the lever goes down and up before the machine says so.
    const int64_t travel = HasBetToSpin(state_) ? kLeverDownMs : kLeverDownMs + kLeverUpMs;
    state_.Busy = true;  // no other bet or spin while the lever moves
    leverPulledAt_ = env_.clock();
    while (env_.clock() - leverPulledAt_ < travel && !state_.StopRequested) {
      AdvanceLever();
      env_.pump();
    }
    state_.Busy = false;
  }
  if (!state_.StopRequested) RunAction([this] { Spin(state_, hooks_); });
  AdvanceLever();
  if (leverPulledAt_ >= 0) {
    leverPulledAt_ = -1;
    renderer_.DrawLever(0);
  }
}

void TForm1::AdvanceLever() {
  if (leverPulledAt_ < 0) return;
  const int64_t elapsed = env_.clock() - leverPulledAt_;
  if (elapsed < kLeverDownMs) {
    const double t = static_cast<double>(elapsed) / kLeverDownMs;
    renderer_.DrawLever(t * t);  // it gathers speed as it is pulled
  } else if (elapsed < kLeverDownMs + kLeverUpMs) {
    const double t = static_cast<double>(elapsed - kLeverDownMs) / kLeverUpMs;
    renderer_.DrawLever(1.0 - t);
  } else {
    leverPulledAt_ = -1;
    renderer_.DrawLever(0);
  }
}

void TForm1::closeEvent(QCloseEvent* event) {
  state_.StopRequested = true;
  if (state_.SpinInProgress) {
    // The spin settles at once (no animation, cues or waits); the window
    // closes, storing the settled game, as soon as it has ended.
    closePending_ = true;
    event->ignore();
    return;
  }
  if (StoreCurrentGame()) {
    event->accept();
  } else {
    // The game could not be stored: the window stays open and play goes on.
    state_.StopRequested = false;
    event->ignore();
  }
}

}  // namespace vexlor
