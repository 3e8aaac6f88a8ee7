// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/manual_clock.h"
#include "engine/random.h"
#include "engine/task.h"

namespace vexlor::testing {

// One hook call as the engine made it, stamped with the fake clock.
struct HookCall {
  int64_t timeMs = 0;
  std::string name;
  int a = 0;  // first argument (reel, line, lit, value ...), 0 when none
  int b = 0;  // second argument, 0 when none
};

class FakeHooks;

// The drawing role, recording into its FakeHooks' log.
class FakeDrawing : public DrawingHooks {
 public:
  explicit FakeDrawing(FakeHooks& log) : log_(log) {}
  double scaleFactor = 1.0;  // Scale(v) = trunc(v * factor)
  // What the hold buttons show, following the window's rule that a held
  // reel's button is left as it was.
  std::array<bool, kReelCount> holdButtonLit{};

  void DrawCredits() override;
  void DrawCoins() override;
  void DrawHolds() override;
  void DrawWinnings(int32_t value) override;
  void DrawWinningsLabel() override;
  void DrawBonusMeter() override;
  void DrawLineLamp(int line, bool lit) override;
  void DrawButton(ButtonId id, bool lit) override;
  void DrawHoldButton(bool lit, int reel) override;
  void DrawTitlePanels(bool lit) override;
  void DrawCoinSpot(bool lit) override;
  void DrawReel(int reel) override;
  void DrawReelBlur(int reel, int32_t offset) override;
  void DrawPaylines() override;
  void DrawPayingLines(bool shown) override;
  void CaptureReel(int reel) override;
  void DrawCapturedReel(int reel, int dy) override;
  void Repaint() override;
  int32_t Scale(int32_t designUnits) const override;

 private:
  FakeHooks& log_;
};

// The sound role, recording into its FakeHooks' log; cues that hold play
// hold it `heldMs` each.
class FakeSound : public SoundHooks {
 public:
  explicit FakeSound(FakeHooks& log) : log_(log) {}
  std::vector<std::string> tunes;  // files PlayTune was given
  int64_t heldMs = 0;

  void PlayReelStopCue() override;
  void PlayCoinCue() override;
  int64_t PlayBonusResetCue() override;
  void PlayCountCue() override;
  void PlayPrizeCue() override;
  int64_t PlayBonusPointCue() override;
  void PlayStartCue() override;
  int64_t PlayExtraHoldCue() override;
  int64_t PlayWinCue() override;
  void PlayTune(const std::string& file) override;

 private:
  FakeHooks& log_;
};

// The clock role: a ManualClock that FakeHooks::Run moves.
class FakeClock : public ClockHooks {
 public:
  ManualClock clock;
  int64_t NowMs() override { return clock.Now(); }
  void ResumeAfter(int64_t ms, std::coroutine_handle<> waiting) override {
    clock.After(ms, [waiting] { waiting.resume(); });
  }
};

// A recording stand-in for the machine window: the clock moves only while
// Run drives a play, step by step, so a whole spin runs in microseconds. Its
// drawing and sound fakes record into the same log, so the order across roles
// shows.
class FakeHooks : public MachineHooks {
 public:
  explicit FakeHooks(GameState& state, uint32_t seed = 1);

  // --- knobs ---
  bool recording = true;                          // keep every call in `calls`
  int64_t stepMs = 1;                             // how far each step of Run moves the clock
  std::function<void()> onStep;                   // runs at each step, after the clock moved
  std::function<int32_t(GameState&)> bonusRound;  // the modal round's prize; none: 0
  std::deque<int32_t> scriptedDraws;              // returned before the generator's

  // --- what happened ---
  std::vector<HookCall> calls;
  std::vector<std::string> messages;
  int bonusRounds = 0;
  int reelsStarted = 0;
  int64_t clock = 0;  // the fake clock's reading, kept up by Run
  std::array<bool, 5> timers{};

  FakeDrawing drawing{*this};
  FakeSound sound{*this};
  FakeClock fakeClock;

  // Starts `play` and moves the clock on, stepMs at a time, until it ends.
  template <typename T>
  T Run(Task<T> play) {
    play.Start();
    RunWhile([&play] { return !play.Done(); });
    return play.Result();
  }
  // Moves the clock on as Run does while `going` holds.
  void RunWhile(const std::function<bool()>& going);

  // Makes the next spin stop at `stops` (1..30 each): queues a blur offset of
  // 0 and the stop for every reel the state does not hold.
  void ScriptStops(const std::array<int32_t, kReelCount>& stops);

  int Count(std::string_view name) const;
  std::vector<HookCall> Named(std::string_view name) const;
  // Names of the recorded calls, in order, leaving out the ones listed.
  std::vector<std::string> Sequence(std::initializer_list<std::string_view> skip = {}) const;
  // Sum of every payout the Winnings counter finished counting.
  int64_t CountedPayouts() const { return countedBefore_ + countingNow_; }
  bool Timer(LampTimer timer) const { return timers[static_cast<int>(timer)]; }
  const GameState& State() const { return state_; }

  void Record(std::string_view name, int a = 0, int b = 0);
  void CountShown(int32_t value) { countingNow_ = value; }
  void CountStarts() {
    countedBefore_ += countingNow_;
    countingNow_ = 0;
  }

  // --- MachineHooks ---
  DrawingHooks& Drawing() override { return drawing; }
  SoundHooks& Sound() override { return sound; }
  ClockHooks& Clock() override { return fakeClock; }
  void SetTimerEnabled(LampTimer timer, bool enabled) override;
  bool TimerEnabled(LampTimer timer) const override { return Timer(timer); }
  void ReelsStarted() override { ++reelsStarted; }
  void GameSettled() override { Record("GameSettled"); }
  void ShowMessage(std::string_view text) override;
  // The round's prize comes from `bonusRound`, answered without time passing.
  void OpenBonusRound(Reply<int32_t> prize) override;
  int32_t Random(int32_t n) override;

 private:
  GameState& state_;
  GameRandom random_;
  int64_t countedBefore_ = 0;
  int64_t countingNow_ = 0;
};

// A GameState as it stands after start-up and New Game: reels set, 1000
// credits, 1000 borrowed, 6 holds, layout of an 800-wide screen, input free.
GameState NewGameState();

}  // namespace vexlor::testing
