// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/evaluate.h"

#include <gtest/gtest.h>

#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::HookCall;
using testing::NewGameState;

// Evaluates the window at `stops` with `coins` lit lines, as Spin would.
struct Evaluated {
  GameState state = NewGameState();
  FakeHooks fake{state};
  Evaluated(std::array<int32_t, 3> stops, int32_t coins) {
    state.ReelStop = stops;
    state.CoinsBet = coins;
    state.Busy = true;
    fake.Run(EvaluateSpin(state, fake));
  }
  int32_t Paid() const { return state.Credits - 1000; }
};

TEST(PayTable, WildStandsInForAnySymbolAndThreeWildsPayMost) {
  EXPECT_EQ(LinePay(0, 0, 0), 2500);
  EXPECT_EQ(LinePay(0, 5, 0), 12);
  EXPECT_EQ(LinePay(1, 0, 1), 50);
  EXPECT_EQ(LinePay(0, 0, 7), 5);
  EXPECT_EQ(PayingSymbol(0, 5, 0), 5);  // the row the win lights: clovers, not wilds
  EXPECT_EQ(PayingSymbol(0, 0, 0), 0);
  const std::array<int32_t, 8> threeOfAKind = {2500, 50, 20, 18, 14, 12, 10, 5};
  for (int symbol = 0; symbol < 8; ++symbol) {
    EXPECT_EQ(LinePay(symbol, symbol, symbol), threeOfAKind[symbol]) << symbol;
  }
}

TEST(PayTable, MixedSymbolsAndPairsPayNothing) {
  EXPECT_EQ(LinePay(1, 0, 2), 0);
  EXPECT_EQ(LinePay(3, 3, 4), 0);
  EXPECT_EQ(LinePay(7, 0, 6), 0);
  EXPECT_EQ(PayingSymbol(7, 0, 6), -1);
}

TEST(Evaluate, ThreeWildsOnTheLitMiddleLinePay2500) {
  Evaluated e({11, 15, 27}, 1);
  EXPECT_EQ(e.Paid(), 2500);
  EXPECT_EQ(e.state.SpinWin, 0);
  EXPECT_EQ(e.state.LineWon, (std::array<bool, 3>{true, false, false}));
  EXPECT_FALSE(e.state.HoldsOpen);
}

TEST(Evaluate, ThreeWildsOnAnUnlitLinePayNothing) {
  Evaluated e({12, 16, 28}, 1);  // the wilds stand in the top row
  EXPECT_EQ(e.Paid(), 0);
  EXPECT_EQ(e.state.LineWon, (std::array<bool, 3>{false, false, false}));
  EXPECT_TRUE(e.state.HoldsOpen);
}

TEST(Evaluate, WildPairOnTheMiddleLinePaysTheOtherSymbol) {
  Evaluated e({11, 4, 27}, 1);  // middle row 0, 5, 0
  EXPECT_EQ(e.Paid(), 12);
  Evaluated mixed({8, 15, 3}, 1);  // middle row 1, 0, 2
  EXPECT_EQ(mixed.Paid(), 0);
}

TEST(Evaluate, EveryLitWinningLineIsPaidAndMarked) {
  Evaluated e({1, 15, 18}, 3);  // middle 7 0 7 pays 5, bottom 5 5 5 pays 12, top loses
  EXPECT_EQ(e.Paid(), 17);
  EXPECT_EQ(e.state.LineWon, (std::array<bool, 3>{true, false, true}));
}

TEST(Evaluate, OnlyTheUnlitLineWouldWin) {
  Evaluated e({1, 14, 5}, 2);  // the bottom line wins but only two coins are in
  EXPECT_EQ(e.Paid(), 0);
  EXPECT_EQ(e.state.LineWon, (std::array<bool, 3>{false, false, false}));
  EXPECT_TRUE(e.state.HoldsOpen);
}

TEST(Evaluate, AWinPlaysTheCueDimsTheHoldsAndFlashesBeforeCounting) {
  Evaluated e({11, 15, 27}, 1);
  const auto seq = e.fake.Sequence();
  ASSERT_GE(seq.size(), 9u);
  EXPECT_EQ(std::vector<std::string>(seq.begin(), seq.begin() + 8),
            (std::vector<std::string>{"PlayWinCue", "DrawHoldButton", "DrawHoldButton",
                                      "DrawHoldButton", "SetTimerEnabled", "SetTimerEnabled",
                                      "DrawPayingLines", "DrawWinningsLabel"}));
  // The paying lines are shown while the win counts and gone once it is counted.
  EXPECT_EQ(e.fake.Named("DrawPayingLines").size(), 2u);
  EXPECT_EQ(seq.back(), "DrawPayingLines");
  EXPECT_EQ(e.fake.Named("DrawPayingLines").back().a, 0);
  EXPECT_TRUE(e.fake.Timer(LampTimer::Timer3));
  EXPECT_TRUE(e.fake.Timer(LampTimer::Timer8));
  EXPECT_FALSE(e.fake.Timer(LampTimer::Timer7));
}

