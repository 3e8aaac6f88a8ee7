// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/reels.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vexlor {
namespace {

TEST(Reels, StripsHoldTheSymbolCountsOfTheMachine) {
  const std::array<std::array<int, kSymbolCount>, kReelCount> counts = {{
      {1, 2, 3, 4, 4, 4, 5, 7},
      {1, 3, 4, 3, 4, 4, 5, 6},
      {1, 2, 4, 4, 4, 5, 4, 6},
  }};
  for (int reel = 0; reel < kReelCount; ++reel) {
    ASSERT_EQ(kReelStrips[reel].size(), 30u);
    for (int symbol = 0; symbol < kSymbolCount; ++symbol) {
      EXPECT_EQ(std::count(kReelStrips[reel].begin(), kReelStrips[reel].end(), '0' + symbol),
                counts[reel][symbol])
          << "reel " << reel << " symbol " << symbol;
    }
  }
}

TEST(Reels, InitReelsStartsAtElevenFifteenTwentySeven) {
  GameState state;
  InitReels(state);
  EXPECT_EQ(state.ReelStop, (std::array<int32_t, 3>{11, 15, 27}));
  EXPECT_EQ(state.ReelStrip[1], kReelStrips[1]);
}

TEST(Reels, RowsWrapFromThirtyToOne) {
  GameState state;
  InitReels(state);
  state.ReelStop[0] = 29;
  EXPECT_EQ(RowPosition(29, Row::Bottom), 1);
  EXPECT_EQ(RowPosition(30, Row::Middle), 1);
  EXPECT_EQ(RowPosition(30, Row::Bottom), 2);
  EXPECT_EQ(SymbolInRow(state, 0, Row::Top), 7);
  EXPECT_EQ(SymbolInRow(state, 0, Row::Middle), 6);
  EXPECT_EQ(SymbolInRow(state, 0, Row::Bottom), 2);
}

TEST(Reels, SpecialCellsShowTheBadgedPictureByPositionNotSymbol) {
  GameState state;
  InitReels(state);
  // Reel 2 at stop 11: the middle row is position 12, the "H" on symbol 3.
  EXPECT_EQ(SheetIndex(state, 1, RowPosition(11, Row::Middle)), 11);
  // Symbol 3 elsewhere on the same strip is plain.
  EXPECT_EQ(SheetIndex(state, 1, 8), 3);
  EXPECT_EQ(SheetIndex(state, 0, 28), 9);   // "X" on symbol 1
  EXPECT_EQ(SheetIndex(state, 1, 5), 13);   // "3" on symbol 5
  EXPECT_EQ(SheetIndex(state, 2, 27), 14);  // "2" on symbol 6
  EXPECT_EQ(SheetIndex(state, 2, 3), 15);   // "1" on symbol 7
  for (const SpecialCell& cell : kSpecialCells) {
    EXPECT_NE(SheetIndex(state, cell.reel, cell.position), 8);
    EXPECT_NE(SheetIndex(state, cell.reel, cell.position), 10);
    EXPECT_NE(SheetIndex(state, cell.reel, cell.position), 12);
  }
}

}  // namespace
}  // namespace vexlor
