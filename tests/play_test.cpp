// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QTest>
#include <algorithm>
#include <iterator>

#include "config/profile.h"
#include "engine/evaluate.h"
#include "tests/support/test_window.h"
#include "window/layout.h"
#include "window/machine_parts.h"
#include "window/machine_view.h"

namespace vexlor {
namespace {

using testing::DifferentPixels;
using testing::TestWindow;

// Places on the machine laid out at 800 pixels, where design units are pixels.
QPoint Centre(const design::Rect& r) {
  return {(r.left + r.right) / 2, (r.top + r.bottom) / 2};
}
QPoint NearCorner(const design::Rect& r) {
  return {r.left, r.top};
}
QPoint FarCorner(const design::Rect& r) {
  return {r.right, r.bottom};
}
const design::Rect& kBetOne = design::kButtons[0];
const design::Rect& kBetMax = design::kButtons[1];
const design::Rect& kSpin = design::kButtons[2];
const QPoint kKnob(design::kLeverKnob.x, design::kLeverKnob.y);
const QPoint kHub(design::kLeverHub.x, design::kLeverHub.y);
const QPoint kNowhere(5, 5);  // no control there
// The rows of the guide lines over the reels: top, middle, bottom.
constexpr int kGuideRows[] = {design::kReelTop + design::kCell / 2 - 2,
                              design::kReelTop + design::kCell + design::kCell / 2,
                              design::kReelTop + 2 * design::kCell + design::kCell / 2};

// A started machine laid out at 800 pixels, input free, with a New Game's
// counters (1000 credits, six holds).
class Play : public ::testing::Test {
 protected:
  void SetUp() override { form_ = &window_.OpenStarted(); }
  GameState& State() { return form_->State(); }
  // A press at a machine pixel through the window's client area, played out.
  void Press(QPoint at, Qt::MouseButton button = Qt::LeftButton) { window_.Press(at, button); }
  void Key(Qt::Key key) {
    QTest::keyClick(form_->View(), key);
    window_.Drive();
  }
  // Spins with three coins until a spin pays nothing (or pays, when `win`).
  void SpinUntil(bool win) {
    for (int i = 0; i < 200; ++i) {
      Press(Centre(kBetMax));
      if (form_->Hooks().TimerEnabled(LampTimer::Timer3) == win) return;
    }
    FAIL() << "no such spin in 200";
  }
  QColor At(int x, int y) { return form_->Surface().pixelColor(x, y); }

