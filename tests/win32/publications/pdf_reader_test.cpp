// The reader look-up against a real registry key, and the read and install
// operations starting real programs.
#include "publications/pdf_reader_win.h"
#include "ui/MainDemo/read_publication.h"

#include <gtest/gtest.h>

#include "base/errors.h"
#include "support/file_association.h"
#include "support/reader_registration.h"
#include "support/recorder.h"
#include "support/test_support.h"
#include "ui/error_display_win.h"

namespace demodisc {
namespace {

using testing::DialogWatcher;
using testing::ReaderRegistration;
using testing::RecordedRun;

const Text kQuestion = "Установить Acrobat Reader?";
const Text kStartFailed = "Ошибка запуска Acrobat Reader ...";
const Text kInstaller = "AdbeRdr812_ru_RU.exe";

TPubl Record(const Text& docFileName) {
  TPubl r;
  r.DocFileName = docFileName;
  r.Color = PublicationColor(docFileName);
  r.Language = "eng";
  return r;
}

class PdfReaderTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_FALSE(ReaderRegistration::Visible()) << "a reader is registered on this machine";
    ASSERT_FALSE(FindPdfAssociation()) << "a program is associated with .pdf on this machine";
  }

  // The reader: the recorder under a folder with a Cyrillic name.
  Text PlaceReader() {
    return testing::PlaceRecorder(machine_ / "Программы\\Reader\\AcroRd32.exe");
  }
  Text PlaceInstaller() { return testing::PlaceRecorder(folders_.AcrobatReaderDir + kInstaller); }
  std::vector<RecordedRun> Runs() const { return recorder_.Runs(); }

  testing::TempDir disc_;
  testing::TempDir machine_;
  DiscFolders folders_ = MakeDiscFolders(disc_.path());
  testing::RecorderFile recorder_{machine_ / "record.txt"};
  Text readerExePath_ = "previous";
};

TEST_F(PdfReaderTest, WithoutTheKeyTheReaderIsNotFoundAndThePathStays) {
  EXPECT_FALSE(FindPdfReader(readerExePath_));
  EXPECT_EQ(readerExePath_, "previous");
}

TEST_F(PdfReaderTest, TakesTheQuotedPathFromTheCommand) {
  ReaderRegistration key;
  struct Case {
    Text command;
    DWORD type;
    Text path;
  };
  const Case cases[] = {
      {"\"C:\\Reader\\AcroRd32.exe\" \"%1\"", REG_SZ, "C:\\Reader\\AcroRd32.exe"},
      {"\"C:\\Программы\\Reader.exe\" /o \"%1\"", REG_SZ, "C:\\Программы\\Reader.exe"},
      {"\"%ProgramFiles%\\Reader\\AcroRd32.exe\" \"%1\"", REG_EXPAND_SZ,
       "%ProgramFiles%\\Reader\\AcroRd32.exe"},
      {"C:\\Reader\\AcroRd32.exe", REG_SZ, ""},
      {"C:\\Reader\\AcroRd32.exe \"%1\"", REG_SZ, ":\\Reader\\AcroRd32.exe "},
      {"", REG_SZ, ""},
  };
  for (const Case& c : cases) {
    key.SetString(c.command, c.type);
    readerExePath_ = "previous";
    EXPECT_TRUE(FindPdfReader(readerExePath_)) << c.command;
    EXPECT_EQ(readerExePath_, c.path) << c.command;
  }
}

TEST_F(PdfReaderTest, AKeyWithoutADefaultValueGivesAnEmptyPath) {
  ReaderRegistration key;
  EXPECT_TRUE(FindPdfReader(readerExePath_));
  EXPECT_EQ(readerExePath_, "");
}

TEST_F(PdfReaderTest, AValueOfAnotherTypeIsARegistryError) {
  ReaderRegistration key;
  key.SetDword(1);
  try {
    FindPdfReader(readerExePath_);
    FAIL() << "no error";
  } catch (const AppError& e) {
    EXPECT_EQ(e.text(), "Invalid data type for ''");
  }
  EXPECT_EQ(readerExePath_, "previous");
}

