// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::HookCall;
using testing::NewGameState;

// Plain losing stops with no special cell in view.
constexpr std::array<int32_t, 3> kLosingStops = {1, 1, 4};

std::vector<std::pair<int, int>> Lamps(const FakeHooks& fake) {
  std::vector<std::pair<int, int>> lamps;
  for (const HookCall& c : fake.Named("DrawLineLamp"))
    lamps.emplace_back(c.a, c.b);
  return lamps;
}

TEST(Bet, BetOneTakesACreditAndLightsOneLampPerCoin) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  fake.Run(BetOne(state, fake));
  EXPECT_EQ(state.CoinsBet, 1);
  EXPECT_EQ(state.Credits, 999);
  EXPECT_EQ(fake.Sequence({"DrawLineLamp"}),
            (std::vector<std::string>{"PlayCoinCue", "DrawCredits", "DrawCoins"}));
  EXPECT_EQ(Lamps(fake), (std::vector<std::pair<int, int>>{{0, 1}, {1, 0}, {2, 0}}));
  fake.calls.clear();
  fake.Run(BetOne(state, fake));
  EXPECT_EQ(Lamps(fake), (std::vector<std::pair<int, int>>{{0, 1}, {1, 1}, {2, 0}}));
  EXPECT_EQ(state.Spins, 0);
}

TEST(Bet, BetOneWithThirdCoinStartsSpin) {
  GameState state = NewGameState();
  state.CoinsBet = 2;
  state.Credits = 998;
  FakeHooks fake(state);
  fake.ScriptStops(kLosingStops);
  fake.Run(BetOne(state, fake));
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.TotalBets, 3);
  EXPECT_EQ(state.LastBet, 3);
  EXPECT_EQ(state.CoinsBet, 0);
  EXPECT_EQ(state.Credits, 997);
}

TEST(Bet, BetOneWithoutCreditsOnlyShowsTheMessage) {
  GameState state = NewGameState();
  state.Credits = 0;
  FakeHooks fake(state);
  fake.Run(BetOne(state, fake));
  EXPECT_EQ(fake.messages, (std::vector<std::string>{std::string(kOutOfCreditsMessage)}));
  EXPECT_EQ(state.CoinsBet, 0);
  EXPECT_EQ(state.Credits, 0);
  EXPECT_EQ(fake.Sequence(), (std::vector<std::string>{"ShowMessage"}));
}

TEST(Bet, BetMaxPlacesTheCoinsCreditsAllowAndWithoutCreditsDoesNothingSilently) {
  GameState state = NewGameState();
  state.Credits = 2;
  FakeHooks fake(state);
  fake.Run(BetMax(state, fake));
  EXPECT_EQ(state.CoinsBet, 2);
  EXPECT_EQ(state.Credits, 0);
  EXPECT_EQ(state.Spins, 0);
  EXPECT_EQ(fake.Count("PlayCoinCue"), 2);
  fake.calls.clear();
  fake.Run(BetMax(state, fake));  // no credits left
  EXPECT_TRUE(fake.calls.empty());
  EXPECT_EQ(state.CoinsBet, 2);
  EXPECT_TRUE(fake.messages.empty());
}

TEST(Bet, BetMaxPlaysOneCuePerCoinThenSpins) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  fake.ScriptStops(kLosingStops);
  fake.Run(BetMax(state, fake));
  EXPECT_EQ(fake.Count("PlayCoinCue"), 3);
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.LastBet, 3);
  EXPECT_EQ(state.Credits, 997);
}

TEST(Bet, SpinRebetsTheLastBetWithoutACoinCue) {
  GameState state = NewGameState();
  state.LastBet = 3;
  state.Credits = 3;
  FakeHooks fake(state);
  fake.ScriptStops(kLosingStops);
  fake.Run(Spin(state, fake));
  EXPECT_EQ(fake.Count("PlayCoinCue"), 0);
  EXPECT_EQ(state.Credits, 0);
  EXPECT_EQ(state.TotalBets, 3);
  EXPECT_EQ(state.LastBet, 3);
  EXPECT_EQ(state.Spins, 1);
}

TEST(Bet, SpinWithoutAnAffordableRebetShowsNoBetAndTakesNothing) {
  for (int32_t lastBet : {0, 2}) {
    GameState state = NewGameState();
    state.LastBet = lastBet;
    state.Credits = 1;
    FakeHooks fake(state);
    fake.Run(Spin(state, fake));
    EXPECT_EQ(fake.messages, (std::vector<std::string>{std::string(kNoBetMessage)}));
    EXPECT_EQ(fake.Sequence(), (std::vector<std::string>{"ShowMessage"}));
    EXPECT_EQ(state.Credits, 1);
    EXPECT_EQ(state.LastBet, lastBet);
    EXPECT_EQ(state.Spins, 0);
    EXPECT_FALSE(state.Busy);
  }
}

