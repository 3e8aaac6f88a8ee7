// SPDX-License-Identifier: GPL-3.0-or-later
#include "engine/short_string.h"

#include <gtest/gtest.h>

namespace vexlor {
namespace {

TEST(ShortString, CutsLongerValuesOnAssignment) {
  ShortString<10> date;
  date = "12/31/1999 and more";
  EXPECT_EQ(date.str(), "12/31/1999");
  ShortString<30> name(std::string(40, 'n'));
  EXPECT_EQ(name.str().size(), 30u);
  name = "";
  EXPECT_TRUE(name.empty());
}

TEST(ShortString, CountsCharactersNotBytesAndNeverSplitsOne) {
  // "Grüße" is five characters in seven bytes.
  EXPECT_EQ(CutToChars("Grüße aus Köln", 5), "Grüße");
  EXPECT_EQ(CutToChars("\xE2\x82\xAC\xE2\x82\xAC\xE2\x82\xAC", 2), "\xE2\x82\xAC\xE2\x82\xAC");
}

TEST(ShortString, TakesBytesOfBrokenTextOneByOne) {
  // A stray continuation byte and a truncated sequence each count as one character.
  EXPECT_EQ(CutToChars("\x80\x80\x80\x80", 2), "\x80\x80");
  EXPECT_EQ(CutToChars("ab\xE2\x82", 3), "ab\xE2");
  EXPECT_EQ(CutToChars("ab\xE2\x82", 10), "ab\xE2\x82");
}

TEST(ShortString, TakesSequencesThatAreNoCharacterByteByByte) {
  // Past U+10FFFF, a UTF-16 surrogate, overlong forms: no character, four,
  // three and two bytes of broken text (a fuzzed Testing.ini found the first).
  EXPECT_EQ(CutToChars("\xF4\x9F\x8E\xB0z", 2), "\xF4\x9F");
  EXPECT_EQ(CutToChars("\xED\xA0\x80z", 1), "\xED");
  EXPECT_EQ(CutToChars("\xE0\x80\xAFz", 2), "\xE0\x80");
  EXPECT_EQ(CutToChars("\xF0\x8F\xBF\xBFz", 1), "\xF0");
  // The largest code point and the last before the surrogates are characters.
  EXPECT_EQ(CutToChars("\xF4\x8F\xBF\xBFz", 1), "\xF4\x8F\xBF\xBF");
  EXPECT_EQ(CutToChars("\xED\x9F\xBFz", 1), "\xED\x9F\xBF");
}

}  // namespace
}  // namespace vexlor
