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

}  // namespace
}  // namespace vexlor
