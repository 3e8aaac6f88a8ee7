// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

#include "engine/game_state.h"

namespace vexlor {

// Symbol 0 is the wild; 4 is BAR; 1..3 and 5..7 are picture symbols.
inline constexpr int kWildSymbol = 0;
inline constexpr int kSymbolCount = 8;

inline constexpr std::array<std::string_view, kReelCount> kReelStrips = {
    "275643761370536427347562754176",
    "674152732743652057146372645671",
    "267243561734273546751325746075",
};
inline constexpr std::array<int32_t, kReelCount> kInitialStops = {11, 15, 27};

// Rows of the 3 x 3 window.
enum class Row { Top = 0, Middle = 1, Bottom = 2 };

enum class CellEffect { BonusPoints, ExtraHold, WipeBonus };

// A badged cell of a strip: its effect when it lands on a lit payline.
struct SpecialCell {
  int reel;          // 0..2
  int32_t position;  // 1..30
  CellEffect effect;
  int32_t points;  // bonus points, for CellEffect::BonusPoints
};

inline constexpr std::array<SpecialCell, 9> kSpecialCells = {{
    {0, 4, CellEffect::BonusPoints, 2},
    {0, 11, CellEffect::BonusPoints, 1},
    {0, 28, CellEffect::WipeBonus, 0},
    {1, 5, CellEffect::BonusPoints, 3},
    {1, 12, CellEffect::ExtraHold, 0},
    {1, 18, CellEffect::BonusPoints, 1},
    {2, 3, CellEffect::BonusPoints, 1},
    {2, 9, CellEffect::WipeBonus, 0},
    {2, 27, CellEffect::BonusPoints, 2},
}};

// Sets the three strips and the start-up stops 11, 15, 27.
void InitReels(GameState& state);

// The strip position shown in `row` of a reel stopped at `stop`; wraps 30 to 1.
int32_t RowPosition(int32_t stop, Row row);

// The symbol 0..7 at position 1..30 of a reel's strip.
int SymbolAt(const GameState& state, int reel, int32_t position);

// The symbol shown in a row of a reel at its current stop.
int SymbolInRow(const GameState& state, int reel, Row row);

std::optional<SpecialCell> SpecialCellAt(int reel, int32_t position);

// Index 0..15 of the symbol-sheet cell that shows position 1..30 of a reel:
// the symbol, plus 8 on a special cell (the badged picture).
int SheetIndex(const GameState& state, int reel, int32_t position);

}  // namespace vexlor
