// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/round_parts.h"

#include <QWidget>
#include <algorithm>
#include <numeric>

#include "bonus/unit2.h"
#include "dialogs/symbol_words.h"

namespace vexlor {

RoundParts::RoundParts(TTrickForm& form, const QLocale& locale)
    : DrawnParts(form), form_(form), locale_(locale) {
  std::iota(onScreen_.begin(), onScreen_.end(), 0);
  std::sort(onScreen_.begin(), onScreen_.end(), [](int a, int b) {
    return kTokenPos[static_cast<std::size_t>(a)].x < kTokenPos[static_cast<std::size_t>(b)].x;
  });
  connect(&form, &TTrickForm::RoundChanged, this, &RoundParts::Update);
  SendChanges(true);  // the first look
}

QString RoundParts::Title() const {
  return tr("Bonus round");
}

DrawnPart RoundParts::Part(int index) const {
  DrawnPart part;
  if (index < kTokens) {
    part.role = QAccessible::Button;
    part.name = tr("Token %1").arg(index + 1);
    part.description = tr("Opens to show one of the five prizes");
    part.enabled = form_.Picked() < 0 && !form_.Closed();
    const QRect token = form_.TokenRect(onScreen_[static_cast<std::size_t>(index)]);
    part.rect = QRect(form_.mapToGlobal(token.topLeft()), token.size());
    return part;
  }
  part.role = QAccessible::StatusBar;
  const int32_t prize = form_.RoundPrize();
  if (prize == 1) {
    part.name = tr("Prize: 1 credit.");
  } else if (prize > 0) {
    part.name = tr("Prize: %1 credits.").arg(CountText(locale_, prize));
  }
  part.rect = QRect(form_.mapToGlobal(QPoint(0, 0)), form_.size());
  return part;
}

void RoundParts::Press(int index) {
  if (index >= 0 && index < kTokens) form_.PressToken(onScreen_[static_cast<std::size_t>(index)]);
}

void RoundParts::Update() {
  SendChanges(true);
  if (form_.RoundPrize() > 0 && !prizeSaid_) {
    prizeSaid_ = true;
    Announce(kPrize);
  }
}

}  // namespace vexlor
