// SPDX-License-Identifier: GPL-3.0-or-later
// A long session on the real machine window: thousands of spins with random
// bets, holds, bonus rounds and side windows, from a fixed seed. The books
// must balance after every spin, and neither the heap nor the process grows.
//
// Run it through CTest: it sets the allocator options the memory figures need.
#include <gtest/gtest.h>
#include <stdlib.h>
#include <unistd.h>

#include <QApplication>
#include <QInputDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <fstream>
#include <map>
#include <random>

#include "bonus/token_layout.h"
#include "bonus/unit2.h"
#include "config/profile.h"
#include "dialogs/borrow.h"
#include "dialogs/save.h"
#include "dialogs/stats.h"
#include "dialogs/stats_figures.h"
#include "engine/evaluate.h"
#include "tests/support/test_window.h"

#if defined(__SANITIZE_ADDRESS__)
extern "C" size_t __sanitizer_get_current_allocated_bytes();
#endif

namespace vexlor {
namespace {

using testing::CloseModal;
using testing::Modal;
using testing::TestWindow;

constexpr int kSpins = 5000;
constexpr int kBaselineSpin = 500;
constexpr int64_t kAllowedResidentGrowth = 2 << 20;
// What the live heap may gain once every window has been opened: caches that
// settle, not copies piling up.
constexpr int64_t kAllowedHeapGrowth = 256 << 10;

// The bytes the program holds on the heap, or -1 where the allocator does not tell.
int64_t HeapBytes() {
#if defined(__SANITIZE_ADDRESS__)
  return static_cast<int64_t>(__sanitizer_get_current_allocated_bytes());
#else
  return -1;
#endif
}

int64_t ResidentBytes() {
  std::ifstream statm("/proc/self/statm");
  int64_t size = 0;
  int64_t resident = 0;
  statm >> size >> resident;
  return resident * ::sysconf(_SC_PAGESIZE);
}

// A fresh folder on the memory file system, or empty where there is none.
std::filesystem::path MemoryFolder() {
  std::string pattern = "/dev/shm/vexlor-soak-XXXXXX";
  return ::access("/dev/shm", W_OK) == 0 && ::mkdtemp(pattern.data()) != nullptr
             ? std::filesystem::path(pattern)
             : std::filesystem::path();
}

class Soak : public ::testing::Test {
 protected:
  void SetUp() override {
    // Every spin stores the game and flushes it to disk; in memory the
    // flushes cost nothing, and the session runs at the speed of the game.
    if (!memoryFolder_.empty()) window_.Env().storeFolder = memoryFolder_ / "store";
    form_ = &window_.OpenStarted();
    // The smallest machine the game lays out: every frame of every spin is drawn.
    form_->LayoutForScreen(640);
    form_->Renderer().FormPaint();
    window_.Record().onStep = [this] { WatchBonusRound(); };
  }
  void TearDown() override {
    window_.Record().onStep = nullptr;
    window_.Close();
    std::error_code ignored;
    if (!memoryFolder_.empty()) std::filesystem::remove_all(memoryFolder_, ignored);
  }

  GameState& State() { return form_->State(); }
  int Roll(int n) { return std::uniform_int_distribution<int>(0, n - 1)(player_); }

  // The bonus round as the player meets it: picked by a key at the next step,
  // or by a press on a token of the test's choosing. A prize of 1 is paid as
  // a normal payoff, the others go to BonusWon.
  void WatchBonusRound() {
    TTrickForm* round = nullptr;
    for (QWidget* w : QApplication::topLevelWidgets()) {
      if (auto* r = qobject_cast<TTrickForm*>(w); r != nullptr && r->isVisible()) round = r;
    }
    if (round == nullptr) {
      roundSettled_ = false;
      return;
    }
    if (round->Picked() < 0 && !window_.Record().pickBonusRounds) {
      const TokenPoint& token = kTokenPos[static_cast<std::size_t>(Roll(kPrizeCount))];
      QTest::mousePress(round, Qt::LeftButton, {},
                        round->PictureOrigin() + QPoint(token.x + 40, token.y + 30));
    }
    if (round->RoundPrize() > 0 && !roundSettled_) {
      roundSettled_ = true;
      ++rounds_;
      if (round->RoundPrize() == 1) normalPaid_ += 1;
    }
  }

  // Bets one to three coins with the keys and spins, or spins the last bet again.
  void BetAndSpin() {
    window_.Record().pickBonusRounds = Roll(3) != 0;
    switch (Roll(4)) {
      case 0:
        window_.Key(Qt::Key_M);
        break;
      case 1:
        if (State().LastBet > 0) {
          window_.Key(Roll(2) == 0 ? Qt::Key_Return : Qt::Key_Space);
          break;
        }
        [[fallthrough]];
      default:
        for (int coins = 1 + Roll(3); coins > 0 && State().CoinsBet < kMaxCoins; --coins)
          window_.Key(Qt::Key_B);
        if (State().CoinsBet > 0) window_.Key(Qt::Key_Space);
        break;
    }
  }

  void MaybeHold() {
    if (!State().HoldsOpen || State().Nudges <= 0) return;
    for (int presses = Roll(4); presses > 0; --presses) {
      const int32_t before = State().Nudges;
      window_.Key(Qt::Key_1 + Roll(3));
      holdsPlaced_ += before - State().Nudges;
    }
  }

  void Borrow(bool needed) {
    const int chip = needed ? 0 : Roll(4);
    const bool payBack = !needed && Roll(2) == 0;
    const int32_t amount = std::array<int32_t, 4>{1000, 100, 10, 1}[chip];
    if (payBack && (amount > State().Credits - 3 || amount > State().Borrowed)) return;
    form_->Borrow1Click();
    TBorrowC& borrow = Modal<TBorrowC>();
    borrow.PayBackButton()->setChecked(payBack);
    borrow.BitBtn1Click(chip);
    CloseModal();
  }

