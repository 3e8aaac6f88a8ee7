#include <QCloseEvent>

#include "engine/holds.h"
#include "engine/spin.h"
#include "window/machine_art.h"
#include "window/unit1.h"

namespace vexlor {
namespace {

// Hit areas include both edges: a press on the far edge counts.
bool Within(int value, int from, int to) {
  return value >= from && value <= to;
}

}  // namespace

template <typename Action>
void TForm1::RunAction(Action action) {
  action();
  if (closePending_ && !state_.SpinInProgress) {
    closePending_ = false;
    close();
  }
}

void TForm1::FormMouseDown(Qt::MouseButton, QPoint position) {
  const auto scale = [this](int v) { return renderer_.Scale(v); };
  const int x = position.x();
  const int y = position.y();
  if (Within(y, scale(246), scale(263)) && CanPlaceHold(state_)) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      const DesignRect& area = kHoldButtons[reel];
      if (Within(x, scale(area.left), scale(area.right))) {
        PlaceHold(state_, hooks_, reel);
        break;
      }
    }
  }
  if (Within(x, scale(577), scale(655)) && !state_.Busy) {
    if (Within(y, scale(362), scale(421))) {
      RunAction([this] { BetOne(state_, hooks_); });
    } else if (Within(y, scale(432), scale(491))) {
      RunAction([this] { BetMax(state_, hooks_); });
    } else if (Within(y, scale(293), scale(352))) {
      RunAction([this] { Spin(state_, hooks_); });
    }
  }
  if (Within(x, scale(560), scale(643)) && !state_.Busy && Within(y, scale(99), scale(181))) {
    RunAction([this] { BetOne(state_, hooks_); });
  }
  if (state_.Nudges <= 0) {
    state_.HoldsOpen = false;
    timer7_.stop();
  }
  // The logo opens nothing: the publisher's web pages are not part of the game.
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
    default:
      break;
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
