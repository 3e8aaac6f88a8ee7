// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/input_router.h"

#include <QCoreApplication>

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

bool InputRouter::Inside(QPoint position, const design::Rect& area) const {
  const auto scale = [this](int v) { return renderer_.Scale(v); };
  return Within(position.x(), scale(area.left), scale(area.right)) &&
         Within(position.y(), scale(area.top), scale(area.bottom));
}

InputRouter::Control InputRouter::ControlAt(QPoint position) const {
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (Inside(position, design::kHoldButtons[reel]))
      return static_cast<Control>(static_cast<int>(Control::Hold0) + reel);
  }
  if (Inside(position, design::kButtons[0])) return Control::BetOne;
  if (Inside(position, design::kButtons[1])) return Control::BetMax;
  if (Inside(position, design::kButtons[2])) return Control::Spin;
  if (Inside(position, design::kCoinSpotHit)) return Control::CoinSpot;
  if (lever_.Contains(position)) return Control::Lever;
  if (Inside(position, design::kBonusMeterBox)) return Control::Meter;
  return Control::None;
}

QString InputRouter::ToolTip(Control control) {
  switch (control) {
    case Control::Hold0:
    case Control::Hold1:
    case Control::Hold2:
      return QCoreApplication::translate("Tooltip",
                                         "Hold: keeps this reel still on the next spin, after a "
                                         "spin that paid nothing (keys 1, 2 and 3)");
    case Control::BetOne:
      return QCoreApplication::translate("Tooltip",
                                         "Bet One: puts in one coin; the third coin spins (key B)");
    case Control::BetMax:
      return QCoreApplication::translate("Tooltip",
                                         "Bet 3: puts in coins up to three and spins (key M)");
    case Control::Spin:
      return QCoreApplication::translate(
          "Tooltip",
          "Spin: spins with the coins put in, or with the last bet again (Enter or Space)");
    case Control::CoinSpot:
      return QCoreApplication::translate("Tooltip", "Coin slot: puts in one coin (key B)");
    case Control::Lever:
      return QCoreApplication::translate("Tooltip", "Pull the lever to spin (Enter or Space)");
    case Control::Meter:
      return QCoreApplication::translate("Tooltip",
                                         "Bonus meter: twelve bonus points open the bonus round");
    case Control::None:
      break;
  }
  return {};
}

void InputRouter::FormMouseDown(Qt::MouseButton, QPoint position) {
  Press(ControlAt(position));
  // The logo answers over its fixed area and over the picture as grown for the screen.
  const auto scale = [this](int v) { return renderer_.Scale(v); };
  const QPoint at(scale(design::kLogoAt.x), scale(design::kLogoAt.y));
  const QRect logo = QRect(at, QSize(design::kLogoWidth + 1, design::kLogoHeight + 1))
                         .united(QRect(at, renderer_.Art().logo.size()));
  if (logo.contains(position) && openCompanyPage) openCompanyPage();
}

void InputRouter::Press(Control control) {
  if (control == Control::Hold0 || control == Control::Hold1 || control == Control::Hold2)
    PressHoldButton(static_cast<int>(control) - static_cast<int>(Control::Hold0));
  if (runner_.TakesInput()) {
    switch (control) {
      case Control::BetOne:
      case Control::CoinSpot:
        runner_.Start(BetOne(state_, hooks_));
        break;
      case Control::BetMax:
        runner_.Start(BetMax(state_, hooks_));
        break;
      case Control::Spin:
        runner_.Start(Spin(state_, hooks_));
        break;
      case Control::Lever:
        runner_.Start(PullLever(state_, hooks_, lever_));
        break;
      default:
        break;
    }
  }
  CloseHoldsWhenNoneLeft(state_, hooks_);
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
