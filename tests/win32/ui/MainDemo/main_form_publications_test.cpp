// The publications page of the live main window: the grid filled at the
// first activation, the entry of a clicked row, the read and install
// buttons against a real registry key and real programs, and the release of
// the records at the close request.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>

#include "base/wide_win.h"
#include "support/input.h"
#include "support/main_window_fixture.h"
#include "support/pixels.h"
#include "support/reader_registration.h"
#include "support/recorder.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/string_grid.h"
#include "ui/error_display_win.h"

namespace demodisc {
namespace {

using testing::ClientPixels;
using testing::DialogWatcher;
using testing::PumpMessages;
using testing::ReaderRegistration;
using testing::WriteFileBytes;

constexpr COLORREF kLightRedRgb = RGB(255, 204, 204);
constexpr COLORREF kWhiteRgb = RGB(255, 255, 255);
const Text kQuestion = "Установить Acrobat Reader?";
const Text kStartFailed = "Ошибка запуска Acrobat Reader ...";

// 45 lines: the first two are the examples of the list format, then light
// red and white rows by turns.
std::string LongList() {
  std::string bytes = "eng#paper01.pdf#12. Sample title of a paper.\r\nrus##7.  Another title.\r\n";
  for (int i = 3; i <= 45; ++i)
    bytes += (i % 2 ? "eng#p" + std::to_string(i) + ".pdf#" : std::string("rus##")) +
             std::to_string(10 + i) + ". Title " + std::to_string(i) + ".\r\n";
  return bytes;
}

class PublicationsPageTest : public testing::MainWindowTest {
 protected:
  // The list file's bytes; none: no file.
  virtual std::optional<std::string> ListFile() { return LongList(); }

  void PrepareDisc() override {
    if (const auto list = ListFile()) WriteFileBytes(Disc("Publication\\vortan_lit.txt"), *list);
  }
  bool Activated() override {
    return main().CurrentPage() == MainForm::kPresent || !watcher_.seen().empty();
  }
  void SetUp() override {
    MainWindowTest::SetUp();
    PumpMessages(100);
  }

  // A real click on the tab of the publications page.
  void ShowPublications() {
    testing::BringToFront(main().hwnd());
    HWND tabs = Named("PgCtrl_disk");
    RECT tab;
    SendMessageW(tabs, TCM_GETITEMRECT, MainForm::kArtikel, reinterpret_cast<LPARAM>(&tab));
    testing::ClickAt(tabs, POINT{(tab.left + tab.right) / 2, (tab.top + tab.bottom) / 2});
    ASSERT_EQ(main().CurrentPage(), MainForm::kArtikel);
  }
  void ClickCell(int col, int row) {
    const RECT r = Grid().CellRect(col, row);
    testing::ClickAt(Grid().hwnd(), POINT{r.left + 10, (r.top + r.bottom) / 2});
  }
  void ClickButton(const char* name) {
    RECT r;
    GetClientRect(Named(name), &r);
    testing::ClickAt(Named(name), POINT{r.right / 2, r.bottom / 2});
  }

  Text Reader() { return testing::PlaceRecorder(machine_ / "Reader\\AcroRd32.exe"); }
  Text Installer() { return testing::PlaceRecorder(Disc("Acrobat Reader\\AdbeRdr812_ru_RU.exe")); }

