#pragma once

#include <QTimer>
#include <array>
#include <functional>

#include "engine/hooks.h"
#include "engine/random.h"
#include "sound/sound_system.h"
#include "window/environment.h"
#include "window/renderer.h"

namespace vexlor {

// The engine's hooks as the main window provides them: drawing goes to the
// retained picture, cues to the sound system, timers to the window's lamp
// timers, the clock and the event pump to the environment.
class WindowHooks : public MachineHooks {
 public:
  WindowHooks(GameState& state, MachineRenderer& renderer, SoundSystem& sound,
              std::array<QTimer*, 5> lampTimers, GameRandom& random, const WindowEnvironment& env)
      : state_(state),
        renderer_(renderer),
        sound_(sound),
        lampTimers_(lampTimers),
        random_(random),
        env_(env) {}

  std::function<void()> runBonusRound;
  std::function<void()> onGameSettled;
  std::function<void()> onPump;  // after the events of every pump, inside spins and waits

  void DrawCredits() override { renderer_.DrawCredits(); }
  void DrawCoins() override { renderer_.DrawCoins(); }
  void DrawHolds() override { renderer_.DrawHolds(); }
  void DrawWinnings(int32_t value) override { renderer_.DrawWinnings(value); }
  void DrawWinningsLabel() override { renderer_.DrawWinningsLabel(); }
  void DrawBonusMeter() override { renderer_.DrawBonusMeter(); }
  void DrawLineLamp(int line, bool lit) override { renderer_.DrawLineLamp(line, lit); }
  void DrawButton(ButtonId id, bool lit) override { renderer_.DrawButton(id, lit); }
  void DrawHoldButton(bool lit, int reel) override { renderer_.DrawHoldButton(lit, reel); }
  void DrawTitlePanels(bool lit) override { renderer_.DrawTitlePanels(lit); }
  void DrawCoinSpot(bool lit) override { renderer_.DrawCoinSpot(lit); }
  void DrawReel(int reel) override { renderer_.DrawReel(reel); }
  void DrawReelBlur(int reel, int32_t offset) override { renderer_.DrawReelBlur(reel, offset); }
  void DrawPaylines() override { renderer_.DrawPaylines(); }
  void CaptureReel(int reel) override { renderer_.CaptureReel(reel); }
  void DrawCapturedReel(int reel, int dy) override { renderer_.DrawCapturedReel(reel, dy); }
  void Repaint() override { renderer_.FormPaint(); }
  int32_t Scale(int32_t designUnits) override { return renderer_.Scale(designUnits); }

  void PlayCoinCue() override { sound_.Play(Cue::Coin); }
  void PlayReelStopCue() override { sound_.Play(Cue::ReelStop); }
  void PlayCountCue() override { sound_.Play(Cue::Count); }
  void PlayWinCue() override { sound_.Play(Cue::Win); }
  void PlayExtraHoldCue() override { sound_.Play(Cue::ExtraHold); }
  void PlayBonusResetCue() override { sound_.Play(Cue::BonusReset); }
  void PlayBonusPointCue() override { sound_.Play(Cue::BonusPoint); }
  void StartPendingMusic() override { sound_.StartPendingMusic(); }

  void SetTimerEnabled(LampTimer timer, bool enabled) override;
  bool TimerEnabled(LampTimer timer) const override;

  void GameSettled() override {
    if (onGameSettled) onGameSettled();
  }
  void ShowMessage(std::string_view text) override;
  void RunBonusRound() override;

  int64_t NowMs() override { return env_.clock(); }
  void ProcessMessages() override {
    env_.pump();
    if (onPump) onPump();
  }
  int32_t Random(int32_t n) override { return random_.Draw(n); }

 private:
  GameState& state_;
  MachineRenderer& renderer_;
  SoundSystem& sound_;
  std::array<QTimer*, 5> lampTimers_;  // Timer2, Timer3, Timer5, Timer7, Timer8
  GameRandom& random_;
  const WindowEnvironment& env_;
};

}  // namespace vexlor
