// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

namespace vexlor {

// The manual's topics by help context: F1 in a window or control opens the
// topic of its context (the anchor "#41003" and so on of the manual).
enum HelpTopic : int {
  kContentsTopic = 0,
  kMachineTopic = 41003,         // the machine window, and the borrow window
  kBorrowControlsTopic = 41005,  // the borrow window's buttons and modes
  kGameSlotsTopic = 41008,       // the game slot dialog
  kCompanyTopic = 41009,         // company information
  kPayoffChartTopic = 41010,
  kLastPlaysTopic = 41011,
};

}  // namespace vexlor