TEST(Bet, SpinStartsAPendingTuneBeforeLookingAtTheBet) {
  GameState state = NewGameState();
  for (int n = 0; n < kTuneCount; ++n)
    state.MusicFiles[n] = "/game/Vexlor" + std::to_string(n) + ".mid";
  state.MusicTrack = 12;
  FakeHooks fake(state);
  fake.Run(Spin(state, fake));
  EXPECT_EQ(fake.Sequence(), (std::vector<std::string>{"PlayTune", "ShowMessage"}));
  EXPECT_EQ(fake.sound.tunes, std::vector<std::string>{"/game/Vexlor2.mid"});
  EXPECT_EQ(state.MusicTrack, 2);  // the mark is gone, so the poll does not start it again
  fake.Run(Spin(state, fake));
  EXPECT_EQ(fake.sound.tunes.size(), 1u);
}

TEST(Bet, SpinStartDimsTheMachineInOrder) {
  GameState state = NewGameState();
  state.CoinsBet = 1;
  FakeHooks fake(state);
  fake.ScriptStops(kLosingStops);
  fake.Run(Spin(state, fake));
  std::vector<std::string> names;
  for (std::size_t i = 0; i < 16 && i < fake.calls.size(); ++i) {
    names.push_back(fake.calls[i].name + "(" + std::to_string(fake.calls[i].a) + "," +
                    std::to_string(fake.calls[i].b) + ")");
  }
  EXPECT_EQ(names,
            (std::vector<std::string>{
                "SetTimerEnabled(0,0)", "SetTimerEnabled(1,0)", "SetTimerEnabled(2,0)",
                "SetTimerEnabled(3,0)", "SetTimerEnabled(4,0)", "DrawLineLamp(0,1)",
                "DrawLineLamp(1,1)", "DrawLineLamp(2,1)", "DrawTitlePanels(1,0)",
                "DrawButton(49,0)", "DrawButton(53,0)", "DrawButton(83,0)", "DrawCoinSpot(1,0)",
                "DrawHoldButton(0,0)", "DrawHoldButton(0,1)", "DrawHoldButton(0,2)"}));
}

TEST(Bet, SpinCountsTheSpinAndTheBetWhenTheReelsStart) {
  GameState state = NewGameState();
  state.CoinsBet = 2;
  FakeHooks fake(state);
  fake.ScriptStops(kLosingStops);
  int32_t spinsSeen = -1;
  int32_t betsSeen = -1;
  bool busySeen = false;
  fake.onStep = [&] {
    if (spinsSeen < 0) {
      spinsSeen = state.Spins;
      betsSeen = state.TotalBets;
      busySeen = state.Busy;
    }
  };
  fake.Run(Spin(state, fake));
  EXPECT_EQ(spinsSeen, 1);
  EXPECT_EQ(betsSeen, 2);
  EXPECT_TRUE(busySeen);
  EXPECT_FALSE(state.Busy);
}

TEST(Bet, LampTimersAfterALosingAndAWinningSpin) {
  GameState state = NewGameState();
  state.CoinsBet = 1;
  FakeHooks fake(state);
  fake.ScriptStops(kLosingStops);
  fake.Run(Spin(state, fake));
  EXPECT_TRUE(fake.Timer(LampTimer::Timer2));
  EXPECT_TRUE(fake.Timer(LampTimer::Timer5));
  EXPECT_TRUE(fake.Timer(LampTimer::Timer7));  // holds in stock: the hold buttons blink
  EXPECT_FALSE(fake.Timer(LampTimer::Timer3));
  EXPECT_FALSE(fake.Timer(LampTimer::Timer8));

  state.CoinsBet = 1;
  fake.ScriptStops({11, 15, 27});  // three wilds on the middle line
  fake.Run(Spin(state, fake));
  EXPECT_TRUE(fake.Timer(LampTimer::Timer2));
  EXPECT_TRUE(fake.Timer(LampTimer::Timer3));
  EXPECT_TRUE(fake.Timer(LampTimer::Timer8));
  EXPECT_FALSE(fake.Timer(LampTimer::Timer5));
  EXPECT_FALSE(fake.Timer(LampTimer::Timer7));
}

}  // namespace
}  // namespace vexlor
