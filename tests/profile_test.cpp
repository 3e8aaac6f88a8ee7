// SPDX-License-Identifier: GPL-3.0-or-later
#include "config/profile.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace vexlor {
namespace {

namespace fs = std::filesystem;

class Profile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ =
        fs::temp_directory_path() /
        ("vexlor-profile-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) +
         "-" + ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder_);
    fs::create_directories(folder_);
    file_ = folder_ / "store.ini";
  }
  void TearDown() override { fs::remove_all(folder_); }

  void Put(const std::string& text) { std::ofstream(file_, std::ios::binary) << text; }
  std::string Contents() const {
    std::ifstream in(file_, std::ios::binary);
    std::stringstream all;
    all << in.rdbuf();
    return all.str();
  }
  std::string Read(const char* section, const char* key, const char* def = "default") const {
    return ReadProfileString(file_, section, key, def);
  }

  fs::path folder_;
  fs::path file_;
};

TEST_F(Profile, MissingFileSectionOrKeyGivesTheDefault) {
  EXPECT_EQ(Read("CurrentGame", "Credits"), "default");
  Put("[CurrentGame]\nCredits=5\n");
  EXPECT_EQ(Read("GameNo1", "Credits"), "default");
  EXPECT_EQ(Read("CurrentGame", "Spins"), "default");
  EXPECT_EQ(Read("CurrentGame", "Credits"), "5");
}

TEST_F(Profile, EmptyValueReadsEmptyNotAsTheDefault) {
  Put("[GameNo1]\nGameName=\n");
  EXPECT_EQ(Read("GameNo1", "GameName"), "");
}

TEST_F(Profile, ReadsFilesOfOtherWriters) {
  Put("; saved by hand\r\n\r\n[gameno1]\r\n  credits =  870  \r\n# a note\r\nGAMENAME = "
      "\"Friday night\"\r\n\r\n[Other]\r\nx=1\r\n");
  EXPECT_EQ(Read("GameNo1", "Credits"), "870");
  EXPECT_EQ(Read("GAMENO1", "gamename"), "Friday night");
  EXPECT_EQ(Read("other", "X"), "1");
}

TEST_F(Profile, FirstOfTwoEqualKeysWins) {
  Put("[S]\nk=first\nk=second\n");
  EXPECT_EQ(Read("S", "k"), "first");
}

TEST_F(Profile, LongValuesAreCutTo2047Characters) {
  Put("[S]\nk=" + std::string(5000, 'v') + "\n");
  EXPECT_EQ(Read("S", "k"), std::string(2047, 'v'));
}

TEST_F(Profile, WriteCreatesFileSectionAndKeyInOrder) {
  ASSERT_TRUE(WriteProfileString(file_, "CurrentGame", "GameName", "CurrentGame"));
  ASSERT_TRUE(WriteProfileString(file_, "CurrentGame", "Credits", "1000"));
  ASSERT_TRUE(WriteProfileString(file_, "GameNo2", "Credits", "-5"));
  std::string lines = Contents();
  lines.erase(std::unique(lines.begin(), lines.end(),
                          [](char a, char b) { return a == '\n' && b == '\n'; }),
              lines.end());
  EXPECT_EQ(lines, "[CurrentGame]\nGameName=CurrentGame\nCredits=1000\n[GameNo2]\nCredits=-5\n");
}

TEST_F(Profile, WriteReplacesOneKeyAndKeepsEverythingElse) {
  Put("; my games\n\n[Unknown]\nkeep=me\n\n[gameno1]\n; the name\ngamename=old\ncredits=1\n");
  ASSERT_TRUE(WriteProfileString(file_, "GameNo1", "Credits", "870"));
  EXPECT_EQ(Read("Unknown", "keep"), "me");
  EXPECT_EQ(Read("GameNo1", "GameName"), "old");
  EXPECT_EQ(Read("GameNo1", "Credits"), "870");
  const std::string text = Contents();
  EXPECT_NE(text.find("; my games"), std::string::npos);
  EXPECT_NE(text.find("; the name"), std::string::npos);
  EXPECT_LT(text.find("[Unknown]"), text.find("870"));
}

TEST_F(Profile, ValueCannotSmuggleInKeysOfItsOwn) {
  ASSERT_TRUE(WriteProfileString(file_, "GameNo1", "GameName", "x\nCredits=999999\r\n[Evil]"));
  EXPECT_EQ(Read("GameNo1", "Credits"), "default");
  EXPECT_EQ(Read("Evil", "anything"), "default");
  EXPECT_EQ(Read("GameNo1", "GameName"), "x Credits=999999  [Evil]");
}