  // Answers every message box and dialog, from the first activation on.
  DialogWatcher watcher_{IDNO};
  testing::TempDir machine_;
  testing::RecorderFile recorder_{machine_ / "record.txt"};
};

TEST_F(PublicationsPageTest, TheFirstActivationFills39RowsAndOpensThePresentations) {
  EXPECT_TRUE(watcher_.seen().empty());
  EXPECT_EQ(main().CurrentPage(), MainForm::kPresent);
  StringGrid& grid = Grid();
  EXPECT_EQ(grid.ColWidth(0), 24);
  EXPECT_EQ(grid.ColWidth(1), 36);
  EXPECT_EQ(grid.ColWidth(2), 460);
  EXPECT_EQ(grid.Cell(0, 0), "№ ");
  EXPECT_EQ(grid.Cell(1, 0), "Язык ");
  EXPECT_EQ(grid.Cell(2, 0), "Публикация");
  EXPECT_EQ(grid.Cell(0, 1), "12. ");
  EXPECT_EQ(grid.Cell(1, 1), "eng");
  EXPECT_EQ(grid.Cell(2, 1), "Sample title of a paper");
  EXPECT_EQ(grid.Cell(0, 2), "7.  ");
  EXPECT_EQ(grid.Cell(2, 2), "Another title");
  EXPECT_EQ(grid.Cell(0, 39), "49. ");
  EXPECT_EQ(grid.Cell(2, 39), "Title 39");
  EXPECT_EQ(grid.Col(), 1);
  EXPECT_EQ(grid.Row(), 1);
  // Loading leaves the entry box alone.
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "");
}

TEST_F(PublicationsPageTest, RowsShowTheirRecordsColourAcrossAllThreeColumns) {
  ShowPublications();
  SetFocus(Named("PgCtrl_disk"));
  const ClientPixels px(Grid().hwnd());
  for (int col = 0; col < 3; ++col) {
    const RECT red = Grid().CellRect(col, 1);
    const RECT white = Grid().CellRect(col, 2);
    EXPECT_EQ(px.At(red.left, red.bottom - 1), kLightRedRgb) << col;
    EXPECT_EQ(px.At(red.left + 20, red.bottom - 1), kLightRedRgb) << col;
    EXPECT_EQ(px.At(white.left, white.bottom - 1), kWhiteRgb) << col;
    EXPECT_EQ(px.At(white.left + 20, white.bottom - 1), kWhiteRgb) << col;
  }
  const RECT header = Grid().CellRect(1, 0);
  EXPECT_EQ(px.At(header.left + 20, header.bottom - 3), GetSysColor(COLOR_BTNFACE));
}

TEST_F(PublicationsPageTest, AClickedRowPutsItsNumberAndTextIntoTheEntryBox) {
  ShowPublications();
  ClickCell(2, 1);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "12. Sample title of a paper\r\n");
  ClickCell(1, 2);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "7.  Another title\r\n");
  EXPECT_EQ(SendMessageW(Named("Mm_artikel"), EM_GETFIRSTVISIBLELINE, 0, 0), 0);
  // The keyboard selects too.
  testing::PressKey(VK_DOWN);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "13. Title 3\r\n");
  EXPECT_TRUE(watcher_.seen().empty());
}

// At every resolution the grid's cells hold their texts whole, and a click
// at a row's scaled place selects that row.
class PublicationsAtScale : public testing::AtScale<PublicationsPageTest> {};
INSTANTIATE_TEST_SUITE_P(Dpi, PublicationsAtScale, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

TEST_P(PublicationsAtScale, CellsHoldTheirTextsWholeAndAClickSelectsTheRowUnderIt) {
  ShowPublications();
  StringGrid& grid = Grid();
  EXPECT_EQ(grid.ColWidth(0), Scale().Px(24));
  EXPECT_EQ(grid.ColWidth(1), Scale().Px(36));
  EXPECT_EQ(grid.RowHeight(), Scale().Px(18));
  const HDC dc = GetDC(grid.hwnd());
  const HGDIOBJ old = SelectObject(dc, grid.font());
  for (int row = 0; row <= 2; ++row)
    for (int col = 0; col < 3; ++col) {
      SCOPED_TRACE(::testing::Message() << "col " << col << ", row " << row);
      const std::wstring text = Wide(grid.Cell(col, row));
      SIZE size{};
      GetTextExtentPoint32W(dc, text.c_str(), static_cast<int>(text.size()), &size);
      const RECT cell = grid.CellRect(col, row);
      // The text starts 2 pixels (at 96 dpi) in from the cell's corner.
      EXPECT_LE(Scale().Px(2) + size.cx, cell.right - cell.left);
      EXPECT_LE(Scale().Px(2) + size.cy, cell.bottom - cell.top);
    }
  SelectObject(dc, old);
  ReleaseDC(grid.hwnd(), dc);
  // The third row's text column: two rows and their 1-pixel lines down.
  const int rowStep = Scale().Px(18) + 1;
  testing::ClickAt(grid.hwnd(), POINT{Scale().Px(24) + Scale().Px(36) + 2 + Scale().Px(60),
                                      2 * rowStep + Scale().Px(9)});
  EXPECT_EQ(grid.Row(), 2);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "7.  Another title\r\n");
}

