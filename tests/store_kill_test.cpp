// SPDX-License-Identifier: GPL-3.0-or-later
// Saves that are killed, crashed or raced by a second copy of the game. Every
// verdict here follows from what the writers reported through a pipe, never
// from how long anything took.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <random>
#include <string>

#include "config/profile.h"
#include "savegame/store.h"
#include "tests/support/temp_folder.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr int kWriterSlots = 3;  // a writer saves game n into slot n % 3

// What a writer tells the test, one record per event.
struct Progress {
  enum Kind : int32_t { Step, Saved } kind;
  int32_t step;    // a ReplaceStep, for Step
  int64_t number;  // the game being saved
};

// How a writer behaves between the steps of a save.
enum class Pace {
  FullSpeed,  // reports every finished save and goes straight on
  Slowed,     // pauses between writing the new file and renaming it, like a slow disk
  StopAt,     // stops dead at one step of one save until it is killed
};

// Every counter of game n holds n, and its name is "Game n": a section is whole
// when all nine keys come from one save.
GameState GameNumber(int64_t n) {
  GameState game;
  for (int32_t* field : {&game.Credits, &game.Borrowed, &game.Spins, &game.TotalBets,
                         &game.BonusWon, &game.BonusPts, &game.Nudges}) {
    *field = static_cast<int32_t>(n);
  }
  return game;
}

void Send(int fd, const Progress& progress) {
  if (::write(fd, &progress, sizeof progress) != sizeof progress) _exit(3);
}

// Runs in the forked writer: saves games first, first + 1, ... until killed.
[[noreturn]] void RunWriter(const GameStore& store, int fd, int64_t first, Pace pace,
                            int64_t stopGame, ReplaceStep stopStep) {
  int64_t current = first;
  SetProfileReplaceObserver([&](ReplaceStep step) {
    Send(fd, {Progress::Step, static_cast<int32_t>(step), current});
    if (pace == Pace::Slowed && step == ReplaceStep::TemporaryWritten) ::usleep(300);
    if (pace == Pace::StopAt && current == stopGame && step == stopStep) {
      for (;;)
        ::pause();
    }
  });
  for (;; ++current) {
    GameState game = GameNumber(current);
    TransferGame(game, store, static_cast<int>(current % kWriterSlots), true,
                 "Game " + std::to_string(current));
    Send(fd, {Progress::Saved, 0, current});
  }
}

class KilledSaves : public ::testing::Test {
 protected:
  struct Verdict {
    int whole = 0;  // sections holding one save
    int mixed = 0;  // sections holding parts of two saves
  };

  // Reads every slot of the writers back and sorts it into whole or mixed.
  // `numbers` receives the game each slot holds (0: never saved).
  Verdict Inspect(std::array<int64_t, kWriterSlots>& numbers) {
    Verdict verdict;
    for (int slot = 0; slot < kWriterSlots; ++slot) {
      GameState back;
      TransferGame(back, store_, slot, false, "");
      numbers[slot] = 0;
      if (back.GameName.str() == SlotSection(slot)) continue;  // not saved yet
      const int64_t named = std::stoll(back.GameName.str().substr(5));
      const GameState expected = GameNumber(named);
      const bool whole = back.Credits == expected.Credits && back.Borrowed == expected.Borrowed &&
                         back.Spins == expected.Spins && back.TotalBets == expected.TotalBets &&
                         back.BonusWon == expected.BonusWon && back.BonusPts == expected.BonusPts &&
                         back.Nudges == expected.Nudges && named % kWriterSlots == slot;
      (whole ? verdict.whole : verdict.mixed) += 1;
      numbers[slot] = named;
    }
    return verdict;
  }

  // Reads the slots back after a kill, adds them to the tally and requires
  // each to be whole. Returns the game each slot holds.
  std::array<int64_t, kWriterSlots> InspectAfterKill() {
    std::array<int64_t, kWriterSlots> numbers{};
    const Verdict verdict = Inspect(numbers);
    kills_ += 1;
    total_.whole += verdict.whole;
    total_.mixed += verdict.mixed;
    EXPECT_EQ(verdict.mixed, 0) << "after kill " << kills_;
    return numbers;
  }

  // Starts a writer, kills it once `killAt` says so for a progress record,
  // and returns the last record read.
  template <typename KillAt>
  Progress KillWriter(int64_t first, Pace pace, int64_t stopGame, ReplaceStep stopStep,
                      KillAt killAt) {
    int fds[2];
    EXPECT_EQ(::pipe(fds), 0);
    const pid_t child = fork();
    EXPECT_GE(child, 0);
    if (child == 0) {
      ::close(fds[0]);
      RunWriter(store_, fds[1], first, pace, stopGame, stopStep);
    }
    ::close(fds[1]);
    Progress progress{};
    bool reported = false;
    while (::read(fds[0], &progress, sizeof progress) == sizeof progress) {
      reported = true;
      if (killAt(progress)) break;
    }
    EXPECT_TRUE(reported) << "the writer ended without a word";
    ::kill(child, SIGKILL);
    int status = 0;
    ::waitpid(child, &status, 0);
    ::close(fds[0]);
    EXPECT_TRUE(WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL) << "the writer died early";
    return progress;
  }

