// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/stats.h"

#include <QCoreApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QStyle>

#include "dialogs/game_style.h"
#include "dialogs/stats_figures.h"

namespace vexlor {
namespace {

constexpr int kValueWidth = 200;  // value labels keep their right edges fixed
constexpr int kRowHeight = 16;

}  // namespace

TStatsForm::TStatsForm(const GameState& state, const SideEnvironment& env, QWidget* parent)
    : QDialog(parent, kSideWindowFlags) {
  setWindowTitle(QCoreApplication::translate("Stats", "Your Game Statistics"));
  setFixedSize(632, 207);
  setFont(WindowFont(13));
  // The counters on the left and what was paid out on the right, each on a panel.
  for (const QRect& panel : {QRect(4, 6, 290, 146), QRect(330, 6, 296, 146)}) {
    auto* card = new QFrame(this);
    SetLook(*card, Look::Card);
    card->setGeometry(panel);
  }
  struct Caption {
    const char* text;
    int left, top;
    bool bold;
  };
  for (const Caption& c :
       {Caption{QT_TRANSLATE_NOOP("Stats", "Spins:"), 12, 14, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Credits:"), 12, 70, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Borrowed:"), 12, 126, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Total Bets:"), 340, 14, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Payoffs:"), 340, 46, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Normal:"), 364, 70, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Bonus:"), 364, 94, false},
        Caption{QT_TRANSLATE_NOOP("Stats", "Overall Payoff Percentage:"), 340, 126, true}}) {
    auto* label = new QLabel(QCoreApplication::translate("Stats", c.text), this);
    label->setFont(WindowFont(13, c.bold));
    SetLook(*label, Look::Caption);
    label->move(c.left, c.top);
  }
  values_ = {ValueLabel(281, 14, true),  ValueLabel(281, 70, true), ValueLabel(281, 126, true),
             ValueLabel(609, 14, true),  ValueLabel(609, 46, true), ValueLabel(585, 70, false),
             ValueLabel(585, 94, false), ValueLabel(617, 126, true)};
  SetLook(*values_[7], Look::Warning);
  auto* ok = new QPushButton(StandardIcon(QStyle::SP_DialogOkButton),
                             QCoreApplication::translate("Stats", "OK"), this);
  ok->setGeometry(536, 168, 89, 33);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  FormCreate(state, env.locale);
}

QLabel* TStatsForm::ValueLabel(int right, int top, bool bold) {
  auto* label = new QLabel(this);
  label->setFont(WindowFont(13, bold));
  label->setAlignment(Qt::AlignRight | Qt::AlignTop);
  label->setGeometry(right - kValueWidth, top, kValueWidth, kRowHeight);
  return label;
}

void TStatsForm::FormCreate(const GameState& state, const QLocale& locale) {
  const StatsFigures f = ComputeStats(state);
  const int32_t counts[] = {f.spins,   f.credits, f.borrowed, f.totalBets,
                            f.payoffs, f.normal,  f.bonus};
  for (int i = 0; i < 7; ++i)
    values_[static_cast<std::size_t>(i)]->setText(FormatCount(counts[i], locale));
  values_[7]->setText(FormatPercentage(f.percentage, locale));
}

QString TStatsForm::Value(int label) const {
  return values_.at(static_cast<std::size_t>(label))->text();
}

}  // namespace vexlor
