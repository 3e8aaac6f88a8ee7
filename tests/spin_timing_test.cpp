// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <set>

#include "engine/spin.h"
#include "tests/support/fake_hooks.h"

namespace vexlor {
namespace {

using testing::FakeHooks;
using testing::HookCall;
using testing::NewGameState;

const std::set<std::string> kReelSteps = {"DrawReelBlur", "DrawReel", "CaptureReel",
                                          "DrawCapturedReel", "DrawPaylines"};

// Clock times at which the animation drew something: one per tick.
std::vector<int64_t> TickTimes(const FakeHooks& fake) {
  std::vector<int64_t> times;
  for (const HookCall& c : fake.calls) {
    if (kReelSteps.count(c.name) && (times.empty() || times.back() != c.timeMs)) {
      times.push_back(c.timeMs);
    }
  }
  return times;
}

std::vector<HookCall> ForReel(const std::vector<HookCall>& calls, int reel, bool reelInB = false) {
  std::vector<HookCall> found;
  for (const HookCall& c : calls) {
    if ((reelInB ? c.b : c.a) == reel) found.push_back(c);
  }
  return found;
}

class SpinTiming : public ::testing::TestWithParam<int64_t> {};

TEST_P(SpinTiming, UninterruptedSpinTakesFortySevenTicksAtLeast25msApart) {
  GameState state = NewGameState();
  state.CoinsBet = 1;
  FakeHooks fake(state);
  fake.stepMs = GetParam();
  const int64_t start = fake.clock;
  fake.Run(RunReels(state, fake));
  const std::vector<int64_t> ticks = TickTimes(fake);
  ASSERT_EQ(ticks.size(), 47u);
  EXPECT_GE(ticks.front() - start, 25);
  for (std::size_t i = 1; i < ticks.size(); ++i)
    EXPECT_GE(ticks[i] - ticks[i - 1], 25);
  EXPECT_GE(fake.clock - start, 47 * 25);
}

INSTANTIATE_TEST_SUITE_P(ClockSteps, SpinTiming, ::testing::Values(1, 7, 25, 40));

TEST(Spin, ReelsSpinTwentyTwentyNineAndThirtyEightFramesThenBounceEight) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  fake.Run(RunReels(state, fake));
  const std::vector<int64_t> ticks = TickTimes(fake);
  const auto tickOf = [&](const HookCall& c) {
    return std::find(ticks.begin(), ticks.end(), c.timeMs) - ticks.begin() + 1;
  };
  const std::vector<int> spinningFrames = {20, 29, 38};
  for (int reel = 0; reel < 3; ++reel) {
    SCOPED_TRACE(reel);
    EXPECT_EQ(ForReel(fake.Named("DrawReelBlur"), reel).size(), std::size_t(spinningFrames[reel]));
    const auto stops = ForReel(fake.Named("DrawReel"), reel);
    ASSERT_EQ(stops.size(), 1u);
    EXPECT_EQ(tickOf(stops[0]), 21 + 9 * reel);
    const auto captures = ForReel(fake.Named("CaptureReel"), reel);
    ASSERT_EQ(captures.size(), 1u);
    EXPECT_EQ(tickOf(captures[0]), 22 + 9 * reel);
    // The bounce: down two pixels, up two, and back in its place, a pixel a frame.
    std::vector<int> bounce;
    for (const HookCall& c : ForReel(fake.Named("DrawCapturedReel"), reel))
      bounce.push_back(c.b);
    ASSERT_EQ(bounce.size(), 8u);
    EXPECT_EQ(bounce.front(), 1);
    EXPECT_EQ(bounce.back(), 0);
    EXPECT_EQ(*std::max_element(bounce.begin(), bounce.end()), 2);
    EXPECT_EQ(*std::min_element(bounce.begin(), bounce.end()), -2);
    for (std::size_t i = 1; i < bounce.size(); ++i)
      EXPECT_EQ(std::abs(bounce[i] - bounce[i - 1]), 1) << "frame " << i;
    EXPECT_LT(std::find(bounce.begin(), bounce.end(), 2),
              std::find(bounce.begin(), bounce.end(), -2));
  }
  EXPECT_EQ(fake.Count("PlayReelStopCue"), 3);
  EXPECT_EQ(fake.Count("DrawPaylines"), 24);
}

TEST(Spin, DrawsBlurOffsetAndStopReelByReel) {
  GameState state = NewGameState();
  FakeHooks fake(state);
  fake.scriptedDraws = {5, 0, 6, 29, 455, 14};
  fake.Run(RunReels(state, fake));
  EXPECT_EQ(state.ReelStop, (std::array<int32_t, 3>{1, 30, 15}));
  const auto blur = fake.Named("DrawReelBlur");
  EXPECT_EQ(ForReel(blur, 0).front().b, 5);
  EXPECT_EQ(ForReel(blur, 1).front().b, 6);
  EXPECT_EQ(ForReel(blur, 2).front().b, 455);
}

TEST(Spin, BlurMovesByScaledSixtyOnePixelsAndWrapsAroundTheStrip) {
  for (int32_t blurHeight : {456, 583, 40}) {
    SCOPED_TRACE(blurHeight);
    GameState state = NewGameState();
    state.BlurHeight = blurHeight;
    FakeHooks fake(state);
    fake.drawing.scaleFactor = 1.28;  // a 1024-wide layout: Scale(61) is 78
    fake.Run(RunReels(state, fake));
    for (int reel = 0; reel < 3; ++reel) {
      const auto blur = ForReel(fake.Named("DrawReelBlur"), reel);
      for (std::size_t i = 0; i < blur.size(); ++i) {
        ASSERT_GE(blur[i].b, 0);
        ASSERT_LT(blur[i].b, blurHeight);
        if (i > 0) {
          EXPECT_EQ(((blur[i - 1].b - 78) % blurHeight + blurHeight) % blurHeight, blur[i].b);
        }
      }
    }
  }
}

TEST(Spin, HeldReelKeepsItsStopAndIsNeverDrawnButItsGuideLinesAre) {
  GameState state = NewGameState();
  state.ReelHeld[1] = true;
  state.ReelStop[1] = 11;
  FakeHooks fake(state);
  fake.scriptedDraws = {0, 0, 0, 1, 99};  // reels 1 and 3 only; 99 must stay unused
  fake.Run(RunReels(state, fake));
  EXPECT_EQ(state.ReelStop[1], 11);
  EXPECT_EQ(fake.scriptedDraws, (std::deque<int32_t>{99}));
  for (const char* name : {"DrawReelBlur", "DrawReel", "CaptureReel", "DrawCapturedReel"}) {
    EXPECT_TRUE(ForReel(fake.Named(name), 1).empty()) << name;
  }
  EXPECT_EQ(fake.Count("PlayReelStopCue"), 2);
  // Reel 2 would bounce on ticks 31 to 38: the guide lines are drawn there all the same.
  const std::vector<int64_t> ticks = TickTimes(fake);
  int linesWhileHeldReelBounces = 0;
  for (const HookCall& c : fake.Named("DrawPaylines")) {
    const auto tick = std::find(ticks.begin(), ticks.end(), c.timeMs) - ticks.begin() + 1;
    if (tick >= 31 && tick <= 38) ++linesWhileHeldReelBounces;
  }
  EXPECT_EQ(linesWhileHeldReelBounces, 8);
  EXPECT_EQ(fake.Count("DrawPaylines"), 24);
}

TEST(Spin, StopRequestedEndsTheAnimationAtOnceAndTheSpinStillPays) {
  GameState state = NewGameState();
  state.CoinsBet = 1;
  FakeHooks fake(state);
  fake.ScriptStops({11, 15, 27});  // three wilds on the middle line
  int64_t stopAt = -1;
  fake.onStep = [&] {
    if (fake.clock == 300) {
      state.StopRequested = true;
      stopAt = fake.clock;
    }
  };
  fake.Run(Spin(state, fake));
  ASSERT_EQ(stopAt, 300);
  for (const HookCall& c : fake.calls) {
    if (kReelSteps.count(c.name)) {
      EXPECT_LE(c.timeMs, stopAt) << c.name;
    }
  }
  EXPECT_EQ(state.ReelStop, (std::array<int32_t, 3>{11, 15, 27}));
  EXPECT_EQ(state.Spins, 1);
  EXPECT_EQ(state.Credits, 1000 + 2500);
  EXPECT_EQ(state.LineWon, (std::array<bool, 3>{true, false, false}));
  // Settled without the win cue, the count cues or the 75 ms waits.
  EXPECT_EQ(fake.Count("PlayWinCue"), 0);
  EXPECT_EQ(fake.Count("PlayCountCue"), 0);
  EXPECT_LT(fake.clock, 400);
}

TEST(Spin, AStopLeftOverFromEarlierIsClearedWhenTheReelsStart) {
  GameState state = NewGameState();
  state.StopRequested = true;
  FakeHooks fake(state);
  fake.Run(RunReels(state, fake));
  EXPECT_FALSE(state.StopRequested);
  EXPECT_EQ(TickTimes(fake).size(), 47u);
}

}  // namespace
}  // namespace vexlor