  int kills_ = 0;
  Verdict total_;
  TempFolder folder_;
  GameStore store_{folder_.path() / "games" / "vexlorslots.ini",
                   [] { return std::string("12/08/26"); }};
};

TEST_F(KilledSaves, EverySectionReadsBackAsOneWholeSaveWhereverTheKillStrikes) {
  std::mt19937 random(8);
  int64_t next = 1;  // every save of the test has a number of its own

  // At full speed and slowed down, killed a random number of records after
  // its first finished save: the kill lands wherever the writer happens to be.
  for (Pace pace : {Pace::FullSpeed, Pace::Slowed}) {
    for (int round = 0; round < 80; ++round) {
      const int64_t first = next;
      int saved = 0;
      int recordsAfter = -1;
      const int extra = static_cast<int>(random() % 12);
      const Progress last = KillWriter(first, pace, 0, ReplaceStep::Locked, [&](const Progress& p) {
        if (p.kind == Progress::Saved) ++saved;
        if (saved > 0) ++recordsAfter;
        return saved > 0 && recordsAfter >= extra;
      });
      next = last.number + 10;
      const auto numbers = InspectAfterKill();
      // The writer's first save was reported finished, so it is in the file or
      // was replaced by a later one of the same slot.
      EXPECT_GE(numbers[first % kWriterSlots], first);
    }
  }

  // Stopped dead at each step of a save: before the rename the slot keeps its
  // old game whole, after it the new one.
  const ReplaceStep steps[] = {ReplaceStep::Locked, ReplaceStep::TemporaryWritten,
                               ReplaceStep::Renamed};
  for (int round = 0; round < 60; ++round) {
    const ReplaceStep step = steps[round % 3];
    const int64_t first = next;
    const int64_t stopGame = first + 3 + static_cast<int64_t>(random() % 4);
    KillWriter(first, Pace::StopAt, stopGame, step, [&](const Progress& p) {
      if (p.kind == Progress::Saved && p.number == stopGame - 1) {
        // Read while the writer goes on saving: a reader never sees a mix either.
        std::array<int64_t, kWriterSlots> meanwhile{};
        EXPECT_EQ(Inspect(meanwhile).mixed, 0);
      }
      return p.kind == Progress::Step && p.number == stopGame &&
             p.step == static_cast<int32_t>(step);
    });
    next = stopGame + 10;
    const auto after = InspectAfterKill();
    const int slot = static_cast<int>(stopGame % kWriterSlots);
    const int64_t expected = step == ReplaceStep::Renamed ? stopGame : stopGame - kWriterSlots;
    EXPECT_EQ(after[slot], expected) << "stopped at step " << static_cast<int>(step);
  }

  EXPECT_GE(kills_, 200);
  EXPECT_EQ(total_.mixed, 0);
  EXPECT_GE(total_.whole, kills_);
  std::printf("kills %d, whole sections seen %d, mixed sections %d\n", kills_, total_.whole,
              total_.mixed);
  // Killed writes leave temporary files; nothing else appears beside the store.
  for (const auto& entry : fs::directory_iterator(store_.file.parent_path())) {
    EXPECT_TRUE(entry.path().filename().string().starts_with("vexlorslots.ini"));
  }
}

TEST_F(KilledSaves, TwoCopiesSavingDifferentSlotsNeverLoseEachOthersSaves) {
  // Each copy saves its own four slots in turn and, after every save, reads
  // back all four: a save the other copy wiped out shows up at once.
  constexpr int kSavesPerCopy = 240;
  pid_t copies[2];
  for (int copy = 0; copy < 2; ++copy) {
    copies[copy] = fork();
    ASSERT_GE(copies[copy], 0);
    if (copies[copy] != 0) continue;
    std::array<int32_t, 4> latest{};
    for (int i = 1; i <= kSavesPerCopy; ++i) {
      const int mine = i % 4;
      GameState game;
      game.Credits = i;
      game.Spins = copy;
      TransferGame(game, store_, copy * 4 + mine, true, "Copy " + std::to_string(copy));
      latest[mine] = i;
      for (int slot = 0; slot < 4; ++slot) {
        GameState back;
        TransferGame(back, store_, copy * 4 + slot, false, "");
        if (latest[slot] != 0 && back.Credits != latest[slot]) _exit(10 + slot);
      }
    }
    _exit(0);
  }
  for (pid_t copy : copies) {
    int status = 0;
    ::waitpid(copy, &status, 0);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "a copy found one of its saves lost";
  }
  for (int slot = 0; slot < 8; ++slot) {
    GameState back;
    TransferGame(back, store_, slot, false, "");
    const int lastOfSlot = kSavesPerCopy - ((kSavesPerCopy - slot % 4) % 4);
    EXPECT_EQ(back.Credits, lastOfSlot) << "slot " << slot;
    EXPECT_EQ(back.Spins, slot / 4);
  }
}

}  // namespace
}  // namespace vexlor
