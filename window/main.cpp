#include <QApplication>
#include <QTimer>
#include <cstdlib>
#include <string_view>

#include "config/identity.h"
#include "window/environment.h"
#include "window/game_files.h"
#include "window/machine_view.h"
#include "window/quit_signals.h"
#include "window/unit1.h"

int main(int argc, char* argv[]) {
  // `vexlorslots --files` tells where the game finds its manual, cues and
  // tunes, without opening a window.
  if (argc == 2 && std::string_view(argv[1]) == "--files") {
    const QCoreApplication core(argc, argv);
    return vexlor::PrintGameFiles(QCoreApplication::applicationFilePath().toStdString());
  }
  QApplication app(argc, argv);
  const QString title =
      QString::fromUtf8(vexlor::kApplicationTitle.data(), vexlor::kApplicationTitle.size());
  QApplication::setApplicationName(title);
  // The desktop entry's name, which desktops match the window and its icon to.
  QGuiApplication::setDesktopFileName(QStringLiteral("org.vexlor.VexlorSlots"));
  vexlor::TForm1 form(vexlor::SystemEnvironment());
  QObject::connect(&form, &vexlor::TForm1::Closed, &app, &QCoreApplication::quit,
                   Qt::QueuedConnection);
  // For timing start-up: VEXLOR_EXIT_AFTER_FIRST_FRAME=1 ends the process as
  // soon as the machine's first frame is on the screen, without storing the
  // game or closing the audio, so the time measured is the start alone.
  if (qEnvironmentVariableIntValue("VEXLOR_EXIT_AFTER_FIRST_FRAME") == 1) {
    form.View()->onFirstPaint = [] { QTimer::singleShot(0, [] { std::_Exit(0); }); };
  }
  vexlor::CloseOnTerminationSignals(form);
  form.ShowAsCreated();
  return QApplication::exec();
}
