// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <coroutine>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

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
  // While a win is counted: the paying lines (LineWon) drawn across their
  // symbols and their rows of the pay table lit; false: the idle look again.
  virtual void DrawPayingLines(bool shown) = 0;
  // The stop bounce: copy the reel's window into its scratch picture, then draw
  // the scratch `dy` pixels below (negative: above) the reel's own place.
  virtual void CaptureReel(int reel) = 0;
  virtual void DrawCapturedReel(int reel, int dy) = 0;
  virtual void Repaint() = 0;  // the full repaint from GameState
  virtual int32_t Scale(int32_t designUnits) const = 0;
};

// The machine's cues and its music player. Every cue cuts off the one before
// and returns at once. The win, extra-hold, bonus-reset and bonus-point cues
// hold play while they sound: they return how long that is in milliseconds
// (0 when nothing plays), and the engine waits that long.
class SoundHooks {
 public:
  virtual ~SoundHooks() = default;
  virtual void PlayReelStopCue() = 0;
  virtual void PlayCoinCue() = 0;
  virtual int64_t PlayBonusResetCue() = 0;
  virtual void PlayCountCue() = 0;
  virtual void PlayPrizeCue() = 0;
  virtual int64_t PlayBonusPointCue() = 0;
  virtual void PlayStartCue() = 0;
  virtual int64_t PlayExtraHoldCue() = 0;
  virtual int64_t PlayWinCue() = 0;
  // Opens `file` in the music player (closing what it had open) and plays it
  // to its end; a file that cannot be opened is reported by the player.
  virtual void PlayTune(const std::string& file) = 0;
};

// The game's clock, and the waits of the engine's coroutines on it.
class ClockHooks {
 public:
  virtual ~ClockHooks() = default;
  virtual int64_t NowMs() = 0;  // monotonic milliseconds
  // Resumes `waiting` once `ms` (at least 1) have passed on NowMs: later,
  // from the event loop, never inside this call.
  virtual void ResumeAfter(int64_t ms, std::coroutine_handle<> waiting) = 0;
};

// An answer that a hook gives later, such as the prize of a bonus round.
// Given once, from the event loop, it resumes the engine where it waits for
// it; a second answer is ignored.
template <typename T>
class Reply {
 public:
  Reply() = default;
  Reply(std::optional<T>* slot, std::coroutine_handle<> waiting) : slot_(slot), waiting_(waiting) {}
  Reply(Reply&& other) noexcept
      : slot_(std::exchange(other.slot_, nullptr)), waiting_(std::exchange(other.waiting_, {})) {}
  Reply& operator=(Reply&& other) noexcept {
    slot_ = std::exchange(other.slot_, nullptr);
    waiting_ = std::exchange(other.waiting_, {});
    return *this;
  }

  bool Pending() const { return static_cast<bool>(waiting_); }
  void operator()(T answer) {
    if (!waiting_) return;
    *slot_ = std::move(answer);
    std::exchange(waiting_, {}).resume();
  }

 private:
  std::optional<T>* slot_ = nullptr;  // in the waiting coroutine's frame
  std::coroutine_handle<> waiting_;
};

// Everything else the engine needs from the world. The main window implements
// it; tests implement it with recording fakes.
class MachineHooks {
 public:
  virtual ~MachineHooks() = default;

  virtual DrawingHooks& Drawing() = 0;
  virtual SoundHooks& Sound() = 0;
  virtual ClockHooks& Clock() = 0;

  virtual void SetTimerEnabled(LampTimer timer, bool enabled) = 0;
  virtual bool TimerEnabled(LampTimer timer) const = 0;

  // The reels of a spin have started: its bet is taken and counted.
  virtual void ReelsStarted() = 0;
  // The stored part of the game has settled: a spin has ended, or a new game
  // has begun while no spin runs. The window stores the current game.
  virtual void GameSettled() = 0;

  // A modal information box with an OK button. It is opened and left to the
  // player: nothing of the machine waits for it.
  virtual void ShowMessage(std::string_view text) = 0;
  // Opens the modal bonus round. Its answer is the prize the round revealed:
  // one of BonusPrizes, or 0 when it closed before the reveal. The engine
  // settles it.
  virtual void OpenBonusRound(Reply<int32_t> prize) = 0;

  virtual int32_t Random(int32_t n) = 0;  // uniform in 0..n-1, n >= 1
};

}  // namespace vexlor
