#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vexlor {

// The lamp timers of the machine window that the engine switches.
enum class LampTimer { Timer2, Timer3, Timer5, Timer7, Timer8 };

// The three right-hand buttons, by their drawing ids "1", "5" and "S".
enum class ButtonId : char { BetOne = '1', BetMax = '5', Spin = 'S' };

// Drawing the machine. Each operation redraws one element whole from the
// game. Reels and hold buttons are 0..2 from the left; paylines and their
// lamps are 0 middle, 1 top, 2 bottom.
class DrawingHooks {
 public:
  virtual ~DrawingHooks() = default;
  virtual void DrawCredits() = 0;
  virtual void DrawCoins() = 0;
  virtual void DrawHolds() = 0;
  virtual void DrawWinnings(int32_t value) = 0;
  virtual void DrawWinningsLabel() = 0;
  virtual void DrawBonusMeter() = 0;
  virtual void DrawLineLamp(int line, bool lit) = 0;
  virtual void DrawButton(ButtonId id, bool lit) = 0;
  virtual void DrawHoldButton(bool lit, int reel) = 0;  // leaves a held reel's button alone
  virtual void DrawTitlePanels(bool lit) = 0;           // title panel, then name plate
  virtual void DrawCoinSpot(bool lit) = 0;
  // DrawReel and DrawReelBlur end with the guide lines themselves.
  virtual void DrawReel(int reel) = 0;
  virtual void DrawReelBlur(int reel, int32_t offset) = 0;  // 0 <= offset < BlurHeight
  virtual void DrawPaylines() = 0;
  // The stop bounce: copy the reel's window into its scratch picture, then draw
  // the scratch `dy` pixels below (negative: above) the reel's own place.
  virtual void CaptureReel(int reel) = 0;
  virtual void DrawCapturedReel(int reel, int dy) = 0;
  virtual void Repaint() = 0;  // the full repaint from GameState
  virtual int32_t Scale(int32_t designUnits) const = 0;
};

// The machine's cues and its music player. The win, extra-hold, bonus-reset
// and bonus-point cues return only when they have ended (handling events
// meanwhile); the others return at once. Every cue cuts off the one before.
class SoundHooks {
 public:
  virtual ~SoundHooks() = default;
  virtual void PlayReelStopCue() = 0;
  virtual void PlayCoinCue() = 0;
  virtual void PlayBonusResetCue() = 0;
  virtual void PlayCountCue() = 0;
  virtual void PlayPrizeCue() = 0;
  virtual void PlayBonusPointCue() = 0;
  virtual void PlayStartCue() = 0;
  virtual void PlayExtraHoldCue() = 0;
  virtual void PlayWinCue() = 0;
  // Opens `file` in the music player (closing what it had open) and plays it
  // to its end; a file that cannot be opened is reported by the player.
  virtual void PlayTune(const std::string& file) = 0;
};

// Everything else the engine needs from the world. The main window implements
// it; tests implement it with recording fakes.
class MachineHooks {
 public:
  virtual ~MachineHooks() = default;

  virtual DrawingHooks& Drawing() = 0;
  virtual SoundHooks& Sound() = 0;

  virtual void SetTimerEnabled(LampTimer timer, bool enabled) = 0;
  virtual bool TimerEnabled(LampTimer timer) const = 0;

  // The stored part of the game has settled: a spin has ended, or a new game
  // has begun while no spin runs. The window stores the current game.
  virtual void GameSettled() = 0;

  // A modal information box with an OK button.
  virtual void ShowMessage(std::string_view text) = 0;
  // Runs the modal bonus round and returns the prize it revealed: one of
  // BonusPrizes, or 0 when it closed before the reveal. The engine settles it.
  virtual int32_t RunBonusRound() = 0;

  virtual int64_t NowMs() = 0;  // monotonic millisecond clock
  virtual void ProcessMessages() = 0;
  virtual int32_t Random(int32_t n) = 0;  // uniform in 0..n-1, n >= 1
};

}  // namespace vexlor
