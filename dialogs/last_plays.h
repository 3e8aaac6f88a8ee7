// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <QImage>
#include <array>

#include "dialogs/side_window.h"
#include "savegame/plays.h"

class QLabel;
class QTableWidget;

namespace vexlor {

class CreditsChart;
class Picture;

// The symbol sheet's 16 cells, each scaled to a square of `cellPixels`.
std::array<QImage, 16> SmallSymbols(const Picture& sheet, int cellPixels);

// A play's 3 x 3 window drawn from small symbols, its won lines marked
// across their rows, at `devicePixelRatio`.
QImage PlayReelsImage(const Play& play, const std::array<QImage, 16>& symbols,
                      double devicePixelRatio);

// The Last Plays window: the credits over the kept plays as a chart, and the
// last ten plays listed newest first. It changes nothing.
class TLastPlays : public QDialog {
  Q_OBJECT
 public:
  // `room`: the client area the screen leaves; the list scrolls when the window would not fit.
  TLastPlays(const PlayHistory& history, const Picture& symbolSheet, const SideEnvironment& env,
             double devicePixelRatio, QSize room, QWidget* parent = nullptr);

  int RowCount() const;
  // The text of a cell of the list; of column 2 (the reels) what a screen reader reads.
  QString CellText(int row, int column) const;
  QString Note() const;
  const CreditsChart& Chart() const { return *chart_; }

 private:
  void FillList(const PlayHistory& history, const Picture& symbolSheet, double devicePixelRatio);
  void FitWindow(QSize room);
  // The window's height but for the list's, with the list `listWidth` wide.
  int Others(int listWidth, int chartHeight) const;

  SideEnvironment env_;
  QLabel* note_ = nullptr;  // all owned by the window
  CreditsChart* chart_ = nullptr;
  QTableWidget* list_ = nullptr;
};

}  // namespace vexlor
