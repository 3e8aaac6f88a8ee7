#include "window/environment.h"

#include <QCoreApplication>
#include <QDate>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QScreen>
#include <QStandardPaths>
#include <QThread>
#include <QWidget>
#include <QWindow>
#include <chrono>

#include "config/identity.h"
#include "savegame/store.h"
#include "sound/sdl_audio.h"

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

}  // namespace

std::string TodayForStore() {
  const QDate today = QDate::currentDate();
  return FormatStoreDate(today.year(), today.month(), today.day(), LocaleDateSeparator());
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
  env.today = TodayForStore;
  env.seed = static_cast<uint32_t>(std::chrono::steady_clock::now().time_since_epoch().count() ^
                                   std::chrono::system_clock::now().time_since_epoch().count());
  auto timer = std::make_shared<QElapsedTimer>();
  timer->start();
  env.clock = [timer] { return timer->elapsed(); };
  env.pump = [] {
    QCoreApplication::processEvents(QEventLoop::AllEvents);
    QThread::msleep(1);  // the spin and count loops wait here instead of spinning the CPU
  };
  env.information = [](const QString& text) {
    QString shown = text;
    shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));  // texts break lines with CR LF
    QMessageBox::information(nullptr, Title(), shown);
  };
  env.error = [](const QString& text) {
    qWarning("%s", qPrintable(text));  // also for the system's log
    QMessageBox::critical(nullptr, Title(), text);
  };
  env.openUrl = [](const QUrl& url) { return QDesktopServices::openUrl(url); };
  env.makeAudio = [] {
    return std::make_unique<SdlAudio>([](std::function<void()> call) {
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
