// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/evaluate.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <string>

#include "engine/holds.h"
#include "engine/waits.h"

namespace vexlor {
namespace {

constexpr int32_t kThreeWildsPay = 2500;
constexpr std::array<int32_t, kSymbolCount> kSymbolPays = {
    kThreeWildsPay, 50, 20, 18, 14, 12, 10, 5};
constexpr double kCountStepSeconds = 0.075;

bool Matches(int shown, int symbol) {
  return shown == symbol || shown == kWildSymbol;
}

int32_t CountStep(int32_t remaining) {
  if (remaining >= 1000) return 25;
  if (remaining >= 100) return 10;
  if (remaining >= 25) return 5;
  return 1;
}

void PayLines(GameState& state) {
  int32_t previous = 0;
  for (int line = 0; line < kLineCount; ++line) {
    const int32_t pay = state.CoinsBet > line ? LinePayOf(state, line) : 0;
    state.SpinWin = SaturatingAdd(state.SpinWin, pay);
    if (state.SpinWin > previous) state.LineWon[line] = true;
    previous = state.SpinWin;
  }
}

}  // namespace

Row LineRow(int line) {
  constexpr std::array<Row, kLineCount> kRows = {Row::Middle, Row::Top, Row::Bottom};
  return kRows.at(line);
}

int32_t LinePayOf(const GameState& state, int line) {
  const Row row = LineRow(line);
  return LinePay(SymbolInRow(state, 0, row), SymbolInRow(state, 1, row),
                 SymbolInRow(state, 2, row));
}

int32_t LinesPay(const GameState& state, int32_t coins) {
  int32_t pay = 0;
  for (int line = 0; line < std::min(coins, kLineCount); ++line)
    pay = SaturatingAdd(pay, LinePayOf(state, line));
  return pay;
}

int32_t SymbolPay(int symbol) {
  return kSymbolPays.at(symbol);
}

int PayingSymbol(int a, int b, int c) {
  if (a == kWildSymbol && b == kWildSymbol && c == kWildSymbol) return kWildSymbol;
  for (int symbol = 1; symbol < kSymbolCount; ++symbol) {
    if (Matches(a, symbol) && Matches(b, symbol) && Matches(c, symbol)) return symbol;
  }
  return -1;
}

int PayingSymbolOf(const GameState& state, int line) {
  const Row row = LineRow(line);
  return PayingSymbol(SymbolInRow(state, 0, row), SymbolInRow(state, 1, row),
                      SymbolInRow(state, 2, row));
}

int32_t LinePay(int a, int b, int c) {
  const int symbol = PayingSymbol(a, b, c);
  return symbol < 0 ? 0 : kSymbolPays[static_cast<std::size_t>(symbol)];
}

Task<> EvaluateSpin(GameState& state, MachineHooks& hooks) {
  state.SpinWin = 0;
  state.HoldsOpen = false;
  const SpecialTally tally = TallySpecialCells(state);
  PayLines(state);
  co_await AwardHoldsAndBonusPoints(state, hooks, tally);

  if (state.SpinWin > 0) {
    if (!state.StopRequested) co_await Wait(state, hooks, hooks.Sound().PlayWinCue());
    for (int reel = 0; reel < kReelCount; ++reel)
      hooks.Drawing().DrawHoldButton(false, reel);
    state.HoldsOpen = false;
    hooks.SetTimerEnabled(LampTimer::Timer3, true);
    hooks.SetTimerEnabled(LampTimer::Timer8, true);
    hooks.Drawing().DrawPayingLines(true);
    co_await CountWinnings(state, hooks);
    hooks.Drawing().DrawPayingLines(false);
  } else {
    state.HoldsOpen = true;
    if (state.Nudges > 0) hooks.SetTimerEnabled(LampTimer::Timer7, true);
  }
  co_await RunBonusRoundIfDue(state, hooks);
}

Task<int32_t> CountWinnings(GameState& state, MachineHooks& hooks) {
  hooks.Drawing().DrawWinningsLabel();
  int32_t credited = 0;
  int32_t lost = 0;
  while (state.SpinWin > 0) {
    // While the machine closes the rest is paid at once.
    const int32_t step = state.StopRequested ? state.SpinWin : CountStep(state.SpinWin);
    const int32_t paid = CreditAsFarAsItGoes(state, step);
    credited = SaturatingAdd(credited, paid);
    lost = SaturatingAdd(lost, step - paid);
    state.SpinWin -= step;
    if (!state.StopRequested) hooks.Sound().PlayCountCue();
    hooks.Drawing().DrawCredits();
    hooks.Drawing().DrawWinnings(credited);
    co_await WaitSeconds(state, hooks, kCountStepSeconds);
  }
  if (lost > 0 && !state.StopRequested) hooks.ShowMessage(PayLostMessage(lost));
  co_return credited;
}

int32_t CreditAsFarAsItGoes(GameState& state, int32_t amount) {
  const int32_t before = state.Credits;
  state.Credits = SaturatingAdd(state.Credits, amount);
  return state.Credits - before;
}

std::string PayLostMessage(int32_t lost) {
  return "The machine cannot count past " + std::to_string(std::numeric_limits<int32_t>::max()) +
         " credits: " + std::to_string(lost) + (lost == 1 ? " credit" : " credits") +
         " of this win could not be paid.";
}

Task<> WaitSeconds(GameState& state, MachineHooks& hooks, double seconds) {
  ClockHooks& clock = hooks.Clock();
  const int64_t start = clock.NowMs();
  const auto span = static_cast<int64_t>(std::llround(seconds * 1000.0));
  while (!state.StopRequested && clock.NowMs() - start < span)
    co_await Wait(state, hooks, start + span - clock.NowMs());
}

}  // namespace vexlor
