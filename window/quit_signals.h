#pragma once

#include <functional>

class QObject;

namespace vexlor {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in a terminal)
// into a call of `end` from the event loop, for as long as `context` lives.
// Call once the window exists.
void OnTerminationSignals(QObject& context, std::function<void()> end);

}  // namespace vexlor
