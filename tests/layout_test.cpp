// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout.h"

#include <gtest/gtest.h>

namespace vexlor {
namespace {

TEST(Layout, ScaleTruncatesTheWidthRatio) {
  const std::vector<std::pair<int32_t, std::array<int32_t, 5>>> rows = {
      {640, {60, 206, 217, 83, 364}},     {800, {76, 258, 272, 104, 456}},
      {1024, {97, 330, 348, 133, 583}},   {1280, {121, 412, 435, 166, 729}},
      {1920, {182, 619, 652, 249, 1094}},
  };
  const std::array<int32_t, 5> design = {76, 258, 272, 104, 456};
  for (const auto& [width, expected] : rows) {
    for (std::size_t i = 0; i < design.size(); ++i) {
      EXPECT_EQ(ScaleBy(width, design[i]), expected[i]) << width << " " << design[i];
    }
  }
}

TEST(Layout, SymbolSheetVariantsAndCellSizes) {
  struct Case {
    int32_t width;
    bool variantLoaded;
    const char* file;
    int32_t cell;
    bool stretched;
  };
  for (const Case& c : std::vector<Case>{
           {640, true, "Vexlor61.jpg", 61, false},
           {640, false, "Vexlor61.jpg", 60, true},
           {800, false, "", 76, false},
           {1024, true, "Vexlor98.jpg", 98, false},
           {1024, false, "Vexlor98.jpg", 97, true},
           {1366, false, "", 129, true},
           {1600, false, "Vexlor152.jpg", 152, true},
       }) {
    SCOPED_TRACE(c.width);
    EXPECT_EQ(SymbolSheetFor(c.width, "Vexlor").variantFile, QString(c.file));
    const bool unscaled = c.width == 800 || c.variantLoaded;
    const ReelGeometry g = ComputeReelGeometry(c.width, unscaled, 456);
    EXPECT_EQ(g.cellSize, c.cell);
    EXPECT_EQ(g.stretchSheet, c.stretched);
    EXPECT_EQ(g.reelPitch, ScaleBy(c.width, 104));
    EXPECT_EQ(g.blurHeight, ScaleBy(c.width, 456));
  }
  EXPECT_EQ(ScaleBy(1366, 304), 519);  // the stretched sheet at 1366
}

TEST(Layout, DigitCellsGrowAtAThousandPixels) {
  EXPECT_FALSE(UsesLargeDigits(999));
  EXPECT_TRUE(UsesLargeDigits(1000));
}

TEST(Layout, TheBonusRoundGrowsOnlyWithAMachineWiderThan1280AndWithinTheScreen) {
  EXPECT_EQ(RoundZoom(1280, 1, QSize(1280, 1024)), 1);
  EXPECT_EQ(RoundZoom(2560, 2, QSize(1920, 1080)), 1);  // logical pixels on a scaled display
  EXPECT_EQ(RoundZoom(2880, 1, QSize(3840, 2160)), 2.25);
  EXPECT_EQ(RoundZoom(3840, 1, QSize(3840, 1200)), 2.5);  // as tall as the screen
}

}  // namespace
}  // namespace vexlor