TEST_F(PublicationsPageTest, ReturningFromTheNoticeWindowDoesNotReadTheListAgain) {
  WriteFileBytes(Disc("Publication\\vortan_lit.txt"), "new#new.pdf#99. Changed.\r\n");
  testing::TimedSteps steps({[&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }});
  main().ShowNotice();
  PumpMessages(200);
  EXPECT_EQ(Grid().Cell(0, 1), "12. ");
  EXPECT_EQ(main().CurrentPage(), MainForm::kPresent);
}

TEST_F(PublicationsPageTest, TheReadButtonOpensTheSelectedDocumentInTheRegisteredReader) {
  const Text reader = Reader();
  ReaderRegistration key;
  key.SetString("\"" + reader + "\" \"%1\"");
  ShowPublications();
  ClickCell(2, 1);
  ClickButton("BBtn_ReadDoc");
  const auto runs = recorder_.Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine, "\"" + reader + "\" " + Disc("Publication\\paper01.pdf"));
  EXPECT_EQ(runs[0].workingDir, machine_ / "Reader");
  EXPECT_TRUE(watcher_.seen().empty());
  // The page stays, and the window has its input back.
  EXPECT_EQ(main().CurrentPage(), MainForm::kArtikel);
  EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
}

TEST_F(PublicationsPageTest, AWhiteRowStartsNothing) {
  ReaderRegistration key;
  key.SetString("\"" + Reader() + "\" \"%1\"");
  ShowPublications();
  ClickCell(2, 2);
  ClickButton("BBtn_ReadDoc");
  EXPECT_TRUE(recorder_.Runs().empty());
  EXPECT_TRUE(watcher_.seen().empty());
}

TEST_F(PublicationsPageTest, WithoutAReaderTheQuestionComesAndYesRunsTheInstaller) {
  const Text installer = Installer();
  ShowPublications();
  ClickCell(2, 2);  // a white row: the question comes all the same
  ClickButton("BBtn_ReadDoc");
  ASSERT_EQ(watcher_.seen().size(), 1u);
  EXPECT_EQ(watcher_.seen()[0].caption, "Warning");
  EXPECT_EQ(watcher_.seen()[0].text, kQuestion);
  EXPECT_TRUE(recorder_.Runs().empty());

  watcher_.set_answer(IDYES);
  ClickCell(2, 1);
  ClickButton("BBtn_ReadDoc");
  ASSERT_EQ(watcher_.seen().size(), 2u);
  const auto runs = recorder_.Runs();
  ASSERT_EQ(runs.size(), 1u);  // the installer only: no document afterwards
  EXPECT_EQ(runs[0].commandLine, "\"" + installer + "\" ");
  EXPECT_EQ(runs[0].workingDir, Disc("Acrobat Reader"));
  EXPECT_EQ(main().CurrentPage(), MainForm::kArtikel);
}

TEST_F(PublicationsPageTest, AValueThatIsNotAStringShowsTheRegistryError) {
  ReaderRegistration key;
  key.SetDword(1);
  Installer();
  ShowPublications();
  ClickCell(2, 1);
  ClickButton("BBtn_ReadDoc");
  ASSERT_EQ(watcher_.seen().size(), 1u);
  EXPECT_EQ(watcher_.seen()[0].className, "#32770");
  EXPECT_EQ(watcher_.seen()[0].caption, AppTitle());
  EXPECT_EQ(watcher_.seen()[0].text, "Invalid data type for ''");
  EXPECT_TRUE(recorder_.Runs().empty());
}

