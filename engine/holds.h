// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "engine/hooks.h"
#include "engine/task.h"

namespace vexlor {

// What the special cells on the lit paylines of one spin add up to.
struct SpecialTally {
  int32_t gained = 0;     // bonus points from the "1", "2" and "3" cells
  int32_t holdAward = 0;  // "H" cells seen
  bool lost = false;      // an "X" cell wipes the meter
};

SpecialTally TallySpecialCells(const GameState& state);

// One hold per spin that showed an "H", then the bonus meter: wiped by an "X",
// otherwise climbing one point (and one cue) at a time up to 12.
Task<> AwardHoldsAndBonusPoints(GameState& state, MachineHooks& hooks, SpecialTally tally);

// At 12 points: shuffles the prizes, runs the bonus round, counts its prize
// and empties the meter. While the machine is closing the round is settled
// without its window, with a token picked for the player.
Task<> RunBonusRoundIfDue(GameState& state, MachineHooks& hooks);

// Holds may be placed now: after a spin that paid nothing, while holds are in
// stock, fewer than two are placed and no spin runs.
bool CanPlaceHold(const GameState& state);

// Holds reel 0..2 for the next spin, spending one hold from stock. The caller
// checks CanPlaceHold first.
void PlaceHold(GameState& state, MachineHooks& hooks, int reel);

// Any press on the machine while no hold is left in stock closes the holds:
// none can be placed until the next spin that pays nothing.
void CloseHoldsWhenNoneLeft(GameState& state, MachineHooks& hooks);

}  // namespace vexlor
