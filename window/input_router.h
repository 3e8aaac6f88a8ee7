#pragma once

#include <QPoint>
#include <Qt>
#include <functional>

#include "engine/game_state.h"
#include "engine/hooks.h"
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

  // A press anywhere on the machine (machine pixels; any button).
  void FormMouseDown(Qt::MouseButton button, QPoint position);
  void FormKeyDown(int key);

 private:
  void PressHoldButton(int reel);

  GameState& state_;
  MachineHooks& hooks_;
  PlayRunner& runner_;
  const MachineRenderer& renderer_;
  Lever& lever_;
};

}  // namespace vexlor
