// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/fake_hooks.h"

#include <algorithm>
#include <memory>
#include <stdexcept>

#include "engine/machine_geometry.h"
#include "engine/reels.h"

namespace vexlor::testing {

FakeHooks::FakeHooks(GameState& state, uint32_t seed) : state_(state), random_(seed) {}

void FakeHooks::ScriptStops(const std::array<int32_t, kReelCount>& stops) {
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (state_.ReelHeld[reel]) continue;
    scriptedDraws.push_back(0);
    scriptedDraws.push_back(stops[reel] - 1);
  }
}

int FakeHooks::Count(std::string_view name) const {
  return static_cast<int>(
      std::count_if(calls.begin(), calls.end(), [&](const HookCall& c) { return c.name == name; }));
}

std::vector<HookCall> FakeHooks::Named(std::string_view name) const {
  std::vector<HookCall> found;
  std::copy_if(calls.begin(), calls.end(), std::back_inserter(found),
               [&](const HookCall& c) { return c.name == name; });
  return found;
}

std::vector<std::string> FakeHooks::Sequence(std::initializer_list<std::string_view> skip) const {
  std::vector<std::string> names;
  for (const HookCall& c : calls) {
    if (std::find(skip.begin(), skip.end(), c.name) == skip.end()) names.push_back(c.name);
  }
  return names;
}

void FakeHooks::RunWhile(const std::function<bool()>& going) {
  ManualClock& manual = fakeClock.clock;
  while (going()) {
    if (!manual.HasWaiting()) throw std::logic_error("the play waits for nothing that will come");
    if (!manual.RunDue()) {
      manual.Advance(stepMs);
      clock = manual.Now();
      if (onStep) onStep();
      manual.RunDue();
    }
    clock = manual.Now();
  }
}

void FakeHooks::Record(std::string_view name, int a, int b) {
  if (recording) calls.push_back({clock, std::string(name), a, b});
}

void FakeDrawing::DrawCredits() {
  log_.Record("DrawCredits");
}
void FakeDrawing::DrawCoins() {
  log_.Record("DrawCoins");
}
void FakeDrawing::DrawHolds() {
  log_.Record("DrawHolds");
}
void FakeDrawing::DrawWinnings(int32_t value) {
  log_.CountShown(value);
  log_.Record("DrawWinnings", value);
}
void FakeDrawing::DrawWinningsLabel() {
  log_.CountStarts();
  log_.Record("DrawWinningsLabel");
}
void FakeDrawing::DrawBonusMeter() {
  log_.Record("DrawBonusMeter", log_.State().BonusPts);
}
void FakeDrawing::DrawLineLamp(int line, bool lit) {
  log_.Record("DrawLineLamp", line, lit);
}
void FakeDrawing::DrawButton(ButtonId id, bool lit) {
  log_.Record("DrawButton", static_cast<char>(id), lit);
}
void FakeDrawing::DrawHoldButton(bool lit, int reel) {
  if (!log_.State().ReelHeld[reel]) holdButtonLit[reel] = lit;
  log_.Record("DrawHoldButton", lit, reel);
}
void FakeDrawing::DrawTitlePanels(bool lit) {
  log_.Record("DrawTitlePanels", lit);
}
void FakeDrawing::DrawCoinSpot(bool lit) {
  log_.Record("DrawCoinSpot", lit);
}
void FakeDrawing::DrawReel(int reel) {
  log_.Record("DrawReel", reel);
}
void FakeDrawing::DrawReelBlur(int reel, int32_t offset) {
  log_.Record("DrawReelBlur", reel, offset);
}
void FakeDrawing::DrawPaylines() {
  log_.Record("DrawPaylines");
}

void FakeDrawing::DrawPayingLines(bool shown) {
  log_.Record("DrawPayingLines", shown);
}
void FakeDrawing::CaptureReel(int reel) {
  log_.Record("CaptureReel", reel);
}
void FakeDrawing::DrawCapturedReel(int reel, int dy) {
  log_.Record("DrawCapturedReel", reel, dy);
}
void FakeDrawing::Repaint() {
  log_.Record("Repaint");
}
int32_t FakeDrawing::Scale(int32_t designUnits) const {
  return static_cast<int32_t>(designUnits * scaleFactor);
}

void FakeSound::PlayReelStopCue() {
  log_.Record("PlayReelStopCue");
}
void FakeSound::PlayCoinCue() {
  log_.Record("PlayCoinCue");
}
int64_t FakeSound::PlayBonusResetCue() {
  log_.Record("PlayBonusResetCue");
  return heldMs;
}
void FakeSound::PlayCountCue() {
  log_.Record("PlayCountCue");
}
void FakeSound::PlayPrizeCue() {
  log_.Record("PlayPrizeCue");
}
int64_t FakeSound::PlayBonusPointCue() {
  log_.Record("PlayBonusPointCue", log_.State().BonusPts);
  return heldMs;
}
void FakeSound::PlayStartCue() {
  log_.Record("PlayStartCue");
}
int64_t FakeSound::PlayExtraHoldCue() {
  log_.Record("PlayExtraHoldCue");
  return heldMs;
}
int64_t FakeSound::PlayWinCue() {
  log_.Record("PlayWinCue");
  return heldMs;
}
void FakeSound::PlayTune(const std::string& file) {
  tunes.push_back(file);
  log_.Record("PlayTune", log_.State().MusicTrack);
}

void FakeHooks::SetTimerEnabled(LampTimer timer, bool enabled) {
  timers[static_cast<int>(timer)] = enabled;
  Record("SetTimerEnabled", static_cast<int>(timer), enabled);
}

void FakeHooks::ShowMessage(std::string_view text) {
  messages.emplace_back(text);
  Record("ShowMessage");
}

void FakeHooks::OpenBonusRound(Reply<int32_t> prize) {
  ++bonusRounds;
  Record("OpenBonusRound");
  const int32_t revealed = bonusRound ? bonusRound(state_) : 0;
  auto answer = std::make_shared<Reply<int32_t>>(std::move(prize));
  fakeClock.clock.After(0, [answer, revealed] { (*answer)(revealed); });
}

int32_t FakeHooks::Random(int32_t n) {
  if (n < 1) throw std::invalid_argument("Random needs n >= 1");
  if (scriptedDraws.empty()) return random_.Draw(n);
  const int32_t value = scriptedDraws.front();
  scriptedDraws.pop_front();
  if (value < 0 || value >= n) throw std::out_of_range("scripted draw outside 0..n-1");
  return value;
}

GameState NewGameState() {
  GameState state;
  InitReels(state);
  state.Credits = kNewGameCredits;
  state.Borrowed = kNewGameCredits;
  state.Nudges = kNewGameHolds;
  state.ScreenWidth = 800;
  state.ScreenHeight = 600;
  state.CellSize = 76;
  state.ReelLeft = design::kReelLeft;
  state.ReelTop = design::kReelTop;
  state.ReelPitch = design::kReelPitch;
  state.BlurHeight = 456;
  state.SoundOn = true;
  state.MusicOn = true;
  state.MusicTrack = 9;
  return state;
}

}  // namespace vexlor::testing
