// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/random.h"
#include "window/game_clock.h"
#include "window/lamp_animator.h"

namespace vexlor {

// The engine's hooks as the main window provides them: the renderer draws,
// the game's sound plays, timers go to the lamp animator, waits to the game
// clock; boxes, the bonus round and the news of a spin go to the window.
class WindowHooks : public MachineHooks {
 public:
  WindowHooks(DrawingHooks& drawing, SoundHooks& sound, GameClock& clock, LampAnimator& lamps,
              GameRandom& random)
      : drawing_(drawing), sound_(sound), clock_(clock), lamps_(lamps), random_(random) {}

  std::function<void()> onReelsStarted;
  std::function<void()> onGameSettled;
  std::function<void(std::string_view)> showMessage;
  std::function<void(Reply<int32_t>)> openBonusRound;

  DrawingHooks& Drawing() override { return drawing_; }
  SoundHooks& Sound() override { return sound_; }
  ClockHooks& Clock() override { return clock_; }

  void SetTimerEnabled(LampTimer timer, bool enabled) override {
    lamps_.SetEnabled(timer, enabled);
  }
  bool TimerEnabled(LampTimer timer) const override { return lamps_.Enabled(timer); }

  void ReelsStarted() override {
    if (onReelsStarted) onReelsStarted();
  }
  void GameSettled() override {
    if (onGameSettled) onGameSettled();
  }
  void ShowMessage(std::string_view text) override {
    if (showMessage) showMessage(text);
  }
  void OpenBonusRound(Reply<int32_t> prize) override {
    if (openBonusRound) openBonusRound(std::move(prize));
  }
  int32_t Random(int32_t n) override { return random_.Draw(n); }

 private:
  DrawingHooks& drawing_;
  SoundHooks& sound_;
  GameClock& clock_;
  LampAnimator& lamps_;
  GameRandom& random_;
};

}  // namespace vexlor
