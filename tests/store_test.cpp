// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/store.h"

#include <gtest/gtest.h>
#include <pwd.h>
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
    EXPECT_EQ(back.GameName, CutToChars(Utf8OrWindows1252(name), 30));  // broken UTF-8 as 1252
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
  // A name an editor wrote in Windows-1252 keeps its letters, and is saved back in UTF-8.
  Put("[GameNo1]\nGameName=Caf\xE9 \x80 \x96 na\xEFve\n");
  game = Loaded(0);
  EXPECT_EQ(game.GameName, "Caf\u00E9 \u20AC \u2013 na\u00EFve");
  TransferGame(game, store_, 0, true, game.GameName.str());
  EXPECT_NE(Contents().find("GameName=Caf\u00E9 \u20AC \u2013 na\u00EFve\n"), std::string::npos);
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
    EXPECT_STREQ(error.what(), "Unable to write to vexlorslots.ini: it is a folder");
  }
  ExpectCounters(game, {870, 500, 318, 804, 350, 7, 2});

  GameStore blocked{folder_.path() / "file" / "vexlorslots.ini", store_.today};
  std::ofstream(folder_.path() / "file") << "not a folder";
  EXPECT_THROW(TransferGame(game, blocked, 0, true, "x"), StoreWriteError);
}

TEST_F(Store, ASaveRefusedForLackOfRoomLeavesTheFileByteForByte) {
  GameState old = SampleGame();
  TransferGame(old, store_, 0, true, "Old");
  TransferGame(old, store_, kCurrentGameSlot, true, "CurrentGame");
  const std::string before = Contents();
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    // A file-size limit below the new file's size stands in for a full disk.
    signal(SIGXFSZ, SIG_IGN);
    const rlim_t room = before.size() / 2;
    rlimit limit{room, room};
    setrlimit(RLIMIT_FSIZE, &limit);
    GameState game = SampleGame();
    game.Credits = 123456789;
    try {
      TransferGame(game, store_, 0, true, "A much longer new name for the game");
    } catch (const StoreWriteError& error) {
      _exit(std::string(error.what()) == "Unable to write to vexlorslots.ini" ? 7 : 8);
    }
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 7);
  EXPECT_EQ(Contents(), before);
  EXPECT_EQ(Loaded(0).GameName, "Old");
}

TEST_F(Store, LiveGameStoresItsUnspunCoinsAsCreditsAndGetsBackWhatItParked) {
  GameState live = SampleGame();
  live.Credits = 17;
  live.CoinsBet = 1;
  const GameState before = live;
  StoreLiveGame(live, store_, kCurrentGameSlot, "CurrentGame");
  EXPECT_EQ(ReadProfileString(store_.file, "CurrentGame", "Credits", ""), "18");
  EXPECT_EQ(live.Credits, 17);  // storing leaves the live game alone

  // Parked and restored while the coin is still placed: exactly what was parked.
  live.Credits = 555;
  RestoreLiveGame(live, store_, kCurrentGameSlot);
  ExpectCounters(live, {17, before.Borrowed, before.Spins, before.TotalBets, before.BonusWon,
                        before.BonusPts, before.Nudges});
  EXPECT_EQ(live.CoinsBet, 1);

  // The next run starts with no coin placed: the coin is a credit again.
  GameState nextRun;
  RestoreLiveGame(nextRun, store_, kCurrentGameSlot);
  EXPECT_EQ(nextRun.Credits, 18);

  // Coins in a spin that is running are already bet.
  live.Busy = true;
  live.CoinsBet = 3;
  StoreLiveGame(live, store_, 2, "Mid-spin");
  EXPECT_EQ(Loaded(2).Credits, 17);
}

TEST_F(Store, WithoutAStoreFileEverySaveIsRefusedAndLoadsGiveDefaults) {
  const GameStore none{{}, store_.today};
  GameState game = SampleGame();
  try {
    StoreLiveGame(game, none, kCurrentGameSlot, "CurrentGame");
    FAIL() << "a save without a store was not refused";
  } catch (const StoreWriteError& error) {
    EXPECT_EQ(error.what(), std::string(kNoStoreMessage));
  }
  RestoreLiveGame(game, none, kCurrentGameSlot);
  ExpectCounters(game, {1000, 1000, 0, 0, 0, 0, 0});
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

TEST(StoreNames, SectionsAndDates) {
  EXPECT_EQ(SlotSection(0), "GameNo1");
  EXPECT_EQ(SlotSection(7), "GameNo8");
  EXPECT_EQ(SlotSection(kCurrentGameSlot), "CurrentGame");
  EXPECT_EQ(FormatStoreDate(2026, 12, 7, '/'), "12/07/26");
  EXPECT_EQ(FormatStoreDate(1999, 1, 5, '.'), "01.05.99");
  EXPECT_EQ(FormatStoreDate(2000, 10, 31, '-'), "10-31-00");
}

TEST(StoreFolder, DataHomeThenHomeThenThePasswordEntryAndNeverATemporaryFolder) {
  EXPECT_EQ(StoreFolderFor("/srv/data", "/home/ann", "/home/pw"), "/srv/data/vexlorslots");
  EXPECT_EQ(StoreFolderFor("relative/data", "/home/ann", "/home/pw"),
            "/home/ann/.local/share/vexlorslots");
  EXPECT_EQ(StoreFolderFor("", "", "/home/pw"), "/home/pw/.local/share/vexlorslots");
  EXPECT_EQ(StoreFolderFor("", "relative", "/home/pw"), "/home/pw/.local/share/vexlorslots");
  EXPECT_EQ(StoreFolderFor("", "", ""), fs::path());  // nowhere to store: no fallback
  EXPECT_EQ(StoreFolderFor("", "", "relative"), fs::path());
}

TEST(StoreFolder, WithoutDataHomeOrHomeTheUsersPasswordEntryGivesTheHome) {
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    unsetenv("XDG_DATA_HOME");
    unsetenv("HOME");
    const passwd* entry = getpwuid(getuid());
    if (entry == nullptr) _exit(DefaultStoreFolder().empty() ? 0 : 1);
    const fs::path expected = fs::path(entry->pw_dir) / ".local/share/vexlorslots";
    _exit(DefaultStoreFolder() == expected ? 0 : 2);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
}

}  // namespace
}  // namespace vexlor
