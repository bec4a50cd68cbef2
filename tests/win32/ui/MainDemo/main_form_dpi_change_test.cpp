// The main and notice windows on a move to a monitor of another resolution:
// laid out again there, in the rectangle the system suggests, with what the
// user sees kept and nothing leaked.
#include <gtest/gtest.h>

#include <cstdint>
#include <iostream>
#include <string>
#include <vector>

#include "launcher/catalogue.h"
#include "launcher/hint_texts.h"
#include "support/dpi_change.h"
#include "support/main_window_fixture.h"
#include "support/named_control.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_layout_expectations.h"
#include "ui/controls/button_group.h"
#include "ui/controls/memo.h"
#include "ui/controls/picture_button.h"
#include "ui/controls/string_grid.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::PumpMessages;

constexpr SIZE kMainClient{MainForm::kClientWidth, MainForm::kClientHeight};
constexpr SIZE kNoticeClient{FormBlenge::kClientWidth, FormBlenge::kClientHeight};

class DpiChangeTest : public MainWindowTest {
 protected:
  // Thirty publications: more rows than the grid shows.
  void PrepareDisc() override {
    std::string list;
    for (int i = 1; i <= 30; ++i)
      list += "eng#paper" + std::to_string(i) + ".pdf#" + std::to_string(i) + ".  Paper " +
              std::to_string(i) + ".\r\n";
    testing::WriteFileBytes(Disc("Publication\\vortan_lit.txt"), list);
  }
  RECT ChangeMainTo(int dpi) {
    const RECT suggested = testing::SendDpiChange(main().hwnd(), dpi, kMainClient);
    PumpMessages(100);
    return suggested;
  }
  static RECT WindowRect(HWND window) {
    RECT r;
    GetWindowRect(window, &r);
    return r;
  }
};

void ExpectSameRect(const RECT& a, const RECT& b) {
  EXPECT_EQ(a.left, b.left);
  EXPECT_EQ(a.top, b.top);
  EXPECT_EQ(a.right, b.right);
  EXPECT_EQ(a.bottom, b.bottom);
}

TEST_F(DpiChangeTest, TheWindowIsLaidOutAtTheNewScaleInTheSuggestedRectangleAndBackAgain) {
  for (const int dpi : {144, 96, 192, 120, 96}) {
    SCOPED_TRACE(dpi);
    const RECT suggested = ChangeMainTo(dpi);
    const UiScale scale(dpi);
    EXPECT_EQ(main().Scale(), scale);
    ExpectSameRect(WindowRect(main().hwnd()), suggested);
    testing::ExpectMainLayout(main(), scale);
    testing::ExpectMainFonts(main(), scale);
    // The pictures are loaded again with the controls, for the new scale.
    testing::ExpectMainPictures(main(), scale);
  }
  RECT client;
  GetClientRect(main().hwnd(), &client);
  EXPECT_EQ(client.right, 656);
  EXPECT_EQ(client.bottom, 545);
}

// The window's client area as the screen shows it: what has been painted.
std::vector<std::uint32_t> OnScreen(HWND window) {
  RECT r;
  GetClientRect(window, &r);
  MapWindowPoints(window, nullptr, reinterpret_cast<POINT*>(&r), 2);
  const HDC screen = GetDC(nullptr);
  const HDC copy = CreateCompatibleDC(screen);
  BITMAPINFO info{};
  info.bmiHeader = {sizeof info.bmiHeader, r.right - r.left, -(r.bottom - r.top), 1, 32, BI_RGB};
  void* bits = nullptr;
  const HBITMAP bitmap = CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  const HGDIOBJ old = SelectObject(copy, bitmap);
  BitBlt(copy, 0, 0, r.right - r.left, r.bottom - r.top, screen, r.left, r.top, SRCCOPY);
  GdiFlush();
  const auto* first = static_cast<const std::uint32_t*>(bits);
  std::vector<std::uint32_t> pixels(first, first + (r.right - r.left) * (r.bottom - r.top));
  SelectObject(copy, old);
  DeleteObject(bitmap);
  DeleteDC(copy);
  ReleaseDC(nullptr, screen);
  return pixels;
}

// Every control made anew is painted on the screen, though placed while
// the window is shown: after a way there and back the window looks as before.
TEST_F(DpiChangeTest, AfterAChangeAndBackTheScreenShowsTheWindowPixelForPixelAsBefore) {
  PumpMessages(300);
  const std::vector<std::uint32_t> before = OnScreen(main().hwnd());
  ChangeMainTo(120);
  ChangeMainTo(96);
  PumpMessages(300);
  const std::vector<std::uint32_t> after = OnScreen(main().hwnd());
  ASSERT_EQ(after.size(), before.size());
  EXPECT_EQ(after.size(), std::size_t{656} * 545);
  std::size_t differ = 0;
  for (std::size_t i = 0; i < after.size(); ++i) differ += after[i] != before[i];
  EXPECT_EQ(differ, 0u);
}

