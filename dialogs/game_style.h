// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QPalette>
#include <QString>

class QMessageBox;
class QPushButton;
class QWidget;

namespace vexlor {

// The look of the windows beside the machine, drawn from the cabinet: its
// indigo body, gold trim and ivory reels, its serif for headings. One palette
// and one style sheet for the whole application; the machine window keeps its
// own black palette, and the menu bar takes MenuBarPalette.
void ApplyGameStyle();

QPalette GamePalette();
// Black, white text, greyed items dimmed: the menu bar's and its menus'.
QPalette MenuBarPalette();
// The face of the cabinet's marquee and pay table, bold, at a pixel height.
QFont HeadingFont(int pixelHeight);

// What a widget is among the side windows' controls; the style sheet gives
// each its colours and frame.
enum class Look {
  Heading,  // gold, over a counter or a part of a window
  Caption,  // gold, before the value it names
  Warning,  // the payline red
  Entry,    // a text box that reads like a label
  Card,     // a raised panel with a gold rim, such as a saved-game row
  Well,     // a dark panel behind cards
};
void SetLook(QWidget& widget, Look look);

// How wide a window must be for the desktop to show `title` whole beside the
// title bar's icon and buttons.
int TitleBarWidth(const QString& title);
// Makes a message box that wide for its title, which is set before.
void FitTitle(QMessageBox& box);

// Widens a button placed by hand to show its whole text (a translation may be
// longer than the English it was placed for), keeping its right edge when
// `keepRight`, else its left edge. A button wide enough stays as it is.
void FitButtonText(QPushButton& button, bool keepRight);

}  // namespace vexlor
