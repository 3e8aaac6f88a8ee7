// SPDX-License-Identifier: GPL-3.0-or-later
#include <gtest/gtest.h>

#include <QAccessible>
#include <QAction>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QSignalSpy>
#include <QTest>
#include <QTranslator>
#include <fstream>
#include <map>

#include "cli/language.h"
#include "config/profile.h"
#include "config/version.h"
#include "tests/support/recording_audio.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_window.h"
#include "window/environment.h"
#include "window/layout.h"
#include "window/machine_view.h"
#include "window/message_text.h"
#include "window/single_game.h"

namespace vexlor {
namespace {

using testing::TestWindow;

TEST(Startup, FirstRunStartsTheDefaultGameAndTakesInputWhenTheQuarterSecondTimerFires) {
  TestWindow window;
  TForm1& form = window.Open();
  const GameState& state = form.State();
  EXPECT_EQ(state.Credits, 1000);
  EXPECT_EQ(state.Borrowed, 1000);
  EXPECT_EQ(state.Nudges, 0);
  EXPECT_EQ(state.ReelStop, (std::array<int32_t, 3>{11, 15, 27}));
  EXPECT_EQ(form.windowTitle(), "Vexlor Slots");
  // Until the start-up timer fires, bets and spins are ignored.
  EXPECT_TRUE(state.Busy);
  QTest::keyClick(form.View(), Qt::Key_B);
  EXPECT_EQ(state.CoinsBet, 0);
  const QTimer& startup = form.StartupTimer();
  EXPECT_TRUE(startup.isActive());
  EXPECT_TRUE(startup.isSingleShot());
  EXPECT_EQ(startup.interval(), 250);
  QSignalSpy fired(&startup, &QTimer::timeout);
  ASSERT_TRUE(fired.wait(10'000));
  EXPECT_FALSE(state.Busy);
  QTest::keyClick(form.View(), Qt::Key_B);
  EXPECT_EQ(state.CoinsBet, 1);
  EXPECT_TRUE(window.Record().errors.isEmpty());
}

TEST(Startup, RestoresTheStoredGameAndShowsItsCredits) {
  TestWindow window;
  std::filesystem::create_directories(window.Env().storeFolder);
  std::ofstream(window.StoreFile()) << "[CurrentGame]\nCredits=-1234\nBorrowed=77\nNudges=5\n"
                                       "BonusPts=15\nSpins=9\nTotalBets=30\nBonusWon=0x19\n";
  const auto killed = window.StoreFile().string() + ".tmp-Ab12Cd";  // a save killed just now
  std::ofstream(killed) << "[CurrentGame]\nCred";
  const GameState& state = window.Open().State();
  EXPECT_FALSE(std::filesystem::exists(killed));
  EXPECT_EQ(state.Credits, -1234);
  EXPECT_EQ(state.Borrowed, 77);
  EXPECT_EQ(state.Nudges, 5);
  EXPECT_EQ(state.BonusPts, 12);
  EXPECT_EQ(state.Spins, 9);
  EXPECT_EQ(state.BonusWon, 25);
}

TEST(Startup, TestingFileRenamesTheWindowTheHelpMenuAndTheVersionBox) {
  TestWindow window;
  std::ofstream(window.Folder() / "Testing.ini") << "[Settings]\nAboutName=Night Owl Slots\n";
  TForm1& form = window.Open();
  EXPECT_EQ(form.windowTitle(), "Night Owl Slots");
  EXPECT_EQ(form.CommandAction(Command::Manual)->text(), "&Night Owl Slots Manual");
  EXPECT_EQ(form.CommandAction(Command::WebLink)->text(), "&About Night Owl Slots");
  form.Version1Click();
  // The version is the project's, the one --version prints.
  EXPECT_EQ(window.Record().information,
            QStringList{QStringLiteral("Night Owl Slots\r\n\r\nVersion:  ") +
                        QString::fromLatin1(kProgramVersion.data())});
}

TEST(Language, TheLocaleChoosesGermanAsGettextWouldAndEverythingElseIsEnglish) {
  using Vars = std::map<std::string, QString>;
  const auto chosen = [](const Vars& vars) {
    return ChosenLanguage([&](const char* name) {
      const auto found = vars.find(name);
      return found == vars.end() ? QString() : found->second;
    });
  };
  EXPECT_EQ(chosen({{"LANGUAGE", "fr:de_AT"}, {"LANG", "en_GB.UTF-8"}}), "de");
  EXPECT_EQ(chosen({{"LC_ALL", "de_DE.UTF-8@euro"}, {"LANG", "en_US"}}), "de");
  EXPECT_EQ(chosen({{"LC_ALL", "C"}, {"LC_MESSAGES", "de_DE"}}), "en");
  EXPECT_EQ(chosen({{"LC_MESSAGES", "POSIX"}, {"LANG", "de_DE"}}), "en");
  EXPECT_EQ(chosen({{"LANGUAGE", "fr"}, {"LANG", "de_CH.UTF-8"}}), "de");
  EXPECT_EQ(chosen({{"LANG", "fr_FR.UTF-8"}}), "en");
  EXPECT_EQ(chosen({}), "en");
}

TEST(Language, AGermanStartShowsGermanMenusKeysAndMessages) {
  InstallTranslations(*qApp, QStringLiteral("de"));
  struct EnglishAgain {  // for the tests after this one
    ~EnglishAgain() {
      for (QTranslator* translator : qApp->findChildren<QTranslator*>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
      }
      QLocale::setDefault(QLocale::system());
    }
  } englishAgain;
  TestWindow window;
  TForm1& form = window.Open();
  QStringList bar;
  for (QAction* action : form.menuBar()->actions())
    bar << action->text();
  EXPECT_EQ(bar, (QStringList{"&Datei", "&Optionen", "&Borgen", "&Statistik", "&Gewinntabelle",
                              "&Hilfe"}));
  EXPECT_EQ(form.CommandAction(Command::SaveGame)->text(), "Spielstand &speichern");
  EXPECT_EQ(form.CommandAction(Command::Manual)->text(), "&Handbuch zu Vexlor Slots");
  // The standard keys, named in German beside their items.
  EXPECT_EQ(form.CommandAction(Command::NewGame)->shortcut().toString(QKeySequence::NativeText),
            "Strg+N");
  for (auto [command, key] : {std::pair{Command::OpenGame, "Ctrl+O"},
                              {Command::SaveGame, "Ctrl+S"},
                              {Command::Exit, "Ctrl+Q"},
                              {Command::LastPlays, "Ctrl+L"}})
    EXPECT_EQ(form.CommandAction(command)->shortcut(), QKeySequence(key));
  EXPECT_EQ(QLocale().language(), QLocale::German);
  // What a screen reader hears of the machine, in German too.
  QAccessibleInterface* machine = QAccessible::queryAccessibleInterface(form.View());
  ASSERT_NE(machine, nullptr);
  EXPECT_EQ(machine->text(QAccessible::Name), "Spielautomat");
  ASSERT_GT(machine->childCount(), 0);
  EXPECT_EQ(machine->child(0)->text(QAccessible::Name), "Einsatz 1");
  // A store's refusal, built in English below the windows, with its reason.
  EXPECT_EQ(TranslatedMessage("Unable to write to vexlorslots.ini: it is not INI text, and is kept "
                              "as it is."),
            "vexlorslots.ini kann nicht geschrieben werden: sie ist kein INI-Text, und die Datei "
            "bleibt, wie sie ist.");
  EXPECT_EQ(TranslatedMessage("not a known message"), "not a known message");
}

TEST(Boxes, ABoxAskedForAgainWhileItIsUpIsNotStackedOverIt) {
  QMainWindow game;
  game.show();
  const WindowEnvironment env = SystemEnvironment();
  const auto shown = [&game] {
    int count = 0;
    for (const QMessageBox* box : game.findChildren<QMessageBox*>())
      count += box->isVisible() ? 1 : 0;
    return count;
  };
  env.information(QStringLiteral("Nothing is bet."));  // Spin pressed twice in a moment
  env.information(QStringLiteral("Nothing is bet."));
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(), 1);
  env.information(QStringLiteral("Something else."));
  QCoreApplication::processEvents();
  EXPECT_EQ(shown(), 2);
}

TEST(OneGamePerStore, ALaterStartForTheStoreRaisesTheFirstAndAnotherStoreRunsBeside) {
  testing::TempFolder folder;
  const std::filesystem::path store = folder.path() / "a" / "vexlorslots.ini";
  int raised = 0;
  auto first = std::make_unique<SingleGame>();
  first->onRaise = [&raised] { ++raised; };
  ASSERT_TRUE(first->Claim(store));
  SingleGame second;
  EXPECT_FALSE(second.Claim(store));
  EXPECT_TRUE(QTest::qWaitFor([&raised] { return raised == 1; }, 10'000));
  SingleGame other;
  EXPECT_TRUE(other.Claim(folder.path() / "b" / "vexlorslots.ini"));
  first.reset();  // as a crash does, the end of the process lets go of the store
  SingleGame third;
  EXPECT_TRUE(third.Claim(store));
}

TEST(Startup, TheSoundAndMusicSwitchesAreRememberedBetweenRuns) {
  TestWindow window;
  window.Env().settingsFile =
      QString::fromStdString((window.Folder() / "config" / "vexlorslots.conf").string());
  {
    TForm1& form = window.Open();
    EXPECT_TRUE(form.State().SoundOn);
    EXPECT_TRUE(form.State().MusicOn);
    form.Sound1Click();
    form.Music1Click();
    form.Music1Click();  // back on
  }
  TForm1& again = window.Open();
  EXPECT_FALSE(again.State().SoundOn);
  EXPECT_TRUE(again.State().MusicOn);
  QAction* sound = again.menuBar()->actions()[1]->menu()->actions()[0];
  EXPECT_FALSE(sound->isChecked());
  again.Music1Click();

  // With both off, the first frame leaves the audio device unmade until
  // music is switched on, which then plays at once.
  std::ofstream(window.Folder() / "Vexlor0.mid") << "MThd";
  int devicesMade = 0;
  testing::RecordingAudio* device = nullptr;
  window.Env().makeAudio = [&devicesMade, &device] {
    ++devicesMade;
    auto made = std::make_unique<testing::RecordingAudio>();
    device = made.get();
    return made;
  };
  TForm1& quiet = window.Open();
  quiet.LayoutForScreen(800);
  quiet.Timer1Timer();
  quiet.View()->onFirstPaint();
  QCoreApplication::processEvents();
  EXPECT_EQ(devicesMade, 0);
  quiet.Music1Click();
  ASSERT_EQ(devicesMade, 1);
  EXPECT_EQ(device->Count("play"), 1);
}

TEST(Pictures, ReplacementsOfAnotherSizeAreUsedAtTheirOwnSize) {
  TestWindow window;
  QImage button(100, 40, QImage::Format_RGB32);  // upper half blue (dim), lower half red (lit)
  button.fill(Qt::blue);
  for (int y = 20; y < 40; ++y) {
    for (int x = 0; x < 100; ++x)
      button.setPixel(x, y, qRgb(255, 0, 0));
  }
  testing::WriteJpegFile(button, window.Folder() / "bet1but.JPG");
  QImage blur(90, 300, QImage::Format_RGB32);
  blur.fill(Qt::gray);
  testing::WriteJpegFile(blur, window.Folder() / "MOTIONX.jpg");
  TForm1& form = window.Open();
  form.LayoutForScreen(800);
  form.Renderer().FormPaint();
  EXPECT_EQ(form.State().BlurHeight, 300);
  // The button halves come from the Bet One picture's own size; the lit half is shown.
  const QColor middle = form.Surface().pixelColor(616, 391);
  EXPECT_GT(middle.red(), 200);
  EXPECT_LT(middle.blue(), 60);
  EXPECT_TRUE(window.Record().errors.isEmpty());
}

TEST(Pictures, SheetVariantIsUsedUnscaledAtItsWidth) {
  TestWindow window;
  QImage variant(392, 392, QImage::Format_RGB32);
  variant.fill(Qt::darkGreen);
  testing::WriteJpegFile(variant, window.Folder() / "Vexlor98.jpg");
  TForm1& form = window.Open();
  form.LayoutForScreen(1024);
  EXPECT_EQ(form.State().CellSize, 98);
  EXPECT_EQ(form.State().ReelPitch, 133);
  EXPECT_EQ(form.Renderer().Art().symbolSheet.size(), QSize(392, 392));

  std::filesystem::remove(window.Folder() / "Vexlor98.jpg");
  form.LayoutForScreen(1024);
  EXPECT_EQ(form.State().CellSize, 97);
  form.LayoutForScreen(1600);
  EXPECT_EQ(form.State().CellSize, 152);
  EXPECT_EQ(form.Renderer().Art().symbolSheet.size(), QSize(608, 608));
  form.LayoutForScreen(640);
  EXPECT_EQ(form.State().CellSize, 60);
}

TEST(Layout, TheWindowShowsTheWholeMachineOnCommonScreens) {
  for (const QSize screen : {QSize(800, 600), QSize(1024, 768), QSize(1366, 768), QSize(1920, 1080),
                             QSize(3840, 2160)}) {
    SCOPED_TRACE(screen.width());
    TestWindow window(screen);
    TForm1& form = window.Open();
    form.ShowAsCreated();
    QCoreApplication::processEvents();
    const QSize view = form.View()->size();
    const QSize machine = form.Surface().size();
    EXPECT_LE(machine.width(), view.width());
    EXPECT_LE(machine.height(), view.height());
    // ... and fills the room in one direction.
    EXPECT_TRUE(machine.width() >= view.width() * 9 / 10 ||
                machine.height() >= view.height() * 9 / 10);
  }
}

}  // namespace
}  // namespace vexlor
