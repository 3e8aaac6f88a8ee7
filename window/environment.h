// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QMargins>
#include <QRect>
#include <QSize>
#include <QString>
#include <QUrl>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>

#include "sound/audio_device.h"

class QObject;
class QWidget;

namespace vexlor {

// How the main window meets the system it runs on. SystemEnvironment() gives
// the real one; tests hand in their own screen, folders, clock and boxes.
struct WindowEnvironment {
  QString executablePath;       // AppDir and ExeStem come from it
  QSize screenSize;             // logical pixels; ScreenWidth, ScreenHeight in device pixels
  QRect availableGeometry;      // the part of the screen windows may use (logical)
  double devicePixelRatio = 1;  // device pixels per logical pixel
  double logicalDpi = 96;       // below 100 the window opens maximised
  // The window manager's frame around `window`: measured once it is shown,
  // a reasonable guess before.
  std::function<QMargins(const QWidget& window)> frameMargins;
  std::filesystem::path storeFolder;  // holds ExeStem + ".ini"; empty: games cannot be stored
  // Where a game the store refuses is rescued when the store's folder refuses it too.
  std::filesystem::path stateFolder;
  std::function<std::string()> today;  // "mm/dd/yy" with the locale's separator
  uint32_t seed = 0;                   // of the game's random generator
  std::function<int64_t()> clock;      // monotonic milliseconds
  // Calls `call` once `clock` reads `dueMs` or more: later, from the event
  // loop, never inside this call; not at all once `context` is gone.
  std::function<void(QObject* context, int64_t dueMs, std::function<void()> call)> at;
  // A modal information box with an OK button, and the error box titled
  // "Vexlor Slots": opened over the game and left to the player; nothing
  // waits for them.
  std::function<void(const QString&)> information;
  std::function<void(const QString&)> error;
  QLocale locale = QLocale::system();                       // separators of numbers and dates
  std::function<bool(const QUrl&)> openUrl;                 // the user's web browser
  std::function<std::unique_ptr<AudioDevice>()> makeAudio;  // the back end of cues and tunes
  // Where the Sound and Music switches are remembered between runs; empty:
  // they start on and are not remembered.
  QString settingsFile;
};

WindowEnvironment SystemEnvironment();

// The store file of the game at env.executablePath: ExeStem + ".ini" in the
// store folder; empty without one.
std::filesystem::path StoreFile(const WindowEnvironment& env);

// Today as the store writes it: "mm/dd/yy" with the user's date separator.
std::string TodayForStore();

}  // namespace vexlor
