// SPDX-License-Identifier: GPL-3.0-or-later
// Plays a logged sequence of inputs on the machine window in this process, as
// the desktop test played them on the real program, and prints the counters
// stored when the game is left, as JSON. The desktop test compares the two.
//   replay_tool STORE LOG
// STORE is the store the game starts from (copied, never changed). LOG holds
// one input a line: "key NAME" (an X key name: b, m, Return, space, 1, 2, 3,
// F1), "window NAME" (stats, payoffs, open, save, version, manual), "borrow
// AMOUNT" (one chip of the borrow window) and "exit".
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <stdexcept>
#include <string>

#include "dialogs/borrow.h"
#include "dialogs/borrowing.h"
#include "tests/support/test_window.h"
#include "window/machine_view.h"

namespace vexlor {
namespace {

using testing::CloseModal;
using testing::Modal;
using testing::TestWindow;

int KeyCode(const std::string& name) {
  static const std::map<std::string, int> kKeys = {
      {"b", Qt::Key_B}, {"m", Qt::Key_M}, {"Return", Qt::Key_Return}, {"space", Qt::Key_Space},
      {"1", Qt::Key_1}, {"2", Qt::Key_2}, {"3", Qt::Key_3},           {"F1", Qt::Key_F1}};
  const auto key = kKeys.find(name);
  if (key == kKeys.end()) throw std::runtime_error("unknown key " + name);
  return key->second;
}

void Borrow(TForm1& form, int32_t amount) {
  int tag = 0;
  while (tag < 4 && kChipAmounts[tag] != amount)
    ++tag;
  if (tag == 4) throw std::runtime_error("no chip of " + std::to_string(amount));
  form.Borrow1Click();
  Modal<TBorrowC>().Chip(tag)->click();
  CloseModal();
}

// Opens a side window as its menu item does and closes it again.
void VisitWindow(TForm1& form, const std::string& name) {
  const auto modal = [&form](void (TForm1::*open)()) {
    (form.*open)();
    CloseModal();
  };
  if (name == "stats") {
    modal(&TForm1::Stats1Click);
  } else if (name == "payoffs") {
    modal(&TForm1::Payoffs1Click);
  } else if (name == "open") {
    modal(&TForm1::OpenGame1Click);
  } else if (name == "save") {
    modal(&TForm1::SaveGame1Click);
  } else if (name == "version") {
    form.Version1Click();  // the test environment records the box
  } else if (name == "manual") {
    form.ManualItemClick();
  } else {
    throw std::runtime_error("unknown window " + name);
  }
}

void Play(TestWindow& window, std::istream& log) {
  TForm1& form = window.Form();
  std::string line;
  while (std::getline(log, line)) {
    std::istringstream words(line);
    std::string what, arg;
    words >> what >> arg;
    if (what == "key") {
      QTest::keyClick(form.View(), static_cast<Qt::Key>(KeyCode(arg)));
      window.Drive();
      if (form.Help() != nullptr) form.Help()->close();
    } else if (what == "window") {
      VisitWindow(form, arg);
      if (form.Help() != nullptr) form.Help()->close();
    } else if (what == "borrow") {
      Borrow(form, std::stoi(arg));
    } else if (what == "exit") {
      form.Exit1Click();
      return;
    } else if (!what.empty()) {
      throw std::runtime_error("unknown input: " + line);
    }
  }
  throw std::runtime_error("the log does not end with exit");
}

int Replay(const std::filesystem::path& store, const std::filesystem::path& logFile) {
  TestWindow window(QSize(1024, 768), 96);
  std::filesystem::create_directories(window.StoreFile().parent_path());
  std::filesystem::copy_file(store, window.StoreFile());
  TForm1& form = window.Open();
  form.Timer1Timer();  // the end of start-up: the machine takes input
  std::ifstream log(logFile);
  if (!log) throw std::runtime_error("cannot read " + logFile.string());
  Play(window, log);
  for (const QString& error : window.Record().errors)
    std::fprintf(stderr, "error box: %s\n", error.toLocal8Bit().constData());
  if (!window.Record().errors.isEmpty()) return 1;

  GameState stored;
  TransferGame(stored, GameStore{window.StoreFile(), [] { return std::string("01/01/26"); }},
               kCurrentGameSlot, false, "");
  std::printf(
      "{\"Credits\": %d, \"Borrowed\": %d, \"Spins\": %d, \"TotalBets\": %d, "
      "\"BonusWon\": %d, \"BonusPts\": %d, \"Nudges\": %d}\n",
      stored.Credits, stored.Borrowed, stored.Spins, stored.TotalBets, stored.BonusWon,
      stored.BonusPts, stored.Nudges);
  return 0;
}

}  // namespace
}  // namespace vexlor

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: replay_tool STORE LOG\n");
    return 2;
  }
  try {
    return vexlor::Replay(argv[1], argv[2]);
  } catch (const std::exception& error) {
    std::fprintf(stderr, "replay_tool: %s\n", error.what());
    return 1;
  }
}
