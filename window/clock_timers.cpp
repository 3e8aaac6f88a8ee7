// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/clock_timers.h"

#include <sys/timerfd.h>
#include <time.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <QTimer>
#include <chrono>

namespace vexlor {
namespace {

constexpr int64_t kNsPerMs = 1'000'000;

int64_t MonotonicNs() {
  timespec now{};
  ::clock_gettime(CLOCK_MONOTONIC, &now);
  return int64_t{now.tv_sec} * 1'000'000'000 + now.tv_nsec;
}

}  // namespace

ClockTimers::ClockTimers() : startNs_(MonotonicNs()) {
  fd_ = ::timerfd_create(CLOCK_MONOTONIC, TFD_NONBLOCK | TFD_CLOEXEC);
  if (fd_ < 0) return;
  notifier_ = new QSocketNotifier(fd_, QSocketNotifier::Read, this);
  connect(notifier_, &QSocketNotifier::activated, this, &ClockTimers::Fire);
}

ClockTimers::~ClockTimers() {
  if (fd_ >= 0) ::close(fd_);
}

int64_t ClockTimers::NowNs() const {
  return MonotonicNs() - startNs_;
}

int64_t ClockTimers::NowMs() const {
  return NowNs() / kNsPerMs;
}

void ClockTimers::At(QObject* context, int64_t dueMs, std::function<void()> call) {
  const int64_t dueNs = dueMs * kNsPerMs;
  if (fd_ < 0) {
    const int64_t ms = (dueNs - NowNs() + kNsPerMs - 1) / kNsPerMs;
    QTimer::singleShot(std::chrono::milliseconds(std::max<int64_t>(ms, 0)), Qt::PreciseTimer,
                       context, std::move(call));
    return;
  }
  pending_.emplace(dueNs, Pending{context, std::move(call)});
  Arm();
}

void ClockTimers::Arm() {
  itimerspec when{};
  if (!pending_.empty()) {
    // At least a nanosecond: zero would disarm the timer.
    const int64_t at = std::max<int64_t>(startNs_ + pending_.begin()->first, 1);
    when.it_value.tv_sec = at / 1'000'000'000;
    when.it_value.tv_nsec = at % 1'000'000'000;
  }
  ::timerfd_settime(fd_, TFD_TIMER_ABSTIME, &when, nullptr);
}

void ClockTimers::Fire() {
  uint64_t expirations = 0;
  [[maybe_unused]] const ssize_t read = ::read(fd_, &expirations, sizeof expirations);
  const int64_t now = NowNs();
  while (!pending_.empty() && pending_.begin()->first <= now) {
    Pending due = std::move(pending_.begin()->second);
    pending_.erase(pending_.begin());
    if (due.context != nullptr) due.call();
  }
  Arm();
}

}  // namespace vexlor
