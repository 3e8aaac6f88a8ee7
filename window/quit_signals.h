// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <functional>

class QObject;

namespace vexlor {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in a terminal)
// into a call of `end` from the event loop, for as long as `context` lives.
// Call once the window exists.
void OnTerminationSignals(QObject& context, std::function<void()> end);

// Holds SIGTERM, SIGINT and SIGHUP back from the start of the program until
// OnTerminationSignals takes them, so one that comes during start-up ends the
// game as any other does instead of killing it. Call first thing in main.
void HoldTerminationSignals();

}  // namespace vexlor
