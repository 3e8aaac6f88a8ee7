// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <array>

#include "bonus/token_layout.h"
#include "window/drawn_accessible.h"

namespace vexlor {

class TTrickForm;

// The bonus round as a screen reader finds it: the five tokens as buttons,
// left to right, each picked by its press as the pointer picks it, and the
// prize, said once it shows. A child of the round's window.
class RoundParts : public DrawnParts {
  Q_OBJECT
 public:
  static constexpr int kTokens = static_cast<int>(kTokenPos.size());
  static constexpr int kPrize = kTokens;

  RoundParts(TTrickForm& form, const QLocale& locale);

  QString Title() const override;
  int PartCount() const override { return kTokens + 1; }
  DrawnPart Part(int index) const override;
  void Press(int index) override;

 private:
  void Update();

  TTrickForm& form_;
  QLocale locale_;
  std::array<int, kTokens> onScreen_{};  // token indices, left to right
  bool prizeSaid_ = false;
};

}  // namespace vexlor
