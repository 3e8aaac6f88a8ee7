// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>
#include <Qt>
#include <functional>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/machine_geometry.h"
#include "engine/play_runner.h"
#include "window/lever.h"
#include "window/renderer.h"

namespace vexlor {

// Presses and keys on the machine: the hit areas of the drawn controls, the
// lever and the keys, turned into the engine's plays, which the runner runs
// one at a time.
class InputRouter {
 public:
  InputRouter(GameState& state, MachineHooks& hooks, PlayRunner& runner,
              const MachineRenderer& renderer, Lever& lever)
      : state_(state), hooks_(hooks), runner_(runner), renderer_(renderer), lever_(lever) {}

  std::function<void()> openCompanyPage;  // a press on the logo

  // The machine's controls, as a press finds them.
  enum class Control { None, Hold0, Hold1, Hold2, BetOne, BetMax, Spin, CoinSpot, Lever, Meter };
  Control ControlAt(QPoint position) const;  // machine pixels
  // What a control does, and its key; empty for None.
  static QString ToolTip(Control control);
  QString ToolTipAt(QPoint position) const { return ToolTip(ControlAt(position)); }

  // A press anywhere on the machine (machine pixels; any button).
  void FormMouseDown(Qt::MouseButton button, QPoint position);
  // What a press on a control does (the logo aside), None included.
  void Press(Control control);
  void FormKeyDown(int key);

 private:
  void PressHoldButton(int reel);
  bool Inside(QPoint position, const design::Rect& area) const;

  GameState& state_;
  MachineHooks& hooks_;
  PlayRunner& runner_;
  const MachineRenderer& renderer_;
  Lever& lever_;
};

}  // namespace vexlor
