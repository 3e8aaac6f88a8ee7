// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QTimer>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/random.h"
#include "window/renderer.h"

namespace vexlor {

// The machine's five lamp timers and what each tick draws: the idle chase of
// the buttons, the win flash, the coin spot, the hold buttons and the lamps
// of the lines that won.
class LampAnimator : public QObject {
  Q_OBJECT
 public:
  LampAnimator(GameState& state, MachineRenderer& renderer, GameRandom& random);

  // The idle chase and the coin spot run from the start.
  void Start();
  void SetEnabled(LampTimer timer, bool enabled);
  bool Enabled(LampTimer timer) const { return Timer(timer).isActive(); }

  void Timer2Timer();  // the right-hand buttons: idle chase, or Spin blinking
  void Timer3Timer();  // title panel and name plate after a win
  void Timer5Timer();  // the coin spot
  void Timer7Timer();  // hold buttons while holds may be placed
  void Timer8Timer();  // lamps of the lines that won

 private:
  QTimer& Timer(LampTimer timer) { return timers_[static_cast<int>(timer)]; }
  const QTimer& Timer(LampTimer timer) const { return timers_[static_cast<int>(timer)]; }

  GameState& state_;
  MachineRenderer& renderer_;
  GameRandom& random_;
  QTimer timers_[5];  // Timer2, Timer3, Timer5, Timer7, Timer8
};

}  // namespace vexlor
