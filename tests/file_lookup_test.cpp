// SPDX-License-Identifier: GPL-3.0-or-later
// Where the game reads its files: the player's folder first, then beside the
// executable, then in the installed data folder PREFIX/share/vexlorslots next
// to PREFIX/bin.
#include "config/file_lookup.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <optional>
#include <string>

#include "config/identity.h"
#include "tests/support/temp_folder.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

class DataFolder : public ::testing::Test {
 protected:
  void SetUp() override {
    fs::create_directories(bin_);
    fs::create_directories(share_);
    if (const char* set = std::getenv("XDG_DATA_HOME")) dataHome_ = set;
    setenv("XDG_DATA_HOME", (prefix_.path() / "home-data").c_str(), 1);
  }
  void TearDown() override {
    if (dataHome_) {
      setenv("XDG_DATA_HOME", dataHome_->c_str(), 1);
    } else {
      unsetenv("XDG_DATA_HOME");
    }
  }
  static void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }

  testing::TempFolder prefix_;
  fs::path bin_ = prefix_.path() / "bin";
  fs::path share_ = prefix_.path() / "share" / "vexlorslots";
  fs::path player_ = prefix_.path() / "home-data" / "vexlorslots";
  std::string appDir_ = bin_.string() + "/";
  std::optional<std::string> dataHome_;
};

TEST_F(DataFolder, FoldersAreThePlayersTheExecutablesThenTheInstalledOneWhenTheyExist) {
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{appDir_, share_}));
  fs::create_directories(player_);
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{player_, appDir_, share_}));
  fs::remove_all(player_);
  fs::remove_all(prefix_.path() / "share");
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{appDir_}));
  // A file of that name is no folder to read from.
  fs::create_directories(prefix_.path() / "share");
  Write(share_, "not a folder");
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{appDir_}));
}

TEST_F(DataFolder, ThePlayersFileComesFirstThenTheOneBesideTheExecutable) {
  Write(share_ / "Vexlor1.wav", "installed");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor1.wav"), share_ / "Vexlor1.wav");
  Write(bin_ / "Vexlor1.wav", "beside");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor1.wav"), bin_ / "Vexlor1.wav");
  fs::create_directories(player_);
  Write(player_ / "Vexlor1.wav", "the player's");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor1.wav"), player_ / "Vexlor1.wav");
  // Found nowhere: the place beside the executable, for the message that names it.
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor2.wav"), bin_ / "Vexlor2.wav");
  // Exact case only, and a folder of the name is not the file.
  Write(share_ / "vexlor3.wav", "x");
  fs::create_directory(bin_ / "Vexlor5.wav");
  Write(share_ / "Vexlor5.wav", "x");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor3.wav"), bin_ / "Vexlor3.wav");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor5.wav"), share_ / "Vexlor5.wav");
}

TEST_F(DataFolder, ANameFromTestingIniStaysUnderTheFolderItIsLookedUpIn) {
  // A SoundRoot of "/tmp/x" names AppDir + "/tmp/x...", never the root's /tmp.
  EXPECT_EQ(FindDataFile(appDir_, "/etc/hostname").string(), appDir_ + "/etc/hostname");
}

TEST_F(DataFolder, AnyCaseLookupTakesTheFirstFolderWithAMatchAndListsEachFolderOnce) {
  fs::create_directories(player_);
  Write(share_ / "testing.ini", "[Settings]\nAboutName=Installed\n");
  Write(share_ / "vexlor1.WAV", "installed");
  Write(bin_ / "TESTING.INI", "[Settings]\nAboutName=Beside\n");
  Write(bin_ / "VEXLOR1.wav", "beside");
  Write(player_ / "Vexlor1.Wav", "the player's");
  const std::size_t listed = FolderListingsMade();
  EXPECT_EQ(FindDataFileNoCase(appDir_, "Vexlor1.wav"), player_ / "Vexlor1.Wav");
  EXPECT_EQ(FindDataFileNoCase(appDir_, "Testing.ini"), bin_ / "TESTING.INI");
  EXPECT_EQ(FindDataFileNoCase(appDir_, "tester.jpg"), std::nullopt);
  EXPECT_EQ(FindDataFileNoCase(appDir_, "Tester.JPG"), std::nullopt);
  EXPECT_EQ(FolderListingsMade() - listed, 3u);
  // A player's file taken away is no longer found, though the listing is kept.
  fs::remove(player_ / "Vexlor1.Wav");
  EXPECT_EQ(FindDataFileNoCase(appDir_, "Vexlor1.wav"), bin_ / "VEXLOR1.wav");
}

TEST_F(DataFolder, AnInstalledGameReadsItsTestingFileAndManualFromTheDataFolder) {
  GameState state;
  SetIdentity(state, (bin_ / "vexlorslots").string());
  Write(share_ / "Testing.ini", "[Settings]\nAboutName=Installed\n");
  Write(share_ / "vexlorslots.html", "<html></html>");
  EXPECT_TRUE(ReadTestingConfig(state));
  EXPECT_EQ(state.AboutName, "Installed");
  EXPECT_EQ(ManualFilePath(state), (share_ / "vexlorslots.html").string());

  Write(bin_ / "Testing.ini", "[Settings]\nAboutName=Beside\n");
  Write(bin_ / "vexlorslots.html", "<html></html>");
  EXPECT_TRUE(ReadTestingConfig(state));
  EXPECT_EQ(state.AboutName, "Beside");
  EXPECT_EQ(ManualFilePath(state), appDir_ + "vexlorslots.html");
}

}  // namespace
}  // namespace vexlor
