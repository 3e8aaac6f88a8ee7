// SPDX-License-Identifier: GPL-3.0-or-later
// The saved-game slots, borrowing and statistics, through the real machine
// window; modal windows are answered by actions queued before they open.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QInputDialog>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <QTimer>

#include "config/profile.h"
#include "dialogs/borrow.h"
#include "dialogs/borrowing.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "dialogs/stats_figures.h"
#include "tests/support/test_window.h"

namespace vexlor {
namespace {

using testing::CloseModal;
using testing::Modal;
using testing::TestWindow;

std::array<int32_t, 7> Counters(const GameState& s) {
  return {s.Credits, s.Borrowed, s.Spins, s.TotalBets, s.BonusWon, s.BonusPts, s.Nudges};
}

class SideWindows : public ::testing::Test {
 protected:
  void SetUp() override { form_ = &window_.OpenStarted(); }
  GameState& State() { return form_->State(); }
  std::string Stored(const char* section, const char* key) {
    return ReadProfileString(window_.StoreFile(), section, key, "");
  }
  // Opens the slot dialog in a mode and presses a row's OK, or Cancel (row 0);
  // a save's name prompt gets `name`, or Cancel.
  void UseSlots(bool save, int row, std::function<void(TLoadSave&)> inDialog = nullptr,
                std::optional<QString> name = std::nullopt, QString* prefilled = nullptr) {
    if (save) {
      form_->SaveGame1Click();
    } else {
      form_->OpenGame1Click();
    }
    TLoadSave& dialog = Modal<TLoadSave>();
    if (inDialog) inDialog(dialog);
    if (row == 0) {
      dialog.reject();
      return;
    }
    dialog.OkButton(row)->click();
    if (!save) return;
    QInputDialog& prompt = Modal<QInputDialog>();
    if (prefilled) *prefilled = prompt.textValue();
    if (name) {
      prompt.setTextValue(*name);
      prompt.accept();
    } else {
      prompt.reject();
    }
  }

  TestWindow window_;
  TForm1* form_ = nullptr;
};

TEST_F(SideWindows, CancelInEitherModeKeepsTheLiveGameAndParksItDatedToday) {
  State().Credits = 640;
  window_.Key(Qt::Key_B);  // a coin placed and not spun
  const auto before = Counters(State());
  for (const bool save : {true, false}) {
    UseSlots(save, 0);
    EXPECT_EQ(Counters(State()), before);
    EXPECT_EQ(State().CoinsBet, 1);
    EXPECT_EQ(Stored("CurrentGame", "Credits"), "640");  // the coin counts as a credit
    EXPECT_EQ(Stored("CurrentGame", "GameDate"), "12/07/26");
  }
}

TEST_F(SideWindows, OpeningASlotNeverSavedGivesTheStartingCountersWithNoHolds) {
  State().Credits = 5;
  UseSlots(false, 6);
  EXPECT_EQ(Counters(State()), (std::array<int32_t, 7>{1000, 1000, 0, 0, 0, 0, 0}));
  EXPECT_EQ(Stored("CurrentGame", "Credits"), "1000");  // stored at once
}

TEST_F(SideWindows, ASaveStartsFromATypedNameAndASavedGameOpensWithEveryCounter) {
  State().Credits = 777;
  State().Borrowed = 321;
  State().Spins = 12;
  State().TotalBets = 30;
  State().BonusWon = 25;
  State().BonusPts = 7;
  State().Nudges = 4;
  const auto saved = Counters(State());
  QString prefilled;
  UseSlots(
      true, 3, [](TLoadSave& dialog) { dialog.NameBox(3)->setText(QStringLiteral("Typed here")); },
      QStringLiteral("Friday night"), &prefilled);
  EXPECT_EQ(prefilled, QStringLiteral("Typed here"));
  EXPECT_EQ(Stored("GameNo3", "GameName"), "Friday night");
  form_->NewGame1Click();
  UseSlots(false, 3);
  EXPECT_EQ(Counters(State()), saved);
}

TEST_F(SideWindows, LongNamesShowTheirFirstThirtyCharactersAndEmptyNamesStayEmpty) {
  const QString forty(40, QLatin1Char('n'));
  UseSlots(true, 1, nullptr, forty);
  UseSlots(true, 2, nullptr, QString());
  UseSlots(true, 4, nullptr, std::nullopt);  // cancelled: nothing saved
  QString rows[4];
  UseSlots(false, 0, [&rows](TLoadSave& dialog) {
    for (int row = 1; row <= 4; ++row)
      rows[row - 1] = dialog.NameBox(row)->text();
  });
  EXPECT_EQ(rows[0], QString(30, QLatin1Char('n')));
  EXPECT_EQ(rows[1], QString());
  EXPECT_EQ(rows[3], QStringLiteral("GameNo4"));
  EXPECT_EQ(Stored("GameNo1", "GameName"), forty.toStdString());
}

TEST_F(SideWindows, BorrowingAndPayingBackKeepTheirRulesAndTheGameIsStored) {
  State().Credits = 50;
  State().Borrowed = 50;
  form_->Borrow1Click();
  TBorrowC& borrow = Modal<TBorrowC>();
  borrow.BitBtn1Click(0);  // borrow 1000
  borrow.PayBackButton()->setChecked(true);
  borrow.BitBtn1Click(1);   // pay back 100 of 1050: fine
  borrow.BitBtn1Click(0);   // 1000 of 950 in hand: refused
  borrow.Chip(3)->click();  // 1 by its button
  borrow.reject();
  EXPECT_EQ(State().Credits, 949);
  EXPECT_EQ(State().Borrowed, 949);
  EXPECT_EQ(window_.Record().information,
            QStringList{QStringLiteral("You do not have 1000.00 credits!")});
  EXPECT_EQ(Stored("CurrentGame", "Credits"), "949");  // stored when the window closed
  EXPECT_EQ(Stored("CurrentGame", "Borrowed"), "949");
}

// Where a window shows something other than its background within `area`.
QRect Ink(const QImage& shown, const QRect& area, QRgb background) {
  QRect ink;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      if (std::abs(qGray(shown.pixel(x, y)) - qGray(background)) > 48) ink |= QRect(x, y, 1, 1);
    }
  }
  return ink;
}

