// SPDX-License-Identifier: GPL-3.0-or-later
// The last plays: kept in their own file beside the store after every spin,
// and shown newest first in the Last Plays window under a chart of the credits.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>
#include <algorithm>
#include <fstream>

#include "config/profile.h"
#include "dialogs/credits_chart.h"
#include "dialogs/last_plays.h"
#include "dialogs/save.h"
#include "engine/bonus_prizes.h"
#include "engine/holds.h"
#include "engine/reels.h"
#include "savegame/plays_file.h"
#include "tests/support/test_window.h"
#include "window/machine_view.h"

namespace vexlor {
namespace {

using testing::CloseModal;
using testing::Modal;
using testing::TestWindow;

class LastPlays : public ::testing::Test {
 protected:
  std::filesystem::path PlaysFile() const {
    return window_.StoreFile().parent_path() / "vexlorslots-plays.json";
  }
  static QByteArray ReadAll(const std::filesystem::path& file) {
    QFile in(QString::fromStdString(file.string()));
    return in.open(QIODevice::ReadOnly) ? in.readAll() : QByteArray();
  }
  PlayHistory StoredPlays() const {
    QString why;
    const std::optional<PlayHistory> history = PlaysFromJson(ReadAll(PlaysFile()), &why);
    EXPECT_TRUE(history.has_value()) << why.toStdString();
    return history.value_or(PlayHistory{});
  }
  static void SpinMax(TestWindow& window) { window.Key(Qt::Key_M); }