TEST(Evaluate, ALosingSpinOpensTheHoldsAndBlinksThemOnlyWithHoldsInStock) {
  Evaluated withStock({1, 1, 4}, 3);
  EXPECT_TRUE(withStock.state.HoldsOpen);
  EXPECT_TRUE(withStock.fake.Timer(LampTimer::Timer7));

  GameState state = NewGameState();
  state.Nudges = 0;
  state.ReelStop = {1, 1, 4};
  state.CoinsBet = 3;
  FakeHooks fake(state);
  fake.Run(EvaluateSpin(state, fake));
  EXPECT_TRUE(state.HoldsOpen);
  EXPECT_FALSE(fake.Timer(LampTimer::Timer7));
}

TEST(CountWinnings, StepsOf25Then10Then5Then1) {
  GameState state = NewGameState();
  state.SpinWin = 1000;
  FakeHooks fake(state);
  fake.Run(CountWinnings(state, fake));
  std::vector<int32_t> remaining;
  for (const HookCall& c : fake.Named("DrawWinnings"))
    remaining.push_back(1000 - c.a);
  ASSERT_EQ(remaining.size(), 124u);
  EXPECT_EQ(remaining[0], 975);
  EXPECT_EQ(remaining[1], 965);
  EXPECT_EQ(remaining[88], 95);
  EXPECT_EQ(remaining[89], 90);
  EXPECT_EQ(remaining[103], 20);
  EXPECT_EQ(remaining[104], 19);
  EXPECT_EQ(remaining.back(), 0);
  EXPECT_EQ(state.Credits, 2000);
  EXPECT_EQ(state.SpinWin, 0);
}

TEST(CountWinnings, StepCountsOfTheUsualPays) {
  const std::vector<std::pair<int32_t, int>> cases = {{5, 5},    {25, 21},    {50, 26},   {100, 35},
                                                      {250, 50}, {1000, 124}, {2500, 184}};
  for (const auto& [pay, steps] : cases) {
    GameState state = NewGameState();
    state.SpinWin = pay;
    FakeHooks fake(state);
    fake.Run(CountWinnings(state, fake));
    EXPECT_EQ(fake.Count("PlayCountCue"), steps) << pay;
    EXPECT_EQ(fake.Named("DrawWinnings").back().a, pay);
  }
}

TEST(CountWinnings, WaitsSeventyFiveMillisecondsBetweenSteps) {
  GameState state = NewGameState();
  state.SpinWin = 12;
  FakeHooks fake(state);
  fake.stepMs = 10;
  fake.Run(CountWinnings(state, fake));
  const auto shown = fake.Named("DrawWinnings");
  for (std::size_t i = 1; i < shown.size(); ++i) {
    EXPECT_GE(shown[i].timeMs - shown[i - 1].timeMs, 75);
  }
  EXPECT_GE(fake.clock, 12 * 75);
}

TEST(CountWinnings, WhatTheCounterCannotTakeIsLostSaidAndNotCounted) {
  GameState state = NewGameState();
  state.Credits = INT32_MAX - 3;
  state.SpinWin = 10;
  FakeHooks fake(state);
  EXPECT_EQ(fake.Run(CountWinnings(state, fake)), 3);
  EXPECT_EQ(state.Credits, INT32_MAX);
  EXPECT_EQ(state.SpinWin, 0);
  EXPECT_EQ(fake.Named("DrawWinnings").back().a, 3);
  EXPECT_EQ(fake.messages, std::vector<std::string>{PayLostMessage(7)});

  // A round's prize goes into BonusWon as far as it was credited.
  state.Credits = INT32_MAX - 4;
  state.BonusPts = 12;
  fake.bonusRound = [](GameState&) { return 250; };
  state.ReelStop = {1, 1, 4};  // no line pays
  state.CoinsBet = 1;
  fake.Run(EvaluateSpin(state, fake));
  EXPECT_EQ(state.BonusWon, 4);
  EXPECT_EQ(state.Credits, INT32_MAX);
}

TEST(CountWinnings, AStopRequestPaysTheRestAtOnce) {
  GameState state = NewGameState();
  state.SpinWin = 2500;
  FakeHooks fake(state);
  fake.onStep = [&] { state.StopRequested = fake.clock >= 200; };
  fake.Run(CountWinnings(state, fake));
  EXPECT_EQ(state.Credits, 3500);
  EXPECT_EQ(state.SpinWin, 0);
  EXPECT_EQ(fake.Named("DrawWinnings").back().a, 2500);
  EXPECT_LT(fake.clock, 300);
}

TEST(WaitSeconds, EndsWhenTheTimeHasPassedAndAtOnceWhileClosing) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  int steps = 0;
  fake.onStep = [&] { ++steps; };
  fake.Run(WaitSeconds(state, fake, 0.075));
  EXPECT_EQ(steps, 75);
  EXPECT_EQ(fake.clock, 75);
  steps = 0;
  fake.Run(WaitSeconds(state, fake, 0));
  state.StopRequested = true;
  fake.Run(WaitSeconds(state, fake, 5));
  EXPECT_EQ(steps, 0);
}

}  // namespace
}  // namespace vexlor
