#include <QApplication>
#include <string_view>

#include "config/identity.h"
#include "config/standard_error.h"
#include "window/environment.h"
#include "window/game_files.h"
#include "window/language.h"
#include "window/machine_view.h"
#include "window/message_text.h"
#include "window/quit_signals.h"
#include "window/run_probe.h"
#include "window/single_game.h"
#include "window/unit1.h"

int main(int argc, char* argv[]) {
  vexlor::HoldTerminationSignals();
  // `vexlorslots --files` tells where the game finds its manual, cues and
  // tunes, without opening a window.
  if (argc == 2 && std::string_view(argv[1]) == "--files") {
    const QCoreApplication core(argc, argv);
    return vexlor::PrintGameFiles(QCoreApplication::applicationFilePath().toStdString());
  }
  QApplication app(argc, argv);
  vexlor::InstallTranslations(
      app, vexlor::ChosenLanguage([](const char* name) { return qEnvironmentVariable(name); }));
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
