#include "window/window_hooks.h"

namespace vexlor {

void WindowHooks::SetTimerEnabled(LampTimer timer, bool enabled) {
  QTimer* t = lampTimers_[static_cast<int>(timer)];
  // Switching a timer on starts a fresh interval; switching it to the state it
  // has already changes nothing.
  if (enabled && !t->isActive()) t->start();
  if (!enabled) t->stop();
}

bool WindowHooks::TimerEnabled(LampTimer timer) const {
  return lampTimers_[static_cast<int>(timer)]->isActive();
}

void WindowHooks::ShowMessage(std::string_view text) {
  env_.information(QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())));
}

}  // namespace vexlor
