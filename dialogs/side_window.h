// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QIcon>
#include <QLocale>
#include <QString>
#include <QStyle>
#include <functional>

#include "dialogs/help_topics.h"

namespace vexlor {

// What the side windows need from the main window.
struct SideEnvironment {
  std::function<void(const QString&)> information;  // modal information box, OK button
  std::function<void(const QString&)> error;        // the error box
  std::function<void(int context)> help;            // shows a topic of the manual
  QLocale locale = QLocale::system();               // separators of numbers and dates
};

// A fixed dialog border whose only title-bar button is the close box.
inline constexpr Qt::WindowFlags kSideWindowFlags =
    Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
    Qt::MSWindowsFixedSizeDialogHint;

// The widget property that holds a window's or control's help context: the
// topic of the manual that F1 opens there.
inline constexpr const char* kHelpContextProperty = "helpContext";

// The desktop's own interface font at a pixel height: the side windows keep
// their layout's sizes on every desktop and display scale.
QFont WindowFont(int pixelHeight, bool bold = false);

// The application style's standard icon `which`, made once for the run. Qt
// keeps the pixmaps an icon is drawn at in its pixmap cache under that icon's
// key, so a fresh icon for every window opened would add copies each time.
QIcon StandardIcon(QStyle::StandardPixmap which);

}  // namespace vexlor
