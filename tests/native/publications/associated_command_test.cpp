// The command line of an associated PDF reader: the document takes the
// place of %1 (quoted once), or follows the command; a command that names
// no program opens nothing.
#include "publications/associated_command.h"

#include <gtest/gtest.h>

namespace demodisc {
namespace {

TEST(CommandForDocument, PutsTheQuotedDocumentInPlaceOrAfterTheCommand) {
  const char* doc = "E:\\Demo Disc\\Publication\\paper 01.pdf";
  const struct {
    const char* command;
    const char* program;
    const char* line;
  } cases[] = {
      {"\"C:\\Reader\\reader.exe\" \"%1\"", "C:\\Reader\\reader.exe",
       "\"C:\\Reader\\reader.exe\" \"E:\\Demo Disc\\Publication\\paper 01.pdf\""},
      {"\"C:\\Reader\\reader.exe\" %1", "C:\\Reader\\reader.exe",
       "\"C:\\Reader\\reader.exe\" \"E:\\Demo Disc\\Publication\\paper 01.pdf\""},
      {"C:\\Sumatra\\SumatraPDF.exe", "C:\\Sumatra\\SumatraPDF.exe",
       "C:\\Sumatra\\SumatraPDF.exe \"E:\\Demo Disc\\Publication\\paper 01.pdf\""},
      {"\"C:\\Edge\\msedge.exe\" --single-argument %L ", "C:\\Edge\\msedge.exe",
       "\"C:\\Edge\\msedge.exe\" --single-argument \"E:\\Demo Disc\\Publication\\paper 01.pdf\""},
      {"  \"C:\\F\\foxit.exe\" /A \"%1\" %* 100%%", "C:\\F\\foxit.exe",
       "\"C:\\F\\foxit.exe\" /A \"E:\\Demo Disc\\Publication\\paper 01.pdf\"  100%"},
      {"\"C:\\R\\r.exe\" /p %2 %1", "C:\\R\\r.exe",
       "\"C:\\R\\r.exe\" /p  \"E:\\Demo Disc\\Publication\\paper 01.pdf\""},
      {"\"C:\\unclosed quote.exe", "C:\\unclosed quote.exe",
       "\"C:\\unclosed quote.exe \"E:\\Demo Disc\\Publication\\paper 01.pdf\""},
  };
  for (const auto& c : cases) {
    const std::optional<DocumentCommand> got = CommandForDocument(c.command, doc);
    ASSERT_TRUE(got) << c.command;
    EXPECT_EQ(got->program, c.program) << c.command;
    EXPECT_EQ(got->commandLine, c.line) << c.command;
  }
}

TEST(CommandForDocument, NoProgramOpensNothing) {
  for (const char* command : {"", "   ", "%1", "\"%1\"", "\"\" %1", " %L"})
    EXPECT_FALSE(CommandForDocument(command, "a.pdf")) << '[' << command << ']';
}

}  // namespace
}  // namespace demodisc