  TestWindow window_;
  TForm1* form_ = nullptr;
};

TEST_F(Play, SpinButtonCountsUpToItsFarEdgeAndNoFurther) {
  State().LastBet = 1;
  Press(FarCorner(kSpin) + QPoint(1, 0));
  EXPECT_EQ(State().Spins, 0);
  Press(FarCorner(kSpin) + QPoint(0, 1));
  EXPECT_EQ(State().Spins, 0);
  Press(FarCorner(kSpin));
  EXPECT_EQ(State().Spins, 1);
  Press(NearCorner(kSpin), Qt::RightButton);  // any button, the near corner
  EXPECT_EQ(State().Spins, 2);
  EXPECT_EQ(State().Credits, 998);
}

TEST_F(Play, BetAreasAndKeys) {
  Press(Centre(kBetOne));
  Press(Centre(design::kCoinSpotHit));
  EXPECT_EQ(State().CoinsBet, 2);
  Press(FarCorner(design::kCoinSpotHit));  // the third coin spins
  EXPECT_EQ(State().Spins, 1);
  Key(Qt::Key_B);
  EXPECT_EQ(State().CoinsBet, 1);
  Key(Qt::Key_Space);
  EXPECT_EQ(State().Spins, 2);
  Key(Qt::Key_Return);
  EXPECT_EQ(State().Spins, 3);
  Key(Qt::Key_M);
  EXPECT_EQ(State().Spins, 4);
  Key(Qt::Key_X);
  EXPECT_EQ(State().Spins, 4);
  EXPECT_EQ(State().TotalBets, 3 + 1 + 1 + 3);
}

TEST_F(Play, PressesAndKeysDuringASpinDoNothing) {
  int pokes = 0;
  window_.Record().onStep = [&] {
    if (!form_->Runner().InProgress()) return;
    ++pokes;
    for (const QPoint at : {Centre(kBetOne), Centre(kSpin), Centre(design::kCoinSpotHit)})
      QTest::mousePress(form_->View(), Qt::LeftButton, {}, at + form_->View()->Origin());
    QTest::keyClick(form_->View(), Qt::Key_Space);
    QTest::keyClick(form_->View(), Qt::Key_B);
  };
  Key(Qt::Key_M);
  window_.Record().onStep = nullptr;
  EXPECT_GE(pokes, 46);  // between every two frames of the reels
  EXPECT_EQ(State().Spins, 1);
  EXPECT_EQ(State().TotalBets, 3);
  EXPECT_EQ(State().CoinsBet, 0);
  EXPECT_TRUE(window_.Record().information.isEmpty());
}

TEST_F(Play, NoBetAndNoLastBetShowsTheMessage) {
  Press(Centre(kSpin));
  EXPECT_EQ(window_.Record().information, QStringList{"No bet was placed!"});
  EXPECT_EQ(State().Spins, 0);
}

TEST_F(Play, TwoHoldsAfterALosingSpinKeepTheirReelsStill) {
  SpinUntil(false);
  ASSERT_TRUE(State().HoldsOpen);
  const int32_t stock = State().Nudges;
  EXPECT_TRUE(form_->Hooks().TimerEnabled(LampTimer::Timer7));
  Press(NearCorner(design::kHoldButtons[0]));
  Press(FarCorner(design::kHoldButtons[2]));
  Press(Centre(design::kHoldButtons[1]));  // a third hold is not taken
  EXPECT_EQ(State().Nudges, stock - 2);
  EXPECT_EQ(State().ReelHeld, (std::array<bool, 3>{true, false, true}));
  EXPECT_FALSE(form_->Hooks().TimerEnabled(LampTimer::Timer7));
  form_->Renderer()
      .FormPaint();  // anything that repaints the machine keeps a held reel's button lit
  const MachineArt& art = form_->Renderer().Art();
  for (int r = 0; r < 3; ++r) {
    const design::Rect& b = design::kHoldButtons[r];
    const int unlike =
        DifferentPixels(form_->Surface(), art.hold[1], QRect(b.left, b.top, b.width(), b.height()),
                        QPoint(-b.left, -b.top));
    EXPECT_EQ(unlike == 0, r != 1) << r;
  }
  const design::Rect reel = design::ReelWindow(0);
  const QRect window(reel.left, reel.top, reel.width(), reel.height());
  const QImage before = form_->Surface().copy(window);
  const int32_t stop = State().ReelStop[0];
  Press(Centre(kBetMax));
  EXPECT_EQ(State().ReelStop[0], stop);
  int changed = 0;
  for (int y = window.top(); y <= window.bottom(); ++y) {
    if (std::find(std::begin(kGuideRows), std::end(kGuideRows), y) != std::end(kGuideRows))
      continue;
    changed += DifferentPixels(form_->Surface(), before, QRect(window.left(), y, window.width(), 1),
                               -window.topLeft());
  }
  EXPECT_EQ(changed, 0);
}

TEST_F(Play, APressAnywhereWithNoHoldsLeftClosesTheHolds) {
  State().Nudges = 0;
  // Spun from the keyboard: a press on Bet Max would itself close the holds.
  for (int i = 0; i < 200 && !State().HoldsOpen; ++i)
    Key(Qt::Key_M);
  ASSERT_TRUE(State().HoldsOpen);
  EXPECT_FALSE(form_->Hooks().TimerEnabled(LampTimer::Timer7));
  Press(kNowhere);
  EXPECT_FALSE(State().HoldsOpen);
}

TEST_F(Play, IdleChaseNeverLightsTheSameButtonTwiceRunning) {
  const auto& buttons = form_->Renderer().Art().buttons;  // Bet One, Bet Max, Spin
  int previous = -1;
  for (int tick = 0; tick < 60; ++tick) {
    form_->Timer2Timer();
    int lit = -1;
    int litCount = 0;
    for (int id : {0, 2, 1}) {  // the chase order: Bet One, Spin, Bet Max
      const QRect r = Scaled(800, design::kButtons[id]);
      if (DifferentPixels(form_->Surface(), buttons[id][1], r, -r.topLeft()) == 0) {
        lit = id;
        ++litCount;
      }
    }
    ASSERT_EQ(litCount, 1);
    EXPECT_NE(lit, previous);
    previous = lit;
  }
}

TEST_F(Play, AWinFlashesThePanelsAndBlinksItsLinesUntilTheNextSpin) {
  form_->LayoutForScreen(800);
  const QImage background = form_->Surface().copy();  // laid out afresh: the whole background
  form_->Renderer().FormPaint();
  SpinUntil(true);
  const QRect title = Scaled(800, design::kTitlePanel);
  const QRect plate = Scaled(800, design::kNamePlate);
  for (int tick = 0; tick < 4; ++tick) {
    form_->Timer3Timer();
    const bool titleLit = DifferentPixels(form_->Surface(), background, title) == 0;
    const bool plateLit = DifferentPixels(form_->Surface(), background, plate) == 0;
    EXPECT_NE(titleLit, plateLit);  // always opposite
    EXPECT_EQ(titleLit, State().WinBlinkPhase);
  }
  // The lamps of the won lines blink; the others stay as they are.
  form_->Timer8Timer();
  const QImage second = form_->Surface().copy();
  form_->Timer8Timer();
  for (int line = 0; line < 3; ++line) {
    const int changed =
        DifferentPixels(second, form_->Surface(), Scaled(800, design::kLampRows[line]));
    if (State().LineWon[line]) {
      EXPECT_GT(changed, 100) << line;
    } else {
      EXPECT_EQ(changed, 0) << line;
    }
  }
  Press(Centre(kBetOne));  // a coin does not end the win display
  EXPECT_TRUE(form_->Hooks().TimerEnabled(LampTimer::Timer3));
  bool flashingDuringSpin = true;
  window_.Record().onStep = [&] {
    flashingDuringSpin = form_->Hooks().TimerEnabled(LampTimer::Timer3) ||
                         form_->Hooks().TimerEnabled(LampTimer::Timer8);
  };
  Press(Centre(kSpin));  // the display ends
  window_.Record().onStep = nullptr;
  EXPECT_FALSE(flashingDuringSpin);
}

TEST_F(Play, TheReelsKeepMovingWhileStatisticsAreOpen) {
  form_->FormKeyDown(Qt::Key_M);
  window_.Record().Step();
  form_->Stats1Click();
  ASSERT_NE(QApplication::activeModalWidget(), nullptr);
  const design::Rect last = design::ReelWindow(2);  // it spins longest
  const QRect reel(last.left, last.top, last.width(), last.height());
  for (int tick = 0; tick < 10; ++tick) {
    const QImage before = form_->Surface().copy(reel);
    window_.Record().Step();
    EXPECT_GT(DifferentPixels(form_->Surface(), before, reel, -reel.topLeft()), 100) << tick;
  }
  window_.Drive();
  EXPECT_EQ(State().Spins, 1);
  EXPECT_NE(QApplication::activeModalWidget(), nullptr);  // the window stays until closed
  testing::CloseModal();
}

TEST_F(Play, ALeverPressSpinsAndAPressOnePixelPastItsKnobDoesNot) {
  State().LastBet = 1;
  const QRect lever = Scaled(800, design::kLeverRegion);
  const QImage before = form_->Surface().copy(lever);
  const QPoint knobEdge = kKnob + QPoint(design::kLeverKnobRadius + 2, 0);
  Press(knobEdge + QPoint(1, 0));  // just right of the knob
  EXPECT_EQ(State().Spins, 0);
  Press(knobEdge);
  EXPECT_EQ(State().Spins, 1);
  Press((kKnob + kHub) / 2);  // halfway down the rod
  EXPECT_EQ(State().Spins, 2);
  // The lever is back at rest, exactly as drawn.
  EXPECT_EQ(DifferentPixels(form_->Surface(), before, lever, -lever.topLeft()), 0);
}

TEST_F(Play, TheLeverComesDownBeforeTheReelsStart) {
  State().LastBet = 1;
  const int radius = design::kLeverKnobRadius;
  const QRect knobArea(kKnob - QPoint(radius, radius), QSize(2 * radius, 2 * radius));
  const QImage before = form_->Surface().copy(knobArea);
  int knobMovedBeforeSpin = 0;
  window_.Record().onStep = [&] {
    if (State().Spins == 0)
      knobMovedBeforeSpin +=
          DifferentPixels(form_->Surface(), before, knobArea, -knobArea.topLeft());
  };
  Press(kKnob);
  window_.Record().onStep = nullptr;
  EXPECT_EQ(State().Spins, 1);
  EXPECT_GT(knobMovedBeforeSpin, 500);
}

TEST_F(Play, KeysOneToThreeHoldTheirReelsAsTheHoldButtonsDo) {
  SpinUntil(false);
  ASSERT_TRUE(State().HoldsOpen);
  const int32_t stock = State().Nudges;
  Key(Qt::Key_3);
  Key(Qt::Key_1);
  Key(Qt::Key_2);  // a third hold is not taken
  EXPECT_EQ(State().ReelHeld, (std::array<bool, 3>{true, false, true}));
  EXPECT_EQ(State().Nudges, stock - 2);
}

TEST_F(Play, TheGameKeysReachTheMachineAsSoonAsAMenuClosesWithEscape) {
  form_->show();
  form_->activateWindow();
  ASSERT_TRUE(QTest::qWaitForWindowActive(form_));
  QMenuBar* bar = form_->menuBar();
  QTest::mouseClick(bar, Qt::LeftButton, {},
                    bar->actionGeometry(bar->actions().front()).center());  // the File menu
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  QTest::keyClick(menu, Qt::Key_Escape);  // the bar would keep the keys, "Borrow" under B
  QCoreApplication::processEvents();
  ASSERT_EQ(QApplication::activePopupWidget(), nullptr);
  ASSERT_EQ(form_->focusWidget(), form_->View());  // where the window's keys go
  QTest::keyClick(form_->focusWidget(), Qt::Key_B);
  QTest::keyClick(form_->focusWidget(), Qt::Key_Return);
  window_.Drive();
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // no borrow window
  EXPECT_EQ(State().Spins, 1);                            // one coin placed and spun
}

TEST_F(Play, LabelsLookTheSameAfterTwentyWins) {
  const QRect winnings(360, 20, 84, 17);
  const QImage before = form_->Surface().copy(winnings);
  for (int win = 0; win < 20; ++win) {
    State().Credits = 1000;
    SpinUntil(true);
  }
  EXPECT_EQ(DifferentPixels(form_->Surface(), before, winnings, -winnings.topLeft()), 0);
}

TEST_F(Play, AScreenReaderPressesThePartsAsThePointerDoesAndHearsAWinOnceCounted) {
  using P = MachineParts;
  QAccessibleInterface* machine = QAccessible::queryAccessibleInterface(form_->View());
  ASSERT_EQ(machine->childCount(), P::kCount);
  const auto part = [&](int index) { return machine->child(index); };
  const auto press = [&](int index) {
    part(index)->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    window_.Drive();
  };
  std::vector<std::pair<int, QAccessible::Event>> sent;
  QObject::connect(DrawnParts::Of(form_->View()), &DrawnParts::Sent,
                   [&](int index, QAccessible::Event type) { sent.emplace_back(index, type); });
  const auto count = [&](int index, QAccessible::Event type) {
    return std::count(sent.begin(), sent.end(), std::pair(index, type));
  };
  QStringList names;
  for (int i = 0; i < P::kResult; ++i)
    names << part(i)->text(QAccessible::Name);
  EXPECT_EQ(names, (QStringList{"Bet One", "Bet 3", "Spin", "Hold left reel", "Hold middle reel",
                                "Hold right reel", "Coin slot", "Lever", "Coins", "Holds",
                                "Winnings", "Credits", "Bonus meter", "Reels"}));
  for (int i = P::kBetOne; i <= P::kLever; ++i)
    EXPECT_EQ(part(i)->role() == QAccessible::Button && part(i)->actionInterface(), true) << i;
  EXPECT_EQ(part(P::kCredits)->actionInterface(), nullptr);
  EXPECT_EQ(part(P::kResult)->role(), QAccessible::StatusBar);
  press(P::kBetOne);
  EXPECT_EQ(State().CoinsBet, 1);
  EXPECT_EQ(count(P::kBetOne, QAccessible::StateChanged), 0);  // never disabled for a coin
  EXPECT_TRUE(part(P::kHold0)->state().disabled);
  SpinUntil(false);  // holds open: a hold pressed through its part holds its reel
  press(P::kHold2);
  EXPECT_TRUE(State().ReelHeld[2] && part(P::kHold2)->state().checked);
  bool won = false;
  for (int i = 0; i < 200 && !won; ++i) {
    sent.clear();
    press(P::kBetMax);
    won = form_->Hooks().TimerEnabled(LampTimer::Timer3);
  }
  ASSERT_TRUE(won);
  // Counted up step by step, sent once settled; the result said once, with the credits.
  EXPECT_EQ(count(P::kWinnings, QAccessible::ValueChanged), 1);
  EXPECT_EQ(count(P::kCredits, QAccessible::ValueChanged), 1);
  EXPECT_EQ(count(P::kResult, QAccessible::NameChanged), 1);
  EXPECT_EQ(count(P::kResult, QAccessible::Alert), 1);
  QLocale grouped;
  grouped.setNumberOptions({});
  const QString result = part(P::kResult)->text(QAccessible::Name);
  EXPECT_TRUE(result.endsWith(" Credits " + grouped.toString(State().Credits) + "."))
      << result.toStdString();
}

TEST(Menus, CaptionsAccessLettersAndSeparators) {
  TestWindow window;
  TForm1& form = window.Open();
  QStringList bar;
  for (QAction* action : form.menuBar()->actions())
    bar << action->text();
  EXPECT_EQ(bar, (QStringList{"&File", "&Options", "&Borrow", "&Stats", "&Payoffs", "&Help"}));
  const auto items = [&](int index) {
    QStringList texts;
    for (QAction* action : form.menuBar()->actions()[index]->menu()->actions()) {
      texts << (action->isSeparator() ? "-" : action->text());
    }
    return texts;
  };
  EXPECT_EQ(items(0), (QStringList{"&New Game", "-", "&Open Game", "&Save Game", "Last &Plays", "-",
                                   "E&xit"}));
  EXPECT_EQ(items(1), (QStringList{"Sound", "Music"}));
  EXPECT_EQ(items(5), (QStringList{"Version", "-", "&Vexlor Slots Manual", "-",
                                   "&About Vexlor Slots", "-", "&Company Information"}));
  QAction* sound = form.menuBar()->actions()[1]->menu()->actions()[0];
  EXPECT_TRUE(sound->isChecked());
  sound->trigger();
  EXPECT_FALSE(sound->isChecked());
  EXPECT_FALSE(form.State().SoundOn);
}

}  // namespace
}  // namespace vexlor
