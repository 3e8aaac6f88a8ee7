// SPDX-License-Identifier: GPL-3.0-or-later
// Damaged files beside the executable, and a machine without sound: the game
// starts, says what it could not use, and plays with its own pictures and cues.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QAction>
#include <QApplication>
#include <QDialog>
#include <QTextBrowser>
#include <fstream>
#include <optional>

#include "dialogs/help_window.h"
#include "sound/sdl_audio.h"
#include "tests/support/test_window.h"

namespace vexlor {
namespace {

namespace fs = std::filesystem;
using testing::TestWindow;

// A picture that decodes, cut after half of its bytes.
void WriteTruncatedJpeg(const fs::path& path) {
  QImage image(160, 120, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb(x, y * 2, (x * y) & 0xFF));
  }
  testing::WriteJpegFile(image, path);
  fs::resize_file(path, fs::file_size(path) / 2);
}

void WriteGarbage(const fs::path& path, std::size_t bytes) {
  std::string noise(bytes, '\0');
  for (std::size_t i = 0; i < bytes; ++i)
    noise[i] = static_cast<char>((i * 2654435761u) >> 13);
  std::ofstream(path, std::ios::binary) << noise;
}

// Plays three-coin spins until one pays (or 200 have not).
void SpinUntilAWin(TestWindow& window) {
  for (int i = 0; i < 200; ++i) {
    const int32_t credits = window.Form().State().Credits;
    window.Key(Qt::Key_M);
    if (window.Form().State().Credits > credits - 3) return;
  }
}

// How often the game said `what` on standard error.
int Said(const std::string& text, const std::string& what = "") {
  int lines = 0;
  for (std::size_t at = text.find("vexlorslots: " + what); at != std::string::npos;
       at = text.find("vexlorslots: " + what, at + 1))
    ++lines;
  return lines;
}

// Sets an environment variable for one test and puts it back afterwards.
class ScopedEnv {
 public:
  ScopedEnv(const char* name, const char* value) : name_(name) {
    if (const char* old = std::getenv(name)) old_ = old;
    ::setenv(name, value, 1);
  }
  ~ScopedEnv() {
    if (old_) {
      ::setenv(name_, old_->c_str(), 1);
    } else {
      ::unsetenv(name_);
    }
  }

 private:
  const char* name_;
  std::optional<std::string> old_;
};

// The machine window over the SDL device, its tune ends posted to the event loop.
void UseSdlAudio(TestWindow& window, std::string soundFont) {
  window.Env().makeAudio = [soundFont] {
    return std::make_unique<SdlAudio>(
        [](std::function<void()> call) {
          QMetaObject::invokeMethod(qApp, std::move(call), Qt::QueuedConnection);
        },
        soundFont);
  };
}

TEST(DamagedFiles, EveryReplacementPictureAndCueIsNamedAndTheBuiltInMachineStarts) {
  TestWindow builtIn;
  const QImage expected = builtIn.Open().Surface();

  TestWindow window;
  const char* pictures[] = {"tester.jpg",   "motionx.jpg", "bonusx.jpg",  "holdx.jpg",
                            "Bet1But.jpg",  "Bet5But.jpg", "SpinBut.jpg", "DIMMEDX.jpg",
                            "DIMMED2X.jpg", "BET1B.jpg",   "Vexlor.jpg"};
  for (std::size_t i = 0; i < std::size(pictures); ++i) {
    if (i % 2 == 0) {
      WriteTruncatedJpeg(window.Folder() / pictures[i]);
    } else {
      WriteGarbage(window.Folder() / pictures[i], 5000);
    }
  }
  fs::resize_file(window.Folder() / "Vexlor0.wav", 30);  // the header cut short
  WriteGarbage(window.Folder() / "Vexlor3.wav", 400);
  for (const char* cue : {"1", "2", "5", "6", "7", "8"})
    WriteGarbage(window.Folder() / (std::string("Vexlor") + cue + ".wav"), 3000);
  testing::WriteWav(window.Folder() / "vexlorWIN.WAV", 200);  // found in any letter case ...
  std::fstream win(window.Folder() / "vexlorWIN.WAV",
                   std::ios::in | std::ios::out | std::ios::binary);
  win.seekp(24);
  win.write("\0\0\0\0", 4);  // ... but its sample rate is gone
  win.close();

  ::testing::internal::CaptureStderr();
  TForm1& form = window.Open();
  const std::string said = ::testing::internal::GetCapturedStderr();
  for (const char* cue : {"0", "1", "2", "3", "5", "6", "7", "8", "WIN"}) {  // each named once
    EXPECT_EQ(Said(said, "cannot play the sound " + window.Folder().string() + "/" +
                             (cue == std::string("WIN") ? "vexlor" : "Vexlor") + cue),
              1)
        << cue << "\n"
        << said;
  }
  const QStringList& errors = window.Record().errors;
  ASSERT_EQ(errors.size(), static_cast<int>(std::size(pictures)) + 1)
      << errors.join('\n').toStdString();
  for (std::size_t i = 0; i < std::size(pictures); ++i) {
    EXPECT_TRUE(
        errors[static_cast<int>(i)].startsWith(QStringLiteral("Cannot show %1: ").arg(pictures[i])))
        << errors[static_cast<int>(i)].toStdString();
  }
  EXPECT_EQ(errors[0], "Cannot show tester.jpg: Premature end of JPEG file.");
  EXPECT_TRUE(errors.back().contains("Vexlor0.wav") && errors.back().contains("Vexlor3.wav"));
  EXPECT_EQ(
      testing::DifferentPixels(form.Surface(), expected, QRect(QPoint(0, 0), expected.size())), 0);

  form.Timer1Timer();
  form.NewGame1Click();
  SpinUntilAWin(window);
  EXPECT_GT(form.State().Credits, 1000 - 3 * form.State().Spins);
  EXPECT_EQ(errors.size(), static_cast<int>(std::size(pictures)) + 1);  // nothing more to say
}

TEST(DamagedFiles, PipesAndDevicesWhereFilesBelongAreNotReadAndTheGamePlays) {
  TestWindow window;
  fs::create_directories(window.Folder() / "store");
  const fs::path pipes[] = {
      window.Folder() / "Testing.ini",     window.Folder() / "tester.jpg",
      window.Folder() / "Paychart.jpg",    window.Folder() / "Vexlor3.wav",
      window.Folder() / "Vexlor1.mid",     window.Folder() / "vexlorslots.html",
      window.Folder() / "vexlorslots.conf"};
  for (const fs::path& pipe : pipes) {
    fs::remove(pipe);
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0) << pipe;
  }
  fs::create_symlink("/dev/zero", window.Folder() / "store" / "vexlorslots-plays.json");
  window.Env().settingsFile =
      QString::fromStdString((window.Folder() / "vexlorslots.conf").string());