TEST_F(PublicationsPageTest, AnUnquotedReaderCommandShowsTheStartFailure) {
  ReaderRegistration key;
  ShowPublications();
  ClickCell(2, 1);
  for (const char* command : {"C:\\Reader\\AcroRd32.exe", "C:\\Reader\\AcroRd32.exe \"%1\""}) {
    key.SetString(command);
    ClickButton("BBtn_ReadDoc");
  }
  ASSERT_EQ(watcher_.seen().size(), 2u);
  for (const auto& seen : watcher_.seen()) {
    EXPECT_EQ(seen.caption, AppTitle());
    EXPECT_EQ(seen.text, kStartFailed);
  }
}

TEST_F(PublicationsPageTest, TheAcrobatReaderButtonRunsTheInstallerAtOnce) {
  const Text installer = Installer();
  ReaderRegistration key;
  key.SetString("\"" + Reader() + "\" \"%1\"");
  testing::BringToFront(main().hwnd());
  ClickButton("BBtn_InstallAcrobat");
  EXPECT_TRUE(watcher_.seen().empty());
  const auto runs = recorder_.Runs();
  ASSERT_EQ(runs.size(), 1u);
  EXPECT_EQ(runs[0].commandLine, "\"" + installer + "\" ");
}

TEST_F(PublicationsPageTest, EnterAndSpacePressTheFocusedPictureButton) {
  const Text installer = Installer();
  ReaderRegistration key;
  key.SetString("\"" + Reader() + "\" \"%1\"");
  // The installer's console takes the activation, and Wine gives it to no
  // window when it closes: each key goes to a main window brought to the front.
  const auto press = [&](const char* focus, WORD vk, std::size_t runs, int waitMs) {
    testing::BringToFront(main().hwnd());
    SetFocus(Named(focus));
    ASSERT_EQ(GetFocus(), Named(focus));
    const bool inFront = GetForegroundWindow() == main().hwnd();
    const std::size_t messages = watcher_.seen().size();
    testing::InjectKey(vk);
    RunMessages(waitMs, [&] {
      return recorder_.Runs().size() >= runs || watcher_.seen().size() > messages;
    });
    EXPECT_EQ(recorder_.Runs().size(), runs)
        << focus << ", key " << vk << (inFront ? "" : ", the window not in front");
    for (std::size_t i = messages; i < watcher_.seen().size(); ++i)
      ADD_FAILURE() << "message: " << watcher_.seen()[i].text;
  };
  press("BBtn_InstallAcrobat", VK_RETURN, 1, 10000);
  press("BBtn_InstallAcrobat", VK_SPACE, 2, 10000);
  // With the focus elsewhere, Enter presses nothing.
  press("PgCtrl_disk", VK_RETURN, 2, 500);
}

TEST_F(PublicationsPageTest, TheCloseRequestReleasesTheRecordsAndKeepsTheTexts) {
  PostMessageW(main().hwnd(), WM_SYSCOMMAND, SC_CLOSE, 0);
  EXPECT_EQ(testing::RunLoopAtMost(5000, [&] { return app_->Run(); }), 0);
  // Without records every row is drawn in the grid's standard colours.
  const ClientPixels px(Grid().hwnd());
  const RECT fixedCell = Grid().CellRect(0, 3);
  const RECT text = Grid().CellRect(2, 3);
  EXPECT_EQ(px.At(fixedCell.left + 2, fixedCell.bottom - 2), GetSysColor(COLOR_BTNFACE));
  EXPECT_EQ(px.At(text.left + 20, text.bottom - 1), GetSysColor(COLOR_WINDOW));
  EXPECT_NE(GetSysColor(COLOR_WINDOW), kLightRedRgb);
  EXPECT_EQ(Grid().Cell(0, 3), "13. ");
}

// The first pixel column and row holding a colour other than the
// background, relative to the rectangle's part inside the client area.
POINT FirstInk(const ClientPixels& px, RECT r, COLORREF background) {
  r.right = std::min(r.right, static_cast<LONG>(px.width()));
  POINT first{-1, -1};
  for (int x = r.left; x < r.right && first.x < 0; ++x)
    for (int y = r.top; y < r.bottom; ++y)
      if (px.At(x, y) != background) {
        first.x = x - r.left;
        break;
      }
  for (int y = r.top; y < r.bottom && first.y < 0; ++y)
    for (int x = r.left; x < r.right; ++x)
      if (px.At(x, y) != background) {
        first.y = y - r.top;
        break;
      }
  return first;
}

