// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QEventLoop>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>
#include <functional>

#include "tests/support/test_window.h"
#include "window/artwork.h"
#include "window/layout.h"
#include "window/machine_art.h"
#include "window/machine_view.h"

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
    background_ = Surface().copy();  // a fresh surface is the whole background
    form_->Renderer().FormPaint();
  }
  GameState& State() { return form_->State(); }
  MachineRenderer& Renderer() { return form_->Renderer(); }
  const QImage& Surface() { return form_->Surface(); }

  TestWindow window_;
  TForm1* form_ = nullptr;
  QImage background_;
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
  EXPECT_GT(LampPixelsChanged(Surface(), background_, 377, 386), 100);  // middle
  EXPECT_GT(LampPixelsChanged(Surface(), background_, 301, 308), 100);  // top
  EXPECT_EQ(LampPixelsChanged(Surface(), background_, 453, 462), 0);    // bottom stays dark
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
  const QRect title(247, 98, 302, 143);
  Renderer().DrawTitlePanels(false);
  EXPECT_GT(DifferentPixels(Surface(), background_, title), 1000);
  Renderer().DrawTitlePanels(true);
  EXPECT_EQ(DifferentPixels(Surface(), background_, title), 0);
  EXPECT_EQ(DifferentPixels(Surface(), background_, QRect(221, 551, 436, 49)), 0);
}

// Plays with every part of the machine: bets of one to three coins, spins
// until two have paid, holds, a pull of the lever, the idle lamp chase.
void PlayEverything(TestWindow& window, const QPoint& knob) {
  TForm1& form = window.Form();
  for (int coin = 0; coin < 3; ++coin)
    window.Key(Qt::Key_B);
  window.Key(Qt::Key_Space);
  for (int spin = 0, wins = 0, holds = 0; spin < 200 && (wins < 2 || holds < 1); ++spin) {
    form.State().Credits = 1000;
    form.State().BonusPts = 0;  // no bonus round
    window.Key(Qt::Key_M);
    if (form.Hooks().TimerEnabled(LampTimer::Timer3)) {
      ++wins;
      for (int tick = 0; tick < 3; ++tick) {
        form.Timer3Timer();
        form.Timer8Timer();
      }
    } else if (form.State().HoldsOpen) {
      ++holds;
      form.Timer7Timer();
      window.Key(Qt::Key_1);
      window.Key(Qt::Key_3);
    }
  }
  form.State().LastBet = 2;
  window.Press(knob);
  for (int tick = 0; tick < 4; ++tick) {
    form.Timer2Timer();
    form.Timer5Timer();
  }
}

TEST_F(Render, PlayDrawsOnlyOverTheBackgroundKeptAndAFullRepaintLooksAsOnAFreshSurface) {
  form_->Timer1Timer();
  form_->NewGame1Click();
  for (const int32_t width : {800, 1920}) {
    form_->LayoutForScreen(width);
    AddLeverArt(Renderer().Art(), LoadBuiltInArtwork());
    Renderer().FormPaint();
    // Anything drawn but the reels and the buttons, drawn whole over their
    // places, must be where the background is kept, to be cleared again.
    QRegion opaque;
    for (int reel = 0; reel < kReelCount; ++reel)
      opaque += QRect(State().ReelLeft + reel * State().ReelPitch, State().ReelTop,
                      State().CellSize, 3 * State().CellSize);
    for (const design::Rect& button : design::kButtons)
      opaque += Scaled(width, button);
    QRegion uncleared;
    const std::function<void(const QRect&)> show = Renderer().onDirty;
    Renderer().onDirty = [&](const QRect& rect) {
      if (rect != Surface().rect())
        uncleared += QRegion(rect) - opaque - Renderer().Background().Region();
      if (show) show(rect);
    };
    PlayEverything(window_, QPoint(ScaleBy(width, design::kLeverKnob.x),
                                   ScaleBy(width, design::kLeverKnob.y)));
    State().BonusPts = kBonusPointsForRound;
    Renderer().DrawBonusMeter();
    EXPECT_GT(State().Spins, 3) << width;
    State().LineWon = {true, true, true};
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
    Renderer().onDirty = show;
    EXPECT_TRUE(uncleared.isEmpty())
        << width << ": drawn where nothing clears it, within " << uncleared.boundingRect().x()
        << "," << uncleared.boundingRect().y() << " " << uncleared.boundingRect().width() << "x"
        << uncleared.boundingRect().height();
    const QImage repainted = Surface().copy();
    form_->LayoutForScreen(width);  // the same pictures on a fresh surface
    AddLeverArt(Renderer().Art(), LoadBuiltInArtwork());
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
  MachineArt cut = Renderer().Art();
  cut.background = Surface().copy();  // the surface took the background over
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

TEST(Frame, WhatOneMomentChangesIsPaintedAsOneFrameOnceTheLoopWaits) {
  QImage surface(400, 300, QImage::Format_RGB32);
  surface.fill(Qt::darkBlue);
  MachineView view(surface);
  std::vector<QRegion> frames;
  QEventLoop loop;
  struct Watch : QObject {
    std::vector<QRegion>* frames;
    QEventLoop* loop;
    bool eventFilter(QObject*, QEvent* event) override {
      if (event->type() != QEvent::Paint) return false;
      frames->push_back(static_cast<QPaintEvent*>(event)->region());
      loop->quit();
      return false;
    }
  } watch;
  watch.frames = &frames;
  watch.loop = &loop;
  view.installEventFilter(&watch);
  view.resize(surface.size());
  view.show();
  loop.exec();  // until the first paint, of the whole view
  frames.clear();
  view.UpdateMachineRect(QRect(10, 10, 20, 20));
  view.UpdateMachineRect(QRect(300, 200, 20, 20));
  // One pass of a waiting loop: it paints before it would wait, then quits.
  QTimer::singleShot(0, &loop, &QEventLoop::quit);
  loop.exec();
  ASSERT_EQ(frames.size(), 1u) << "the changes were not painted as one frame";
  EXPECT_TRUE(frames[0].contains(QRect(10, 10, 20, 20)));
  EXPECT_TRUE(frames[0].contains(QRect(300, 200, 20, 20)));
  EXPECT_FALSE(frames[0].contains(QPoint(150, 100))) << "what lies between was painted too";
}

TEST(Frame, ChangesFarApartArePaintedApartAndNoneIsLeftOut) {
  std::vector<QRect> frame;
  const std::vector<QRect> reels = {
      {100, 100, 140, 400}, {250, 100, 140, 400}, {400, 100, 140, 400}};
  for (const QRect& reel : reels)
    AddToFrame(frame, reel);
  EXPECT_EQ(frame, std::vector<QRect>{QRect(100, 100, 440, 400)});
  const QRect lever(900, 0, 60, 300);
  AddToFrame(frame, lever);
  EXPECT_EQ(frame.size(), 2u) << "the lever and the reels copied as one rectangle";
  std::vector<QRect> all = reels;
  all.push_back(lever);
  for (const QRect lamp : {QRect(0, 0, 10, 10), QRect(500, 600, 10, 10), QRect(1200, 50, 10, 10),
                           QRect(50, 900, 10, 10)}) {
    AddToFrame(frame, lamp);
    all.push_back(lamp);
  }
  EXPECT_LE(frame.size(), 4u);
  QRegion painted;
  for (const QRect& rect : frame)
    painted += rect;
  for (const QRect& rect : all)
    EXPECT_TRUE(painted.contains(rect)) << rect.x() << "," << rect.y() << " left out";
}

}  // namespace
}  // namespace vexlor