TEST_F(PdfReaderTest, AKeyThatMayOnlyBeReadIsFound) {
  ReaderRegistration key;
  key.SetString("\"C:\\Reader\\AcroRd32.exe\" \"%1\"");
  key.MakeReadOnly();
  // Full access to it is refused, as to a standard user on a per-machine key.
  HKEY probe = nullptr;
  ASSERT_NE(RegOpenKeyExW(HKEY_CLASSES_ROOT, L"Applications\\AcroRd32.exe\\shell\\read\\command", 0,
                          KEY_ALL_ACCESS, &probe),
            ERROR_SUCCESS);
  EXPECT_TRUE(FindPdfReader(readerExePath_));
  EXPECT_EQ(readerExePath_, "C:\\Reader\\AcroRd32.exe");
}

TEST_F(PdfReaderTest, AHugeValueIsTakenAsItIs) {
  ReaderRegistration key;
  const Text path = "C:\\" + Text(200000, 'r') + ".exe";
  key.SetString("\"" + path + "\" \"%1\"");
  EXPECT_TRUE(FindPdfReader(readerExePath_));
  EXPECT_EQ(readerExePath_, path);
}

TEST_F(PdfReaderTest, OpensTheDocumentInTheReaderAndWaits) {
  const Text reader = PlaceReader();
  ReaderRegistration key;
  key.SetString("\"" + reader + "\" \"%1\"");
  const TPubl record = Record("paper01.pdf");
  DialogWatcher watcher;
  const DWORD start = GetTickCount();
  ReadPublication(folders_, readerExePath_, &record);
  EXPECT_GE(GetTickCount() - start, 250u);  // the recorder lives 300 ms
  EXPECT_EQ(readerExePath_, reader);
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine,
            "\"" + reader + "\" " + disc_.path() + "\\Publication\\paper01.pdf");
  EXPECT_EQ(runs[0].workingDir, machine_ / "Программы\\Reader");
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(PdfReaderTest, CutsALongDocumentPathAt255Characters) {
  const Text reader = PlaceReader();
  ReaderRegistration key;
  key.SetString("\"" + reader + "\"");
  const TPubl record = Record(Text(300, 'd') + ".pdf");
  ReadPublication(folders_, readerExePath_, &record);
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  // 255 characters, not bytes: the reader's folder holds Cyrillic letters.
  const Text parameters(FirstChars(folders_.PublicationDir + record.DocFileName, 255));
  const Text commandLine(FirstChars("\"" + reader + "\" " + parameters, 255));
  EXPECT_EQ(CharCount(runs[0].commandLine), 255u);
  EXPECT_EQ(runs[0].commandLine, commandLine);
}

TEST_F(PdfReaderTest, AWhiteRowOrARowWithoutARecordStartsNothing) {
  const Text reader = PlaceReader();
  ReaderRegistration key;
  key.SetString("\"" + reader + "\" \"%1\"");
  DialogWatcher watcher;
  const TPubl white = Record("");
  ReadPublication(folders_, readerExePath_, &white);
  ReadPublication(folders_, readerExePath_, nullptr);
  EXPECT_TRUE(Runs().empty());
  EXPECT_TRUE(watcher.seen().empty());
  // The look-up still ran.
  EXPECT_EQ(readerExePath_, reader);
}

