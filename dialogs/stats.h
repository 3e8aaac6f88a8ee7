// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "dialogs/side_window.h"
#include "engine/game_state.h"

class QLabel;

namespace vexlor {

// The statistics window: a snapshot of the game's counters and what was paid
// out of them, taken when it opens. It changes nothing.
class TStatsForm : public QDialog {
  Q_OBJECT
 public:
  TStatsForm(const GameState& state, const SideEnvironment& env, QWidget* parent = nullptr);

  // Label11 Spins, Label12 Credits, Label13 Borrowed, Label27 TotalBets,
  // Label14 Payoffs, Label22 Normal, Label16 Bonus, Label25 the percentage.
  QString Value(int label) const;

 private:
  void FormCreate(const GameState& state, const QLocale& locale);
  QLabel* ValueLabel(int right, int top, bool bold);

  std::array<QLabel*, 8> values_{};  // owned by the window, in the order above
};

}  // namespace vexlor
