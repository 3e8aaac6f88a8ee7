// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/identity.h"

#include <gtest/gtest.h>

#include <fstream>

#include "config/file_lookup.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;

class Identity : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              (std::string("vexlor-identity-") +
               ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    SetIdentity(state_, (folder_ / "vexlorslots").string());
  }
  void TearDown() override { fs::remove_all(folder_); }
  void Write(const std::string& name, const std::string& text) {
    std::ofstream(folder_ / name, std::ios::binary) << text;
  }

  fs::path folder_;
  GameState state_;
};

TEST_F(Identity, ComesFromTheExecutablePathAndTheBuiltInNames) {
  EXPECT_EQ(state_.AppDir, folder_.string() + "/");
  EXPECT_EQ(state_.ExeStem, "vexlorslots");
  EXPECT_EQ(state_.AboutName, "Vexlor Slots");
  EXPECT_EQ(state_.WebPageName, "vexlorslots");
  EXPECT_EQ(state_.VersionText, kProgramVersion);
  EXPECT_EQ(state_.AssetPrefix, "Vexlor");
  EXPECT_EQ(ManualMenuCaption(state_), "&Vexlor Slots Manual");
  EXPECT_EQ(ManualFilePath(state_), folder_.string() + "/vexlorslots.html");
}

TEST_F(Identity, StemDropsOnlyAWindowsExtension) {
  GameState state;
  SetIdentity(state, "/games/slots.EXE");
  EXPECT_EQ(state.ExeStem, "slots");
  SetIdentity(state, "/games/slots.bin");
  EXPECT_EQ(state.ExeStem, "slots.bin");
  SetIdentity(state, "/games/vex");  // shorter than four characters after the cut
  EXPECT_EQ(state.ExeStem, "vex");
  EXPECT_EQ(state.AppDir, "/games/");
}

TEST_F(Identity, WithoutTestingFileNothingChanges) {
  EXPECT_FALSE(ReadTestingConfig(state_));
  EXPECT_EQ(state_.AboutName, "Vexlor Slots");
  EXPECT_EQ(state_.AssetPrefix, "Vexlor");
}

TEST_F(Identity, TestingFileReplacesTheThreeNames) {
  Write("testing.ini",
        "[settings]\nSoundRoot=Demo\nAboutName=" + std::string(40, 'A') + "\nWebPageName=demo\n");
  EXPECT_TRUE(ReadTestingConfig(state_));
  EXPECT_EQ(state_.AssetPrefix, "Demo");
  EXPECT_EQ(state_.AboutName, std::string(30, 'A'));
  EXPECT_EQ(state_.WebPageName, "demo");
  EXPECT_EQ(ManualMenuCaption(state_), "&" + std::string(30, 'A') + " Manual");
  EXPECT_EQ(state_.VersionText, kProgramVersion);
}

TEST_F(Identity, TestingFileKeysThatAreMissingKeepTheirValuesAndEmptyIsKept) {
  Write("Testing.ini", "[Settings]\nSoundRoot=\n[Other]\nAboutName=Nope\n");
  EXPECT_TRUE(ReadTestingConfig(state_));
  EXPECT_EQ(state_.AssetPrefix, "");
  EXPECT_EQ(state_.AboutName, "Vexlor Slots");
  EXPECT_EQ(state_.WebPageName, "vexlorslots");
}

TEST_F(Identity, ASoundRootThatIsAPathIsRefusedWithOneMessage) {
  for (const char* root : {"../../../x/Evil", "/etc/Evil", "a\\b", "..Evil"}) {
    SCOPED_TRACE(root);
    Write("Testing.ini", std::string("[Settings]\nSoundRoot=") + root + "\nAboutName=Kept\n");
    GameState state;
    SetIdentity(state, (folder_ / "vexlorslots").string());
    std::string problem;
    EXPECT_TRUE(ReadTestingConfig(state, &problem));
    EXPECT_EQ(state.AssetPrefix, "Vexlor");
    EXPECT_EQ(state.AboutName, "Kept");
    EXPECT_NE(problem.find(root), std::string::npos) << problem;
  }
}

TEST_F(Identity, BrokenTestingFileLeavesTheBuiltInNames) {
  Write("Testing.ini", std::string("\0\xff[Settings\n=\n[", 14));
  ReadTestingConfig(state_);
  EXPECT_EQ(state_.AssetPrefix, "Vexlor");
  EXPECT_EQ(state_.AboutName, "Vexlor Slots");
}

TEST(ErrorBox, AddsAFullStopOnlyWhenMissing) {
  EXPECT_EQ(ErrorBoxText("Unable to write to vexlorslots.ini"),
            "Unable to write to vexlorslots.ini.");
  EXPECT_EQ(ErrorBoxText("Not a JPEG file."), "Not a JPEG file.");
}

TEST_F(Identity, FileLookupIgnoresLetterCaseAndPrefersTheExactName) {
  Write("TESTER.JPG", "a");
  fs::create_directory(folder_ / "Bonus1.jpg");
  EXPECT_EQ(FindFileNoCase(folder_, "tester.jpg"), folder_ / "TESTER.JPG");
  Write("tester.jpg", "b");
  EXPECT_EQ(FindFileNoCase(folder_, "tester.jpg"), folder_ / "tester.jpg");
  EXPECT_EQ(FindFileNoCase(folder_, "bonus1.jpg"), std::nullopt);
  // A missing folder has no names, and a file made there later under its exact name is found.
  EXPECT_EQ(FindFileNoCase(folder_ / "missing", "x"), std::nullopt);
  fs::create_directory(folder_ / "missing");
  Write("missing/x", "c");
  EXPECT_EQ(FindFileNoCase(folder_ / "missing", "x"), folder_ / "missing" / "x");
}

}  // namespace
}  // namespace vexlor
