// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <string_view>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/task.h"

namespace vexlor {

inline constexpr std::string_view kOutOfCreditsMessage =
    "You are out of credits...better borrow some!";
inline constexpr std::string_view kNoBetMessage = "No bet was placed!";

inline constexpr int kSpinTicks = 47;
inline constexpr int64_t kTickMs = 25;

// One coin from Credits; the third coin starts the spin.
Task<> BetOne(GameState& state, MachineHooks& hooks);

// Coins up to three while credits last; spins only when the third is placed.
Task<> BetMax(GameState& state, MachineHooks& hooks);

// A tune marked for starting (MusicTrack >= 10) loses its mark and is played.
void StartPendingTune(GameState& state, SoundHooks& sound);

// Whether Spin has coins to play: coins placed, or a last bet it can re-bet.
bool HasBetToSpin(const GameState& state);

// Re-bets the last bet if no coin is placed, then runs the reels, evaluates
// and pays. Ends when the spin has ended and the machine takes input again.
Task<> Spin(GameState& state, MachineHooks& hooks);

// The reel animation: draws new stops for the reels not held and animates
// them for 47 ticks of at least 25 ms, or until StopRequested.
Task<> RunReels(GameState& state, MachineHooks& hooks);

}  // namespace vexlor