  ::testing::internal::CaptureStderr();
  TForm1& form = window.OpenStarted();  // a blocking open would never come back
  form.Payoffs1Click();
  testing::CloseModal();
  form.ManualItemClick();
  EXPECT_TRUE(form.Help()->Browser()->toPlainText().contains("which is not a plain file"));
  for (int spin = 0; spin < 3; ++spin)
    window.Key(Qt::Key_M);
  EXPECT_EQ(form.State().Spins, 3);
  EXPECT_EQ(form.windowTitle(), "Vexlor Slots");
  const QString said = window.Record().errors.join('\n');
  for (const char* named : {"tester.jpg", "Paychart.jpg", "Vexlor3.wav"})
    EXPECT_TRUE(said.contains(named)) << named << "\n" << said.toStdString();
  const std::string stderrText = ::testing::internal::GetCapturedStderr();
  EXPECT_NE(stderrText.find("vexlorslots.conf: it is not a plain file"), std::string::npos)
      << stderrText;
}

TEST(DamagedFiles, ACutChartOrRoundPictureIsNamedWhenItsWindowOpensAndTheBuiltInShown) {
  TestWindow window;
  WriteTruncatedJpeg(window.Folder() / "Paychart.jpg");
  WriteTruncatedJpeg(window.Folder() / "bonus1.jpg");
  TForm1& form = window.OpenStarted();
  for (int opening = 0; opening < 2; ++opening) {  // said the first time only
    form.Payoffs1Click();
    EXPECT_EQ(testing::Modal<QDialog>().size(), QSize(615, 600));  // the built-in chart's window
    testing::CloseModal();
  }
  for (int i = 0; i < 50 && window.Record().errors.size() < 2; ++i) {
    form.State().BonusPts = 12;  // the next spin's round, unless an "X" empties the meter
    window.Key(Qt::Key_B);
    window.Key(Qt::Key_Space);
  }
  ASSERT_EQ(window.Record().errors.size(), 2);
  EXPECT_TRUE(window.Record().errors[0].startsWith("Cannot show Paychart.jpg: "));
  EXPECT_TRUE(window.Record().errors[1].startsWith("Cannot show bonus1.jpg: "));
  const int32_t spins = form.State().Spins;
  window.Key(Qt::Key_M);
  EXPECT_EQ(form.State().Spins, spins + 1);
}