TEST_F(PdfReaderTest, WithoutAReaderAsksToInstallItEvenOnAWhiteRow) {
  const Text installer = PlaceInstaller();
  const TPubl white = Record("");
  const TPubl red = Record("paper01.pdf");
  {
    DialogWatcher watcher(IDNO);
    ReadPublication(folders_, readerExePath_, &white);
    ReadPublication(folders_, readerExePath_, nullptr);
    ASSERT_EQ(watcher.seen().size(), 2u);
    EXPECT_EQ(watcher.seen()[0].caption, "Warning");
    EXPECT_EQ(watcher.seen()[0].text, kQuestion);
    EXPECT_EQ(watcher.seen()[1].text, kQuestion);
    EXPECT_TRUE(Runs().empty());
  }
  DialogWatcher watcher(IDYES);
  ReadPublication(folders_, readerExePath_, &red);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, kQuestion);
  // The installer ran without parameters in its folder; no document was opened.
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine, "\"" + installer + "\" ");
  EXPECT_EQ(runs[0].workingDir + "\\", folders_.AcrobatReaderDir);
  EXPECT_EQ(readerExePath_, "previous");
}

TEST_F(PdfReaderTest, LooksTheReaderUpAgainAtEveryPress) {
  const Text reader = PlaceReader();
  const TPubl red = Record("paper01.pdf");
  {
    DialogWatcher watcher(IDNO);
    ReadPublication(folders_, readerExePath_, &red);
    EXPECT_EQ(watcher.seen().size(), 1u);
  }
  {
    ReaderRegistration key;
    key.SetString("\"" + reader + "\" \"%1\"");
    DialogWatcher watcher(IDNO);
    ReadPublication(folders_, readerExePath_, &red);
    EXPECT_TRUE(watcher.seen().empty());
    EXPECT_EQ(Runs().size(), 1u);
  }
  // Unregistered again: the question comes back, the path stays what it was.
  DialogWatcher watcher(IDNO);
  ReadPublication(folders_, readerExePath_, &red);
  EXPECT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(readerExePath_, reader);
}

TEST_F(PdfReaderTest, AReaderThatCannotBeStartedShowsTheStartFailure) {
  ReaderRegistration key;
  const TPubl red = Record("paper01.pdf");
  const Text commands[] = {"C:\\Reader\\AcroRd32.exe", "C:\\Reader\\AcroRd32.exe \"%1\"",
                           "\"" + (machine_ / "missing.exe") + "\" \"%1\""};
  for (const Text& command : commands) {
    key.SetString(command);
    DialogWatcher watcher;
    ReadPublication(folders_, readerExePath_, &red);
    ASSERT_EQ(watcher.seen().size(), 1u) << command;
    EXPECT_EQ(watcher.seen()[0].caption, AppTitle());
    EXPECT_EQ(watcher.seen()[0].text, kStartFailed);
  }
}

TEST_F(PdfReaderTest, AKeyWithoutAValueShowsTheStartFailureOnADocumentRow) {
  ReaderRegistration key;
  const TPubl red = Record("paper01.pdf");
  DialogWatcher watcher;
  ReadPublication(folders_, readerExePath_, &red);
  ASSERT_EQ(watcher.seen().size(), 1u);
  EXPECT_EQ(watcher.seen()[0].text, kStartFailed);
  EXPECT_EQ(readerExePath_, "");
}

TEST_F(PdfReaderTest, ARegistryErrorGoesToTheCallerAndStartsNothing) {
  PlaceInstaller();
  ReaderRegistration key;
  key.SetDword(7);
  const TPubl red = Record("paper01.pdf");
  DialogWatcher watcher;
  EXPECT_THROW(ReadPublication(folders_, readerExePath_, &red), AppError);
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_TRUE(Runs().empty());
  EXPECT_EQ(readerExePath_, "previous");
}

TEST_F(PdfReaderTest, TheInstallButtonRunsTheInstallerAtOnce) {
  const Text installer = PlaceInstaller();
  DialogWatcher watcher;
  InstallAcrobatReader(folders_);
  {
    ReaderRegistration key;
    key.SetString("\"" + PlaceReader() + "\" \"%1\"");
    InstallAcrobatReader(folders_);
  }
  EXPECT_TRUE(watcher.seen().empty());
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 2u);
  EXPECT_EQ(runs[0].commandLine, "\"" + installer + "\" ");
  EXPECT_EQ(runs[1].commandLine, "\"" + installer + "\" ");
  EXPECT_EQ(readerExePath_, "previous");
}

