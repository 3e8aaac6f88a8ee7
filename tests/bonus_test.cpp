// SPDX-License-Identifier: GPL-3.0-or-later
// The bonus round window, on its own and from a spin of the real machine.
#include <gtest/gtest.h>

#include <QTest>
#include <fstream>

#include "bonus/token_layout.h"
#include "bonus/unit2.h"
#include "engine/evaluate.h"
#include "tests/support/fake_hooks.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_window.h"

namespace vexlor {
namespace {

using testing::TempFolder;

// A round on a 1024 x 768 screen, its timers driven by the test.
class Round : public ::testing::Test {
 protected:
  void SetUp() override {
    state_.AppDir = folder_.path().string() + "/";
    state_.BonusPrizes = {250, 100, 50, 1, 25};
  }
  TTrickForm& Open(double zoom = 1, QRect screen = QRect(0, 0, 1024, 768)) {
    RoundEnvironment env;
    env.screen = screen;
    env.zoom = zoom;
    env.logicalDpi = 120;
    env.random = [this](int32_t n) { return draws_++ % n; };
    env.error = [this](const QString& e) { errors_ << e; };
    form_ = std::make_unique<TTrickForm>(state_, fake_.sound, env);
    form_->FormCreate();
    return *form_;
  }
  // A press on the picture's own pixel (x, y).
  void Press(int x, int y) {
    const double zoom = form_->Zoom();
    form_->FormMouseDown(form_->PictureOrigin() +
                         QPoint(static_cast<int>(x * zoom), static_cast<int>(y * zoom)));
  }
  int RedPixels(QRect area) const {
    const QImage& surface = form_->Surface();
    int red = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QRgb c = surface.pixel(x, y);
        red += qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60 ? 1 : 0;
      }
    }
    return red;
  }
  QRect TokenBox(int token) const {
    const TokenPoint& p = kTokenPos[static_cast<std::size_t>(token)];
    return QRect(form_->PictureOrigin() + QPoint(p.x, p.y), QSize(kTokenWidth, kTokenHeight));
  }

  TempFolder folder_;
  GameState state_;
  testing::FakeHooks fake_{state_};
  int draws_ = 0;
  QStringList errors_;
  std::unique_ptr<TTrickForm> form_;
};

TEST(TokenHits, AreasOverlapAndTheirEdgesCount) {
  EXPECT_EQ(TokenAt(626, 400), 4);  // token 4's right edge, 486 + 140
  EXPECT_EQ(TokenAt(627, 400), -1);
  EXPECT_EQ(TokenAt(500, 469), 1);  // the bottom edge, 365 + 104, in 1's and 4's areas
  EXPECT_EQ(TokenAt(500, 470), -1);
  EXPECT_EQ(TokenAt(500, 364), -1);
  for (const auto& [x, token] : {std::pair{140, 0}, std::pair{260, 0}, std::pair{380, 1},
                                 std::pair{490, 1}, std::pair{13, 2}, std::pair{12, -1}}) {
    EXPECT_EQ(TokenAt(x, 400), token) << x;  // the lower index wins an overlap
  }
}

TEST_F(Round, APressPicksAndTheTokenOpensInTwoStepsBeforeThePrize) {
  TTrickForm& form = Open();
  EXPECT_EQ(form.PictureOrigin(), QPoint((1024 - 640) / 2, (768 - 480) / 2));
  const QImage closed = form.Surface().copy(TokenBox(3));
  Press(300, 400);  // inside 3's area only
  EXPECT_EQ(form.Picked(), 3);
  Press(140, 400);  // a second pick is ignored
  form.FormKeyDown();
  EXPECT_EQ(form.Picked(), 3);
  EXPECT_EQ(form.Surface().copy(TokenBox(3)), closed);  // nothing drawn at the pick
  form.Advance(200);
  EXPECT_EQ(form.OpenStep(), 1);
  const QImage cracking = form.Surface().copy(TokenBox(3));
  EXPECT_NE(cracking, closed);
  form.Advance(400);
  EXPECT_NE(form.Surface().copy(TokenBox(3)), cracking);
  EXPECT_EQ(form.RoundPrize(), 0);
  EXPECT_EQ(RedPixels(TokenBox(3)), 0);
  form.Advance(600);
  EXPECT_EQ(form.RoundPrize(), 1);  // BonusPrizes[3]
  EXPECT_EQ(fake_.Count("PlayPrizeCue"), 1);
  EXPECT_GT(RedPixels(TokenBox(3)), 40);  // the prize, in red over the token
  form.Advance(3599);
  EXPECT_FALSE(form.Closed());
  form.Advance(3600);
  EXPECT_TRUE(form.Closed());
}

TEST_F(Round, AnyKeyPicksARandomTokenAndThePrizeOutlivesARepaint) {
  TTrickForm& form = Open();
  draws_ = 4;
  form.FormKeyDown();
  EXPECT_EQ(form.Picked(), 4);
  form.Advance(600);
  const int red = RedPixels(TokenBox(4));
  ASSERT_GT(red, 40);
  form.show();
  form.repaint();  // an expose shows the retained picture, prize and all
  EXPECT_EQ(RedPixels(TokenBox(4)), red);
  form.resize(1000, 700);  // made again for another size: still the open token and its prize
  EXPECT_GT(RedPixels(TokenBox(4)), 40);
}

