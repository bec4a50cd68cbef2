#include "publications/reader_path.h"

#include <gtest/gtest.h>

#include "base/errors.h"

namespace demodisc {
namespace {

RegistryValue Value(unsigned long type, std::string text, unsigned long size = 0) {
  RegistryValue v;
  v.exists = true;
  v.type = type;
  v.size = size ? size : static_cast<unsigned long>(text.size() + 1);
  v.text = std::move(text);
  return v;
}

TEST(RegistryString, TakesStringDataUpToTheFirstZero) {
  EXPECT_EQ(RegistryString(Value(kRegSz, "\"C:\\R\\a.exe\" \"%1\""), ""),
            "\"C:\\R\\a.exe\" \"%1\"");
  EXPECT_EQ(RegistryString(Value(kRegSz, std::string("abc\0def", 7)), ""), "abc");
  EXPECT_EQ(RegistryString(Value(kRegExpandSz, "\"%ProgramFiles%\\a.exe\""), ""),
            "\"%ProgramFiles%\\a.exe\"");
}

TEST(RegistryString, IsEmptyForAMissingOrEmptyValueOfAnyType) {
  EXPECT_EQ(RegistryString(RegistryValue{}, ""), "");
  EXPECT_EQ(RegistryString(Value(kRegSz, "", 2), ""), "");
  // No data at all: neither the type nor stale text counts.
  RegistryValue noData = Value(4, "ignored");
  noData.size = 0;
  EXPECT_EQ(RegistryString(noData, ""), "");
}

TEST(RegistryString, RefusesOtherTypesWithData) {
  for (unsigned long type : {0ul, 3ul, 4ul, 7ul, 11ul}) {
    try {
      RegistryString(Value(type, "", 4), "");
      ADD_FAILURE() << "type " << type << " accepted";
    } catch (const AppError& e) {
      EXPECT_EQ(e.text(), "Invalid data type for ''") << type;
      // The default display adds no full stop after the quote.
      EXPECT_EQ(WithFullStop(e.text()), "Invalid data type for ''");
    }
  }
  try {
    RegistryString(Value(4, "", 4), "Name");
    ADD_FAILURE() << "accepted";
  } catch (const AppError& e) {
    EXPECT_EQ(e.text(), "Invalid data type for 'Name'");
  }
}

struct PathCase {
  const char* name;
  std::string command;
  std::string path;
};

class ReaderPath : public ::testing::TestWithParam<PathCase> {};

TEST_P(ReaderPath, IsTheTextBetweenTheFirstCharacterAndTheNextQuote) {
  EXPECT_EQ(ReaderPathOf(GetParam().command), GetParam().path);
}

INSTANTIATE_TEST_SUITE_P(
    RegisteredCommand, ReaderPath,
    ::testing::Values(
        PathCase{"QuotedPathAndArgument", "\"C:\\Reader\\AcroRd32.exe\" \"%1\"",
                 "C:\\Reader\\AcroRd32.exe"},
        PathCase{"QuotedPathAlone", "\"C:\\Reader\\AcroRd32.exe\"", "C:\\Reader\\AcroRd32.exe"},
        PathCase{"PathWithBlanks", "\"C:\\Program Files\\Adobe\\AcroRd32.exe\" /s /o /h \"%1\"",
                 "C:\\Program Files\\Adobe\\AcroRd32.exe"},
        PathCase{"UnquotedWithoutArgument", "C:\\Reader\\AcroRd32.exe", ""},
        PathCase{"UnquotedWithQuotedArgument", "C:\\Reader\\AcroRd32.exe \"%1\"",
                 ":\\Reader\\AcroRd32.exe "},
        PathCase{"OpeningQuoteOnly", "\"C:\\Reader\\AcroRd32.exe", ""},
        PathCase{"AnyFirstCharacterIsDropped", "'C:\\A.exe' \"%1\"", "C:\\A.exe' "},
        PathCase{"EmptyQuotes", "\"\" x", ""}, PathCase{"OneQuote", "\"", ""},
        PathCase{"QuoteSecond", "x\"", ""}, PathCase{"Empty", "", ""},
        PathCase{"Cyrillic", "\"C:\\Программы\\Reader.exe\" \"%1\"", "C:\\Программы\\Reader.exe"}),
    [](const auto& info) { return info.param.name; });

}  // namespace
}  // namespace demodisc
