// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/holds.h"

#include <gtest/gtest.h>

#include "engine/bonus_prizes.h"
#include "engine/evaluate.h"
#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::HookCall;
using testing::NewGameState;

// Stops with special cells where the tests want them and no line paying.
constexpr std::array<int32_t, 3> kHoldCellOnTop = {1, 12, 4};          // "H" in the top row
constexpr std::array<int32_t, 3> kTwoAndTwo = {3, 1, 25};              // "2" middle, "2" bottom
constexpr std::array<int32_t, 3> kThreeInMiddle = {1, 4, 4};           // "3" in the middle
constexpr std::array<int32_t, 3> kThreeAndCrossInMiddle = {27, 4, 1};  // "X" and "3" middle
constexpr std::array<int32_t, 3> kCrossInMiddle = {27, 1, 4};
constexpr std::array<int32_t, 3> kOneInMiddle = {1, 2, 2};  // "1" in the middle
constexpr std::array<int32_t, 3> kPlainLoss = {1, 1, 4};

void Evaluate(GameState& state, FakeHooks& fake, std::array<int32_t, 3> stops, int32_t coins) {
  state.ReelStop = stops;
  state.CoinsBet = coins;
  fake.Run(EvaluateSpin(state, fake));
}

std::vector<int> MeterValues(const FakeHooks& fake) {
  std::vector<int> values;
  for (const HookCall& c : fake.Named("DrawBonusMeter"))
    values.push_back(c.a);
  return values;
}

TEST(HoldAward, HoldCellCountsOnlyOnALitLine) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  Evaluate(state, fake, kHoldCellOnTop, 1);
  EXPECT_EQ(state.Nudges, 6);
  EXPECT_EQ(fake.Count("PlayExtraHoldCue"), 0);

  Evaluate(state, fake, kHoldCellOnTop, 2);
  EXPECT_EQ(state.Nudges, 7);
  const auto seq = fake.Sequence();
  const auto cue = std::find(seq.begin(), seq.end(), "PlayExtraHoldCue");
  ASSERT_NE(cue, seq.end());
  EXPECT_EQ(*(cue + 1), "DrawHolds");  // the cue ends before the counter moves
}

TEST(BonusPoints, MeterClimbsOnePointAndOneCueAtATime) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  Evaluate(state, fake, kTwoAndTwo, 3);
  EXPECT_EQ(state.BonusPts, 4);
  EXPECT_EQ(MeterValues(fake), (std::vector<int>{1, 2, 3, 4}));
  std::vector<int> cues;
  for (const HookCall& c : fake.Named("PlayBonusPointCue"))
    cues.push_back(c.a);
  EXPECT_EQ(cues, (std::vector<int>{1, 2, 3, 4}));  // each cue right after its meter step
}

TEST(BonusPoints, MeterStopsAtTwelveAndTheRoundOpensInTheSameSpin) {
  GameState state = NewGameState();
  state.BonusPts = 10;
  FakeHooks fake(state);
  fake.bonusRound = [](GameState&) { return 50; };
  Evaluate(state, fake, kThreeInMiddle, 1);
  EXPECT_EQ(fake.Count("PlayBonusPointCue"), 2);
  EXPECT_EQ(fake.bonusRounds, 1);
  EXPECT_EQ(state.BonusPts, 0);
  EXPECT_EQ(MeterValues(fake), (std::vector<int>{11, 12, 0}));
  EXPECT_EQ(state.Credits, 1050);
  EXPECT_EQ(state.BonusWon, 50);
}

TEST(BonusPoints, CrossWipesTheMeterAndWhatTheSpinGained) {
  GameState state = NewGameState();
  state.BonusPts = 5;
  FakeHooks fake(state);
  Evaluate(state, fake, kThreeAndCrossInMiddle, 1);
  EXPECT_EQ(state.BonusPts, 0);
  EXPECT_EQ(fake.Sequence({"SetTimerEnabled"}),
            (std::vector<std::string>{"PlayBonusResetCue", "DrawBonusMeter"}));
}

