// SPDX-License-Identifier: GPL-3.0-or-later
// The current game reaches the store: after every settled spin and new game,
// with its unspun coins, and when the game is ended at any moment, by the
// close box, File > Exit or a termination signal, whatever window is open.
#include <gtest/gtest.h>
#include <signal.h>

#include <QInputDialog>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <algorithm>
#include <fstream>
#include <tuple>
#include <vector>

#include "bonus/unit2.h"
#include "config/identity.h"
#include "config/profile.h"
#include "dialogs/save.h"
#include "engine/bonus_prizes.h"
#include "engine/evaluate.h"
#include "tests/support/test_window.h"
#include "window/machine_view.h"
#include "window/quit_signals.h"
#include "window/unit1.h"

namespace vexlor {
namespace {

using testing::TestWindow;

// A started machine laid out at 800 pixels with a New Game's counters.
class AutoSave : public ::testing::Test {
 protected:
  TForm1& Start() {
    TForm1& form = window_.Open();
    form.LayoutForScreen(800);
    form.Timer1Timer();
    return form;
  }
  void Press(TForm1&, int x, int y) { window_.Press(QPoint(x, y)); }
  std::string Stored(const char* key) {
    return ReadProfileString(window_.StoreFile(), "CurrentGame", key, "");
  }
  // The stored current game's counters, in the order a save writes them.
  std::array<std::string, 7> StoredCounters() {
    return {Stored("Credits"),  Stored("Borrowed"), Stored("Spins"), Stored("TotalBets"),
            Stored("BonusWon"), Stored("BonusPts"), Stored("Nudges")};
  }
  static std::array<std::string, 7> Counters(const GameState& s, int32_t extraCredits = 0) {
    const auto text = [](int32_t v) { return std::to_string(v); };
    return {text(s.Credits + extraCredits),
            text(s.Borrowed),
            text(s.Spins),
            text(s.TotalBets),
            text(s.BonusWon),
            text(s.BonusPts),
            text(s.Nudges)};
  }