TEST_F(Round, OnALargeScreenThePictureItsTokensAndTheirHitAreasGrowTogether) {
  TTrickForm& form = Open(3, QRect(0, 0, 3840, 2160));
  EXPECT_EQ(form.PictureOrigin(), QPoint((3840 - 1920) / 2, (2160 - 1440) / 2));
  Press(300, 400);  // inside 3's area only
  EXPECT_EQ(form.Picked(), 3);
  form.Advance(600);
  EXPECT_GT(RedPixels(QRect(form.PictureOrigin() + QPoint(250 * 3, 365 * 3), QSize(300, 225))),
            9 * 40);  // the prize grew with the token
}

TEST_F(Round, AReplacementBackgroundOfAnotherSizeIsCentredAndTheTokensFollowIt) {
  QImage stage(800, 500, QImage::Format_RGB32);
  stage.fill(QColor(20, 60, 20));
  testing::WriteJpegFile(stage, folder_.path() / "BONUS1.JPG");
  TTrickForm& form = Open();
  EXPECT_TRUE(errors_.isEmpty());
  EXPECT_EQ(form.PictureOrigin(), QPoint(112, 134));
  Press(kTokenPos[0].x, kTokenPos[0].y);
  EXPECT_EQ(form.Picked(), 0);
}

TEST_F(Round, ABackgroundThatDoesNotDecodeIsReportedAndTheBuiltInOneUsed) {
  std::ofstream(folder_.path() / "bonus1.jpg") << "this is no picture";
  TTrickForm& form = Open();
  ASSERT_EQ(errors_.size(), 1);
  EXPECT_TRUE(errors_[0].startsWith("Cannot show bonus1.jpg: Not a JPEG file"));
  EXPECT_EQ(form.PictureOrigin(), QPoint(192, 144));  // the built-in 640 x 480
  form.FormKeyDown();
  form.Advance(600);
  EXPECT_GT(form.RoundPrize(), 0);
}

// The real machine with a full meter.
class FullMeter : public ::testing::Test {
 protected:
  void SetUp() override { form_ = &window_.OpenStarted(); }
  // Spins one coin at a time until a spin runs a round (an "X" may empty the
  // meter first; it is filled again).
  void SpinIntoARound(const std::function<void(TTrickForm&)>& inRound) {
    bool ran = false;
    window_.Record().onStep = [&] {
      for (QWidget* w : QApplication::topLevelWidgets()) {
        if (auto* round = qobject_cast<TTrickForm*>(w); round && round->isVisible()) {
          ran = true;
          inRound(*round);
        }
      }
    };
    for (int i = 0; i < 50 && !ran; ++i) {
      form_->State().BonusPts = 12;
      credits_ = form_->State().Credits - 1;
      window_.Key(Qt::Key_B);
      window_.Key(Qt::Key_Space);
    }
    window_.Record().onStep = nullptr;
    ASSERT_TRUE(ran);
  }

  testing::TestWindow window_;
  TForm1* form_ = nullptr;
  int32_t credits_ = 0;
};

TEST_F(FullMeter, AFreshKeyPicksWhereAHeldOneDoesNotAndThePrizeIsPaidIntoCredits) {
  window_.Record().pickBonusRounds = false;
  int32_t prize = 0;
  SpinIntoARound([&](TTrickForm& round) {
    if (round.Picked() >= 0) return;
    QKeyEvent held(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "), true);
    QApplication::sendEvent(&round, &held);  // Space kept down since the spin repeats
    EXPECT_EQ(round.Picked(), -1);
    QTest::keyClick(&round, Qt::Key_F1);  // any fresh press picks, F1 too
    ASSERT_GE(round.Picked(), 0);
    prize = form_->State().BonusPrizes[static_cast<std::size_t>(round.Picked())];
  });
  ASSERT_GT(prize, 0);
  const GameState& state = form_->State();
  EXPECT_EQ(state.BonusPts, 0);
  EXPECT_EQ(state.SpinWin, 0);
  EXPECT_EQ(state.BonusWon, prize > 1 ? prize : 0);
  EXPECT_EQ(state.Credits,
            credits_ + LinePayOf(form_->State(), 0) + prize);  // the coin out, pay and prize in
  EXPECT_TRUE(window_.Record().errors.isEmpty());
}

TEST_F(FullMeter, ARoundClosedBeforeTheRevealPaysNothingAndTheMeterStillEmpties) {
  window_.Record().pickBonusRounds = false;
  const int32_t bonusWon = form_->State().BonusWon;
  SpinIntoARound([](TTrickForm& round) { round.close(); });
  EXPECT_EQ(form_->State().BonusPts, 0);
  EXPECT_EQ(form_->State().BonusWon, bonusWon);
  EXPECT_EQ(form_->State().Credits, credits_ + LinePayOf(form_->State(), 0));
}

}  // namespace
}  // namespace vexlor
