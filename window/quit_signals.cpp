// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/quit_signals.h"

#include <signal.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QSocketNotifier>
#include <cerrno>

namespace vexlor {
namespace {

// The handler may only write to a descriptor; the event loop does the rest.
int g_signalSocket[2] = {-1, -1};

void SetHeld(bool held) {
  sigset_t held_back;
  sigemptyset(&held_back);
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    sigaddset(&held_back, signal);
  ::pthread_sigmask(held ? SIG_BLOCK : SIG_UNBLOCK, &held_back, nullptr);
}

void OnSignal(int) {
  const int saved = errno;
  const char byte = 1;
  [[maybe_unused]] const ssize_t ignored = ::write(g_signalSocket[0], &byte, 1);
  errno = saved;
}

}  // namespace

void HoldTerminationSignals() {
  SetHeld(true);
}

void OnTerminationSignals(QObject& context, std::function<void()> end) {
  if (g_signalSocket[0] < 0 &&
      ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, g_signalSocket) != 0) {
    SetHeld(false);
    return;  // the signals keep their default action
  }
  auto* notifier = new QSocketNotifier(g_signalSocket[1], QSocketNotifier::Read, &context);
  QObject::connect(notifier, &QSocketNotifier::activated, &context, [end = std::move(end)] {
    char bytes[16];
    while (::read(g_signalSocket[1], bytes, sizeof bytes) > 0) {
    }
    end();
  });
  struct sigaction action {};
  action.sa_handler = OnSignal;
  sigemptyset(&action.sa_mask);
  action.sa_flags = SA_RESTART;
  for (int signal : {SIGTERM, SIGINT, SIGHUP})
    ::sigaction(signal, &action, nullptr);
  SetHeld(false);  // one held back since the start is handled now
}

}  // namespace vexlor
