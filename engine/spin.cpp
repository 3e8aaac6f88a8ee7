// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/spin.h"

#include <iterator>

#include "engine/evaluate.h"
#include "engine/waits.h"

namespace vexlor {
namespace {

constexpr LampTimer kLampTimers[] = {LampTimer::Timer2, LampTimer::Timer3, LampTimer::Timer5,
                                     LampTimer::Timer7, LampTimer::Timer8};
constexpr ButtonId kButtons[] = {ButtonId::BetOne, ButtonId::BetMax, ButtonId::Spin};

// Pixel offsets of the eight bounce frames after a reel stops (down is positive).
constexpr int kBounce[] = {1, 2, 1, 0, -1, -2, -1, 0};
constexpr int kLastSpinningPhase = 20;
constexpr int kStopPhase = 21;
constexpr int kFirstBouncePhase = 22;
constexpr int kPhaseLagPerReel = 9;

void PlaceCoin(GameState& state) {
  state.CoinsBet += 1;
  state.Credits -= 1;
}

void DrawBetLamps(const GameState& state, MachineHooks& hooks) {
  for (int line = 0; line < kLineCount; ++line)
    hooks.Drawing().DrawLineLamp(line, state.CoinsBet > line);
}

void DrawButtons(MachineHooks& hooks, bool lit) {
  for (ButtonId id : kButtons)
    hooks.Drawing().DrawButton(id, lit);
}

// One reel's step of one animation tick.
void StepReel(GameState& state, MachineHooks& hooks, int reel, int phase, int32_t& offset) {
  const bool held = state.ReelHeld[reel];
  if (phase <= kLastSpinningPhase) {
    if (held) return;
    hooks.Drawing().DrawReelBlur(reel, offset);
    offset -= hooks.Drawing().Scale(61);
    while (offset < 0 && state.BlurHeight > 0)
      offset += state.BlurHeight;
    if (offset < 0) offset = 0;
  } else if (phase == kStopPhase) {
    if (held) return;
    hooks.Sound().PlayReelStopCue();
    hooks.Drawing().DrawReel(reel);
  } else if (phase < kFirstBouncePhase + static_cast<int>(std::size(kBounce))) {
    if (!held) {
      if (phase == kFirstBouncePhase) hooks.Drawing().CaptureReel(reel);
      hooks.Drawing().DrawCapturedReel(reel, kBounce[phase - kFirstBouncePhase]);
    }
    hooks.Drawing().DrawPaylines();
  }
}

// Spin's steps up to the reels: the lamps stop, every payline lamp lights
// and the controls go dim.
void DimForSpin(GameState& state, MachineHooks& hooks) {
  for (LampTimer timer : kLampTimers)
    hooks.SetTimerEnabled(timer, false);
  state.LineWon = {};
  for (int line = 0; line < kLineCount; ++line)
    hooks.Drawing().DrawLineLamp(line, true);
  hooks.Drawing().DrawTitlePanels(true);
  state.Busy = true;
  DrawButtons(hooks, false);
  hooks.Drawing().DrawCoinSpot(true);
  for (int reel = 0; reel < kReelCount; ++reel)
    hooks.Drawing().DrawHoldButton(false, reel);
}

// Spin's last steps: the holds and coins of the spin are used up and the
// machine takes input again.
void EndSpin(GameState& state, MachineHooks& hooks) {
  const std::array<bool, kReelCount> wasHeld = state.ReelHeld;
  state.HoldsUsed = 0;
  state.ReelHeld = {};
  // A lit hold button always means a held reel: the holds of this spin are
  // used up, so their buttons go dim unless the blinking of new holds takes over.
  if (!hooks.TimerEnabled(LampTimer::Timer7)) {
    for (int reel = 0; reel < kReelCount; ++reel) {
      if (wasHeld[reel]) hooks.Drawing().DrawHoldButton(false, reel);
    }
  }
  state.LastBet = state.CoinsBet;
  state.CoinsBet = 0;
  state.Busy = false;
  DrawButtons(hooks, true);
  hooks.SetTimerEnabled(LampTimer::Timer2, true);
  if (!hooks.TimerEnabled(LampTimer::Timer3)) hooks.SetTimerEnabled(LampTimer::Timer5, true);
  hooks.GameSettled();
}

}  // namespace

Task<> BetOne(GameState& state, MachineHooks& hooks) {
  if (state.Credits < 1) {
    hooks.ShowMessage(kOutOfCreditsMessage);
    co_return;
  }
  hooks.Sound().PlayCoinCue();
  PlaceCoin(state);
  hooks.Drawing().DrawCredits();
  hooks.Drawing().DrawCoins();
  DrawBetLamps(state, hooks);
  if (state.CoinsBet == kMaxCoins) co_await Spin(state, hooks);
}

Task<> BetMax(GameState& state, MachineHooks& hooks) {
  while (state.Credits >= 1 && state.CoinsBet < kMaxCoins) {
    PlaceCoin(state);
    DrawBetLamps(state, hooks);
    hooks.Drawing().DrawCredits();
    hooks.Drawing().DrawCoins();
    hooks.Sound().PlayCoinCue();
  }
  if (state.CoinsBet == kMaxCoins) co_await Spin(state, hooks);
}

void StartPendingTune(GameState& state, SoundHooks& sound) {
  if (state.MusicTrack < kTuneStartMark) return;
  while (state.MusicTrack >= kTuneStartMark)
    state.MusicTrack -= kTuneStartMark;
  if (state.MusicTrack < static_cast<int32_t>(state.MusicFiles.size())) {
    sound.PlayTune(state.MusicFiles[static_cast<std::size_t>(state.MusicTrack)]);
  }
}

bool HasBetToSpin(const GameState& state) {
  return state.CoinsBet > 0 || (state.LastBet > 0 && state.Credits >= state.LastBet);
}

Task<> Spin(GameState& state, MachineHooks& hooks) {
  StartPendingTune(state, hooks.Sound());
  if (state.CoinsBet == 0 && HasBetToSpin(state)) {
    state.CoinsBet = state.LastBet;
    state.Credits -= state.LastBet;
    hooks.Drawing().DrawCredits();
    hooks.Drawing().DrawCoins();
  }
  if (state.CoinsBet <= 0) {
    hooks.ShowMessage(kNoBetMessage);
    co_return;
  }
  DimForSpin(state, hooks);
  co_await RunReels(state, hooks);
  co_await EvaluateSpin(state, hooks);
  EndSpin(state, hooks);
}

Task<> RunReels(GameState& state, MachineHooks& hooks) {
  state.Busy = true;
  state.TotalBets = SaturatingAdd(state.TotalBets, state.CoinsBet);

  std::array<int32_t, kReelCount> blurOffset{};
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (state.ReelHeld[reel]) continue;
    blurOffset[reel] = state.BlurHeight > 0 ? hooks.Random(state.BlurHeight) : 0;
    state.ReelStop[reel] = hooks.Random(kStripLength) + 1;
  }
  state.StopRequested = false;
  state.Spins = SaturatingAdd(state.Spins, 1);
  hooks.ReelsStarted();

  ClockHooks& clock = hooks.Clock();
  int tick = 0;
  int64_t last = clock.NowMs();
  while (tick < kSpinTicks) {
    // Each tick comes at least 25 ms after the one before, however late.
    while (!state.StopRequested && clock.NowMs() - last < kTickMs)
      co_await Wait(state, hooks, last + kTickMs - clock.NowMs());
    if (state.StopRequested) break;  // the reels keep their new stops
    last = clock.NowMs();
    tick += 1;
    for (int reel = 0; reel < kReelCount; ++reel)
      StepReel(state, hooks, reel, tick - kPhaseLagPerReel * reel, blurOffset[reel]);
  }
}

}  // namespace vexlor
