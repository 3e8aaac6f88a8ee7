// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

// The world the screenshot program runs the game in: a folder of its own in
// the system's temporary folder, a clock that moves only when the program
// steps it, a fixed seed and date, and message boxes written down instead of
// shown.

#include <QLocale>
#include <QSize>
#include <QStringList>
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>

#include "dialogs/side_window.h"
#include "engine/manual_clock.h"
#include "window/environment.h"

namespace vexlor {
class TForm1;
}  // namespace vexlor

namespace vexlor::shots {

// A fresh folder under the temporary folder, removed with all it holds.
class ScratchFolder {
 public:
  ScratchFolder();
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  const std::filesystem::path& Path() const { return path_; }
  bool Made() const { return !path_.empty(); }

 private:
  std::filesystem::path path_;
};

// What the game said, and the game's clock.
struct ShotRecord {
  ManualClock clock;
  std::function<void()> onStep;  // runs at every step of the clock
  QStringList boxes;             // information and error boxes, in order
};

// Steps the clock, 25 ms at a time, until the machine is at rest: no play in
// progress and nothing waiting on the clock. False if it never comes to rest.
bool PlayOut(const TForm1& form, ShotRecord& record);

// The screen the machine is laid out for, in pixels; at scale 2 it has twice
// as many device pixels each way.
inline constexpr QSize kShotScreen(800, 600);

// An environment for a machine window whose executable and store lie in
// `folder`, on a screen of `scale` device pixels per pixel. Its waits and
// timers run on the record's clock; no real timer of the game's ever fires,
// so the pictures depend on nothing but its own steps.
WindowEnvironment ShotEnvironment(const std::filesystem::path& folder,
                                  const std::shared_ptr<ShotRecord>& record, int scale);

// The side windows' environment: boxes written down, Help does nothing.
SideEnvironment ShotSideEnvironment(const std::shared_ptr<ShotRecord>& record);

// English numbers and dates, whatever the build machine's locale.
QLocale ShotLocale();

// Writes a short, quiet WAV file: the two cues the game reads at start-up.
bool WriteQuietCue(const std::filesystem::path& file);

}  // namespace vexlor::shots
