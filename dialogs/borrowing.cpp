// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/borrowing.h"

#include <QCoreApplication>
#include <limits>

namespace vexlor {

QString RefusalText(BorrowOutcome outcome, int32_t amount, const QLocale& locale) {
  switch (outcome) {
    case BorrowOutcome::NotEnoughCredits: {
      // "%7.2f": seven wide, two decimals, with the locale's decimal point.
      QString number = QString::asprintf("%7.2f", static_cast<double>(amount));
      number.replace(QLatin1Char('.'), locale.decimalPoint());
      return QCoreApplication::translate("Borrow", "You do not have %1 credits!").arg(number);
    }
    case BorrowOutcome::MoreThanBorrowed:
      return QCoreApplication::translate(
          "Borrow", "You cannot pay back more credits than you have borrowed!");
    case BorrowOutcome::TooMuch:
      return QCoreApplication::translate("Borrow",
                                         "The house cannot lend you that much: the machine "
                                         "cannot count past %1 credits.")
          .arg(locale.toString(std::numeric_limits<int32_t>::max()));
    case BorrowOutcome::Done:
      break;
  }
  return {};
}

QString BorrowHelpText() {
  return QCoreApplication::translate(
             "Borrow",
             "Use this screen to borrow credits or pay back credits that you borrowed previously.  "
             "Click on the button representing the amount to borrow (or pay back).") +
         QStringLiteral("\r\n\r\n") +
         QCoreApplication::translate(
             "Borrow", "To switch between \"borrow\" and \"pay back\" select the mode.");
}

}  // namespace vexlor
