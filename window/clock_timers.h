// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QPointer>
#include <cstdint>
#include <functional>
#include <map>

class QSocketNotifier;

namespace vexlor {

// The game's millisecond clock and calls at its moments, to the microsecond:
// a timer of the system's monotonic clock (timerfd) that wakes the event
// loop. Qt's own timers count whole milliseconds from the moment they start,
// so a wait for the clock's next tick would end a fraction of a millisecond
// late, every tick of a spin. Where the system has no such timer, Qt's are
// used.
class ClockTimers : public QObject {
  Q_OBJECT
 public:
  ClockTimers();  // the clock starts at 0
  ~ClockTimers() override;

  int64_t NowMs() const;
  // Calls `call` once NowMs() reads `dueMs` or more; not at all once
  // `context` is gone by then.
  void At(QObject* context, int64_t dueMs, std::function<void()> call);

 private:
  struct Pending {
    QPointer<QObject> context;
    std::function<void()> call;
  };
  int64_t NowNs() const;
  void Arm();
  void Fire();

  int64_t startNs_ = 0;
  int fd_ = -1;
  QSocketNotifier* notifier_ = nullptr;      // owned as a child
  std::multimap<int64_t, Pending> pending_;  // by the moment due, in ns of the clock
};

}  // namespace vexlor
