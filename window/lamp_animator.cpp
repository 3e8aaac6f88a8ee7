// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/lamp_animator.h"

namespace vexlor {
namespace {

// Intervals in ms, in the order of LampTimer.
constexpr int kIntervals[] = {200, 200, 400, 300, 300};

}  // namespace

LampAnimator::LampAnimator(GameState& state, MachineRenderer& renderer, GameRandom& random)
    : state_(state), renderer_(renderer), random_(random) {
  void (LampAnimator::*ticks[])() = {&LampAnimator::Timer2Timer, &LampAnimator::Timer3Timer,
                                     &LampAnimator::Timer5Timer, &LampAnimator::Timer7Timer,
                                     &LampAnimator::Timer8Timer};
  for (int i = 0; i < 5; ++i) {
    timers_[i].setInterval(kIntervals[i]);
    connect(&timers_[i], &QTimer::timeout, this, ticks[i]);
  }
}

void LampAnimator::Start() {
  Timer(LampTimer::Timer2).start();
  Timer(LampTimer::Timer5).start();
}

void LampAnimator::SetEnabled(LampTimer timer, bool enabled) {
  QTimer& t = Timer(timer);
  // Switching a timer on starts a fresh interval; switching it to the state it
  // has already changes nothing.
  if (enabled && !t.isActive()) t.start();
  if (!enabled) t.stop();
}

void LampAnimator::Timer2Timer() {
  if (state_.CoinsBet > 0 || Enabled(LampTimer::Timer3)) {
    // Coins are in, or a win is showing: the bet buttons stay lit and Spin blinks.
    state_.BetBlinkPhase = !state_.BetBlinkPhase;
    renderer_.DrawButton(ButtonId::BetOne, true);
    renderer_.DrawButton(ButtonId::Spin, state_.BetBlinkPhase);
    renderer_.DrawButton(ButtonId::BetMax, true);
    return;
  }
  // The idle chase: one button lit at a time, never the same one twice running.
  int32_t lamp = 0;
  do {
    lamp = random_.Draw(3);
  } while (lamp == state_.AttractLamp);
  state_.AttractLamp = lamp;
  renderer_.DrawButton(ButtonId::BetOne, lamp == 0);
  renderer_.DrawButton(ButtonId::Spin, lamp == 1);
  renderer_.DrawButton(ButtonId::BetMax, lamp == 2);
}

void LampAnimator::Timer3Timer() {
  renderer_.DrawNamePlate(state_.WinBlinkPhase);
  state_.WinBlinkPhase = !state_.WinBlinkPhase;
  renderer_.DrawTitlePanel(state_.WinBlinkPhase);
}

void LampAnimator::Timer5Timer() {
  state_.BetSpotBlinkPhase = !state_.BetSpotBlinkPhase;
  renderer_.DrawCoinSpot(state_.BetSpotBlinkPhase);
}

void LampAnimator::Timer7Timer() {
  state_.HoldBlinkPhase = !state_.HoldBlinkPhase;
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (!state_.ReelHeld[reel]) renderer_.DrawHoldButton(state_.HoldBlinkPhase, reel);
  }
}

void LampAnimator::Timer8Timer() {
  state_.LineBlinkPhase = !state_.LineBlinkPhase;
  for (int line = 0; line < kLineCount; ++line) {
    if (state_.LineWon[line]) renderer_.DrawLineLamp(line, state_.LineBlinkPhase);
  }
}

}  // namespace vexlor
