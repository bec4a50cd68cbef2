#include "base/errors.h"

#include <gtest/gtest.h>

namespace demodisc {
namespace {

TEST(InOutErrorText, FollowsTheErrorCodeTable) {
  const std::pair<unsigned long, const char*> table[] = {{2, "File not found"},
                                                         {3, "Invalid filename"},
                                                         {4, "Too many open files"},
                                                         {5, "File access denied"},
                                                         {100, "Read beyond end of file"},
                                                         {101, "Disk full"},
                                                         {106, "Invalid numeric input"},
                                                         {1, "I/O error 1"},
                                                         {32, "I/O error 32"},
                                                         {1392, "I/O error 1392"},
                                                         {4294967295ul, "I/O error 4294967295"}};
  for (const auto& [code, text] : table) {
    EXPECT_EQ(InOutErrorText(code), text) << code;
    EXPECT_EQ(InOutError(code).text(), text) << code;
  }
}

TEST(WithFullStop, AddsAStopOnlyAfterCharactersSortingAfterTheStop) {
  EXPECT_EQ(WithFullStop("File not found"), "File not found.");
  EXPECT_EQ(WithFullStop("I/O error 23"), "I/O error 23.");
  EXPECT_EQ(WithFullStop("Ends."), "Ends.");
  EXPECT_EQ(WithFullStop("Ends!"), "Ends!");
  EXPECT_EQ(WithFullStop("Invalid data type for ''"), "Invalid data type for ''");
  EXPECT_EQ(WithFullStop("(x)"), "(x)");
  EXPECT_EQ(WithFullStop("a-"), "a-");
  EXPECT_EQ(WithFullStop("a/"), "a/.");
  EXPECT_EQ(WithFullStop(""), "");
  // Cyrillic letters are bytes above 0x7F, so they sort after the stop.
  EXPECT_EQ(WithFullStop("\xEE\xF8\xE8\xE1\xEA\xE0"), "\xEE\xF8\xE8\xE1\xEA\xE0.");
}

}  // namespace
}  // namespace demodisc
