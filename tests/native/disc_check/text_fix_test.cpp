// --fix-texts: which bytes are rewritten as cp1251 with CR LF and to what,
// and the files of a disc folder rewritten, left as they are and named, or
// refused, each original whole until its new copy is.
#include "disc_check/text_fix.h"

#include <gtest/gtest.h>

#include <fstream>

#include "base/cp1251.h"
#include "support/utf16_file.h"
#include "disc_check/disc_rules.h"
#include "disc_check/file_system_tree.h"

namespace demodisc {
namespace {

using Outcome = Cp1251Rewrite::Outcome;

std::string Cp1251(std::string_view text) {
  std::string bytes;
  for (std::size_t i = 0; i < text.size();)
    bytes += static_cast<char>(Cp1251ByteOf(NextChar(text, i)));
  return bytes;
}

TEST(RewriteAsCp1251, ConvertsUtf8AndBareLineFeedsAndLeavesTheRest) {
  struct Case {
    const char* name;
    std::string bytes;
    Outcome outcome;
    std::string result;  // Rewritten: the new bytes; LacksLetters: the letters named
    const char* was = "";
  };
  const Case cases[] = {
      {"UTF-8 with CR LF", "Описание\r\nстрока\r\n", Outcome::Rewritten,
       Cp1251("Описание\r\nстрока\r\n"), "was UTF-8"},
      {"UTF-8 with a byte-order mark and LF", "\xEF\xBB\xBFОписание\nстрока", Outcome::Rewritten,
       Cp1251("Описание\r\nстрока"), "was UTF-8 with a byte-order mark and had bare LF line ends"},
      {"a byte-order mark before ASCII", "\xEF\xBB\xBFtext\r\n", Outcome::Rewritten, "text\r\n",
       "was UTF-8 with a byte-order mark"},
      {"cp1251 with bare LF", Cp1251("Строка\nещё\n"), Outcome::Rewritten,
       Cp1251("Строка\r\nещё\r\n"), "had bare LF line ends"},
      {"mixed line ends", "a\r\nb\nc\r\n", Outcome::Rewritten, "a\r\nb\r\nc\r\n",
       "had bare LF line ends"},
      {"a line feed first", "\nx", Outcome::Rewritten, "\r\nx", "had bare LF line ends"},
      {"UTF-8 punctuation cp1251 holds", "№ 1 — «цитата»…€\r\n", Outcome::Rewritten,
       Cp1251("№ 1 — «цитата»…€\r\n"), "was UTF-8"},
      {"cp1251 with CR LF", Cp1251("Описание\r\n"), Outcome::Unchanged, ""},
      {"ASCII with CR LF", "text\r\n", Outcome::Unchanged, ""},
      {"empty", "", Outcome::Unchanged, ""},
      {"bare CR, which the check names", "a\rb", Outcome::Unchanged, ""},
      {"UTF-16 LE, as Notepad saves \"Unicode\"", testing::Utf16LeFile("Описание\r\nстрока\n"),
       Outcome::Rewritten, Cp1251("Описание\r\nстрока\r\n"),
       "was UTF-16 LE with a byte-order mark and had bare LF line ends"},
      {"UTF-16 BE", std::string("\xFE\xFF\x04\x1E\0\r\0\n", 8), Outcome::Rewritten, Cp1251("О\r\n"),
       "was UTF-16 BE with a byte-order mark"},
      {"UTF-16 with letters cp1251 lacks", testing::Utf16LeFile("ő"), Outcome::LacksLetters,
       "\"ő\""},
      {"zero bytes without a byte-order mark", std::string("O\0\n\0", 4), Outcome::Unchanged, ""},
      {"letters cp1251 lacks", "Ősz és Žilina, ő\n", Outcome::LacksLetters,
       "\"Ő\", \"é\", \"Ž\", \"ő\""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Cp1251Rewrite r = RewriteAsCp1251(c.bytes);
    EXPECT_EQ(r.outcome, c.outcome);
    if (c.outcome == Outcome::Rewritten) {
      EXPECT_EQ(r.bytes, c.result);
      EXPECT_EQ(r.was, c.was);
    }
    if (c.outcome == Outcome::LacksLetters) EXPECT_EQ(r.lacking, c.result);
  }
}

class FixDiscTextsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    disc = std::filesystem::temp_directory_path() /
           ("fix-texts-" + std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + "-" +
            ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(disc);
    std::filesystem::create_directories(disc / "Hints");
    std::filesystem::create_directories(disc / "Publication");
  }
  void TearDown() override {
    std::error_code error;
    std::filesystem::permissions(disc / "Hints" / "about.txt", std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, error);
    std::filesystem::remove_all(disc, error);
  }
  void Write(const char* path, const std::string& bytes) {
    std::ofstream(disc / path, std::ios::binary) << bytes;
  }
  std::string Read(const char* path) {
    std::ifstream in(disc / path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  }
  std::size_t FilesIn(const char* folder) {
    return std::distance(std::filesystem::directory_iterator(disc / folder),
                         std::filesystem::directory_iterator());
  }

  std::vector<TextFix> Fix() { return FixDiscTexts(PortableFileSystem(), Utf8FromPath(disc)); }

  std::filesystem::path disc;
};

TEST_F(FixDiscTextsTest, RewritesUtf8AndLfFilesAndNamesThoseWithLettersCp1251Lacks) {
  Write("Hints/about.txt", "\xEF\xBB\xBFО программе\nВторая строка\n");
  Write("Hints/base_mod.txt", Cp1251("Уже cp1251\r\n"));
  Write("Hints/int_mod.txt", "Zoltán és Ödön\r\n");
  Write("Hints/ther_mod.txt", "Ősz\r\n");
  Write("Publication/vortan_lit.txt", "rus#a.pdf#1.  Статья.\n");
  Write("Hints/notes.txt", "не описание\n");  // no item shows it: left alone
  const std::vector<TextFix> fixes = Fix();

  EXPECT_EQ(Read("Hints/about.txt"), Cp1251("О программе\r\nВторая строка\r\n"));
  EXPECT_EQ(Read("Hints/base_mod.txt"), Cp1251("Уже cp1251\r\n"));
  EXPECT_EQ(Read("Hints/int_mod.txt"), "Zoltán és Ödön\r\n");
  EXPECT_EQ(Read("Hints/ther_mod.txt"), "Ősz\r\n");
  EXPECT_EQ(Read("Publication/vortan_lit.txt"), Cp1251("rus#a.pdf#1.  Статья.\r\n"));
  EXPECT_EQ(Read("Hints/notes.txt"), "не описание\n");
  EXPECT_EQ(FilesIn("Hints"), 5u);  // no copy left behind

  std::vector<Text> messages;
  for (const TextFix& fix : fixes) {
    EXPECT_FALSE(fix.failed) << fix.message;
    messages.push_back(fix.message);
  }
  EXPECT_EQ(messages,
            (std::vector<Text>{
                "rewrote Hints\\about.txt as cp1251 with CR LF: it was UTF-8 with a byte-order "
                "mark and had bare LF line ends",
                "left Hints\\int_mod.txt as it is: it holds letters cp1251 lacks, \"á\", \"é\", "
                "\"Ö\", \"ö\"; "
                "change them and run --fix-texts again",
                "left Hints\\ther_mod.txt as it is: it holds letters cp1251 lacks, \"Ő\"; change "
                "them and run --fix-texts again",
                "rewrote Publication\\vortan_lit.txt as cp1251 with CR LF: it was UTF-8 and had "
                "bare LF line ends"}));

  // Fixed, the texts give no warning of their bytes; a second run changes nothing more.
  const PortableFileSystem files;
  const DiscReport report = CheckDisc(FileSystemTree(Utf8FromPath(disc), files), "disc");
  for (const ReportSection& s : report.sections)
    for (const ReportLine& l : s.lines)
      for (const Finding& f : l.findings)
        if (f.path == "Hints\\about.txt" || f.path == "Publication\\vortan_lit.txt")
          EXPECT_NE(f.kind(), "utf8") << f.path;
  EXPECT_EQ(Fix().size(), 2u);  // the two with letters cp1251 lacks, named again
}

// A disc of its own: the files its DemoDisc.ini names, its descriptions
// kept in UTF-8 as its texts= says; UTF-16 ones become UTF-8.
TEST_F(FixDiscTextsTest, FollowsTheDiscsOwnDescriptionAndItsTexts) {
  std::filesystem::create_directories(disc / "about");
  Write("DemoDisc.ini",
        "[disc]\ntexts = utf-8\n[page]\ncaption = P\n[item]\ncaption = A\nnotice = yes\n"
        "description = about/a.txt\n[item]\ncaption = B\nnotice = yes\ndescription = about/b.txt\n"
        "[page]\ncaption = L\npublications = about/list.txt\n");
  Write("about/a.txt", "Уже UTF-8\n");
  Write("about/b.txt", testing::Utf16LeFile("Было UTF-16\r\n"));
  Write("about/list.txt", "rus##1.  Статья.\n");
  Write("Hints/about.txt", "\xEF\xBB\xBFне этого диска\n");  // the built-in catalogue's: left alone
  const std::vector<TextFix> fixes = Fix();
  EXPECT_EQ(Read("about/a.txt"), "Уже UTF-8\n");
  EXPECT_EQ(Read("about/b.txt"), "Было UTF-16\r\n");
  EXPECT_EQ(Read("about/list.txt"), Cp1251("rus##1.  Статья.\r\n"));
  EXPECT_EQ(Read("Hints/about.txt"), "\xEF\xBB\xBFне этого диска\n");
  ASSERT_EQ(fixes.size(), 2u);
  EXPECT_EQ(fixes[0].message,
            "rewrote about\\b.txt as UTF-8 with CR LF: it was UTF-16 LE with a byte-order mark");
  EXPECT_EQ(fixes[1].message.rfind("rewrote about\\list.txt as cp1251 with CR LF", 0), 0u);
}

TEST_F(FixDiscTextsTest, AReadOnlyFileIsNamedAndLeftWhole) {
  const std::string utf8 = "Описание\r\n";
  Write("Hints/about.txt", utf8);
  std::filesystem::permissions(
      disc / "Hints" / "about.txt",
      std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
  const std::vector<TextFix> fixes = Fix();
  ASSERT_EQ(fixes.size(), 1u);
  EXPECT_TRUE(fixes[0].failed);
  EXPECT_EQ(fixes[0].message, "could not rewrite Hints\\about.txt, left as it is: it is read-only");
  EXPECT_EQ(Read("Hints/about.txt"), utf8);
  EXPECT_EQ(FilesIn("Hints"), 1u);
}

TEST_F(FixDiscTextsTest, FindsTheFilesAsWindowsDoesAndKeepsTheirNames) {
  std::filesystem::rename(disc / "Hints", disc / "HINTS");
  Write("HINTS/About.TXT", "Описание\n");
  const std::vector<TextFix> fixes = Fix();
  ASSERT_EQ(fixes.size(), 1u);
  EXPECT_EQ(fixes[0].path, "HINTS\\About.TXT");
  EXPECT_EQ(Read("HINTS/About.TXT"), Cp1251("Описание\r\n"));
  EXPECT_EQ(TextFixLines(fixes), fixes[0].message + "\n\n");
  EXPECT_EQ(TextFixLines({}), "--fix-texts: no text to rewrite\n\n");
}

}  // namespace
}  // namespace demodisc
