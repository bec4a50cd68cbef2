#include "base/cp1251.h"

#include <gtest/gtest.h>

namespace demodisc {
namespace {

TEST(Cp1251Literal, ConvertsUtf8AtCompileTime) {
  constexpr std::string_view word = "Привет, Ёж №1"_t;
  static_assert(word.size() == 13);
  EXPECT_EQ(word, "\xCF\xF0\xE8\xE2\xE5\xF2, \xA8\xE6 \xB9" "1");
  EXPECT_EQ("«»—"_t, "\xAB\xBB\x97");
  EXPECT_EQ(""_t, "");
}

TEST(Cp1251, RoundTripsEveryByteButTheUnusedOne) {
  for (int b = 0; b < 256; ++b) {
    const std::string one(1, static_cast<char>(b));
    const std::u16string wide = ToUtf16(one);
    ASSERT_EQ(wide.size(), 1u);
    if (b == 0x98) {
      EXPECT_EQ(wide[0], 0xFFFD);
      continue;
    }
    EXPECT_EQ(FromUtf16(wide), one) << b;
  }
  EXPECT_EQ(ToUtf16("\xC0\xFF\xA8\xB8\xB9"), u"\u0410\u044F\u0401\u0451\u2116");
}

TEST(Cp1251, MarksCharactersItLacks) {
  EXPECT_EQ(FromUtf16(u"a\u00E9b\u4E2Dc"), "a?b?c");
  EXPECT_EQ(FromUtf16(u"x\U0001F600y"), "x?y");
  EXPECT_EQ(FromUtf16(u"\xD800"), "?");
}

}  // namespace
}  // namespace demodisc
