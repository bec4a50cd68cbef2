#include "launcher/hint_texts.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/memory_source.h"

namespace demodisc {
namespace {

using testing::MemorySource;

TEST(HintFiles, TablesNameTheFilesOfEachPage) {
  const Text dir = "D:\\Hints\\";
  EXPECT_EQ(HintFilePath(dir, hpPresent, 0), "D:\\Hints\\about.txt");
  EXPECT_EQ(HintFilePath(dir, hpPresent, 2), "D:\\Hints\\int_mod.txt");
  EXPECT_EQ(HintFilePath(dir, hpPresent, 3), "D:\\Hints\\ther_mod.txt");
  EXPECT_EQ(HintFilePath(dir, hpPresent, 4), "D:\\Hints\\net_mod.txt");
  EXPECT_EQ(HintFilePath(dir, hpPresent, 7), "D:\\Hints\\dynamic_mod.txt");
  EXPECT_EQ(HintFilePath(dir, hpDemo, 1), "D:\\Hints\\demo_ZOZE.txt");
  EXPECT_EQ(HintFilePath(dir, hpDemo, 5), "D:\\Hints\\demo_ annot_report.txt");
  EXPECT_EQ(HintFilePath(dir, hpVideo, 5), "D:\\Hints\\video_w_schwan.txt");
  EXPECT_EQ(HintFilePath(dir, hpVideo, 6), "D:\\Hints\\video_astral.txt");
  EXPECT_EQ(HintFilePath(dir, hpUser, 0), "D:\\Hints\\use_mm_ter.txt");
  EXPECT_EQ(HintFilePath(dir, hpUser, 4), "D:\\Hints\\use_ja_zory.txt");
}

TEST(HintFiles, NoFileForAnIndexOrPageOutsideTheTables) {
  EXPECT_EQ(HintFilePath("X\\", hpPresent, -1), std::nullopt);
  EXPECT_EQ(HintFilePath("X\\", hpPresent, 8), std::nullopt);
  EXPECT_EQ(HintFilePath("X\\", hpUser, 5), std::nullopt);
  EXPECT_EQ(HintFilePath("X\\", 1, 0), std::nullopt);  // the publications
  EXPECT_EQ(HintFilePath("X\\", 5, 0), std::nullopt);
  EXPECT_EQ(HintFilePath("X\\", -1, 0), std::nullopt);
}

Text Read(std::string bytes, std::size_t chunk = 1 << 20) {
  TextReader reader;
  Text text;
  ReadHintText(reader, std::make_unique<MemorySource>(std::move(bytes), chunk), text);
  EXPECT_FALSE(reader.IsOpen());
  return text;
}

TEST(ReadHintText, JoinsTheLinesWithCrLf) {
  EXPECT_EQ(Read("one\r\ntwo\r\nthree\r\n"), "one\r\ntwo\r\nthree");
  EXPECT_EQ(Read("one\ntwo"), "one\r\ntwo");
  EXPECT_EQ(Read("a\rb\r\n\r\nc", 1), "ab\r\n\r\nc");
  EXPECT_EQ(Read("text\x1A"
                 "after"),
            "text");
  EXPECT_EQ(Read(""), "");
}

TEST(ReadHintText, AMegabyteLineArrivesWhole) {
  const std::string line(1 << 20, 'x');
  const Text text = Read(line + "\r\nend");
  EXPECT_EQ(text.size(), line.size() + 5);
  EXPECT_EQ(text.substr(text.size() - 5), "\r\nend");
}

TEST(ReadHintText, KeepsTheLinesReadBeforeAnErrorAndClosesTheReader) {
  TextReader reader;
  Text text;
  EXPECT_THROW(
      ReadHintText(reader, std::make_unique<MemorySource>("first\r\nsecond\r\nthird", 3, 15, 5),
                   text),
      InOutError);
  EXPECT_FALSE(reader.IsOpen());
  EXPECT_EQ(text.substr(0, 13), "first\r\nsecond");
}

}  // namespace
}  // namespace demodisc
