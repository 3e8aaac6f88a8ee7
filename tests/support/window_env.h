#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <QUrl>
#include <filesystem>
#include <functional>
#include <memory>

#include "window/environment.h"

namespace vexlor::testing {

// What a test window reported and a clock that moves only when events are pumped.
struct WindowRecord {
  QStringList information;
  QStringList errors;
  QList<QUrl> openedUrls;  // what the window asked the web browser to open
  bool browserOpens = true;
  int64_t clock = 0;
  int64_t pumpStepMs = 25;
  std::function<void()> onPump;  // runs inside every pump, after the events
  // A bonus round waiting for a pick gets a key press at the next pump, as a
  // player would give it; tests that pick themselves switch this off.
  bool pickBonusRounds = true;
};

// An environment for a test window: the executable and the store in `folder`,
// a fixed date and seed, boxes recorded instead of shown, and a clock moved
// `pumpStepMs` by every pump of events.
WindowEnvironment TestEnvironment(const std::filesystem::path& folder, QSize screen,
                                  const std::shared_ptr<WindowRecord>& record);

}  // namespace vexlor::testing
