#pragma once

class QWidget;

namespace vexlor {

// Turns SIGTERM, SIGINT and SIGHUP (a logout, a kill, Ctrl+C in a terminal)
// into a close of `window`, which stores the game as the close box does.
// Call once, after the window exists; the window must outlive the event loop.
void CloseOnTerminationSignals(QWidget& window);

}  // namespace vexlor
