#include "savegame/store.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <fstream>
#include <random>
#include <sstream>

#include "config/profile.h"
#include "tests/support/temp_folder.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;
using testing::TempFolder;

constexpr std::string_view kToday = "12/07/26";

class Store : public ::testing::Test {
 protected:
  void Put(const std::string& text) { std::ofstream(store_.file, std::ios::binary) << text; }
  std::string Contents() const {
    std::ifstream in(store_.file, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }
  GameState Loaded(int slot) {
    GameState state;
    TransferGame(state, store_, slot, false, "");
    return state;
  }

  TempFolder folder_;
  GameStore store_{folder_.path() / "games" / "vexlorslots.ini",
                   [] { return std::string(kToday); }};
};

GameState SampleGame() {
  GameState state;
  state.Credits = 870;
  state.Borrowed = 500;
  state.Spins = 318;
  state.TotalBets = 804;
  state.BonusWon = 350;
  state.BonusPts = 7;
  state.Nudges = 2;
  return state;
}

void ExpectCounters(const GameState& state, std::array<int32_t, 7> expected) {
  EXPECT_EQ((std::array<int32_t, 7>{state.Credits, state.Borrowed, state.Spins, state.TotalBets,
                                    state.BonusWon, state.BonusPts, state.Nudges}),
            expected);
}

TEST_F(Store, WithoutAStoreEverySlotLoadsTheDefaults) {
  const GameState current = Loaded(kCurrentGameSlot);
  EXPECT_EQ(current.GameName, "CurrentGame");
  EXPECT_EQ(current.GameDate, kToday);
  ExpectCounters(current, {1000, 1000, 0, 0, 0, 0, 0});
  for (int slot = 0; slot < kSavedSlotCount; ++slot) {
    EXPECT_EQ(Loaded(slot).GameName, "GameNo" + std::to_string(slot + 1));
  }
  EXPECT_FALSE(fs::exists(store_.file.parent_path()));  // loading never creates anything
}

TEST_F(Store, SaveCreatesTheFolderAndWritesTheNineKeysInOrder) {
  GameState game = SampleGame();
  TransferGame(game, store_, 1, true, "Friday night");
  std::string text = Contents();
  text.erase(
      std::unique(text.begin(), text.end(), [](char a, char b) { return a == '\n' && b == '\n'; }),
      text.end());
  EXPECT_EQ(text,
            "[GameNo2]\nGameName=Friday night\nGameDate=12/07/26\nCredits=870\nBorrowed=500\n"
            "Spins=318\nTotalBets=804\nBonusWon=350\nBonusPts=7\nNudges=2\n");
}

TEST_F(Store, RandomGamesComeBackExactlyIncludingNegativesAndTheExtremes) {
  std::mt19937 random(31);
  std::uniform_int_distribution<int32_t> any(INT32_MIN, INT32_MAX);
  const std::array<int32_t, 6> extremes = {INT32_MIN, INT32_MAX, -1, 0, 1, -1000};
  const std::string letters = "abcXYZ 019=[];#%:\"'\xC3\xA9\xE2\x82\xAC";
  for (int round = 0; round < 300; ++round) {
    GameState game;
    for (int32_t* field : {&game.Credits, &game.Borrowed, &game.Spins, &game.TotalBets,
                           &game.BonusWon, &game.BonusPts, &game.Nudges}) {
      *field = (round % 3 == 0) ? extremes[random() % extremes.size()] : any(random);
    }
    std::string name = "G" + std::to_string(round);
    for (int i = random() % 20; i > 0; --i)
      name += letters[random() % letters.size()];
    name += "!";
    const int slot = static_cast<int>(random() % 9);
    TransferGame(game, store_, slot, true, name);
    const GameState back = Loaded(slot);
    ExpectCounters(back, {game.Credits, game.Borrowed, game.Spins, game.TotalBets, game.BonusWon,
                          game.BonusPts, game.Nudges});
    EXPECT_EQ(back.GameName, CutToChars(name, 30));
    EXPECT_EQ(back.GameDate, kToday);
  }
}

TEST_F(Store, NamesAreSavedWholeAndLoadedCutToThirtyCharacters) {
  GameState game;
  const std::string forty(40, 'n');
  TransferGame(game, store_, 0, true, forty);
  EXPECT_NE(Contents().find("GameName=" + forty + "\n"), std::string::npos);
  EXPECT_EQ(Loaded(0).GameName, std::string(30, 'n'));
  TransferGame(game, store_, 0, true, "");
  EXPECT_EQ(Loaded(0).GameName, "");  // empty, not the section's name
}

TEST_F(Store, UnreadableNumbersLoadAsTheirDefaults) {
  fs::create_directories(store_.file.parent_path());
  Put("[CurrentGame]\nCredits=0x3E8\nBorrowed=12abc\nSpins=letters\nTotalBets=\n"
      "BonusWon=99999999999\nBonusPts=15\nNudges=-3\nGameDate=2026-12-07-extra\n");
  const GameState game = Loaded(kCurrentGameSlot);
  ExpectCounters(game, {1000, 1000, 0, 0, 0, 15, -3});
  EXPECT_EQ(game.GameDate, "2026-12-07");
  EXPECT_EQ(game.GameName, "CurrentGame");
}

TEST_F(Store, FilesOfOtherWritersLoadTheSame) {
  fs::create_directories(store_.file.parent_path());
  Put("; written by hand\r\n\r\n[gameno1]\r\n credits = 870 \r\nGAMENAME = Friday\r\n"
      "[Mine]\r\nkeep=1\r\n");
  const GameState game = Loaded(0);
  EXPECT_EQ(game.Credits, 870);
  EXPECT_EQ(game.GameName, "Friday");
  GameState other = SampleGame();
  TransferGame(other, store_, 0, true, "Friday");
  EXPECT_EQ(ReadProfileString(store_.file, "Mine", "keep", ""), "1");
  EXPECT_NE(Contents().find("; written by hand"), std::string::npos);
}

TEST_F(Store, RefusedWriteNamesTheFileAndLeavesTheGameAlone) {
  fs::create_directories(store_.file.parent_path());
  fs::create_directory(store_.file);  // a folder stands where the file should be
  GameState game = SampleGame();
  try {
    TransferGame(game, store_, kCurrentGameSlot, true, "CurrentGame");
    FAIL() << "the save was not refused";
  } catch (const StoreWriteError& error) {
    EXPECT_STREQ(error.what(), "Unable to write to vexlorslots.ini");
  }
  ExpectCounters(game, {870, 500, 318, 804, 350, 7, 2});

  GameStore blocked{folder_.path() / "file" / "vexlorslots.ini", store_.today};
  std::ofstream(folder_.path() / "file") << "not a folder";
  EXPECT_THROW(TransferGame(game, blocked, 0, true, "x"), StoreWriteError);
}

TEST_F(Store, WriteRefusedHalfwayKeepsTheKeysBeforeIt) {
  GameState old = SampleGame();
  TransferGame(old, store_, 0, true, "Old");
  // Room for the longer name (32 more bytes) but not for the longer Credits.
  const auto sizeAfterTwoNewKeys = fs::file_size(store_.file) + 35;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A file-size limit stands in for a disk that fills up during the save.
    signal(SIGXFSZ, SIG_IGN);
    rlimit limit{static_cast<rlim_t>(sizeAfterTwoNewKeys),
                 static_cast<rlim_t>(sizeAfterTwoNewKeys)};
    setrlimit(RLIMIT_FSIZE, &limit);
    GameState game = SampleGame();
    game.Credits = 123456789;
    try {
      TransferGame(game, store_, 0, true, "A much longer new name for the game");
    } catch (const StoreWriteError&) {
      _exit(7);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  const GameState back = Loaded(0);
  EXPECT_EQ(back.GameName, "A much longer new name for the");
  EXPECT_EQ(back.Credits, 870);  // not written: the save stopped before it
}

TEST_F(Store, KilledWhileSavingTheFileAlwaysReadsBackWhole) {
  // Every save writes one number, ten digits long and larger than any before,
  // into all its keys. Whatever moment a kill strikes, each key must hold a
  // whole such number, and the keys that the interrupted save reached hold a
  // larger one than those it did not reach.
  constexpr int64_t kBase = 1'000'000'000;
  const std::array<const char*, 7> keys = {"Credits",  "Borrowed", "Spins", "TotalBets",
                                           "BonusWon", "BonusPts", "Nudges"};
  std::mt19937 random(5);
  int kills = 0;
  int64_t highest = kBase;
  bool completed = false;  // some save has reached its last key
  int mixed = 0;           // kills that left keys of two saves side by side
  for (int round = 0; round < 200; ++round) {
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
      GameState game;
      for (int64_t n = highest + 1;; ++n) {
        for (int32_t* field : {&game.Credits, &game.Borrowed, &game.Spins, &game.TotalBets,
                               &game.BonusWon, &game.BonusPts, &game.Nudges}) {
          *field = static_cast<int32_t>(n);
        }
        TransferGame(game, store_, 3, true, "Game " + std::to_string(n));
      }
    }
    usleep(200 + random() % 6000);
    kill(child, SIGKILL);
    int status = 0;
    waitpid(child, &status, 0);
    kills += WIFSIGNALED(status) ? 1 : 0;

    const std::string name = ReadProfileString(store_.file, "GameNo4", "GameName", "");
    if (name.empty()) continue;  // killed before the first key ever landed
    ASSERT_EQ(name.size(), 15u) << name;
    int64_t previous = std::stoll(name.substr(5));
    ASSERT_GT(previous, kBase);
    highest = previous;
    const int64_t named = previous;
    for (const char* key : keys) {
      const std::string value = ReadProfileString(store_.file, "GameNo4", key, "");
      if (value.empty() && !completed) break;  // no save has got this far yet
      ASSERT_EQ(value.size(), 10u) << key << "=" << value;
      const int64_t number = std::stoll(value);
      ASSERT_LE(number, previous) << key;
      ASSERT_GT(number, kBase) << key;
      previous = number;
      completed |= key == keys.back();
    }
    mixed += previous != named ? 1 : 0;
  }
  EXPECT_EQ(kills, 200);
  EXPECT_GT(mixed, 50);
  for (const auto& entry : fs::directory_iterator(store_.file.parent_path())) {
    EXPECT_TRUE(entry.path().filename().string().starts_with("vexlorslots.ini"));
  }
}

TEST_F(Store, StaleTemporariesOfKilledWritesAreClearedByTheNextSave) {
  fs::create_directories(store_.file.parent_path());
  const fs::path stale = store_.file.string() + ".tmp-AAAAAA";
  const fs::path fresh = store_.file.string() + ".tmp-BBBBBB";
  std::ofstream(stale) << "half";
  std::ofstream(fresh) << "half";
  fs::last_write_time(stale, fs::file_time_type::clock::now() - std::chrono::hours(1));
  GameState game;
  TransferGame(game, store_, 0, true, "x");
  EXPECT_FALSE(fs::exists(stale));
  EXPECT_TRUE(fs::exists(fresh));  // it may belong to a save running right now
}

TEST(StoreNames, SectionsDatesAndFolder) {
  EXPECT_EQ(SlotSection(0), "GameNo1");
  EXPECT_EQ(SlotSection(7), "GameNo8");
  EXPECT_EQ(SlotSection(kCurrentGameSlot), "CurrentGame");
  EXPECT_EQ(FormatStoreDate(2026, 12, 7, '/'), "12/07/26");
  EXPECT_EQ(FormatStoreDate(1999, 1, 5, '.'), "01.05.99");
  EXPECT_EQ(FormatStoreDate(2000, 10, 31, '-'), "10-31-00");

  const char* savedXdg = std::getenv("XDG_DATA_HOME");
  const std::string restore = savedXdg ? savedXdg : "";
  setenv("XDG_DATA_HOME", "/srv/data", 1);
  EXPECT_EQ(DefaultStoreFolder(), fs::path("/srv/data/vexlorslots"));
  setenv("XDG_DATA_HOME", "relative/path", 1);
  EXPECT_EQ(DefaultStoreFolder(), fs::path(std::getenv("HOME")) / ".local/share/vexlorslots");
  unsetenv("XDG_DATA_HOME");
  GameState state;
  state.ExeStem = "slots";
  EXPECT_EQ(MakeGameStore(state, {}).file,
            fs::path(std::getenv("HOME")) / ".local/share/vexlorslots/slots.ini");
  if (savedXdg) setenv("XDG_DATA_HOME", restore.c_str(), 1);
}

}  // namespace
}  // namespace vexlor