TEST_F(SideWindows, TheBorrowWindowShowsEachCaptionOverItsCounterAtEveryOpening) {
  for (int opening = 0; opening < 3; ++opening) {
    form_->Borrow1Click();
    TBorrowC& borrow = Modal<TBorrowC>();
    const QImage shown = borrow.grab().toImage();
    const QRgb background = borrow.palette().color(QPalette::Window).rgb();
    const int width = borrow.width();  // the window is gone once closed
    const int half = width / 2;
    // The captions' band, above the counters' frames.
    const QRect borrowed = Ink(shown, QRect(0, 18, half, 15), background);
    const QRect credits = Ink(shown, QRect(half, 18, half, 15), background);
    CloseModal();
    ASSERT_FALSE(borrowed.isEmpty()) << "opening " << opening;
    ASSERT_FALSE(credits.isEmpty()) << "opening " << opening;
    EXPECT_NEAR(borrowed.left(), 20, 3);          // over the borrowed digits' left edge
    EXPECT_NEAR(credits.right(), width - 30, 3);  // over the credits' right edge
    EXPECT_GT(credits.width(), 40);               // the whole word
  }
}

TEST(Borrowing, RefusalsComeInTheirOrderWithTheirTexts) {
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  GameState s;
  s.Credits = 999;
  s.Borrowed = 5000;
  EXPECT_EQ(BorrowOrPayBack(s, 1000, true), BorrowOutcome::NotEnoughCredits);
  EXPECT_EQ(RefusalText(BorrowOutcome::NotEnoughCredits, 100, english),
            "You do not have  100.00 credits!");
  EXPECT_EQ(RefusalText(BorrowOutcome::NotEnoughCredits, 1, QLocale(QLocale::German)),
            "You do not have    1,00 credits!");
  s.Credits = 50;
  s.Borrowed = 50;
  EXPECT_EQ(BorrowOrPayBack(s, 100, true), BorrowOutcome::NotEnoughCredits);  // checked first
  s.Credits = 5000;
  s.Borrowed = 0;
  EXPECT_EQ(BorrowOrPayBack(s, 100, true), BorrowOutcome::MoreThanBorrowed);
  s.Credits = 10;
  s.Borrowed = 10;
  EXPECT_EQ(BorrowOrPayBack(s, 10, true), BorrowOutcome::Done);
  EXPECT_EQ(s.Credits, 0);
  EXPECT_EQ(s.Borrowed, 0);
  EXPECT_EQ(BorrowOrPayBack(s, 1, true), BorrowOutcome::NotEnoughCredits);  // at 0
  s.Credits = INT32_MAX - 999;
  s.Borrowed = 7;
  EXPECT_EQ(BorrowOrPayBack(s, 1000, false), BorrowOutcome::TooMuch);
  EXPECT_EQ(BorrowOrPayBack(s, 100, false), BorrowOutcome::Done);
  EXPECT_EQ(s.Borrowed, 107);
  s.Borrowed = INT32_MAX;
  s.Credits = 0;
  EXPECT_EQ(BorrowOrPayBack(s, 1, false), BorrowOutcome::TooMuch);
  EXPECT_NE(RefusalText(BorrowOutcome::TooMuch, 1, english).indexOf("2,147,483,647"), -1);
}

