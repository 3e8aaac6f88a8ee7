// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>
#include <string>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/reels.h"
#include "engine/task.h"

namespace vexlor {

// The row a payline runs along: line 0 middle, 1 top, 2 bottom.
Row LineRow(int line);

// The pay of one line's symbols (reels 1, 2, 3) from the pay table, 0 if none.
int32_t LinePay(int a, int b, int c);
// The symbol whose pay table row those symbols pay (kWildSymbol for three
// wilds), or -1 when they pay nothing.
int PayingSymbol(int a, int b, int c);
// The same for a payline as the reels stand.
int PayingSymbolOf(const GameState& state, int line);

// The pay table row of a symbol: three of it (wilds standing in) pays this.
int32_t SymbolPay(int symbol);

// What a payline's symbols pay as the reels stand, lit or not, and what the
// first `coins` paylines pay together.
int32_t LinePayOf(const GameState& state, int line);
int32_t LinesPay(const GameState& state, int32_t coins);

// After the reels stop: pays the lit lines into SpinWin and marks LineWon,
// applies the special cells, plays the win and counts the payout (or opens
// the holds), then runs the bonus round when the meter is full. While
// StopRequested is set the payout is settled at once, without cues or waits.
Task<> EvaluateSpin(GameState& state, MachineHooks& hooks);

// Moves SpinWin into Credits in steps of 25, 10, 5 or 1 every 75 ms while the
// Winnings counter counts up; gives what it credited. What the 32-bit Credits
// counter cannot take is lost, and the player is told how much.
Task<int32_t> CountWinnings(GameState& state, MachineHooks& hooks);

// Adds `amount` (>= 0) to Credits as far as the counter goes; what was added.
int32_t CreditAsFarAsItGoes(GameState& state, int32_t amount);
// The message of a pay the Credits counter could not take whole.
std::string PayLostMessage(int32_t lost);

// Ends when `seconds` have passed on the game clock, or at once while the
// machine is closing.
Task<> WaitSeconds(GameState& state, MachineHooks& hooks, double seconds);

}  // namespace vexlor
