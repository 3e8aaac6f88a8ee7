// Where the game reads its files: beside the executable first, then in the
// installed data folder PREFIX/share/vexlorslots next to PREFIX/bin.
#include "config/file_lookup.h"

#include <gtest/gtest.h>

#include <fstream>

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
  }
  static void Write(const fs::path& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
  }

  testing::TempFolder prefix_;
  fs::path bin_ = prefix_.path() / "bin";
  fs::path share_ = prefix_.path() / "share" / "vexlorslots";
  std::string appDir_ = bin_.string() + "/";
};

TEST_F(DataFolder, FoldersAreTheExecutablesThenTheInstalledOneWhenItExists) {
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{appDir_, share_}));
  fs::remove_all(prefix_.path() / "share");
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{appDir_}));
  // A file of that name is no folder to read from.
  fs::create_directories(prefix_.path() / "share");
  Write(share_, "not a folder");
  EXPECT_EQ(DataFolders(appDir_), (std::vector<fs::path>{appDir_}));
}

TEST_F(DataFolder, AFileBesideTheExecutableComesBeforeTheInstalledOne) {
  Write(share_ / "Vexlor1.wav", "installed");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor1.wav"), share_ / "Vexlor1.wav");
  Write(bin_ / "Vexlor1.wav", "beside");
  EXPECT_EQ(FindDataFile(appDir_, "Vexlor1.wav"), bin_ / "Vexlor1.wav");
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

TEST_F(DataFolder, AnyCaseLookupTakesTheFirstFolderWithAMatch) {
  Write(share_ / "testing.ini", "[Settings]\nAboutName=Installed\n");
  EXPECT_EQ(FindDataFileNoCase(appDir_, "Testing.ini"), share_ / "testing.ini");
  Write(bin_ / "TESTING.INI", "[Settings]\nAboutName=Beside\n");
  EXPECT_EQ(FindDataFileNoCase(appDir_, "Testing.ini"), bin_ / "TESTING.INI");
  EXPECT_EQ(FindDataFileNoCase(appDir_, "tester.jpg"), std::nullopt);
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