// A keyboard user's place in a button group stays on the same item.
TEST_F(DpiChangeTest, TheKeyboardStaysOnTheSameItemOfAButtonGroup) {
  for (const auto& f : HintFiles(hpPresent)) WriteHint(Text(f), "");
  HWND group = Named("BGrp_present");
  SetFocus(group);
  for (WPARAM key : {VK_HOME, VK_DOWN, VK_DOWN, VK_DOWN}) SendMessageW(group, WM_KEYDOWN, key, 0);
  ASSERT_EQ(Control<ButtonGroup>("BGrp_present").FocusIndex(), 3);
  for (const int dpi : {144, 96}) {
    SCOPED_TRACE(dpi);
    ChangeMainTo(dpi);
    EXPECT_EQ(GetFocus(), Named("BGrp_present"));
    EXPECT_EQ(Control<ButtonGroup>("BGrp_present").FocusIndex(), 3);
    EXPECT_EQ(Control<ButtonGroup>("ButGrp_demo").FocusIndex(), -1);
  }
  SendMessageW(Named("BGrp_present"), WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(Control<ButtonGroup>("BGrp_present").FocusIndex(), 4);
}

TEST_F(DpiChangeTest, AtOneAndAHalfTimesTheClientAreaIs984By818) {
  ChangeMainTo(144);
  RECT client;
  GetClientRect(main().hwnd(), &client);
  EXPECT_EQ(client.right, 984);
  EXPECT_EQ(client.bottom, 818);
}

TEST_F(DpiChangeTest, ThePageTheFocusTheMemosAndTheGridsRowsAndSelectionStay) {
  // The grid: the 20th row selected by the keyboard, scrolled to it.
  StringGrid& grid = Grid();
  for (int i = 1; i < 20; ++i) SendMessageW(grid.hwnd(), WM_KEYDOWN, VK_DOWN, 0);
  ASSERT_EQ(grid.Row(), 20);
  ASSERT_GT(grid.TopRow(), 1);
  const StringGrid::Content rows = grid.GetContent();
  const Text entry = WindowTextUtf8(Named("Mm_artikel"));
  ASSERT_FALSE(entry.empty());
  // A description typed into a memo, scrolled, with the focus.
  ShowPage(MainForm::kDemo);
  Text typed;
  for (int line = 0; line < 30; ++line) typed += "строка " + std::to_string(line) + "\r\n";
  SetWindowTextUtf8(Named("Mm_Demo"), typed);
  SendMessageW(Named("Mm_Demo"), EM_LINESCROLL, 0, 5);
  SetFocus(Named("Mm_Demo"));
  ASSERT_EQ(SendMessageW(Named("Mm_Demo"), EM_GETFIRSTVISIBLELINE, 0, 0), 5);

  for (const int dpi : {144, 96}) {
    SCOPED_TRACE(dpi);
    ChangeMainTo(dpi);
    EXPECT_EQ(main().CurrentPage(), MainForm::kDemo);
    EXPECT_TRUE(IsWindowVisible(Named("Demo")));
    EXPECT_FALSE(IsWindowVisible(Named("Present")));
    EXPECT_EQ(GetFocus(), Named("Mm_Demo"));
    EXPECT_EQ(WindowTextUtf8(Named("Mm_Demo")), typed);
    EXPECT_EQ(SendMessageW(Named("Mm_Demo"), EM_GETFIRSTVISIBLELINE, 0, 0), 5);
    EXPECT_EQ(WindowTextUtf8(Named("Mm_artikel")), entry);
    EXPECT_EQ(WindowTextUtf8(Named("Mm_Hint")), "");
    StringGrid& remade = Grid();
    EXPECT_EQ(remade.Row(), 20);
    EXPECT_EQ(remade.Col(), rows.col);
    EXPECT_EQ(remade.TopRow(), rows.topRow);
    EXPECT_EQ(remade.GetContent().cells, rows.cells);
    EXPECT_EQ(remade.Cell(2, 30), rows.cells[30 * remade.ColCount() + 2]);
    // The column widths are the new scale's: the text column reaches the border.
    int widths = 0;
    for (int col = 0; col < remade.ColCount(); ++col) widths += remade.ColWidth(col);
    EXPECT_LE(widths, remade.OuterWidth());
    EXPECT_GT(widths, remade.OuterWidth() - UiScale(dpi).Px(40));
  }
}

TEST_F(DpiChangeTest, RepeatedChangesLeakNoGdiOrUserObjects) {
  const int atStart = testing::GdiObjectCount();
  ChangeMainTo(144);
  ChangeMainTo(96);
  const int gdi = testing::GdiObjectCount();
  const int windows = testing::ThreadWindowCount();
  const DWORD user = GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS);
  for (int round = 0; round < 2; ++round) {
    ChangeMainTo(144);
    ChangeMainTo(96);
  }
  EXPECT_EQ(testing::GdiObjectCount(), gdi);
  EXPECT_EQ(testing::ThreadWindowCount(), windows);
  EXPECT_EQ(GetGuiResources(GetCurrentProcess(), GR_USEROBJECTS), user);
  std::cout << "GDI objects at start: " << atStart << ", after the first 96-144-96: " << gdi
            << ", after two more: " << testing::GdiObjectCount()
            << "; windows of the thread: " << windows << ", " << testing::ThreadWindowCount()
            << "\n";
}

