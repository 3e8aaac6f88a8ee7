#include "window/unit1.h"

namespace vexlor {

void TForm1::StartLampTimers() {
  connect(&timer2_, &QTimer::timeout, this, &TForm1::Timer2Timer);
  connect(&timer3_, &QTimer::timeout, this, &TForm1::Timer3Timer);
  connect(&timer5_, &QTimer::timeout, this, &TForm1::Timer5Timer);
  connect(&timer7_, &QTimer::timeout, this, &TForm1::Timer7Timer);
  connect(&timer8_, &QTimer::timeout, this, &TForm1::Timer8Timer);
  timer2_.start();
  timer5_.start();
}

void TForm1::Timer2Timer() {
  if (state_.CoinsBet > 0 || timer3_.isActive()) {
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

void TForm1::Timer3Timer() {
  renderer_.DrawNamePlate(state_.WinBlinkPhase);
  state_.WinBlinkPhase = !state_.WinBlinkPhase;
  renderer_.DrawTitlePanel(state_.WinBlinkPhase);
}

void TForm1::Timer5Timer() {
  state_.BetSpotBlinkPhase = !state_.BetSpotBlinkPhase;
  renderer_.DrawCoinSpot(state_.BetSpotBlinkPhase);
}

void TForm1::Timer7Timer() {
  state_.HoldBlinkPhase = !state_.HoldBlinkPhase;
  for (int reel = 0; reel < kReelCount; ++reel) {
    if (!state_.ReelHeld[reel]) renderer_.DrawHoldButton(state_.HoldBlinkPhase, reel);
  }
}

void TForm1::Timer8Timer() {
  state_.LineBlinkPhase = !state_.LineBlinkPhase;
  for (int line = 0; line < kLineCount; ++line) {
    if (state_.LineWon[line]) renderer_.DrawLineLamp(line, state_.LineBlinkPhase);
  }
}

}  // namespace vexlor
