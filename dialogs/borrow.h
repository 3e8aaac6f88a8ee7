// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDialog>
#include <array>

#include "dialogs/side_window.h"
#include "engine/game_state.h"
#include "pictures/digits.h"
#include "pictures/picture.h"

class QPushButton;
class QRadioButton;

namespace vexlor {

// The borrow window: four chips borrow or pay back 1000, 100, 10 or 1 at
// once, in the mode the radio buttons choose; both counters show in the
// machine's LED digits, drawn at the display's device pixels and no taller
// than the room above the chips.
class TBorrowC : public QDialog {
  Q_OBJECT
 public:
  // `chips`: the $1,000, $100, $10 and $1 chip pictures. `digits` are the
  // machine's, `digitRatio` device pixels per logical one of the window.
  TBorrowC(GameState& state, const SideEnvironment& env, const std::array<Picture, 4>& chips,
           Digits digits, double digitRatio, QWidget* parent = nullptr);

  void BitBtn1Click(int tag);  // a chip
  void BitBtn7Click();         // Help
  QRadioButton* PayBackButton() const { return radioButton2_; }
  QPushButton* Chip(int tag) const { return chips_.at(static_cast<std::size_t>(tag)); }

 protected:
  void paintEvent(QPaintEvent* event) override;  // FormPaint

 private:
  GameState& state_;
  SideEnvironment env_;
  double digitRatio_;
  Digits digits_;
  std::array<QPushButton*, 4> chips_{};  // owned by the window
  QRadioButton* radioButton1_ = nullptr;
  QRadioButton* radioButton2_ = nullptr;
};

}  // namespace vexlor