TEST(Stats, FiguresAndPercentageInEnglishAndGerman) {
  GameState s;
  s.Spins = 12345;
  s.Credits = 1285;
  s.Borrowed = 1000;
  s.TotalBets = 300;
  s.BonusWon = 25;
  const StatsFigures f = ComputeStats(s);
  EXPECT_EQ(f.payoffs, 585);
  EXPECT_EQ(f.normal, 560);
  EXPECT_DOUBLE_EQ(f.percentage, 195.0);
  const QLocale english(QLocale::English, QLocale::UnitedStates);
  const QLocale german(QLocale::German, QLocale::Germany);
  EXPECT_EQ(FormatCount(12345, english), "    12,345");
  EXPECT_EQ(FormatCount(12345, german), "    12.345");
  EXPECT_EQ(FormatCount(-1234567, english), "-1,234,567");
  EXPECT_EQ(FormatPercentage(95.0, english), "95.00%");
  EXPECT_EQ(FormatPercentage(1234.5, german), "1234,50%");
  EXPECT_EQ(FormatPercentage(0.0, english), "0.00%");
  // No bets: 0 %; payoffs below 0 show their sign and so does the percentage.
  GameState fresh;
  fresh.Credits = fresh.Borrowed = 1000;
  EXPECT_EQ(ComputeStats(fresh).percentage, 0.0);
  s.Credits = 0;
  EXPECT_EQ(ComputeStats(s).payoffs, -700);
  EXPECT_LT(ComputeStats(s).percentage, 0.0);
  // The extremes wrap as 32-bit counters do, never trap.
  s.Credits = INT32_MIN;
  s.Borrowed = 1;
  EXPECT_EQ(ComputeStats(s).payoffs, INT32_MIN + 299);  // INT32_MAX, then past it by 300
}

TEST(Stats, TheWindowShowsItsFiguresInTheLocaleGiven) {
  GameState s;
  s.Credits = 1000;
  s.Borrowed = 1000;
  s.TotalBets = 2000;
  s.Spins = 1000;
  SideEnvironment env;
  env.locale = QLocale(QLocale::German, QLocale::Germany);
  TStatsForm form(s, env);
  EXPECT_EQ(form.Value(0), "     1.000");
  EXPECT_EQ(form.Value(4), "     2.000");
  EXPECT_EQ(form.Value(7), "100,00%");
}

// How far in grey level the text a widget draws in `area` stands out from the
// background at the area's corner.
int Contrast(QWidget& widget, const QRect& area) {
  const QImage image = widget.grab(area).toImage();
  const int background = qGray(image.pixel(0, 0));
  int contrast = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      contrast = std::max(contrast, std::abs(qGray(image.pixel(x, y)) - background));
  }
  return contrast;
}

TEST_F(SideWindows, CommandsThatChangeTheGameWaitWhileASpinRunsGreyedButReadable) {
  // The active window at once, not when the platform gets round to it: the
  // menus draw in the active colours.
  form_->show();
  QApplication::setActiveWindow(form_);
  ASSERT_EQ(QApplication::activeWindow(), form_);
  QMenuBar& bar = *form_->menuBar();
  bar.resize(bar.sizeHint());  // every item on the bar, none in its overflow
  QMenu& file = *bar.actions().front()->menu();
  file.resize(file.sizeHint());
  const auto inBar = [&](Command c) {
    return Contrast(bar, bar.actionGeometry(form_->CommandAction(c)));
  };
  const auto inFile = [&](Command c) {
    return Contrast(file, file.actionGeometry(form_->CommandAction(c)));
  };
  bool greyedMidSpin = true;
  bool statsLiveMidSpin = false;
  std::array<int, 4> ink{};  // mid-spin: Borrow and Stats on the bar, New Game and Last Plays
  window_.Record().onStep = [&] {
    if (!form_->Runner().InProgress()) return;
    for (Command c : {Command::NewGame, Command::OpenGame, Command::SaveGame, Command::Borrow})
      greyedMidSpin &= !form_->CommandAction(c)->isEnabled();
    statsLiveMidSpin = form_->CommandAction(Command::Stats)->isEnabled() &&
                       form_->CommandAction(Command::LastPlays)->isEnabled();
    ink = {inBar(Command::Borrow), inBar(Command::Stats), inFile(Command::NewGame),
           inFile(Command::LastPlays)};
    form_->NewGame1Click();  // ignored even when called directly
    form_->SaveGame1Click();
    for (auto key : {QKeySequence::New, QKeySequence::Open, QKeySequence::Save})
      QTest::keySequence(form_, key);  // and by their keys
  };
  window_.Key(Qt::Key_M);
  window_.Record().onStep = nullptr;
  EXPECT_TRUE(greyedMidSpin);
  EXPECT_TRUE(statsLiveMidSpin);
  // A greyed item is dimmed, never drawn in the colour behind it.
  EXPECT_GT(ink[0], 96);
  EXPECT_LT(ink[0], ink[1]);
  EXPECT_GT(ink[2], 96);
  EXPECT_LT(ink[2], ink[3]);
  EXPECT_EQ(State().Spins, 1);                            // no New Game came in between
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);  // nor a slot dialog
  for (Command c : {Command::NewGame, Command::OpenGame, Command::SaveGame, Command::Borrow})
    EXPECT_TRUE(form_->CommandAction(c)->isEnabled());
  QTest::keySequence(form_, QKeySequence::Save);  // the spin over, the key opens the slots
  EXPECT_EQ(Modal<TLoadSave>().windowTitle(), "Save a Game -- Select Game Slot");
  CloseModal();
}

}  // namespace
}  // namespace vexlor
