// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reels.h"

#include <cassert>

namespace vexlor {

void InitReels(GameState& state) {
  for (int reel = 0; reel < kReelCount; ++reel) {
    state.ReelStrip[reel] = std::string(kReelStrips[reel]);
    state.ReelStop[reel] = kInitialStops[reel];
  }
}

int32_t RowPosition(int32_t stop, Row row) {
  return (stop - 1 + static_cast<int32_t>(row)) % kStripLength + 1;
}

int SymbolAt(const GameState& state, int reel, int32_t position) {
  assert(position >= 1 && position <= kStripLength);
  return state.ReelStrip[reel].at(position - 1) - '0';
}

int SymbolInRow(const GameState& state, int reel, Row row) {
  return SymbolAt(state, reel, RowPosition(state.ReelStop[reel], row));
}

std::optional<SpecialCell> SpecialCellAt(int reel, int32_t position) {
  for (const SpecialCell& cell : kSpecialCells) {
    if (cell.reel == reel && cell.position == position) return cell;
  }
  return std::nullopt;
}

int SheetIndex(const GameState& state, int reel, int32_t position) {
  const int symbol = SymbolAt(state, reel, position);
  return SpecialCellAt(reel, position) ? symbol + 8 : symbol;
}

}  // namespace vexlor