TEST(BonusPoints, CrossOnAnEmptyMeterOnlyPlaysTheResetCue) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  Evaluate(state, fake, kCrossInMiddle, 1);
  EXPECT_EQ(fake.Sequence({"SetTimerEnabled"}), (std::vector<std::string>{"PlayBonusResetCue"}));
}

TEST(BonusPoints, StoredMeterAboveTwelveOpensTheRoundAtTheNextEvaluation) {
  GameState state = NewGameState();
  state.BonusPts = 15;
  FakeHooks fake(state);
  Evaluate(state, fake, kOneInMiddle, 1);
  EXPECT_EQ(fake.bonusRounds, 1);
  EXPECT_EQ(state.BonusPts, 0);
}

TEST(BonusRound, PrizeOfOneIsPaidButNotCountedAsBonus) {
  GameState state = NewGameState();
  state.BonusPts = 11;
  FakeHooks fake(state);
  fake.bonusRound = [](GameState&) { return 1; };
  Evaluate(state, fake, kOneInMiddle, 1);
  EXPECT_EQ(state.Credits, 1001);
  EXPECT_EQ(state.BonusWon, 0);
}

TEST(BonusRound, ClosedWithoutAPickPaysNothingAndStillEmptiesTheMeter) {
  GameState state = NewGameState();
  state.BonusPts = 11;
  FakeHooks fake(state);
  Evaluate(state, fake, kOneInMiddle, 1);
  EXPECT_EQ(fake.bonusRounds, 1);
  EXPECT_EQ(state.Credits, 1000);
  EXPECT_EQ(state.BonusPts, 0);
  EXPECT_EQ(fake.Count("DrawWinningsLabel"), 0);
}

TEST(BonusRound, LosingSpinWithAPayingRoundStillOpensTheHolds) {
  GameState state = NewGameState();
  state.BonusPts = 11;
  FakeHooks fake(state);
  fake.bonusRound = [](GameState&) { return 25; };
  Evaluate(state, fake, kOneInMiddle, 1);
  EXPECT_TRUE(state.HoldsOpen);
  EXPECT_EQ(state.Credits, 1025);
  EXPECT_EQ(state.BonusWon, 25);
}

TEST(BonusRound, PrizesAreReshuffledBeforeEveryRound) {
  // What a shuffle from the generator's first draws gives: not the prizes' own order.
  GameState shuffled = NewGameState();
  FakeHooks reference(shuffled, 5);
  ShuffleBonusPrizes(shuffled, reference);
  ASSERT_NE(shuffled.BonusPrizes, kBonusPrizeValues);

  GameState state = NewGameState();
  state.BonusPts = 12;
  state.BonusPrizes = {};  // a round with these would pay nothing
  FakeHooks fake(state, 5);
  std::array<int32_t, 5> seen{};
  fake.bonusRound = [&](GameState& s) {
    seen = s.BonusPrizes;
    return 0;
  };
  Evaluate(state, fake, kPlainLoss, 1);
  EXPECT_EQ(seen, shuffled.BonusPrizes);
}

class Holding : public ::testing::Test {
 protected:
  void SetUp() override {
    state.Nudges = 5;
    state.ReelStop = kPlainLoss;
    state.CoinsBet = 1;
    fake.Run(EvaluateSpin(state, fake));
    state.CoinsBet = 0;
    state.Busy = false;
    fake.calls.clear();
  }
  GameState state = NewGameState();
  FakeHooks fake{state};
};

TEST_F(Holding, TwoHoldsCanBePlacedAfterALosingSpinAndNoThird) {
  ASSERT_TRUE(CanPlaceHold(state));
  PlaceHold(state, fake, 0);
  EXPECT_TRUE(fake.Timer(LampTimer::Timer7));
  ASSERT_TRUE(CanPlaceHold(state));
  PlaceHold(state, fake, 2);
  EXPECT_EQ(state.Nudges, 3);
  EXPECT_EQ(state.HoldsUsed, 2);
  EXPECT_FALSE(CanPlaceHold(state));
  EXPECT_FALSE(fake.Timer(LampTimer::Timer7));
  EXPECT_EQ(state.ReelHeld, (std::array<bool, 3>{true, false, true}));
}