  TestWindow window_;
};

TEST_F(AutoSave, EverySpinLeavesTheStoredGameEqualToTheLiveOne) {
  TForm1& form = Start();
  form.NewGame1Click();
  EXPECT_EQ(StoredCounters(), Counters(form.State()));
  for (int spin = 1; spin <= 5; ++spin) {
    Press(form, 616, 461);  // Bet Max
    ASSERT_EQ(form.State().Spins, spin);
    EXPECT_EQ(StoredCounters(), Counters(form.State())) << "after spin " << spin;
  }
  EXPECT_TRUE(window_.Record().errors.isEmpty());
}

TEST_F(AutoSave, CoinsPlacedButNotSpunAreStoredAsCreditsAndComeBackAsCredits) {
  TForm1& form = Start();
  form.NewGame1Click();
  form.State().Credits = 18;
  Press(form, 600, 400);  // Bet One: 17 credits and a coin
  Press(form, 600, 400);  // 16 and two coins
  form.NewGame1Click();   // the coins stay placed on the new game
  EXPECT_EQ(form.State().Credits, 1000);
  EXPECT_EQ(form.State().CoinsBet, 2);
  EXPECT_EQ(StoredCounters(), Counters(form.State(), 2));
  form.State().Credits = 16;
  form.Exit1Click();
  EXPECT_EQ(Stored("Credits"), "18");

  TForm1& again = window_.Open();  // leaving cost nothing
  EXPECT_EQ(again.State().Credits, 18);
  EXPECT_EQ(again.State().CoinsBet, 0);
}

TEST_F(AutoSave, WithoutAHomeFolderTheGameSaysSoOnceAndPlaysOnUnstored) {
  window_.Env().storeFolder.clear();
  TForm1& form = Start();
  EXPECT_EQ(window_.Record().errors,
            QStringList{QString::fromStdString(ErrorBoxText(kNoStoreMessage))});
  EXPECT_EQ(form.State().Credits, 1000);
  form.NewGame1Click();
  Press(form, 616, 461);
  EXPECT_EQ(form.State().Spins, 1);
  form.show();
  EXPECT_TRUE(form.close());
  EXPECT_EQ(window_.Record().errors.size(), 1);
  EXPECT_FALSE(std::filesystem::exists(window_.Folder() / "store"));
}

TEST_F(AutoSave, ASignalEndsAGameTheStoreRefusesWithTheGameInARescueFile) {
  std::ofstream(window_.Folder() / "store") << "a file where the store's folder should be";
  TForm1& form = Start();
  form.NewGame1Click();
  window_.Key(Qt::Key_M);
  form.show();
  EXPECT_FALSE(form.close());  // the close box still refuses
  OnTerminationSignals(form, [&form] { form.EndBySignal(); });
  const QSignalSpy closed(&form, &TForm1::Closed);
  ::raise(SIGHUP);
  ASSERT_TRUE(QTest::qWaitFor([&closed] { return !closed.isEmpty(); }, 10'000));
  ::signal(SIGHUP, SIG_DFL);
  EXPECT_EQ(closed.front().front().toInt(), kRescuedStatus);
  // The store's folder refuses too: the rescue is in the state folder.
  std::vector<std::filesystem::path> rescued;
  for (const auto& entry : std::filesystem::directory_iterator(window_.Env().stateFolder))
    rescued.push_back(entry.path());
  ASSERT_EQ(rescued.size(), 1u);
  EXPECT_TRUE(rescued[0].filename().string().starts_with("vexlorslots.ini.rescued-"));
  for (const auto& [key, value] :
       {std::pair{"Credits", form.State().Credits}, std::pair{"Spins", form.State().Spins}}) {
    EXPECT_EQ(ReadProfileString(rescued[0], "CurrentGame", key, ""), std::to_string(value)) << key;
  }
}

// How the game is ended, and what is open then.
enum class Ending { CloseBox, Exit, Sigterm, Sigint, Sighup };
enum class Open { Stats, VersionBox, BonusRound, NamePrompt };

class EndingAtAnyMoment : public ::testing::TestWithParam<std::tuple<Ending, Open>> {
 protected:
  void TearDown() override {
    for (int signal : {SIGTERM, SIGINT, SIGHUP})
      ::signal(signal, SIG_DFL);
  }
  static bool RoundIsOpen() {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      if (qobject_cast<TTrickForm*>(window) != nullptr && window->isVisible()) return true;
    }
    return false;
  }
};

TEST_P(EndingAtAnyMoment, SettlesTheSpinClosesEveryWindowAndStoresTheGame) {
  const auto [ending, open] = GetParam();
  TestWindow window;
  // Boxes as the game opens them: shown, and left to the player.
  window.Env().information = [](const QString& text) {
    auto* box = new QMessageBox(QMessageBox::Information, QStringLiteral("Vexlor Slots"), text);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    box->show();
  };
  window.Record().pickBonusRounds = false;
  TForm1& form = window.OpenStarted();
  GameState& state = form.State();
  form.show();
  OnTerminationSignals(form, [&form] { form.EndBySignal(); });
  const QSignalSpy closed(&form, &TForm1::Closed);
  int32_t creditsBefore = state.Credits;
  if (open == Open::NamePrompt) {  // no spin can run while the slot dialog is up
    form.SaveGame1Click();
    testing::Modal<TLoadSave>().OkButton(1)->click();
    testing::Modal<QInputDialog>();
  } else {
    // A spin whose reels run, or whose bonus round is up, when the window opens.
    for (int spin = 0; spin < 50; ++spin) {
      if (open == Open::BonusRound) state.BonusPts = kBonusPointsForRound;
      creditsBefore = state.Credits;
      form.FormKeyDown(Qt::Key_M);
      for (int step = 0; step < 10; ++step)
        window.Record().Step();
      if (open == Open::Stats) form.Stats1Click();
      if (open == Open::VersionBox) form.Version1Click();
      while (open == Open::BonusRound && form.Runner().InProgress() && !RoundIsOpen())
        window.Record().Step();
      if (open != Open::BonusRound || RoundIsOpen()) break;
    }
    ASSERT_TRUE(form.Runner().InProgress());
  }
  ASSERT_NE(QApplication::activeModalWidget(), nullptr);

  switch (ending) {
    case Ending::CloseBox:
      form.close();
      break;
    case Ending::Exit:
      form.Exit1Click();
      break;
    default:
      ::raise(ending == Ending::Sigterm ? SIGTERM : ending == Ending::Sigint ? SIGINT : SIGHUP);
      ASSERT_TRUE(QTest::qWaitFor([&closed] { return !closed.isEmpty(); }, 10'000));
  }
  EXPECT_EQ(closed.count(), 1);
  EXPECT_FALSE(form.isVisible());
  EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
  EXPECT_FALSE(form.Runner().InProgress());
  EXPECT_EQ(state.SpinWin, 0);
  const auto stored = [&window](const char* key) {
    return ReadProfileString(window.StoreFile(), "CurrentGame", key, "");
  };
  EXPECT_EQ(stored("GameName"), "CurrentGame");
  EXPECT_EQ(stored("Credits"), std::to_string(state.Credits));
  EXPECT_EQ(stored("Spins"), std::to_string(state.Spins));
  EXPECT_EQ(stored("BonusWon"), std::to_string(state.BonusWon));
  if (open == Open::NamePrompt) return;
  // The spin was counted whole: its line pay and any prize are in the credits.
  ASSERT_FALSE(form.Plays().plays.empty());
  const Play& play = form.Plays().plays.back();
  EXPECT_EQ(play.spin, state.Spins);
  EXPECT_EQ(play.credits, state.Credits);
  const int32_t pays = LinesPay(state, 3);
  EXPECT_EQ(play.linePay, pays);
  EXPECT_EQ(state.Credits, creditsBefore - 3 + pays + play.bonusPrize);
  if (open == Open::BonusRound) {
    EXPECT_EQ(state.BonusPts, 0);
    EXPECT_NE(std::ranges::find(kBonusPrizeValues, play.bonusPrize), kBonusPrizeValues.end());
  }
}

std::string CaseName(const ::testing::TestParamInfo<std::tuple<Ending, Open>>& test) {
  const char* ways[] = {"CloseBox", "Exit", "Sigterm", "Sigint", "Sighup"};
  const char* windows[] = {"Stats", "VersionBox", "BonusRound", "NamePrompt"};
  return std::string(ways[static_cast<int>(std::get<0>(test.param))]) + "With" +
         windows[static_cast<int>(std::get<1>(test.param))];
}

INSTANTIATE_TEST_SUITE_P(EveryWayAndWindow, EndingAtAnyMoment,
                         ::testing::Combine(::testing::Values(Ending::CloseBox, Ending::Exit,
                                                              Ending::Sigterm, Ending::Sigint,
                                                              Ending::Sighup),
                                            ::testing::Values(Open::Stats, Open::VersionBox,
                                                              Open::BonusRound, Open::NamePrompt)),
                         CaseName);

}  // namespace
}  // namespace vexlor
