// SPDX-License-Identifier: GPL-3.0-or-later
#include "savegame/store_integer.h"

#include <gtest/gtest.h>

namespace vexlor {
namespace {

TEST(StoreInteger, DecimalWithOneSignInsideThe32BitRange) {
  EXPECT_EQ(ParseStoreInteger("1000"), 1000);
  EXPECT_EQ(ParseStoreInteger("+7"), 7);
  EXPECT_EQ(ParseStoreInteger("-0"), 0);
  EXPECT_EQ(ParseStoreInteger("007"), 7);
  EXPECT_EQ(ParseStoreInteger("2147483647"), INT32_MAX);
  EXPECT_EQ(ParseStoreInteger("-2147483648"), INT32_MIN);
  EXPECT_EQ(ParseStoreInteger("00000000000000000000012"), 12);
  EXPECT_EQ(ParseStoreInteger("2147483648"), std::nullopt);
  EXPECT_EQ(ParseStoreInteger("-2147483649"), std::nullopt);
  EXPECT_EQ(ParseStoreInteger("99999999999999999999999"), std::nullopt);
}

TEST(StoreInteger, LeadingBlanksAreSkippedAndNothingElseIsAllowed) {
  EXPECT_EQ(ParseStoreInteger("   42"), 42);
  EXPECT_EQ(ParseStoreInteger("\t-5"), -5);
  for (const char* bad :
       {"", " ", "+", "-", "++1", "--1", "+-1", "1 ", "1 2", "12abc", "1.5", "1e3", "abc",
        "\xE2\x80\x8B"
        "1"}) {
    EXPECT_EQ(ParseStoreInteger(bad), std::nullopt) << "'" << bad << "'";
  }
}

TEST(StoreInteger, HexPrefixesTakeUpToEightDigitsAsABitPattern) {
  for (const char* text : {"0x3E8", "0X3e8", "$3E8", "x3e8", "X3E8", "  $3e8"}) {
    EXPECT_EQ(ParseStoreInteger(text), 1000) << text;
  }
  EXPECT_EQ(ParseStoreInteger("$FFFFFFFF"), -1);
  EXPECT_EQ(ParseStoreInteger("0x80000000"), INT32_MIN);
  EXPECT_EQ(ParseStoreInteger("0x00000001"), 1);
  for (const char* bad : {"0x", "$", "x", "0x123456789", "-0x10", "+$10", "0xG", "0x 1", "$-1",
                          "0x1 ", "0xx1", "$$1"}) {
    EXPECT_EQ(ParseStoreInteger(bad), std::nullopt) << "'" << bad << "'";
  }
}

}  // namespace
}  // namespace vexlor