TEST_F(Holding, HoldButtonIsLitBeforeTheReelIsMarkedHeld) {
  PlaceHold(state, fake, 1);
  PlaceHold(state, fake, 2);
  // The window leaves a held reel's button alone: only reel 0 is drawn dim again.
  std::vector<std::pair<int, int>> buttons;
  for (const HookCall& c : fake.Named("DrawHoldButton"))
    buttons.emplace_back(c.a, c.b);
  EXPECT_EQ(buttons, (std::vector<std::pair<int, int>>{{1, 1}, {1, 2}, {0, 0}, {0, 1}, {0, 2}}));
  EXPECT_EQ(fake.drawing.holdButtonLit, (std::array<bool, 3>{false, true, true}));
}

TEST_F(Holding, AHeldReelCanBeHeldAgainAndThatSpendsAHold) {
  PlaceHold(state, fake, 1);
  ASSERT_TRUE(CanPlaceHold(state));
  PlaceHold(state, fake, 1);
  EXPECT_EQ(state.Nudges, 3);
  EXPECT_FALSE(CanPlaceHold(state));
  EXPECT_EQ(state.ReelHeld, (std::array<bool, 3>{false, true, false}));
}

TEST_F(Holding, LastHoldInStockStopsTheBlinking) {
  state.Nudges = 1;
  PlaceHold(state, fake, 0);
  EXPECT_FALSE(fake.Timer(LampTimer::Timer7));
  EXPECT_FALSE(CanPlaceHold(state));
}

TEST_F(Holding, HoldsAreClosedDuringASpinAndClearedAfterIt) {
  PlaceHold(state, fake, 0);
  state.CoinsBet = 1;
  bool couldHoldMidSpin = false;
  fake.onStep = [&] { couldHoldMidSpin |= CanPlaceHold(state); };
  fake.ScriptStops(kPlainLoss);  // reel 0 is held: only reels 2 and 3 draw
  fake.Run(Spin(state, fake));
  EXPECT_FALSE(couldHoldMidSpin);
  EXPECT_EQ(state.ReelHeld, (std::array<bool, 3>{false, false, false}));
  EXPECT_EQ(state.HoldsUsed, 0);
  EXPECT_EQ(state.Nudges, 4);  // a hold spent is not given back
  EXPECT_EQ(state.ReelStop[0], kPlainLoss[0]);
}

TEST_F(Holding, AfterAHeldSpinThatLeavesNoHoldsItsButtonsGoDark) {
  state.Nudges = 2;
  PlaceHold(state, fake, 0);
  PlaceHold(state, fake, 2);
  ASSERT_EQ(fake.drawing.holdButtonLit, (std::array<bool, 3>{true, false, true}));
  state.CoinsBet = 1;
  fake.ScriptStops(kPlainLoss);  // a losing spin, but no holds left to blink
  fake.Run(Spin(state, fake));
  ASSERT_TRUE(state.HoldsOpen);
  ASSERT_FALSE(fake.Timer(LampTimer::Timer7));
  EXPECT_EQ(fake.drawing.holdButtonLit, (std::array<bool, 3>{false, false, false}));
}

TEST_F(Holding, AfterAHeldSpinThatOpensNewHoldsTheBlinkingTakesOver) {
  PlaceHold(state, fake, 0);
  state.CoinsBet = 1;
  fake.ScriptStops(kPlainLoss);
  fake.Run(Spin(state, fake));
  ASSERT_TRUE(fake.Timer(LampTimer::Timer7));  // holds left: the buttons blink
  EXPECT_TRUE(fake.drawing.holdButtonLit[0]);  // left to the blinking, which redraws all three
}

}  // namespace
}  // namespace vexlor
