// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/symbol_words.h"

#include <QCoreApplication>
#include <QLocale>
#include <QStringList>
#include <algorithm>

#include "engine/bonus_prizes.h"
#include "engine/evaluate.h"
#include "engine/reels.h"

namespace vexlor {

// The translation context of these words.
class SymbolWords {
  Q_DECLARE_TR_FUNCTIONS(vexlor::SymbolWords)
};

namespace {

constexpr int kBadged = 8;  // a badged cell's sheet index over its symbol's

QString Count(int64_t value) {
  return CountText(QLocale(), value);
}

// The symbols in pay table order, as the reels and the pay table show them.
QString SymbolName(int symbol) {
  static constexpr std::array<const char*, kSymbolCount> kNames = {
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "WILD"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Diamond"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Bell"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Star"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "BAR"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Clover"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Grapes"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Cherries")};
  return SymbolWords::tr(kNames.at(static_cast<std::size_t>(symbol)));
}

// The badge of a special cell, found by its place on the strips.
std::optional<SpecialCell> BadgeOf(int sheetIndex) {
  for (const SpecialCell& cell : kSpecialCells) {
    const char shown = kReelStrips[static_cast<std::size_t>(cell.reel)]
                                  [static_cast<std::size_t>(cell.position - 1)];
    if (shown - '0' + kBadged == sheetIndex) return cell;
  }
  return std::nullopt;
}

}  // namespace

QString CountText(const QLocale& locale, int64_t value) {
  QLocale grouped = locale;
  grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
  return grouped.toString(static_cast<qlonglong>(value));
}

QString CellWords(int sheetIndex) {
  const QString symbol = SymbolName(sheetIndex % kBadged);
  const std::optional<SpecialCell> cell =
      sheetIndex >= kBadged ? BadgeOf(sheetIndex) : std::nullopt;
  if (!cell) return symbol;
  switch (cell->effect) {
    case CellEffect::BonusPoints:
      return cell->points == 1
                 ? SymbolWords::tr("%1 (1 bonus point)").arg(symbol)
                 : SymbolWords::tr("%1 (%2 bonus points)").arg(symbol).arg(cell->points);
    case CellEffect::ExtraHold:
      return SymbolWords::tr("%1 (extra hold)").arg(symbol);
    case CellEffect::WipeBonus:
      return SymbolWords::tr("%1 (empties the bonus meter)").arg(symbol);
  }
  return symbol;
}

QString LineWords(int line) {
  static constexpr std::array<const char*, kLineCount> kNames = {
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Middle line"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Top line"),
      QT_TRANSLATE_NOOP("vexlor::SymbolWords", "Bottom line")};
  return SymbolWords::tr(kNames.at(static_cast<std::size_t>(line)));
}

QString WindowWords(const std::array<int32_t, kReelCount * 3>& cells, int lines,
                    const std::array<bool, kLineCount>& won) {
  QStringList said;
  for (int line = 0; line < std::clamp(lines, 0, kLineCount); ++line) {
    const int row = static_cast<int>(LineRow(line));
    QStringList symbols;
    for (int reel = 0; reel < kReelCount; ++reel)
      symbols << CellWords(cells[static_cast<std::size_t>(row * kReelCount + reel)]);
    const QString text =
        SymbolWords::tr("%1: %2").arg(LineWords(line), symbols.join(SymbolWords::tr(", ")));
    said << (won[static_cast<std::size_t>(line)] ? SymbolWords::tr("%1 (won)").arg(text) : text);
  }
  return said.join(SymbolWords::tr("; "));
}

QString PayTableWords() {
  QStringList pays;
  for (int symbol = 0; symbol < kSymbolCount; ++symbol)
    pays << SymbolWords::tr("%1 %2").arg(SymbolName(symbol), Count(SymbolPay(symbol)));
  const auto [least, most] =
      std::minmax_element(kBonusPrizeValues.begin(), kBonusPrizeValues.end());
  QStringList said;
  said << SymbolWords::tr("Three of a kind on a lit payline pays:") + QLatin1Char(' ') +
              pays.join(SymbolWords::tr(", ")) + QLatin1Char('.');
  said << SymbolWords::tr(
      "Each coin lights one payline: one coin the middle line, two add the top line, three add "
      "the bottom line. WILD stands for any symbol. Several paylines may win at once.");
  said << SymbolWords::tr(
              "After a spin that pays nothing you may hold up to %1 reels for the next spin.")
              .arg(kMaxHoldsPerSpin);
  said << SymbolWords::tr(
      "Badges count only on a lit payline: 1, 2 or 3 adds that many bonus points, "
      "H adds a hold, X empties the bonus meter.");
  said << SymbolWords::tr(
              "%1 bonus points open the bonus round: pick one of %2 tokens for %3 to %4 "
              "credits.")
              .arg(kBonusPointsForRound)
              .arg(kPrizeCount)
              .arg(Count(*least), Count(*most));
  return said.join(QLatin1Char(' '));
}

}  // namespace vexlor
