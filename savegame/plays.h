// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <deque>
#include <optional>
#include <string>

#include "engine/game_state.h"

namespace vexlor {

inline constexpr std::size_t kPlaysKept = 100;
inline constexpr std::size_t kPlaysListed = 10;

// One settled spin as the player saw it.
struct Play {
  int64_t time = 0;   // seconds since 1970 (UTC) when it settled
  int32_t spin = 0;   // the game's Spins counter with this spin counted
  int32_t coins = 0;  // 1..3
  std::array<int32_t, kReelCount> stops{};
  // The symbol-sheet cells (0..15) that stood in the window: rows top, middle,
  // bottom, each reel from the left.
  std::array<int32_t, kReelCount * 3> cells{};
  std::array<bool, kLineCount> linesWon{};  // 0 middle, 1 top, 2 bottom
  int32_t linePay = 0;
  int32_t holdsUsed = 0;    // reels held for this spin
  int32_t holdsGained = 0;  // from an "H" on a lit line
  int32_t bonusBefore = 0;
  int32_t bonusAfter = 0;
  bool bonusRound = false;
  int32_t bonusPrize = 0;  // what the round paid (0 when it closed unrevealed)
  int32_t credits = 0;     // after the spin, its pay counted in

  bool operator==(const Play&) const = default;
};

// The part of a play known once its reels run, before anything of it is counted.
struct PlayOpening {
  int32_t coins = 0;
  int32_t credits = 0;  // the bet already taken
  int32_t bonusPts = 0;
  int32_t nudges = 0;
  int32_t holdsUsed = 0;
};

// Taken while the reels of a spin run (CoinsBet and ReelHeld still set).
PlayOpening OpenPlay(const GameState& running);
// The play of a spin that has settled, from its opening and the game after it.
Play SettlePlay(const PlayOpening& opening, const GameState& settled, int64_t time);

// The symbol-sheet cells (0..15) the built-in strips show at `stops` (1..30),
// in the order of Play::cells.
std::array<int32_t, kReelCount * 3> CellsAtStops(const std::array<int32_t, kReelCount>& stops);

// Whether a play read from outside holds values a spin can give.
bool IsPossiblePlay(const Play& play);

// The last plays of one game, newest last, at most kPlaysKept. After another
// saved game is opened the list still shows the game it was played in, named
// by `openedSince`, and the first play of the opened game starts a new list.
struct PlayHistory {
  std::deque<Play> plays;
  std::string openedSince;  // the saved game opened after these plays; empty: the live game's

  void Add(const Play& play);
  // Another saved game became the live game.
  void GameOpened(const std::string& name);
  void Clear();
  // Drops the newest plays past the game's Spins counter: plays stored before
  // their game's save, which a crash then kept from being made.
  void DropPlaysPast(int32_t spins);

  bool operator==(const PlayHistory&) const = default;
};

}  // namespace vexlor