TEST_F(Profile, RefusedWriteReportsFailureAndChangesNothing) {
  const fs::path notAFolder = folder_ / "plain-file";
  std::ofstream(notAFolder) << "x";
  EXPECT_FALSE(WriteProfileString(notAFolder / "store.ini", "S", "k", "v"));

  Put("[S]\nk=old\n");
  fs::create_directory(file_.string() + ".lock");  // the lock cannot be taken
  EXPECT_FALSE(WriteProfileString(file_, "S", "k", "v"));
  EXPECT_EQ(Contents(), "[S]\nk=old\n");
  fs::remove(file_.string() + ".lock");

  fs::remove(file_);
  fs::create_directory(file_);  // the store's name is taken by a folder
  EXPECT_FALSE(WriteProfileString(file_, "S", "k", "v"));
  EXPECT_EQ(Read("S", "k"), "default");
}

TEST_F(Profile, OversizedFileIsNeitherReadNorRewritten) {
  Put("[S]\nk=v\n" + std::string(kProfileMaxFileBytes, ';'));
  EXPECT_EQ(Read("S", "k"), "default");
  EXPECT_FALSE(WriteProfileString(file_, "S", "k", "new"));
  EXPECT_EQ(fs::file_size(file_), kProfileMaxFileBytes + 8);
  EXPECT_EQ(ProfileFileProblem(file_), "it is larger than 16 MB");
}

TEST_F(Profile, TextTheReaderWouldNotTakeInWholeIsReadButNeverRewritten) {
  // A line of no INI form, an unclosed section, a key without a name, a NUL
  // (the reader stops there, so the games after it would be dropped), JSON.
  for (const std::string& text :
       {std::string("[S]\nk=v\nCredits 500\n"), std::string("[S]\nk=v\n[GameNo2\nk=w\n"),
        std::string("[S]\nk=v\n=w\n"), std::string("[S]\nk=v\n\0[T]\nk=w\n", 17),
        std::string("{\"Credits\": 5}\n")}) {
    Put(text);
    EXPECT_EQ(Read("S", "k"), text.starts_with("[S]") ? "v" : "default");
    EXPECT_FALSE(WriteProfileString(file_, "S", "k", "new"));
    EXPECT_EQ(Contents(), text);
    EXPECT_EQ(ProfileFileProblem(file_), "it is not INI text");
  }
  // A signature, lone CR line ends, keys before the first section, comments.
  for (const std::string& text :
       {std::string("\xEF\xBB\xBF[S]\rk=v\r"), std::string("top=1\n[S]\n  ; a\n\t# b\n\nk = v")}) {
    Put(text);
    EXPECT_EQ(ProfileFileProblem(file_), "");
    EXPECT_TRUE(WriteProfileString(file_, "S", "k", "new"));
    EXPECT_EQ(Read("S", "k"), "new");
  }
  EXPECT_EQ(Read("", "top"), "1");
}

TEST_F(Profile, WritesLeaveOnlyTheFileAndItsLockAndKeepTheFileMode) {
  Put("[S]\nk=v\n");
  fs::permissions(file_, fs::perms::owner_read | fs::perms::owner_write);
  for (int i = 0; i < 20; ++i)
    ASSERT_TRUE(WriteProfileString(file_, "S", "k", std::to_string(i)));
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(folder_))
    names.push_back(entry.path().filename().string());
  std::sort(names.begin(), names.end());
  EXPECT_EQ(names, (std::vector<std::string>{"store.ini", "store.ini.lock"}));
  EXPECT_EQ(fs::status(file_).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(Read("S", "k"), "19");
  // A new file takes the user's umask.
  const mode_t old = ::umask(027);
  ASSERT_TRUE(WriteProfileString(folder_ / "new.ini", "S", "k", "v"));
  ::umask(old);
  EXPECT_EQ(fs::status(folder_ / "new.ini").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write | fs::perms::group_read);
}

TEST_F(Profile, ASectionOfManyKeysIsWrittenInOneReplacement) {
  Put("[Other]\nx=1\n[S]\nb=old\n");
  std::vector<ReplaceStep> steps;
  SetProfileReplaceObserver([&](ReplaceStep step) { steps.push_back(step); });
  const ProfileEntry entries[] = {{"a", "1"}, {"b", "2"}, {"c", "line\nbreak"}};
  const bool written = WriteProfileSection(file_, "S", entries);
  SetProfileReplaceObserver(nullptr);
  ASSERT_TRUE(written);
  EXPECT_EQ(steps, (std::vector<ReplaceStep>{ReplaceStep::Locked, ReplaceStep::TemporaryWritten,
                                             ReplaceStep::Renamed}));
  EXPECT_EQ(Read("S", "a"), "1");
  EXPECT_EQ(Read("S", "b"), "2");
  EXPECT_EQ(Read("S", "c"), "line break");
  EXPECT_EQ(Read("Other", "x"), "1");
}

TEST_F(Profile, WritingThroughALinkUpdatesTheLinkedFile) {
  Put("[S]\nk=v\n");
  const fs::path link = folder_ / "link.ini";
  fs::create_symlink(file_, link);
  ASSERT_TRUE(WriteProfileString(link, "S", "k", "through"));
  EXPECT_TRUE(fs::is_symlink(link));
  EXPECT_EQ(Read("S", "k"), "through");
}

}  // namespace
}  // namespace vexlor
