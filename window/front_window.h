// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

class QWidget;

namespace vexlor {

// Brings `window` to the front and gives it the keyboard because the player
// asked for it (by starting the game again). On X11 the request is sent as a
// pager sends it, so the window manager does not take it for an application
// stealing the focus and refuse it.
void BringWindowToFront(QWidget& window);

}  // namespace vexlor
