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

TEST(Layout, TheWholeMachineFitsEveryCommonScreen) {
  const int menuBar = 25;
  for (const QSize screen : {QSize(640, 480), QSize(800, 600), QSize(1024, 768), QSize(1366, 768),
                             QSize(1920, 1080), QSize(3840, 2160), QSize(1280, 1024)}) {
    SCOPED_TRACE(screen.width());
    const QSize client(screen.width() - 10, screen.height() - 10 - menuBar);
    const int32_t width = FitLayoutWidth(screen.width(), client);
    EXPECT_LE(width, client.width());
    EXPECT_LE(ScaleBy(width, kDesignHeight), client.height());
    // Nothing wider would fit.
    EXPECT_TRUE(width + 1 > client.width() || ScaleBy(width + 1, kDesignHeight) > client.height());
  }
  // A screen with room to spare keeps its own width.
  EXPECT_EQ(FitLayoutWidth(800, QSize(1000, 1000)), 800);
}

TEST(Layout, DigitCellsGrowAtAThousandPixels) {
  EXPECT_FALSE(UsesLargeDigits(999));
  EXPECT_TRUE(UsesLargeDigits(1000));
}

}  // namespace
}  // namespace vexlor