  // The statistics window shows the normal payoffs the test saw paid.
  void LookAtStats() {
    form_->Stats1Click();
    const QString normal = Modal<TStatsForm>().Value(5);
    CloseModal();
    EXPECT_EQ(normal, FormatCount(static_cast<int32_t>(normalPaid_), QLocale::system()));
  }

  void UseSlot(bool save) {
    const int row = 1 + Roll(kSavedSlotCount);
    if (save) {
      form_->SaveGame1Click();
      Modal<TLoadSave>().OkButton(row)->click();
      QInputDialog& ask = Modal<QInputDialog>();
      ask.setTextValue(QStringLiteral("Soak %1").arg(row));
      ask.accept();
      slotPaid_[row] = normalPaid_;
    } else {
      form_->OpenGame1Click();
      Modal<TLoadSave>().OkButton(row)->click();
      normalPaid_ = slotPaid_[row];  // a slot never saved opens a fresh game: nothing paid
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  }

  // Now and then the player leaves the reels for a side window or a new game.
  void SideWindowNowAndThen() {
    if (State().Credits < kMaxCoins) Borrow(true);
    const int choice = Roll(40);
    sideWindows_ += choice < 5 ? 1 : 0;
    switch (choice) {
      case 0:
        Borrow(false);
        break;
      case 1:
        LookAtStats();
        break;
      case 2:
        form_->Payoffs1Click();
        CloseModal();
        break;
      case 3:
      case 4:
        UseSlot(choice == 3);
        break;
      case 5:
        if (Roll(4) == 0) {
          form_->NewGame1Click();
          normalPaid_ = 0;
        }
        break;
      default:
        break;
    }
  }

  // The stored current game is the live one.
  void CheckStore() {
    const GameState& s = State();
    for (const auto& [key, value] :
         {std::pair{"Credits", s.Credits}, std::pair{"Borrowed", s.Borrowed},
          std::pair{"Spins", s.Spins}, std::pair{"TotalBets", s.TotalBets},
          std::pair{"BonusWon", s.BonusWon}, std::pair{"Nudges", s.Nudges}}) {
      EXPECT_EQ(ReadProfileString(window_.StoreFile(), "CurrentGame", key, ""),
                std::to_string(value))
          << key;
    }
  }

  void CheckBooks(int spin) {
    const GameState& s = State();
    ASSERT_EQ(int64_t{s.Credits} - s.Borrowed + s.TotalBets - s.BonusWon, normalPaid_)
        << "after spin " << spin;
    ASSERT_GE(s.Credits, 0);
    ASSERT_GE(s.Nudges, 0);
    ASSERT_GE(s.BonusPts, 0);
    ASSERT_LE(s.BonusPts, kBonusPointsForRound);
    ASSERT_EQ(s.CoinsBet, 0);
    ASSERT_GE(s.LastBet, 1);
    ASSERT_LE(s.LastBet, kMaxCoins);
    ASSERT_EQ(s.SpinWin, 0);
    ASSERT_EQ(s.HoldsUsed, 0);
    ASSERT_FALSE(s.Busy);
    ASSERT_FALSE(form_->Runner().InProgress());
    for (int32_t stop : s.ReelStop) {
      ASSERT_GE(stop, 1);
      ASSERT_LE(stop, kStripLength);
    }
  }

  std::filesystem::path memoryFolder_ = MemoryFolder();
  TestWindow window_;
  TForm1* form_ = nullptr;
  std::mt19937 player_{20260712};
  int64_t normalPaid_ = 0;  // line payouts and prizes of 1 since the game began
  std::map<int, int64_t> slotPaid_;
  bool roundSettled_ = false;
  int rounds_ = 0;
  int holdsPlaced_ = 0;
  int sideWindows_ = 0;
};

TEST_F(Soak, FiveThousandSpinsKeepTheBooksAndTheStoreAndNothingGrows) {
  int64_t residentAtBaseline = 0;
  int64_t heapAtBaseline = 0;
  for (int spin = 1; spin <= kSpins; ++spin) {
    SideWindowNowAndThen();
    MaybeHold();
    const int32_t spinsBefore = State().Spins;
    BetAndSpin();
    ASSERT_EQ(State().Spins, spinsBefore + 1) << "spin " << spin << " did not run";
    normalPaid_ += LinesPay(State(), State().LastBet);
    CheckBooks(spin);
    if (HasFatalFailure()) return;
    if (spin % 250 == 0) CheckStore();
    if (spin == kBaselineSpin) {
      residentAtBaseline = ResidentBytes();
      heapAtBaseline = HeapBytes();
    }
  }
  const int64_t resident = ResidentBytes() - residentAtBaseline;
  EXPECT_LE(resident, kAllowedResidentGrowth)
      << "the process grew " << resident << " bytes after spin " << kBaselineSpin;
  if (heapAtBaseline >= 0) {
    const int64_t heap = HeapBytes() - heapAtBaseline;
    EXPECT_LE(heap, kAllowedHeapGrowth)
        << "the heap grew " << heap << " bytes after spin " << kBaselineSpin;
  }
  EXPECT_GT(rounds_, 50);
  EXPECT_GT(holdsPlaced_, 500);
  EXPECT_GT(sideWindows_, 300);
  EXPECT_TRUE(window_.Record().errors.isEmpty())
      << window_.Record().errors.join('\n').toStdString();
  EXPECT_TRUE(window_.Record().information.isEmpty())
      << window_.Record().information.join('\n').toStdString();
}

}  // namespace
}  // namespace vexlor
