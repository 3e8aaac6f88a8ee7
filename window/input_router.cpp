#include "window/input_router.h"

#include "engine/holds.h"
#include "engine/machine_geometry.h"
#include "engine/spin.h"
#include "engine/waits.h"

namespace vexlor {
namespace {

// Hit areas include both edges: a press on the far edge counts.
bool Within(int value, int from, int to) {
  return value >= from && value <= to;
}

// The lever comes down, then the reels start as from the Spin button while it
// springs back. With nothing to spin it goes down and up before the machine
// says so.
Task<> PullLever(GameState& state, MachineHooks& hooks, Lever& lever) {
  if (lever.Pull()) {
    const int64_t travel = HasBetToSpin(state) ? Lever::kDownMs : Lever::kDownMs + Lever::kUpMs;
    co_await Wait(state, hooks, travel);
  }
  if (!state.StopRequested) co_await Spin(state, hooks);
}

}  // namespace

void InputRouter::PressHoldButton(int reel) {
  if (runner_.TakesInput() && CanPlaceHold(state_)) PlaceHold(state_, hooks_, reel);
}

void InputRouter::FormMouseDown(Qt::MouseButton, QPoint position) {
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
  if (runner_.TakesInput()) {
    if (inside(design::kButtons[0])) {
      runner_.Start(BetOne(state_, hooks_));
    } else if (inside(design::kButtons[1])) {
      runner_.Start(BetMax(state_, hooks_));
    } else if (inside(design::kButtons[2])) {
      runner_.Start(Spin(state_, hooks_));
    } else if (inside(design::kCoinSpotHit)) {
      runner_.Start(BetOne(state_, hooks_));
    } else if (lever_.Contains(position)) {
      runner_.Start(PullLever(state_, hooks_, lever_));
    }
  }
  CloseHoldsWhenNoneLeft(state_, hooks_);
  // The logo answers over its fixed area and over the picture as grown for the screen.
  const QPoint at(scale(design::kLogoAt.x), scale(design::kLogoAt.y));
  const QRect logo = QRect(at, QSize(design::kLogoWidth + 1, design::kLogoHeight + 1))
                         .united(QRect(at, renderer_.Art().logo.size()));
  if (logo.contains(position) && openCompanyPage) openCompanyPage();
}

void InputRouter::FormKeyDown(int key) {
  if (!runner_.TakesInput()) return;
  switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
      runner_.Start(Spin(state_, hooks_));
      break;
    case Qt::Key_B:
      runner_.Start(BetOne(state_, hooks_));
      break;
    case Qt::Key_M:
      runner_.Start(BetMax(state_, hooks_));
      break;
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
      // As a press on that reel's hold button.
      PressHoldButton(key - Qt::Key_1);
      CloseHoldsWhenNoneLeft(state_, hooks_);
      break;
    default:
      break;
  }
}

}  // namespace vexlor
