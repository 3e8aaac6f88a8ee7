// SPDX-License-Identifier: GPL-3.0-or-later
#include "tests/support/window_env.h"

#include <QApplication>
#include <QCoreApplication>
#include <QPointer>

#include "bonus/unit2.h"

namespace vexlor::testing {

void WindowRecord::Step() {
  if (timers.RunDue()) return;
  timers.Advance(stepMs);
  clock = timers.Now();
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  if (pickBonusRounds) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
      auto* round = qobject_cast<TTrickForm*>(window);
      if (round != nullptr && round->isVisible() && round->Picked() < 0) round->FormKeyDown();
    }
  }
  timers.RunDue();
  if (onStep) onStep();
}

WindowEnvironment TestEnvironment(const std::filesystem::path& folder, QSize screen,
                                  const std::shared_ptr<WindowRecord>& record) {
  WindowEnvironment env;
  env.executablePath = QString::fromStdString((folder / "vexlorslots").string());
  env.screenSize = screen;
  env.availableGeometry = QRect(QPoint(0, 0), screen);
  env.logicalDpi = 96;
  env.frameMargins = [](const QWidget&) { return QMargins(); };
  env.storeFolder = folder / "store";
  env.stateFolder = folder / "state";
  env.today = [] { return std::string("12/07/26"); };
  env.seed = 1207;
  env.clock = [record] { return record->timers.Now(); };
  env.at = [record](QObject* context, int64_t dueMs, std::function<void()> call) {
    record->timers.At(dueMs, [alive = QPointer<QObject>(context), call = std::move(call)] {
      if (alive) call();
    });
  };
  env.information = [record](const QString& text) { record->information << text; };
  env.error = [record](const QString& text) { record->errors << text; };
  env.openUrl = [record](const QUrl& url) {
    record->openedUrls << url;
    return record->browserOpens;
  };
  env.makeAudio = [] { return std::make_unique<SilentAudio>(); };
  return env;
}

}  // namespace vexlor::testing
