// SPDX-License-Identifier: GPL-3.0-or-later
#include <QApplication>
#include <QCommandLineParser>
#include <optional>
#include <string_view>

#include "cli/command_line.h"
#include "cli/language.h"
#include "config/identity.h"
#include "config/standard_error.h"
#include "window/environment.h"
#include "window/game_files.h"
#include "window/machine_view.h"
#include "window/message_text.h"
#include "window/quit_signals.h"
#include "window/run_probe.h"
#include "window/single_game.h"
#include "window/unit1.h"

namespace {

QString Language() {
  return vexlor::ChosenLanguage([](const char* name) { return qEnvironmentVariable(name); });
}

// The command line, read before anything needs a display: a status to end
// with at once (--help, --version, --files, a mistake), or nothing to play.
std::optional<int> ReadGameCommandLine(int& argc, char* argv[]) {
  QCoreApplication core(argc, argv);
  vexlor::InstallTranslations(core, Language());
  QCommandLineParser parser;
  parser.setApplicationDescription(QCoreApplication::translate(
      "CommandLine", "Vexlor Slots, a three-reel slot machine played for credits."));
  const QCommandLineOption files(
      QStringLiteral("files"),
      QCoreApplication::translate(
          "CommandLine",
          "Print the folders the game reads its files from and where it finds its manual, "
          "cues, tunes and audio module, then end: 0 when every file was found."));
  parser.addOption(files);
  vexlor::AcceptWindowSystemOptions(parser);
  if (const std::optional<int> status = vexlor::ReadCommandLine(parser)) return status;
  if (parser.isSet(files))
    return vexlor::PrintGameFiles(QCoreApplication::applicationFilePath().toStdString());
  return std::nullopt;
}

}  // namespace

int main(int argc, char* argv[]) {
  // Named no session bus, the D-Bus library would start one when the sound
  // library first connects, forking the threaded game to do it; the game goes
  // without a bus instead, as its desktop gave it none.
  if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS"))
    qputenv("DBUS_SESSION_BUS_ADDRESS", "disabled:");
  vexlor::HoldTerminationSignals();
  if (const std::optional<int> status = ReadGameCommandLine(argc, argv)) return *status;
  QApplication app(argc, argv);
  vexlor::InstallTranslations(app, Language());
  vexlor::SetSayTranslation([](std::string_view line) {
    return vexlor::TranslatedMessage(
               QString::fromUtf8(line.data(), static_cast<qsizetype>(line.size())))
        .toStdString();
  });
  const QString title =
      QString::fromUtf8(vexlor::kApplicationTitle.data(), vexlor::kApplicationTitle.size());
  QApplication::setApplicationName(title);
  // The desktop entry's name, which desktops match the window and its icon to.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vexlor.VexlorSlots"));
  vexlor::WindowEnvironment env = vexlor::SystemEnvironment();
  // One game per store: a second start brings the running one to the front.
  vexlor::SingleGame single;
  if (!single.Claim(vexlor::StoreFile(env))) {
    vexlor::Say(
        QCoreApplication::translate(
            "Message", "a game for this store is running already; it was brought to the front")
            .toStdString());
    return 0;
  }
  vexlor::TForm1 form(std::move(env));
  single.onRaise = [&form] { form.BringToFront(); };
  QObject::connect(
      &form, &vexlor::TForm1::Closed, &app, [](int status) { QCoreApplication::exit(status); },
      Qt::QueuedConnection);
  vexlor::ArmRunProbes(*form.View());
  vexlor::OnTerminationSignals(form, [&form] { form.EndBySignal(); });
  form.ShowAsCreated();
  return QApplication::exec();
}
