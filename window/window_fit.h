// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QMargins>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <cstdint>

namespace vexlor {

// What the screen offers the main window. Sizes are logical pixels (Qt's
// units for windows); the machine itself is laid out in device pixels.
struct ScreenRoom {
  QSize screen;                 // the whole screen
  QRect available;              // the screen less the desktop's panels
  double devicePixelRatio = 1;  // device pixels per logical pixel
  QMargins frame;               // the window manager's frame around the client area
  int menuBar = 0;              // the menu bar's height, inside the client area
};

// Where the main window goes and the machine's layout in it.
struct WindowPlan {
  QSize client;         // the client area, menu bar included (logical)
  QPoint frameTopLeft;  // where the frame's outer corner goes (logical)
  QSize view;           // the machine's part of the client area (device pixels)
  int32_t layoutWidth;  // the machine's width (device pixels)
};

// The screen's width in device pixels: the width the layout starts from.
int32_t DeviceScreenWidth(const ScreenRoom& room);

// A window whose outside is the screen less 10 pixels each way, no larger
// than the available area and centred in it; maximised, the whole available
// area. Frame and menu bar are taken off, and the machine is laid out to fit
// what is left, so that it is seen whole.
WindowPlan PlanWindow(const ScreenRoom& room, bool maximised);

// The layout for a machine view of `view` logical pixels.
int32_t LayoutForView(const ScreenRoom& room, QSize view);

// Logical size to device pixels, rounded down.
QSize ToDevice(QSize logical, double devicePixelRatio);

}  // namespace vexlor
