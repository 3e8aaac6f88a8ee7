// SPDX-License-Identifier: GPL-3.0-or-later
// A store the game cannot write or cannot read whole, through the real machine
// window: the player is told, play goes on, and nothing stored or played is lost.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTimer>
#include <fstream>
#include <sstream>

#include "config/profile.h"
#include "tests/support/test_window.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;
using testing::TestWindow;

std::string Contents(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream all;
  all << in.rdbuf();
  return all.str();
}

// A store of two games as an editor that saves UTF-16 writes it: every other byte is a NUL.
std::string Utf16Store() {
  const std::string text =
      "[GameNo2]\r\nGameName=Friday night\r\nCredits=870\r\nBorrowed=500\r\n"
      "[CurrentGame]\r\nCredits=4321\r\n";
  std::string wide = "\xFF\xFE";
  for (char c : text)
    wide += std::string{c, '\0'};
  return wide;
}

// The machine past its start-up, with the game it restored from the store.
TForm1& OpenRestored(TestWindow& window) {
  TForm1& form = window.Open();
  form.LayoutForScreen(800);
  form.Timer1Timer();
  return form;
}

class StoreFault : public ::testing::Test {
 protected:
  // Plays `spins` spins of three coins.
  void Play(TForm1&, int spins) {
    for (int i = 0; i < spins; ++i)
      window_.Key(Qt::Key_M);
  }
  // Opens the slot dialog in both modes; true when either was shown (and closed).
  static bool SlotDialogShown(TForm1& form) {
    bool shown = false;
    for (const auto open : {&TForm1::SaveGame1Click, &TForm1::OpenGame1Click}) {
      (form.*open)();
      if (QApplication::activeModalWidget() != nullptr) {
        shown = true;
        testing::CloseModal();
      }
    }
    return shown;
  }
  std::array<int32_t, 5> Counters(const GameState& s) const {
    return {s.Credits, s.Borrowed, s.Spins, s.TotalBets, s.BonusWon};
  }

  TestWindow window_;
};

TEST_F(StoreFault, AFolderAtTheStoresPlaceRefusesEverySaveAndTheGameWaitsInMemory) {
  fs::create_directories(window_.StoreFile());
  TForm1& form = OpenRestored(window_);
  form.show();
  const QString refused = QStringLiteral("Unable to write to vexlorslots.ini: it is a folder.");
  EXPECT_EQ(form.State().Credits, 1000);  // nothing to read: the defaults
  Play(form, 5);
  EXPECT_EQ(form.State().Spins, 5);
  EXPECT_EQ(window_.Record().errors, QStringList{refused});  // once, not after every spin

  EXPECT_FALSE(SlotDialogShown(form));  // the live game cannot be parked, so no slots
  EXPECT_EQ(window_.Record().errors, QStringList(3, refused));
  const auto played = Counters(form.State());
  form.Exit1Click();
  EXPECT_TRUE(form.isVisible());
  EXPECT_EQ(window_.Record().errors.size(), 4);
  EXPECT_EQ(Counters(form.State()), played);
  EXPECT_FALSE(form.State().StopRequested);

  Play(form, 1);  // still playing
  fs::remove(window_.StoreFile());
  Play(form, 1);  // stored again
  fs::remove(window_.StoreFile());
  fs::create_directory(window_.StoreFile());
  Play(form, 1);  // refused again, and said again
  EXPECT_EQ(window_.Record().errors.size(), 5);
  const auto more = Counters(form.State());
  fs::remove(window_.StoreFile());
  form.Exit1Click();
  EXPECT_FALSE(form.isVisible());
  for (const auto& [key, value] : {std::pair{"Credits", more[0]}, std::pair{"Spins", more[2]},
                                   std::pair{"TotalBets", more[3]}}) {
    EXPECT_EQ(ReadProfileString(window_.StoreFile(), "CurrentGame", key, ""),
              std::to_string(value));
  }
}

// The store set aside at start, by the name the one message gives for it.
fs::path KeptStore(const TestWindow& window, const QStringList& errors) {
  const qsizetype at = errors.value(0).indexOf(QStringLiteral("vexlorslots.ini.kept-"));
  if (errors.size() != 1 || at < 0) return {};
  return window.StoreFile().parent_path() / errors[0].mid(at, 36).toStdString();
}

TEST_F(StoreFault, AStoreThatCannotBeRewrittenIsKeptAsideWholeAndItsGamesPlayOn) {
  const std::string binary =
      std::string("\x89PNG\r\n\x1a\n\0\0\0\rIHDR\0\0\x01\0", 20) + "[CurrentGame]\nCredits=7\n";
  const std::string prose = "These are my notes.\n[CurrentGame]\nCredits=555\n";
  std::string huge = "[GameNo4]\nGameName=Deep\nCredits=12\n[CurrentGame]\nCredits=4321\n";
  huge.resize(50u << 20);  // the rest NULs: over 16 MB, of which the first are read
  // The reader stops at the first NUL; the notes' own line is passed over.
  for (const auto& [store, credits, why] :
       {std::tuple{Utf16Store(), 1000, "not INI text"}, std::tuple{binary, 1000, "not INI text"},
        std::tuple{prose, 555, "not INI text"}, std::tuple{huge, 4321, "larger than 16 MB"}}) {
    SCOPED_TRACE(why + std::to_string(credits));
    TestWindow window;
    fs::create_directories(window.Env().storeFolder);
    std::ofstream(window.StoreFile(), std::ios::binary) << store;
    TForm1& form = OpenRestored(window);
    EXPECT_EQ(form.State().Credits, credits);
    const fs::path kept = KeptStore(window, window.Record().errors);
    ASSERT_FALSE(kept.empty()) << window.Record().errors.join('\n').toStdString();
    EXPECT_TRUE(window.Record().errors[0].contains(QString::fromLatin1(why)));
    EXPECT_EQ(Contents(kept), store);  // whole, never changed
    window.Key(Qt::Key_M);
    form.show();
    EXPECT_TRUE(form.close());  // saves work again
    EXPECT_EQ(window.Record().errors.size(), 1);
    EXPECT_EQ(ReadProfileString(window.StoreFile(), "CurrentGame", "Credits", ""),
              std::to_string(form.State().Credits));
    if (credits == 4321) {  // the slots of the first 16 MB came along
      EXPECT_EQ(ReadProfileString(window.StoreFile(), "GameNo4", "GameName", ""), "Deep");
    }
  }
}

}  // namespace
}  // namespace vexlor