class ShortListTest : public PublicationsPageTest {
 protected:
  std::optional<std::string> ListFile() override {
    return "eng#paper01.pdf#12. Sample title of a paper.\r\nrus##7.  Another title.\r\n"
           "abc\r\n";
  }
};

TEST_F(ShortListTest, RowsAfterTheLastLineStayEmptyInTheStandardColours) {
  EXPECT_EQ(Grid().Cell(0, 3), "abc");
  ShowPublications();
  SetFocus(Named("PgCtrl_disk"));
  const ClientPixels px(Grid().hwnd());
  // Row 3 holds a white record; rows 4 on none.
  EXPECT_EQ(px.At(Grid().CellRect(0, 3).left + 2, Grid().CellRect(0, 3).bottom - 2), kWhiteRgb);
  for (int row = 4; row <= 14; ++row) {
    EXPECT_EQ(Grid().Cell(0, row), "");
    const RECT fixedCell = Grid().CellRect(0, row);
    const RECT text = Grid().CellRect(2, row);
    EXPECT_EQ(px.At(fixedCell.left + 2, fixedCell.bottom - 2), GetSysColor(COLOR_BTNFACE)) << row;
    EXPECT_EQ(px.At(text.left + 20, text.bottom - 1), GetSysColor(COLOR_WINDOW)) << row;
  }
}

TEST_F(ShortListTest, ARecordRowsTextStartsAtTheCellsCornerWithoutTheInset) {
  // The same text on a row without a record, drawn the standard way.
  Grid().SetCell(2, 5, Grid().Cell(2, 1));
  ShowPublications();
  SetFocus(Named("PgCtrl_disk"));
  const ClientPixels px(Grid().hwnd());
  const POINT withRecord = FirstInk(px, Grid().CellRect(2, 1), kLightRedRgb);
  const POINT standard = FirstInk(px, Grid().CellRect(2, 5), GetSysColor(COLOR_WINDOW));
  ASSERT_GE(withRecord.x, 0);
  EXPECT_EQ(standard.x - withRecord.x, 2);
  EXPECT_EQ(standard.y - withRecord.y, 2);
}

TEST_F(ShortListTest, ARowWithoutARecordStartsNothing) {
  ReaderRegistration key;
  key.SetString("\"" + Reader() + "\" \"%1\"");
  ShowPublications();
  ClickCell(2, 6);
  ClickButton("BBtn_ReadDoc");
  EXPECT_TRUE(recorder_.Runs().empty());
  EXPECT_TRUE(watcher_.seen().empty());
}

// A disc copied to a folder with a blank in its name, and a document named
// with one: the reader gets the document's path as one argument.
class BlankInPathTest : public PublicationsPageTest {
 protected:
  BlankInPathTest() { root_ = disc_ / "Demo Disc"; }
  std::optional<std::string> ListFile() override {
    return "eng#my paper.pdf#1.  A paper.\r\neng#paper01.pdf#2.  Another paper.\r\n";
  }
};

TEST_F(BlankInPathTest, TheReaderGetsTheDocumentsPathInDoubleQuotes) {
  const Text reader = Reader();
  ReaderRegistration key;
  key.SetString("\"" + reader + "\" \"%1\"");
  ShowPublications();
  ClickCell(2, 1);
  ClickButton("BBtn_ReadDoc");
  // The reader started may come to the front: the next click is the window's.
  RunMessages(5000, [&] { return recorder_.Runs().size() == 1; });
  testing::BringToFront(main().hwnd());
  ClickCell(2, 2);
  ASSERT_EQ(Grid().Row(), 2);
  ClickButton("BBtn_ReadDoc");
  RunMessages(5000, [&] { return recorder_.Runs().size() == 2; });
  const auto runs = recorder_.Runs();
  ASSERT_EQ(runs.size(), 2u);
  const Text document = disc_ / "Demo Disc\\Publication\\my paper.pdf";
  EXPECT_EQ(runs[0].commandLine, "\"" + reader + "\" \"" + document + "\"");
  EXPECT_EQ(testing::ArgumentsOf(runs[0].commandLine), (std::vector<Text>{reader, document}));
  // The disc's folder alone has a blank: quoted all the same.
  EXPECT_EQ(testing::ArgumentsOf(runs[1].commandLine),
            (std::vector<Text>{reader, disc_ / "Demo Disc\\Publication\\paper01.pdf"}));
  EXPECT_EQ(runs[1].workingDir, machine_ / "Reader");
  EXPECT_TRUE(watcher_.seen().empty());
}

