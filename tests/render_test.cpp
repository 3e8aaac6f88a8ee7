// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QPainter>

#include "tests/support/test_window.h"
#include "window/artwork.h"
#include "window/layout.h"
#include "window/machine_art.h"

namespace vexlor {
namespace {

using testing::AllBlack;
using testing::DifferentPixels;
using testing::TestWindow;

// A window laid out at 800 pixels, so design units are pixels.
class Render : public ::testing::Test {
 protected:
  void SetUp() override {
    form_ = &window_.Open();
    form_->LayoutForScreen(800);
    form_->Renderer().FormPaint();
  }
  GameState& State() { return form_->State(); }
  MachineRenderer& Renderer() { return form_->Renderer(); }
  const QImage& Surface() { return form_->Surface(); }

  TestWindow window_;
  TForm1* form_ = nullptr;
};

TEST_F(Render, CounterThatLosesDigitsLeavesNoneBehindAndZeroShowsOneDigit) {
  State().Credits = 100;
  Renderer().DrawCredits();
  const QRect hundred(620 - 3 * 16, 38, 3 * 16, 21);
  EXPECT_FALSE(AllBlack(Surface(), hundred.adjusted(0, 0, -32, 0)));  // the "1" is lit
  State().Credits = 99;
  Renderer().DrawCredits();
  EXPECT_TRUE(AllBlack(Surface(), QRect(620 - 3 * 16, 38, 16, 21)));
  State().Credits = 1234567;
  Renderer().DrawCredits();
  State().Credits = 5;
  Renderer().DrawCredits();
  EXPECT_TRUE(AllBlack(Surface(), QRect(620 - 7 * 16, 38, 6 * 16, 21)));
  EXPECT_FALSE(AllBlack(Surface(), QRect(620 - 16, 38, 16, 21)));
  // Ten digits stay within the credits' LED window, whose left edge is at 456.
  const QImage before = Surface().copy();
  State().Credits = INT32_MAX;
  Renderer().DrawCredits();
  EXPECT_EQ(DifferentPixels(Surface(), before, QRect(420, 38, 36, 21)), 0);
  EXPECT_FALSE(AllBlack(Surface(), QRect(480, 38, 14, 21)));  // the first of ten, narrower
  // At zero a counter still shows its one digit.
  State().Nudges = 0;
  Renderer().DrawHolds();
  EXPECT_FALSE(AllBlack(Surface(), QRect(330 - 16, 38, 16, 21)));
  EXPECT_TRUE(AllBlack(Surface(), QRect(330 - 32, 38, 16, 21)));
}

// Pixels of a row of lamp pieces that differ from the background, leaving out
// the guide line that crosses the row.
int LampPixelsChanged(const QImage& surface, const QImage& background, int top, int guideRow) {
  int changed = 0;
  for (const auto& [left, right] :
       {std::pair{241, 254}, std::pair{337, 358}, std::pair{441, 462}, std::pair{545, 558}}) {
    for (int y = top; y < top + 14; ++y) {
      if (y == guideRow) continue;
      changed += DifferentPixels(surface, background, QRect(left, y, right - left + 1, 1));
    }
  }
  return changed;
}

TEST_F(Render, ABetOfTwoLightsTheMiddleAndTopLampsOnly) {
  State().CoinsBet = 2;
  Renderer().FormPaint();
  const QImage& background = Renderer().Art().background;
  EXPECT_GT(LampPixelsChanged(Surface(), background, 377, 386), 100);  // middle
  EXPECT_GT(LampPixelsChanged(Surface(), background, 301, 308), 100);  // top
  EXPECT_EQ(LampPixelsChanged(Surface(), background, 453, 462), 0);    // bottom stays dark
}

TEST_F(Render, BonusMeterShowsTheFrameOfItsPointsAndAFullMeterAbove12) {
  const QImage& strip = Renderer().Art().meterStrip;
  const QRect box(578, 223, 78, 59);
  for (const auto& [points, frame] : {std::pair{0, 12}, std::pair{12, 0}, std::pair{13, 0}}) {
    SCOPED_TRACE(points);
    State().BonusPts = points;
    Renderer().DrawBonusMeter();
    EXPECT_EQ(DifferentPixels(Surface(), strip, box, QPoint(-578, 59 * frame - 223)), 0);
  }
}

TEST_F(Render, HeldReelIsLeftAloneDuringASpinWhileItsGuideLinesAreRedrawn) {
  State().ReelHeld[1] = true;
  State().CoinsBet = 1;
  const QRect held(362, 272, 76, 228);
  const QImage before = Surface().copy(held);
  int framesChecked = 0;
  int differences = 0;
  window_.Record().onStep = [&] {
    // Away from its guide-line rows the held reel never changes.
    for (int y = 0; y < held.height(); ++y) {
      const int row = held.top() + y;
      if (row == 386 || row == 308 || row == 462) continue;
      differences += DifferentPixels(Surface(), before, QRect(held.left(), row, 76, 1),
                                     QPoint(-held.left(), -held.top()));
    }
    ++framesChecked;
  };
  form_->Timer1Timer();  // the machine takes input
  window_.Key(Qt::Key_Space);
  window_.Record().onStep = nullptr;
  EXPECT_GE(framesChecked, 47);  // every frame of the reels
  EXPECT_EQ(differences, 0);
  EXPECT_EQ(Surface().pixelColor(400, 386), QColor(255, 0, 0));
  EXPECT_EQ(Surface().pixelColor(400, 308), QColor(0, 0, 255));
  EXPECT_EQ(Surface().pixelColor(400, 462), QColor(0, 128, 0));
}

TEST_F(Render, DimmedPanelsAreDrawnIntoTheirRegionsAndLitOnesFromTheBackground) {
  const QImage& background = Renderer().Art().background;
  const QRect title(247, 98, 302, 143);
  Renderer().DrawTitlePanels(false);
  EXPECT_GT(DifferentPixels(Surface(), background, title), 1000);
  Renderer().DrawTitlePanels(true);
  EXPECT_EQ(DifferentPixels(Surface(), background, title), 0);
  EXPECT_EQ(DifferentPixels(Surface(), background, QRect(221, 551, 436, 49)), 0);
}

TEST_F(Render, AFullRepaintAfterPlayShowsWhatItShowsOnAFreshSurface) {
  for (const int32_t width : {800, 1920}) {
    form_->LayoutForScreen(width);
    AddLeverArt(Renderer().Art(), LoadBuiltInArtwork());
    Renderer().FormPaint();
    State().LineWon = {true, false, true};
    Renderer().DrawPayingLines(true);
    Renderer().DrawTitlePanels(false);
    Renderer().DrawCoinSpot(false);
    Renderer().DrawLever(0.6);
    State().Credits = 1234567;
    Renderer().DrawCredits();
    Renderer().DrawWinnings(88);
    Renderer().DrawHoldButton(true, 1);
    Renderer().DrawLineLamp(2, true);
    Renderer().DrawReelBlur(0, 17);
    State().Credits = 7;
    Renderer().FormPaint();
    const QImage repainted = Surface().copy();
    Renderer().SetArt(Renderer().Art());  // the same pictures on a fresh surface
    Renderer().FormPaint();
    EXPECT_EQ(DifferentPixels(Surface(), repainted, Surface().rect()), 0) << width;
  }
}

TEST_F(Render, ALayoutMadeAgainOnceItsPicturesWereHandedBackLooksTheSame) {
  form_->LayoutForScreen(1386);
  Renderer().FormPaint();
  const QImage first = Surface().copy();
  form_->LayoutForScreen(800);  // each layout hands the pictures' pages back
  form_->LayoutForScreen(1386);
  Renderer().FormPaint();
  EXPECT_EQ(DifferentPixels(Surface(), first, Surface().rect()), 0);
}

TEST_F(Render, TheLeverCutToWhatItShowsDrawsEveryFrameAsItsWholePicturesDo) {
  form_->LayoutForScreen(1920);
  AddLeverArt(Renderer().Art(), LoadBuiltInArtwork());
  const MachineArt cut = Renderer().Art();
  // The same pictures as large as the lever's region again.
  const auto whole = [&cut](const QImage& part, QPoint at) {
    QImage image(cut.leverRegion.size(), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter(&image).drawImage(at - cut.leverRegion.topLeft(), part);
    return image;
  };
  MachineArt uncut = cut;
  uncut.leverArm = whole(cut.leverArm, cut.leverRegion.topLeft() + QPoint(cut.leverArmLeft, 0));
  uncut.leverArmLeft = 0;
  uncut.leverHub = whole(cut.leverHub, cut.leverHubAt);
  uncut.leverHubAt = cut.leverRegion.topLeft();
  EXPECT_LT(cut.leverHub.width() * cut.leverHub.height(),
            uncut.leverHub.width() * uncut.leverHub.height() / 2);
  for (const double pull : {0.1, 0.45, 1.0}) {
    Renderer().SetArt(cut);
    Renderer().DrawLever(pull);
    const QImage drawn = Surface().copy(cut.leverRegion);
    Renderer().SetArt(uncut);
    Renderer().DrawLever(pull);
    EXPECT_EQ(DifferentPixels(Surface(), drawn, cut.leverRegion, -cut.leverRegion.topLeft()), 0)
        << pull;
  }
}

}  // namespace
}  // namespace vexlor
