// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/stats_figures.h"

namespace vexlor {

QString FormatCount(int32_t value, const QLocale& locale) {
  QLocale grouped = locale;
  grouped.setNumberOptions(grouped.numberOptions() & ~QLocale::OmitGroupSeparator);
  return grouped.toString(static_cast<qlonglong>(value)).rightJustified(10);
}

QString FormatPercentage(double value, const QLocale& locale) {
  QLocale plain = locale;
  plain.setNumberOptions(QLocale::OmitGroupSeparator);
  return plain.toString(value, 'f', 2).rightJustified(4) + QLatin1Char('%');
}

}  // namespace vexlor
