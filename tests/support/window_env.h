// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "engine/manual_clock.h"
#include "window/environment.h"

namespace vexlor::testing {

// What a test window reported, and a clock that moves only when the test
// steps it: the game's waits and timers run on it.
struct WindowRecord {
  QStringList information;
  QStringList errors;
  QList<QUrl> openedUrls;  // what the window asked the web browser to open
  bool browserOpens = true;
  ManualClock timers;
  int64_t clock = 0;  // the clock's reading, kept up by Step
  int64_t stepMs = 25;
  // Runs at every step that moves the clock, after the events and what came due.
  std::function<void()> onStep;
  // A bonus round waiting for a pick gets a key press at the next step, as a
  // player would give it; tests that pick themselves switch this off.
  bool pickBonusRounds = true;

  // Runs what is due now; when nothing is, moves the clock on by stepMs,
  // handles events, picks a waiting round, runs what has come due and onStep.
  void Step();
};

// An environment for a test window: the executable and the store in `folder`,
// a fixed date and seed, boxes recorded instead of shown, and the record's
// clock.
WindowEnvironment TestEnvironment(const std::filesystem::path& folder, QSize screen,
                                  const std::shared_ptr<WindowRecord>& record);

}  // namespace vexlor::testing
