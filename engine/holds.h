#pragma once

#include <cstdint>

#include "engine/game_state.h"
#include "engine/hooks.h"

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
void AwardHoldsAndBonusPoints(GameState& state, MachineHooks& hooks, const SpecialTally& tally);

// At 12 points: shuffles the prizes, runs the bonus round, counts its prize
// and empties the meter.
void RunBonusRoundIfDue(GameState& state, MachineHooks& hooks);

// Holds may be placed now: after a spin that paid nothing, while holds are in
// stock, fewer than two are placed and no spin runs.
bool CanPlaceHold(const GameState& state);

// Holds reel 0..2 for the next spin, spending one hold from stock. The caller
// checks CanPlaceHold first.
void PlaceHold(GameState& state, MachineHooks& hooks, int reel);

}  // namespace vexlor