  TestWindow window_;
};

// Each play follows from the one before: its spin number, its bonus points,
// and its credits (the bet taken, the line pay and a round's prize counted in).
void ExpectChained(const std::deque<Play>& plays) {
  for (std::size_t i = 1; i < plays.size(); ++i) {
    const Play& before = plays[i - 1];
    const Play& play = plays[i];
    EXPECT_EQ(play.spin, before.spin + 1);
    EXPECT_EQ(play.bonusBefore, before.bonusAfter) << "spin " << play.spin;
    EXPECT_EQ(play.credits, before.credits - play.coins + play.linePay + play.bonusPrize)
        << "spin " << play.spin;
  }
  for (const Play& play : plays) {
    const bool anyWon = std::ranges::any_of(play.linesWon, [](bool won) { return won; });
    EXPECT_EQ(anyWon, play.linePay > 0) << "spin " << play.spin;
  }
}

TEST_F(LastPlays, ThreeSpinsLeaveThreePlaysShowingTheStopsTheEngineDrew) {
  TForm1& form = window_.OpenStarted();
  std::vector<std::array<int32_t, kReelCount>> drawn;
  for (int spin = 0; spin < 3; ++spin) {
    SpinMax(window_);
    drawn.push_back(form.State().ReelStop);
  }
  const PlayHistory stored = StoredPlays();
  ASSERT_EQ(stored.plays.size(), 3u);
  EXPECT_EQ(stored, form.Plays());
  EXPECT_EQ(stored.plays.front().bonusBefore, 0);
  EXPECT_EQ(stored.plays.front().credits,
            kNewGameCredits - 3 + stored.plays.front().linePay + stored.plays.front().bonusPrize);
  EXPECT_EQ(stored.plays.back().credits, form.State().Credits);
  EXPECT_EQ(stored.plays.back().bonusAfter, form.State().BonusPts);
  ExpectChained(stored.plays);

  GameState reels;
  InitReels(reels);
  for (std::size_t i = 0; i < drawn.size(); ++i) {
    const Play& play = stored.plays[i];
    EXPECT_EQ(play.spin, static_cast<int32_t>(i) + 1);
    EXPECT_EQ(play.coins, 3);
    EXPECT_EQ(play.stops, drawn[i]);
    reels.ReelStop = drawn[i];
    for (Row row : {Row::Top, Row::Middle, Row::Bottom}) {
      for (int reel = 0; reel < kReelCount; ++reel) {
        EXPECT_EQ(play.cells[static_cast<std::size_t>(static_cast<int>(row) * 3 + reel)],
                  SheetIndex(reels, reel, RowPosition(drawn[i][reel], row)))
            << "spin " << i + 1 << ", reel " << reel;
      }
    }
  }
}

TEST_F(LastPlays, AHundredAndOneSpinsKeepTheLastHundredWithTheirHolds) {
  TForm1& form = window_.OpenStarted();
  int held = 0;
  for (int spin = 1; spin <= 101; ++spin) {
    SpinMax(window_);
    if (CanPlaceHold(form.State())) {
      window_.Key(Qt::Key_1);  // reel 1 stays put on the next spin
      ++held;
    }
  }
  ASSERT_GT(held, 0);
  const PlayHistory stored = StoredPlays();
  ASSERT_EQ(stored.plays.size(), kPlaysKept);
  EXPECT_EQ(stored, form.Plays());
  EXPECT_EQ(stored.plays.front().spin, 2);
  EXPECT_EQ(stored.plays.back().spin, 101);
  EXPECT_EQ(stored.plays.back().credits, form.State().Credits);
  ExpectChained(stored.plays);
  for (std::size_t i = 1; i < stored.plays.size(); ++i) {
    if (stored.plays[i].holdsUsed == 0) continue;
    EXPECT_EQ(stored.plays[i].holdsUsed, 1);
    EXPECT_EQ(stored.plays[i].stops[0], stored.plays[i - 1].stops[0]) << "the held reel moved";
  }
}

TEST_F(LastPlays, ABonusRoundIsListedWithThePrizeItPaid) {
  TForm1& form = window_.OpenStarted();
  // A full meter runs the round after any spin that shows no "X" on a lit line.
  const auto roundRan = [&form] {
    return !form.Plays().plays.empty() && form.Plays().plays.back().bonusRound;
  };
  for (int spin = 0; spin < 20 && !roundRan(); ++spin) {
    form.State().BonusPts = kBonusPointsForRound;
    const int32_t creditsBefore = form.State().Credits;
    SpinMax(window_);
    const Play& play = form.Plays().plays.back();
    EXPECT_EQ(play.bonusBefore, kBonusPointsForRound);
    EXPECT_EQ(play.bonusAfter, 0);
    EXPECT_EQ(play.credits, creditsBefore - 3 + play.linePay + play.bonusPrize);
  }
  const Play& play = form.Plays().plays.back();
  ASSERT_TRUE(play.bonusRound);
  EXPECT_NE(std::ranges::find(kBonusPrizeValues, play.bonusPrize), kBonusPrizeValues.end());
  EXPECT_EQ(StoredPlays(), form.Plays());
}

TEST_F(LastPlays, ADamagedPlaysFileIsSetAsideWithOneMessageAndPlayGoesOn) {
  std::string impossible;
  {
    PlayHistory history;
    history.plays.push_back(Play{.coins = 3, .stops = {1, 1, 1}});  // cells not those of the stops
    impossible = PlaysToJson(history).toStdString();
  }
  for (const std::string& damaged :
       {std::string("{\"format\": 1, \"plays\": [ {\"coins\":"), impossible, std::string("[]")}) {
    TestWindow window;
    const std::filesystem::path file = window.StoreFile().parent_path() / "vexlorslots-plays.json";
    std::filesystem::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary) << damaged;
    window.OpenStarted();
    ASSERT_EQ(window.Record().errors.size(), 1) << damaged;
    EXPECT_TRUE(window.Record().errors[0].contains("vexlorslots-plays.json.bad"))
        << window.Record().errors[0].toStdString();
    EXPECT_EQ(ReadAll(std::filesystem::path(file).concat(".bad")).toStdString(), damaged);
    SpinMax(window);
    SpinMax(window);
    const std::optional<PlayHistory> fresh = PlaysFromJson(ReadAll(file));
    ASSERT_TRUE(fresh.has_value());
    EXPECT_EQ(fresh->plays.size(), 2u);
    EXPECT_EQ(ReadProfileString(window.StoreFile(), "CurrentGame", "Spins", ""), "2");
    EXPECT_EQ(window.Record().errors.size(), 1);
  }
}

TEST_F(LastPlays, APlaysFileTheDiskRefusesIsSaidOnceWhileTheGameIsStillStored) {
  TForm1& form = window_.OpenStarted();
  std::filesystem::remove(PlaysFile());
  std::filesystem::create_directory(PlaysFile());  // a rename cannot replace a folder
  SpinMax(window_);
  SpinMax(window_);
  ASSERT_EQ(window_.Record().errors.size(), 1);
  EXPECT_EQ(window_.Record().errors[0],
            QStringLiteral("Unable to write to vexlorslots-plays.json."));
  EXPECT_EQ(ReadProfileString(window_.StoreFile(), "CurrentGame", "Spins", ""), "2");
  EXPECT_EQ(form.Plays().plays.size(), 2u);
}

TEST_F(LastPlays, APlayWhoseGameWasNeverStoredIsDroppedAtStartUp) {
  window_.OpenStarted();
  SpinMax(window_);
  SpinMax(window_);
  window_.Close();
  // The plays are written first: a crash before the game's own save leaves one play too many.
  ASSERT_TRUE(WriteProfileString(window_.StoreFile(), "CurrentGame", "Spins", "1"));
  const TForm1& again = window_.Open();
  ASSERT_EQ(again.Plays().plays.size(), 1u);
  EXPECT_EQ(again.Plays().plays.back().spin, 1);
}

TEST_F(LastPlays, AnOpenedGameShowsWhoseThePlaysAreAndNewGameStartsAFreshList) {
  TForm1& form = window_.OpenStarted();
  StoreLiveGame(form.State(), form.Store(), 0, "Friday night");
  SpinMax(window_);
  SpinMax(window_);
  form.OpenGame1Click();
  Modal<TLoadSave>().OkButton(1)->click();
  EXPECT_EQ(form.Plays().plays.size(), 2u);
  EXPECT_EQ(form.Plays().openedSince, "Friday night");
  EXPECT_EQ(StoredPlays(), form.Plays());
  form.LastPlays1Click();
  const QString note = Modal<TLastPlays>().Note();
  CloseModal();
  EXPECT_TRUE(note.contains("before \"Friday night\" was opened")) << note.toStdString();

  SpinMax(window_);  // the opened game's first play begins its own list
  ASSERT_EQ(form.Plays().plays.size(), 1u);
  EXPECT_TRUE(form.Plays().openedSince.empty());
  EXPECT_EQ(form.Plays().plays.back().spin, form.State().Spins);
  form.NewGame1Click();
  EXPECT_TRUE(StoredPlays().plays.empty());
}

TEST_F(LastPlays, TheWindowOpensFromFileMenuAndCtrlLNewestFirstInTheLocalesNumbers) {
  window_.Env().locale = QLocale(QLocale::German, QLocale::Germany);
  TForm1& form = window_.OpenStarted();
  form.State().Credits = 12000;
  for (int spin = 0; spin < 3; ++spin)
    SpinMax(window_);

  const QList<QAction*> file = form.menuBar()->actions().front()->menu()->actions();
  const qsizetype save = file.indexOf(form.CommandAction(Command::SaveGame));
  ASSERT_GE(save, 0);
  QAction* item = form.CommandAction(Command::LastPlays);
  EXPECT_EQ(file.value(save + 1), item);
  EXPECT_EQ(item->text(), QStringLiteral("Last &Plays"));

  item->trigger();
  TLastPlays& window = Modal<TLastPlays>();
  EXPECT_EQ(window.windowTitle(), QStringLiteral("Last Plays"));
  // The list has the keys from the start, so they scroll the plays.
  const bool listHasFocus = window.focusWidget() == window.findChild<QTableWidget*>();
  const int rows = window.RowCount();
  std::vector<QString> newest;
  for (int row = 0; row < rows; ++row)
    newest.push_back(window.CellText(row, 7));
  const QString reels = window.CellText(0, 2);
  const QStringList labels = window.Chart().AxisLabels();
  QKeyEvent f1(QEvent::KeyPress, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(&window, &f1);
  const int helpContext = form.Help() != nullptr ? form.Help()->Context() : -1;
  CloseModal();
  ASSERT_EQ(rows, 3);
  EXPECT_TRUE(listHasFocus);
  EXPECT_EQ(helpContext, kLastPlaysTopic);  // F1 opens its topic of the manual
  const QLocale german(QLocale::German, QLocale::Germany);
  const std::deque<Play>& plays = form.Plays().plays;
  for (int row = 0; row < rows; ++row)
    EXPECT_EQ(newest[static_cast<std::size_t>(row)],
              german.toString(plays[plays.size() - 1 - static_cast<std::size_t>(row)].credits));
  // The reels' picture reads as the three lines played, a won one marked.
  const QStringList lines = reels.split(QStringLiteral("; "));
  ASSERT_EQ(lines.size(), 3) << reels.toStdString();
  const std::array<const char*, 3> names = {"Middle line: ", "Top line: ", "Bottom line: "};
  for (std::size_t line = 0; line < names.size(); ++line) {
    EXPECT_TRUE(lines[static_cast<qsizetype>(line)].startsWith(QLatin1String(names[line])));
    EXPECT_EQ(lines[static_cast<qsizetype>(line)].endsWith(QStringLiteral("(won)")),
              plays.back().linesWon[line]);
  }
  ASSERT_GE(labels.size(), 4);
  for (const QString& label : labels.mid(0, labels.size() - 2))
    EXPECT_TRUE(label.contains(QLatin1Char('.'))) << label.toStdString();  // 12.000, not 12,000
  EXPECT_EQ(labels.mid(labels.size() - 2), (QStringList{"1", "3"}));

  // Ctrl+L from the machine opens the same window.
  // Made the active window at once, not when the platform gets round to it:
  // a window shortcut reaches only the active window.
  form.show();
  QApplication::setActiveWindow(&form);
  ASSERT_EQ(QApplication::activeWindow(), &form);
  QTest::keyClick(form.View(), Qt::Key_L, Qt::ControlModifier);
  EXPECT_NE(qobject_cast<TLastPlays*>(QApplication::activeModalWidget()), nullptr);
  CloseModal();
}

TEST(CreditsChart, AxisTicksAreRoundStepsCoveringTheRun) {
  EXPECT_EQ(AxisTicks(985, 1012, 4), (std::vector<int64_t>{980, 990, 1000, 1010, 1020}));
  EXPECT_EQ(AxisTicks(0, 2600, 4), (std::vector<int64_t>{0, 1000, 2000, 3000}));
  EXPECT_EQ(AxisTicks(1000, 1000, 4), (std::vector<int64_t>{1000, 1001}));  // a flat run
  EXPECT_EQ(AxisTicks(-7, 3, 4), (std::vector<int64_t>{-10, -5, 0, 5}));
}

}  // namespace
}  // namespace vexlor
