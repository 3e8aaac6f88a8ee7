// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include "engine/bonus_prizes.h"
#include "engine/game_state.h"
#include "engine/play_runner.h"
#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::NewGameState;

TEST(NewGame, ResetsTheCountersRepaintsAndHandsTheGameOnToBeStored) {
  GameState state = NewGameState();
  state.Credits = 17;
  state.Borrowed = 5000;
  state.Spins = 300;
  state.TotalBets = 700;
  state.BonusWon = 250;
  state.BonusPts = 9;
  state.Nudges = 0;
  state.Busy = true;
  FakeHooks fake(state);
  StartNewGame(state, fake);
  EXPECT_EQ(state.Credits, 1000);
  EXPECT_EQ(state.Borrowed, 1000);
  EXPECT_EQ(state.Spins, 0);
  EXPECT_EQ(state.TotalBets, 0);
  EXPECT_EQ(state.BonusWon, 0);
  EXPECT_EQ(state.BonusPts, 0);
  EXPECT_EQ(state.Nudges, 6);
  EXPECT_FALSE(state.Busy);
  EXPECT_EQ(fake.Sequence(), (std::vector<std::string>{"Repaint", "GameSettled"}));
}

TEST(NewGame, KeepsCoinsHoldsAndNameAndTheNextSpinPlaysThem) {
  GameState state = NewGameState();
  state.CoinsBet = 2;
  state.Credits = 40;
  state.HoldsOpen = true;
  state.ReelHeld[2] = true;
  state.ReelStop[2] = 4;
  state.GameName = "Friday night";
  FakeHooks fake(state);
  StartNewGame(state, fake);
  EXPECT_EQ(state.CoinsBet, 2);
  EXPECT_TRUE(state.HoldsOpen);
  EXPECT_EQ(state.GameName, "Friday night");
  fake.ScriptStops({1, 1, 0});
  fake.Run(Spin(state, fake));
  EXPECT_EQ(state.TotalBets, 2);
  EXPECT_EQ(state.Credits, 1000);  // the two coins came out of the old game
  EXPECT_EQ(state.ReelStop[2], 4);
}

TEST(PlayRunner, APlayRunsAloneAndHoldsTheInputUntilItsGameHasSettled) {
  GameState state = NewGameState();
  state.CoinsBet = 3;
  FakeHooks fake(state);
  PlayRunner runner(state);
  int changes = 0;
  runner.onChange = [&] { ++changes; };
  ASSERT_TRUE(runner.Start(Spin(state, fake)));
  EXPECT_TRUE(runner.InProgress());
  EXPECT_FALSE(runner.Start(BetMax(state, fake)));  // nothing else starts meanwhile
  int settledWhenIdle = -1;
  runner.WhenIdle([&] { settledWhenIdle = fake.Count("GameSettled"); });
  fake.RunWhile([&] { return runner.InProgress(); });
  EXPECT_TRUE(runner.TakesInput());
  EXPECT_EQ(settledWhenIdle, 1);  // what waited for the play came after its game settled
  EXPECT_EQ(changes, 2);
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.TotalBets, 3);
}

TEST(Spin, TheGameSettlesOnceAtTheVeryEndAfterPayoutAndBonusRound) {
  GameState state = NewGameState();
  state.BonusPts = 11;
  state.CoinsBet = 1;
  FakeHooks fake(state);
  fake.bonusRound = [](GameState&) { return 100; };
  fake.ScriptStops({1, 2, 2});  // a "1" in the middle row fills the meter
  fake.Run(Spin(state, fake));
  ASSERT_EQ(fake.bonusRounds, 1);
  EXPECT_EQ(fake.Count("GameSettled"), 1);
  EXPECT_EQ(fake.Sequence().back(), "GameSettled");
  EXPECT_EQ(fake.CountedPayouts(), 100);  // the prize was counted before the game settled
  EXPECT_EQ(state.Credits, 1100);
  EXPECT_FALSE(state.Busy);
  EXPECT_EQ(state.CoinsBet, 0);

  fake.calls.clear();
  state.LastBet = 0;
  fake.Run(Spin(state, fake));  // refused: no bet, nothing to store
  EXPECT_EQ(fake.Count("GameSettled"), 0);
}

TEST(Closing, ABonusRoundDueWhileClosingIsSettledWithoutTheWindow) {
  GameState state = NewGameState();
  state.BonusPts = 11;
  state.CoinsBet = 1;
  FakeHooks fake(state);
  fake.ScriptStops({1, 2, 2});  // a "1" in the middle row fills the meter
  fake.onStep = [&] { state.StopRequested = true; };
  fake.Run(Spin(state, fake));
  EXPECT_EQ(fake.bonusRounds, 0);
  EXPECT_EQ(state.BonusPts, 0);
  const int32_t prize = state.Credits - 1000;
  EXPECT_NE(std::find(kBonusPrizeValues.begin(), kBonusPrizeValues.end(), prize),
            kBonusPrizeValues.end());
  EXPECT_EQ(state.BonusWon, prize > 1 ? prize : 0);
  EXPECT_EQ(fake.Count("PlayBonusPointCue"), 0);
}

}  // namespace
}  // namespace vexlor
