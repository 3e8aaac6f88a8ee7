// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/holds.h"

#include <algorithm>

#include "engine/bonus_prizes.h"
#include "engine/evaluate.h"
#include "engine/reels.h"
#include "engine/waits.h"

namespace vexlor {
namespace {

void TallyCell(SpecialTally& tally, int reel, int32_t position) {
  const auto cell = SpecialCellAt(reel, position);
  if (!cell) return;
  switch (cell->effect) {
    case CellEffect::BonusPoints:
      tally.gained += cell->points;
      break;
    case CellEffect::ExtraHold:
      tally.holdAward += 1;
      break;
    case CellEffect::WipeBonus:
      tally.lost = true;
      break;
  }
}

void TallyRow(const GameState& state, SpecialTally& tally, Row row) {
  for (int reel = 0; reel < kReelCount; ++reel) {
    TallyCell(tally, reel, RowPosition(state.ReelStop[reel], row));
  }
}

}  // namespace

SpecialTally TallySpecialCells(const GameState& state) {
  SpecialTally tally;
  if (state.CoinsBet >= 2) TallyRow(state, tally, Row::Top);
  TallyRow(state, tally, Row::Middle);
  if (state.CoinsBet == kMaxCoins) TallyRow(state, tally, Row::Bottom);
  return tally;
}

Task<> AwardHoldsAndBonusPoints(GameState& state, MachineHooks& hooks, SpecialTally tally) {
  if (tally.holdAward > 0) {
    state.Nudges = SaturatingAdd(state.Nudges, 1);
    if (!state.StopRequested) co_await Wait(state, hooks, hooks.Sound().PlayExtraHoldCue());
    hooks.Drawing().DrawHolds();
  }

  int32_t change = tally.lost ? -1 : tally.gained;
  if (change == -1) {
    if (!state.StopRequested) co_await Wait(state, hooks, hooks.Sound().PlayBonusResetCue());
    change = -state.BonusPts;
  }
  if (change < 0) {
    state.BonusPts = 0;
    hooks.Drawing().DrawBonusMeter();
  } else if (change > 0) {
    change = std::min(change, kBonusPointsForRound - state.BonusPts);
    for (int32_t i = 0; i < change; ++i) {
      state.BonusPts += 1;
      hooks.Drawing().DrawBonusMeter();
      if (!state.StopRequested) co_await Wait(state, hooks, hooks.Sound().PlayBonusPointCue());
    }
  }
}

Task<> RunBonusRoundIfDue(GameState& state, MachineHooks& hooks) {
  if (state.BonusPts < kBonusPointsForRound) co_return;
  ShuffleBonusPrizes(state, hooks);
  int32_t prize = 0;
  if (state.StopRequested) {
    prize = state.BonusPrizes[hooks.Random(kPrizeCount)];
  } else {
    BonusRoundPrize round(hooks);
    prize = co_await round;
  }
  state.SpinWin = SaturatingAdd(state.SpinWin, prize);
  if (state.SpinWin > 0) {
    const int32_t credited = co_await CountWinnings(state, hooks);
    // BonusWon holds what the rounds paid; a prize of 1 counts as a normal payoff.
    if (prize > 1) state.BonusWon = SaturatingAdd(state.BonusWon, credited);
  }
  state.BonusPts = 0;
  hooks.Drawing().DrawBonusMeter();
}

bool CanPlaceHold(const GameState& state) {
  return state.HoldsOpen && state.Nudges > 0 && state.HoldsUsed < kMaxHoldsPerSpin && !state.Busy;
}

void PlaceHold(GameState& state, MachineHooks& hooks, int reel) {
  state.Nudges -= 1;
  state.HoldsUsed += 1;
  hooks.Drawing().DrawHolds();
  hooks.Drawing().DrawHoldButton(true, reel);
  state.ReelHeld[reel] = true;
  if (state.HoldsUsed == kMaxHoldsPerSpin || state.Nudges == 0) {
    hooks.SetTimerEnabled(LampTimer::Timer7, false);
    for (int r = 0; r < kReelCount; ++r)
      hooks.Drawing().DrawHoldButton(false, r);
  }
}

void CloseHoldsWhenNoneLeft(GameState& state, MachineHooks& hooks) {
  if (state.Nudges > 0) return;
  state.HoldsOpen = false;
  hooks.SetTimerEnabled(LampTimer::Timer7, false);
}

}  // namespace vexlor
