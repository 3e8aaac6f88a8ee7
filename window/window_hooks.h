#pragma once

#include <QTimer>
#include <array>
#include <functional>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/random.h"
#include "window/environment.h"

namespace vexlor {

// The engine's hooks as the main window provides them: the renderer draws,
// the game's sound plays, timers go to the window's lamp timers, and the
// clock and the event pump to the environment.
class WindowHooks : public MachineHooks {
 public:
  WindowHooks(GameState& state, DrawingHooks& drawing, SoundHooks& sound,
              std::array<QTimer*, 5> lampTimers, GameRandom& random, const WindowEnvironment& env)
      : state_(state),
        drawing_(drawing),
        sound_(sound),
        lampTimers_(lampTimers),
        random_(random),
        env_(env) {}

  std::function<int32_t()> runBonusRound;  // the round's window: its prize
  std::function<void()> onGameSettled;
  std::function<void()> onPump;  // before the events of every pump, inside spins and waits

  DrawingHooks& Drawing() override { return drawing_; }
  SoundHooks& Sound() override { return sound_; }

  void SetTimerEnabled(LampTimer timer, bool enabled) override;
  bool TimerEnabled(LampTimer timer) const override;

  void GameSettled() override {
    if (onGameSettled) onGameSettled();
  }
  void ShowMessage(std::string_view text) override;
  int32_t RunBonusRound() override { return runBonusRound ? runBonusRound() : 0; }

  int64_t NowMs() override { return env_.clock(); }
  void ProcessMessages() override {
    if (onPump) onPump();
    env_.pump();
  }
  int32_t Random(int32_t n) override { return random_.Draw(n); }

 private:
  GameState& state_;
  DrawingHooks& drawing_;
  SoundHooks& sound_;
  std::array<QTimer*, 5> lampTimers_;  // Timer2, Timer3, Timer5, Timer7, Timer8
  GameRandom& random_;
  const WindowEnvironment& env_;
};

}  // namespace vexlor
