// The current game reaches the store without a close: after every settled
// spin and new game, on a termination signal, and with its unspun coins.
#include <gtest/gtest.h>
#include <signal.h>

#include <QTest>
#include <fstream>

#include "config/identity.h"
#include "config/profile.h"
#include "tests/support/test_window.h"
#include "window/machine_view.h"
#include "window/quit_signals.h"

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

TEST_F(AutoSave, AFailingStoreIsReportedOnceAndPlayGoesOnButTheCloseIsRefused) {
  std::ofstream(window_.Folder() / "store") << "a file where the store's folder should be";
  TForm1& form = Start();
  form.NewGame1Click();
  for (int spin = 0; spin < 3; ++spin)
    Press(form, 616, 461);
  EXPECT_EQ(form.State().Spins, 3);
  EXPECT_EQ(window_.Record().errors, QStringList{"Unable to write to vexlorslots.ini."});
  form.show();
  EXPECT_FALSE(form.close());
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(window_.Record().errors.size(), 2);
  EXPECT_FALSE(form.State().StopRequested);  // play goes on after the refused close
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

TEST_F(AutoSave, ATerminationSignalClosesTheWindowAndStoresTheGame) {
  TForm1& form = Start();
  form.NewGame1Click();
  form.State().Credits = 4242;
  form.show();
  CloseOnTerminationSignals(form);
  ::raise(SIGTERM);
  const bool closed = QTest::qWaitFor([&] { return !form.isVisible(); }, 10'000);
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    ::signal(signal, SIG_DFL);
  ASSERT_TRUE(closed);
  EXPECT_EQ(Stored("Credits"), "4242");
}

}  // namespace
}  // namespace vexlor