TEST_F(PdfReaderTest, AMissingInstallerShowsTheStartFailure) {
  DialogWatcher watcher(IDYES);
  const TPubl red = Record("paper01.pdf");
  ReadPublication(folders_, readerExePath_, &red);  // asks, then fails to start
  InstallAcrobatReader(folders_);
  ASSERT_EQ(watcher.seen().size(), 3u);
  EXPECT_EQ(watcher.seen()[0].text, kQuestion);
  EXPECT_EQ(watcher.seen()[1].text, kStartFailed);
  EXPECT_EQ(watcher.seen()[1].caption, AppTitle());
  EXPECT_EQ(watcher.seen()[2].text, kStartFailed);
}

// Without the reader's key, the program Windows opens PDF documents with:
// a stand-in reader associated with .pdf gets the document, quoted in place
// of %1, and nothing is asked; with the key as well, the key's reader.
TEST_F(PdfReaderTest, WithoutTheKeyTheAssociatedReaderOpensTheDocument) {
  const Text associated = testing::PlaceRecorder(machine_ / "Другой\\reader.exe");
  testing::FileAssociation pdf(".pdf", "DemoDiscTest.Pdf", "\"" + associated + "\" /open \"%1\"");
  const TPubl red = Record("paper 01.pdf");
  EXPECT_EQ(FindPdfAssociation().value_or("(none)"), "\"" + associated + "\" /open \"%1\"");
  DialogWatcher watcher;
  const DWORD start = GetTickCount();
  ReadPublication(folders_, readerExePath_, &red);
  EXPECT_GE(GetTickCount() - start, 250u);  // waited for the recorder's 300 ms
  for (const auto& seen : watcher.seen()) ADD_FAILURE() << seen.text;
  EXPECT_EQ(readerExePath_, "previous");
  {
    const Text reader = PlaceReader();
    ReaderRegistration key;
    key.SetString("\"" + reader + "\" \"%1\"");
    ReadPublication(folders_, readerExePath_, &red);
    EXPECT_EQ(readerExePath_, reader);
  }
  const auto runs = Runs();
  ASSERT_EQ(runs.size(), 2u);
  const Text document = disc_.path() + "\\Publication\\paper 01.pdf";
  EXPECT_EQ(runs[0].commandLine, "\"" + associated + "\" /open \"" + document + "\"");
  EXPECT_EQ(runs[0].workingDir, machine_ / "Другой");
  EXPECT_EQ(runs[1].commandLine, "\"" + PlaceReader() + "\" \"" + document + "\"");
  EXPECT_TRUE(watcher.seen().empty());
}

TEST_F(PdfReaderTest, ABadAssociationShowsTheStartFailureAndStartsNothing) {
  PlaceInstaller();
  const TPubl red = Record("paper01.pdf");
  const struct {
    const char* name;
    std::optional<Text> command;
    bool chosenByUser;
  } cases[] = {
      {"missing program", "\"" + (machine_ / "missing.exe") + "\" \"%1\"", false},
      {"empty command", "", false},
      {"only the document", "\"%1\"", false},
      {"no command at all", std::nullopt, false},
      {"user's choice without a command", std::nullopt, true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    testing::FileAssociation pdf(".pdf", "DemoDiscTest.Pdf", c.command);
    if (c.chosenByUser) pdf.ChooseForUser("DemoDiscTest.Chosen");
    DialogWatcher watcher(IDNO);
    ReadPublication(folders_, readerExePath_, &red);
    ASSERT_EQ(watcher.seen().size(), 1u);
    EXPECT_EQ(watcher.seen()[0].text, kStartFailed);
  }
  EXPECT_TRUE(Runs().empty());
}

}  // namespace
}  // namespace demodisc