// The Publication folder without the list file.
// An entry of 300 KB in one line, and one with a zero byte in it.
class DamagedEntryTest : public PublicationsPageTest {
 protected:
  static std::string LongEntry() {
    std::string text;
    for (int i = 0; text.size() < 300 * 1024; ++i) text += "Слово" + std::to_string(i) + " ";
    return text;
  }
  std::optional<std::string> ListFile() override {
    using namespace std::string_literals;
    return testing::Cp1251("rus#a.pdf#1.  " + LongEntry() + ".\r\n") +
           "eng#b.pdf#2.  Shown\0hidden.\r\n"s;
  }
};

TEST_F(DamagedEntryTest, A300KilobyteEntryShowsWholeAtOnce) {
  ShowPublications();
  const DWORD start = GetTickCount();
  ClickCell(2, 1);
  const DWORD took = GetTickCount() - start;
  // Every character, in order, in pieces broken after blanks.
  Text joined;
  const Text shown = WindowTextUtf8(Named("Mm_artikel"));
  for (std::size_t i = 0; i < shown.size(); ++i)
    if (shown.compare(i, 2, "\r\n") == 0)
      ++i;
    else
      joined += shown[i];
  EXPECT_EQ(joined, "1.  " + LongEntry());
  EXPECT_LT(took, 10000u);
}

TEST_F(DamagedEntryTest, AZeroByteEndsTheEntryButNotTheBox) {
  ShowPublications();
  ClickCell(2, 2);
  EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), "2.  Shown\r\n");
  EXPECT_EQ(Grid().Cell(2, 2), std::string("Shown\0hidden", 12));
}

class NoListTest : public PublicationsPageTest {
 protected:
  std::optional<std::string> ListFile() override { return std::nullopt; }
  void PrepareDisc() override { testing::MakeDirs(Disc("Publication")); }
};

TEST_F(NoListTest, TheErrorComesOnceAndTheWindowStaysOnTheDemoPage) {
  PumpMessages(300);
  ASSERT_EQ(watcher_.seen().size(), 1u);
  EXPECT_EQ(watcher_.seen()[0].className, "#32770");
  EXPECT_EQ(watcher_.seen()[0].caption, AppTitle());
  EXPECT_EQ(watcher_.seen()[0].text, "File not found.");
  EXPECT_EQ(main().CurrentPage(), MainForm::kDemo);
  // Only the header.
  EXPECT_EQ(Grid().Cell(2, 0), "Публикация");
  EXPECT_EQ(Grid().Cell(0, 1), "");

  // Coming back from a modal window reads nothing again, even once the list is there.
  WriteFileBytes(Disc("Publication\\vortan_lit.txt"), "eng#paper01.pdf#12. Sample.\r\n");
  testing::TimedSteps steps({[&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }});
  main().ShowNotice();
  PumpMessages(200);
  EXPECT_EQ(watcher_.seen().size(), 1u);
  EXPECT_EQ(Grid().Cell(0, 1), "");
  EXPECT_EQ(main().CurrentPage(), MainForm::kDemo);
}

class NoPublicationFolderTest : public NoListTest {
 protected:
  void PrepareDisc() override {}
};

TEST_F(NoPublicationFolderTest, TheErrorIsAnInvalidFilename) {
  PumpMessages(300);
  ASSERT_EQ(watcher_.seen().size(), 1u);
  EXPECT_EQ(watcher_.seen()[0].text, "Invalid filename.");
  EXPECT_EQ(main().CurrentPage(), MainForm::kDemo);
}

}  // namespace
}  // namespace demodisc
