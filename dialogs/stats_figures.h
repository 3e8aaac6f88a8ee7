// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

#include "engine/statistics.h"

namespace vexlor {

// A count as "%10.0n": thousands separated as the locale does, padded on the
// left to ten characters.
QString FormatCount(int32_t value, const QLocale& locale);
// A percentage as "%4.2f" with the locale's decimal point, and "%".
QString FormatPercentage(double value, const QLocale& locale);

}  // namespace vexlor