TEST_F(DpiChangeTest, TheNoticeWindowFollowsTheMainWindowAtItsNextShowing) {
  // Its controls made at 96 dpi, then the main window moves to 144.
  ASSERT_NE(notice().Named("BBtn_Exit"), nullptr);
  ChangeMainTo(144);
  bool checked = false;
  testing::TimedSteps steps({[&] {
                               testing::ExpectNoticeLayout(notice(), UiScale(144));
                               testing::ExpectNoticePictures(notice(), UiScale(144));
                               checked = true;
                             },
                             [&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }});
  main().ShowNotice();
  EXPECT_TRUE(checked);
  // Back in the main window, still at 144.
  PumpMessages(100);
  EXPECT_EQ(main().Scale(), UiScale(144));
  testing::ExpectMainLayout(main(), UiScale(144));
}

TEST_F(DpiChangeTest,
       TheNoticeWindowMovedToAnotherMonitorIsLaidOutThereAndTheMainWindowKeepsItsScale) {
  RECT suggested{};
  testing::TimedSteps steps({[&] {
                               suggested =
                                   testing::SendDpiChange(notice().hwnd(), 192, kNoticeClient);
                               testing::ExpectNoticeLayout(notice(), UiScale(192));
                               testing::ExpectNoticePictures(notice(), UiScale(192));
                             },
                             [&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }});
  main().ShowNotice();
  PumpMessages(100);
  ExpectSameRect(WindowRect(notice().hwnd()), suggested);
  // The main window, active again, draws at its own scale.
  EXPECT_EQ(main().Scale(), UiScale(96));
  testing::ExpectMainLayout(main(), UiScale(96));
}

// The change comes while a catalogue item's click is still running: the
// notice window it opened is up. The click returns through the group it
// came from, which has been made anew meanwhile.
TEST_F(DpiChangeTest, AChangeWhileAnItemsNoticeWindowIsUpLeavesTheClickToEndSafely) {
  for (const auto& f : HintFiles(hpDemo)) WriteHint(Text(f), "");
  ShowPage(MainForm::kDemo);
  HWND group = Named("ButGrp_demo");
  MoveMouse(group, 100, ButtonMiddle(2));
  Post(group, WM_LBUTTONDOWN, MK_LBUTTON, 100, ButtonMiddle(2));
  // The release opens the notice window, and its modal loop runs the steps.
  bool noticeUp = false;
  testing::TimedSteps steps({[&] {
                               noticeUp = notice().IsShown();
                               testing::SendDpiChange(main().hwnd(), 144, kMainClient);
                             },
                             [&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }});
  Post(group, WM_LBUTTONUP, 0, 100, ButtonMiddle(2));
  PumpMessages(4000, [&] { return steps.done() && !notice().IsShown(); });
  EXPECT_TRUE(noticeUp);
  EXPECT_FALSE(notice().IsShown());
  EXPECT_FALSE(IsWindow(group));
  EXPECT_EQ(main().CurrentPage(), MainForm::kDemo);
  testing::ExpectMainLayout(main(), UiScale(144));
  EXPECT_EQ(Control<ButtonGroup>("ButGrp_demo").Count(),
            static_cast<int>(CatalogueItems(Category::Demo).size()));
}

TEST_F(DpiChangeTest, AChangeWithoutARectangleOrResolutionKeepsTheCornerAndTakes96ForNone) {
  const RECT before = WindowRect(main().hwnd());
  SendMessageW(main().hwnd(), kDpiChangedMessage, MAKEWPARAM(144, 144), 0);
  PumpMessages(50);
  EXPECT_EQ(WindowRect(main().hwnd()).left, before.left);
  EXPECT_EQ(WindowRect(main().hwnd()).top, before.top);
  testing::ExpectMainLayout(main(), UiScale(144));
  SendMessageW(main().hwnd(), kDpiChangedMessage, 0, 0);
  PumpMessages(50);
  testing::ExpectMainLayout(main(), UiScale(96));
}

TEST_F(DpiChangeTest, TheVideoAndPhotoWindowsKeepTheirScaling) {
  for (Form* form :
       {static_cast<Form*>(&app_->photoForm()), static_cast<Form*>(&app_->videoForm())}) {
    RECT client;
    GetClientRect(form->hwnd(), &client);
    const RECT frame = WindowRect(form->hwnd());
    testing::SendDpiChange(form->hwnd(), 144, {client.right, client.bottom});
    PumpMessages(50);
    ExpectSameRect(WindowRect(form->hwnd()), frame);
    EXPECT_EQ(form->Scale(), UiScale(96));
  }
}

}  // namespace
}  // namespace demodisc
