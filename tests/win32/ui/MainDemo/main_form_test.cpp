// The main window's layout, fonts, keyboard order and closing, on the live
// window.
#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "support/main_window_fixture.h"
#include "support/named_control.h"
#include "ui/MainDemo/main_layout_expectations.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/label.h"
#include "ui/controls/page_control.h"
#include "ui/controls/panel.h"
#include "ui/form.h"
#include "ui/screen_scale_win.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::PumpMessages;
using testing::ScaledMainWindowTest;

// The same window at 100 %, 125 %, 150 % and 200 %: every size of the
// layout times the resolution over 96.
class MainWindowAtScale : public ScaledMainWindowTest {};
INSTANTIATE_TEST_SUITE_P(Dpi, MainWindowAtScale, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

TEST_P(MainWindowAtScale, EveryControlStandsWhereTheLayoutPutsIt) {
  testing::ExpectMainLayout(main(), Scale());
}

TEST_P(MainWindowAtScale, WindowHasADialogFrameIsCentredAndShowsTheCaption) {
  HWND h = main().hwnd();
  RECT rc;
  GetClientRect(h, &rc);
  // 656 x 545 times the scale: 984 x 818 at 144 dpi.
  EXPECT_NEAR(rc.right, 656 * GetParam() / 96.0, 1);
  EXPECT_NEAR(rc.bottom, 545 * GetParam() / 96.0, 1);
  if (GetParam() == 96) {
    EXPECT_EQ(rc.right, 656);
    EXPECT_EQ(rc.bottom, 545);
  }
  const LONG style = GetWindowLongW(h, GWL_STYLE);
  EXPECT_TRUE(style & WS_SYSMENU);
  EXPECT_FALSE(style & (WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME));
  EXPECT_TRUE(GetWindowLongW(h, GWL_EXSTYLE) & WS_EX_DLGMODALFRAME);
  RECT w;
  GetWindowRect(h, &w);
  EXPECT_EQ(w.left, CentredOrigin(0, GetSystemMetrics(SM_CXSCREEN), w.right - w.left));
  EXPECT_EQ(w.top, CentredOrigin(0, GetSystemMetrics(SM_CYSCREEN), w.bottom - w.top));
  EXPECT_EQ(WindowTextUtf8(h), "Демонстрационный диск \"Вортан-технологии\". 2008 г.");
}

TEST_P(MainWindowAtScale, TheNoticeWindowIsDrawnAtTheSameScale) {
  testing::ExpectNoticeLayout(notice(), Scale());
}

// Every picture is drawn for the resolution: its 96-dpi size times the scale,
// from the set made for it rather than stretched from the bitmap.
TEST_P(MainWindowAtScale, PicturesAreTheirSizesTimesTheScale) {
  testing::ExpectMainPictures(main(), Scale());
  testing::ExpectNoticePictures(notice(), Scale());
}

TEST_F(MainWindowTest, OpensOnThePresentationsWithTheFocusOnTheTabRow) {
  EXPECT_EQ(main().CurrentPage(), MainForm::kPresent);
  EXPECT_EQ(GetFocus(), Named("PgCtrl_disk"));
  EXPECT_TRUE(IsWindowVisible(Named("Present")));
  EXPECT_FALSE(IsWindowVisible(Named("Demo")));
  HWND tabs = Named("PgCtrl_disk");
  ASSERT_EQ(SendMessageW(tabs, TCM_GETITEMCOUNT, 0, 0), 5);
  const std::string_view captions[] = {"Презентации", "Публикации", "Демо-версии", "Видео",
                                       "Применения"};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(testing::TabCaption(tabs, i), Text(captions[i]));
  const LONG style = GetWindowLongW(tabs, GWL_STYLE);
  EXPECT_TRUE(style & TCS_BUTTONS);
  EXPECT_TRUE(style & TCS_FLATBUTTONS);
  EXPECT_FALSE(style & TCS_MULTILINE);
}

TEST_F(MainWindowTest, ReturningFromTheNoticeWindowKeepsThePageAndRunsNoActivation) {
  SendMessageW(Named("PgCtrl_disk"), TCM_SETCURSEL, MainForm::kVideo, 0);
  testing::TimedSteps steps({[&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); }});
  main().ShowNotice();
  PumpMessages(200);
  EXPECT_EQ(SendMessageW(Named("PgCtrl_disk"), TCM_GETCURSEL, 0, 0), MainForm::kVideo);
}

TEST_P(MainWindowAtScale, ControlsUseTheirFonts) { testing::ExpectMainFonts(main(), Scale()); }

TEST_F(MainWindowTest, TabGoesFromTheTabRowThroughThePageToThePanels) {
  HWND h = main().hwnd();
  std::vector<HWND> order;
  HWND at = Named("PgCtrl_disk");
  for (int i = 0; i < 7; ++i) {
    order.push_back(at);
    at = GetNextDlgTabItem(h, at, FALSE);
  }
  EXPECT_EQ(order, (std::vector<HWND>{Named("PgCtrl_disk"), Named("BGrp_present"), Named("Mm_Hint"),
                                      Named("BBtn_Close"), Named("BBtn_InstallAcrobat"),
                                      Named("BBtn_PrintContact"), Named("PgCtrl_disk")}));
}

TEST_F(MainWindowTest, DescriptionMemosStartEmptyAndAreEditableWithoutScrollBars) {
  for (const char* name : {"Mm_Hint", "Mm_Demo", "Mm_Video", "Mm_use"}) {
    SCOPED_TRACE(name);
    HWND memo = Named(name);
    EXPECT_EQ(GetWindowTextLengthW(memo), 0);
    EXPECT_EQ(SendMessageW(memo, EM_GETLINECOUNT, 0, 0), 1);
    const LONG style = GetWindowLongW(memo, GWL_STYLE);
    EXPECT_TRUE(style & ES_MULTILINE);
    EXPECT_FALSE(style & (ES_READONLY | WS_VSCROLL | WS_HSCROLL | ES_AUTOHSCROLL));
  }
}

TEST_F(MainWindowTest, PrintContactChangesNothing) {
  testing::DialogWatcher watcher;
  SendMessageW(Named("BBtn_PrintContact"), BM_CLICK, 0, 0);
  PumpMessages(200);
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_TRUE(main().IsShown());
  EXPECT_EQ(main().CurrentPage(), MainForm::kPresent);
}

// Each way of closing the window ends the program's message loop.
class ClosingTest : public MainWindowTest, public ::testing::WithParamInterface<int> {};

TEST_P(ClosingTest, EndsTheProgram) {
  HWND h = main().hwnd();
  switch (GetParam()) {
    case 0:
      PostMessageW(Named("BBtn_Close"), BM_CLICK, 0, 0);
      break;
    case 1:
      PostMessageW(h, WM_SYSCOMMAND, SC_CLOSE, 0);  // the close box and the system menu
      break;
    case 2:
      SetFocus(Named("PgCtrl_disk"));
      PostMessageW(h, WM_SYSKEYDOWN, VK_F4, 1 << 29);  // Alt+F4
      break;
  }
  // Should the close fail, the guard ends the loop with 99.
  EXPECT_EQ(testing::RunLoopAtMost(5000, [&] { return app_->Run(); }), 0);
  EXPECT_FALSE(main().IsShown());
}

INSTANTIATE_TEST_SUITE_P(CloseButtonCloseBoxAltF4, ClosingTest, ::testing::Values(0, 1, 2));

}  // namespace
}  // namespace demodisc
