// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/environment.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <algorithm>
#include <chrono>

#include "config/identity.h"
#include "config/standard_error.h"
#include "dialogs/game_style.h"
#include "savegame/store.h"
#include "sound/audio_module.h"
#include "window/clock_timers.h"
#include "window/message_text.h"

namespace vexlor {
namespace {

char LocaleDateSeparator() {
  const QString format = QLocale::system().dateFormat(QLocale::ShortFormat);
  for (QChar c : format) {
    if (!c.isLetter() && !c.isSpace()) return c.toLatin1() != 0 ? c.toLatin1() : '/';
  }
  return '/';
}

QString Title() {
  return QString::fromUtf8(kApplicationTitle.data(), kApplicationTitle.size());
}

// The game's main window, when it is up: what boxes are opened over.
QWidget* GameWindow() {
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->inherits("QMainWindow") && window->isVisible()) return window;
  }
  return nullptr;
}

// Whether a box saying `text` is up: a key pressed twice before the first
// box could take the keys asks for the same box twice.
bool BoxShows(const QWidget& game, const QString& text) {
  const QList<QMessageBox*> boxes = game.findChildren<QMessageBox*>();
  return std::any_of(boxes.begin(), boxes.end(), [&text](const QMessageBox* box) {
    return box->isVisible() && box->text() == text;
  });
}

// Opens a box over whatever window is in front, once the event loop runs: a
// box asked for while the game starts shows over the machine. Boxes asked for
// once the game has closed are not shown, nor one that a box still up says
// already. Texts built in English by the Qt-free parts are shown in the
// player's language.
void OpenBox(QMessageBox::Icon icon, const QString& text) {
  QString shown = TranslatedMessage(text);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // texts break lines with CR LF
  QTimer::singleShot(0, qApp, [icon, shown] {
    QWidget* game = GameWindow();
    if (game == nullptr || BoxShows(*game, shown)) return;
    QWidget* over = QApplication::activeModalWidget();
    auto* box = new QMessageBox(icon, Title(), shown, QMessageBox::Ok, over ? over : game);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    FitTitle(*box);
    box->show();
  });
}

}  // namespace

std::string TodayForStore() {
  const QDate today = QDate::currentDate();
  return FormatStoreDate(today.year(), today.month(), today.day(), LocaleDateSeparator());
}

std::filesystem::path StoreFile(const WindowEnvironment& env) {
  if (env.storeFolder.empty()) return {};
  GameState identity;
  SetIdentity(identity, env.executablePath.toStdString());
  return env.storeFolder / (identity.ExeStem + ".ini");
}

WindowEnvironment SystemEnvironment() {
  WindowEnvironment env;
  env.executablePath = QCoreApplication::applicationFilePath();
  const QScreen* screen = QGuiApplication::primaryScreen();
  env.screenSize = screen != nullptr ? screen->size() : QSize(800, 600);
  env.availableGeometry =
      screen != nullptr ? screen->availableGeometry() : QRect(QPoint(0, 0), env.screenSize);
  env.devicePixelRatio = screen != nullptr ? screen->devicePixelRatio() : 1;
  env.logicalDpi = screen != nullptr ? screen->logicalDotsPerInch() : 96;
  env.frameMargins = [](const QWidget& window) {
    const QWindow* handle = window.windowHandle();
    // Until the window manager has framed the window, allow for a title bar a
    // little taller than most, so the machine rarely has to be laid out again.
    // Window managers draw frames in device pixels.
    if (handle == nullptr || !window.isVisible()) {
      const qreal ratio = window.devicePixelRatioF();
      const auto logical = [ratio](int device) { return static_cast<int>(device / ratio + 0.5); };
      return QMargins(logical(2), logical(30), logical(2), logical(4));
    }
    return handle->frameMargins();
  };
  env.storeFolder = DefaultStoreFolder();
  env.stateFolder = DefaultStateFolder();
  env.today = TodayForStore;
  env.seed = static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                   std::chrono::system_clock::now().time_since_epoch().count());
  auto timers = std::make_shared<ClockTimers>();
  env.clock = [timers] { return timers->NowMs(); };
  env.at = [timers](QObject* context, int64_t dueMs, std::function<void()> call) {
    timers->At(context, dueMs, std::move(call));
  };
  env.information = [](const QString& text) { OpenBox(QMessageBox::Information, text); };
  env.error = [](const QString& text) {
    SayOnce(text.toStdString());  // on standard error too, once a run
    OpenBox(QMessageBox::Critical, text);
  };
  env.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  env.makeAudio = [appDir = std::filesystem::path(env.executablePath.toStdString()).parent_path()] {
    return LoadAudioDevice(appDir, [](std::function<void()> call) {
      QMetaObject::invokeMethod(qApp, std::move(call), Qt::QueuedConnection);
    });
  };
  // The switches live with the user's configuration, apart from the saved games.
  const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
  if (!config.isEmpty())
    env.settingsFile = config + QStringLiteral("/vexlorslots/vexlorslots.conf");
  return env;
}

}  // namespace vexlor