TEST(DamagedFiles, ATuneThatCannotBePlayedIsNamedAndTriedAgainOnlyWhenMusicIsSwitchedOn) {
  const ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  TestWindow window;
  UseSdlAudio(window, FindSoundFont());
  std::ofstream(window.Folder() / "Vexlor0.mid", std::ios::binary)
      << std::string("MThd\0\0\0\6\0\1", 10);  // the header cut short
  WriteGarbage(window.Folder() / "Vexlor1.mid", 2000);
  TForm1& form = window.OpenStarted();
  for (int poll = 0; poll < 5; ++poll)
    form.Timer4Timer();
  ASSERT_EQ(window.Record().errors.size(), 1);
  EXPECT_TRUE(window.Record().errors[0].startsWith(
      QString::fromStdString("Cannot play " + (window.Folder() / "Vexlor0.mid").string() + ": ")));
  form.Music1Click();  // off and on: the tune is tried again, and said again
  form.Music1Click();
  EXPECT_EQ(window.Record().errors.size(), 2);
  SpinUntilAWin(window);
  EXPECT_GT(form.State().Spins, 0);
}

TEST(Silence, WithoutAnAudioDeviceTheGameSaysSoOnceAndPlays) {
  const ScopedEnv driver("SDL_AUDIODRIVER", "no-such-driver");
  TestWindow window;
  UseSdlAudio(window, FindSoundFont());
  ::testing::internal::CaptureStderr();
  TForm1& form = window.OpenStarted();
  for (int poll = 0; poll < 5; ++poll)
    form.Timer4Timer();
  SpinUntilAWin(window);
  form.Sound1Click();
  form.Music1Click();
  form.Music1Click();
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_GT(form.State().Spins, 0);
  EXPECT_TRUE(window.Record().errors.isEmpty()) << window.Record().errors.join('\n').toStdString();
  EXPECT_EQ(Said(said), 1) << said;
  EXPECT_NE(said.find("vexlorslots: no sound: "), std::string::npos) << said;
}

TEST(Silence, WithoutASoundfontTheCuesPlayAndTheTunesAreLeftOutSayingSoOnce) {
  const ScopedEnv driver("SDL_AUDIODRIVER", "dummy");
  TestWindow window;
  UseSdlAudio(window, "");
  testing::WriteWav(window.Folder() / "VexlorWin.wav", 30);
  ::testing::internal::CaptureStderr();
  TForm1& form = window.OpenStarted();
  for (int poll = 0; poll < 5; ++poll)
    form.Timer4Timer();
  SpinUntilAWin(window);
  const std::string said = ::testing::internal::GetCapturedStderr();
  EXPECT_GT(form.State().Spins, 0);
  EXPECT_TRUE(window.Record().errors.isEmpty()) << window.Record().errors.join('\n').toStdString();
  EXPECT_EQ(Said(said), 1) << said;
  EXPECT_NE(said.find("vexlorslots: no music: "), std::string::npos) << said;
}

TEST(TestingFile, HugeAndNonUtf8NamesAreCutToTheirLimitsAndTheWindowStillPlays) {
  TestWindow window;
  const std::string huge(3u << 20, 'Z');
  std::ofstream(window.Folder() / "Testing.ini", std::ios::binary)
      << "[Settings]\nAboutName=Caf\xE9 \xFF\xFE" << huge << "\nSoundRoot=" << huge
      << "\nWebPageName=" << huge << "\n";
  TForm1& form = window.OpenStarted();
  const GameState& state = form.State();
  EXPECT_EQ(state.AboutName.str(), "Caf\xE9 \xFF\xFE" + std::string(23, 'Z'));
  EXPECT_EQ(state.AssetPrefix.size(), 2047u);
  EXPECT_EQ(state.WebPageName.size(), 2047u);
  // Bytes that are no UTF-8 show as the replacement character, one each.
  const QString shown = QStringLiteral("Caf\uFFFD \uFFFD\uFFFD") + QString(23, QLatin1Char('Z'));
  EXPECT_EQ(form.windowTitle(), shown);
  EXPECT_EQ(form.CommandAction(Command::Manual)->text(), QStringLiteral("&") + shown + " Manual");
  // The cues under the long prefix cannot be found; that is said once.
  ASSERT_EQ(window.Record().errors.size(), 1);
  EXPECT_TRUE(window.Record().errors[0].startsWith("Cannot read the sound "));
  window.Key(Qt::Key_M);
  EXPECT_EQ(state.Spins, 1);
}

TEST(TestingFile, AFileLargerThanAnyTestingFileLeavesTheBuiltInNames) {
  TestWindow window;
  std::ofstream(window.Folder() / "Testing.ini") << "[Settings]\nAboutName=Never Read\n";
  fs::resize_file(window.Folder() / "Testing.ini", 40u << 20);
  TForm1& form = window.OpenStarted();
  EXPECT_EQ(form.windowTitle(), "Vexlor Slots");
  EXPECT_TRUE(window.Record().errors.isEmpty());
}

}  // namespace
}  // namespace vexlor
