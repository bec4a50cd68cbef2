// The program's text: UTF-8 inside, UTF-16 at the Windows boundary, cp1251
// decoded from the disc's files, counted and lower-cased by characters.
#include "base/text.h"

#include <gtest/gtest.h>

#include "base/cp1251.h"

namespace demodisc {
namespace {

Text FromCp1251(std::string_view bytes) {
  Text out;
  AppendCp1251(bytes, out);
  return out;
}

TEST(Cp1251Decoding, GivesEveryByteItsCharacter) {
  EXPECT_EQ(FromCp1251("\xCF\xF0\xE8\xE2\xE5\xF2, \xA8\xE6 \xB9"
                       "1"),
            "Привет, Ёж №1");
  EXPECT_EQ(FromCp1251("\xAB\xBB\x97\x88\xA0"), "«»—€\u00A0");
  EXPECT_EQ(FromCp1251("a\x98z"), "a\uFFFDz");  // the one unused byte
  EXPECT_EQ(FromCp1251(std::string("\0\x7F", 2)), std::string("\0\x7F", 2));
  for (int b = 0x80; b < 0x100; ++b) {
    const Text one = FromCp1251(std::string(1, static_cast<char>(b)));
    EXPECT_EQ(CharCount(one), 1u) << b;
    EXPECT_EQ(Utf8FromUtf16(Utf16FromUtf8(one)), one) << b;
  }
}

TEST(WideConversion, KeepsEveryLetterWhateverTheScript) {
  const std::u16string names[] = {u"C:\\Users\\J\u00FCrgen\\Desktop\\Demo",
                                  u"\u0394\u03B9\u03C3\u03BA\u03BF\u03C2",
                                  u"\u6F14\u793A\u5149\u76D8",
                                  u"\u0414\u0435\u043C\u043E",
                                  u"emoji \U0001F600 end",
                                  u""};
  for (const std::u16string& name : names) {
    const Text utf8 = Utf8FromUtf16(name);
    EXPECT_EQ(Utf16FromUtf8(utf8), name);
  }
  EXPECT_EQ(Utf8FromUtf16(u"M\u00FCller"), "Müller");
  EXPECT_EQ(Utf16FromUtf8("Ελλάδα"), u"\u0395\u03BB\u03BB\u03AC\u03B4\u03B1");
}

TEST(WideConversion, KeepsALoneSurrogateThroughTheRoundTrip) {
  // Windows file names may hold unpaired surrogates.
  for (const std::u16string& units :
       {std::u16string(u"a\xD800z"), std::u16string(u"\xDC00"), std::u16string(u"x\xDBFF")}) {
    EXPECT_EQ(Utf16FromUtf8(Utf8FromUtf16(units)), units);
  }
}

TEST(WideConversion, ReplacesMalformedUtf8ByteByByte) {
  EXPECT_EQ(Utf16FromUtf8("a\x80z"), u"a\uFFFDz");
  EXPECT_EQ(Utf16FromUtf8("\xC3"), u"\uFFFD");            // cut short
  EXPECT_EQ(Utf16FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");  // overlong
  EXPECT_EQ(Utf16FromUtf8("\xF5\x80\x80\x80"), u"\uFFFD\uFFFD\uFFFD\uFFFD");
  EXPECT_EQ(Utf16FromUtf8("\xE2\x82x"), u"\uFFFD\uFFFDx");
}

TEST(CharCounting, CountsCharactersNotBytes) {
  EXPECT_EQ(CharCount(""), 0u);
  EXPECT_EQ(CharCount("abc"), 3u);
  EXPECT_EQ(CharCount("Привет"), 6u);
  EXPECT_EQ(CharCount("\u6F14\U0001F600"), 2u);
  EXPECT_EQ(FirstChars("Привет", 3), "При");
  EXPECT_EQ(FirstChars("ab", 5), "ab");
  EXPECT_EQ(FirstChars("a\U0001F600b", 2), "a\U0001F600");
  EXPECT_EQ(CharOffset("Ёж", 1), 2u);
  EXPECT_EQ(CharOffset("Ёж", 9), 4u);
}

TEST(LowerCase, LowersLatinGreekAndCyrillicLetters) {
  EXPECT_EQ(LowerCaseFrom("DEMODISC", 1), "Demodisc");
  EXPECT_EQ(LowerCaseFrom("DËMO", 1), "Dëmo");
  EXPECT_EQ(LowerCaseFrom("ÀÉÎÕÜÝÞ×", 0), "àéîõüýþ×");
  EXPECT_EQ(LowerCaseFrom("ŁÓDŹ ŠŽČŸ", 0), "łódź šžčÿ");
  EXPECT_EQ(LowerCaseFrom("ΑΘΗΝΑ ΆΈΉΊΌΎΏ", 0), "αθηνα άέήίόύώ");
  EXPECT_EQ(LowerCaseFrom("ДЕМО-ДИСК ЁЇЄІЎЂ", 0), "демо-диск ёїєіўђ");
  EXPECT_EQ(LowerCaseFrom("演示 123 ß", 0), "演示 123 ß");
}

}  // namespace
}  // namespace demodisc
