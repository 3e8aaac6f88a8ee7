// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QLocale>
#include <QString>
#include <cstdint>

#include "engine/borrowing.h"

namespace vexlor {

// The information box for a refusal; empty for Done.
QString RefusalText(BorrowOutcome outcome, int32_t amount, const QLocale& locale);

// The borrow window's help text.
QString BorrowHelpText();

}  // namespace vexlor
