// The main window's layout, fonts, keyboard order and closing, on the live
// window.
#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "support/main_window_fixture.h"
#include "support/named_control.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/label.h"
#include "ui/controls/page_control.h"
#include "ui/controls/panel.h"
#include "ui/controls/picture.h"
#include "ui/controls/picture_button.h"
#include "ui/form.h"
#include "ui/screen_scale_win.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::PumpMessages;
using testing::ScaledMainWindowTest;

// The same window at 100 %, 125 %, 150 % and 200 %: every size of the
// layout times the resolution over 96. At 96 dpi every place is exact;
// elsewhere each edge may be a pixel off by its rounding, and more by the
// bevels of the panels around it, which keep their one pixel: each moves the
// far edges of what it holds by up to the pixels a scaled bevel would have
// had more.
class MainWindowAtScale : public ScaledMainWindowTest {
 protected:
  int Slack(int bevels = 0) const {
    return GetParam() == 96 ? 0 : 1 + bevels * (Scale().Px(1) - 1);
  }
  void ExpectNear(const Bounds& placed, const Bounds& expected, int bevels = 0) const {
    const int slack = Slack(bevels);
    EXPECT_NEAR(placed.x, expected.x, slack) << "left";
    EXPECT_NEAR(placed.y, expected.y, slack) << "top";
    EXPECT_NEAR(placed.x + placed.width, expected.x + expected.width, slack) << "right";
    EXPECT_NEAR(placed.y + placed.height, expected.y + expected.height, slack) << "bottom";
  }
  // The panels with a bevel that hold a control of the main window.
  int BevelsAround(std::string_view name) {
    const GraphicElement* element = main().NamedElement(name);
    HWND holder = element ? element->parent() : GetParent(Named(name));
    int bevels = 0;
    for (; holder && holder != main().hwnd(); holder = GetParent(holder)) {
      const auto* panel = dynamic_cast<const Panel*>(Window::FromHwnd(holder));
      if (panel && panel->Inset() > 0) ++bevels;
    }
    return bevels;
  }
};
INSTANTIATE_TEST_SUITE_P(Dpi, MainWindowAtScale, ::testing::ValuesIn(testing::kTestedDpis),
                         testing::DpiName);

struct Place {
  const char* name;
  Bounds bounds;  // relative to the parent's client area
};

const Place kLayout[] = {
    {"Pan_About", {0, 430, 656, 115}},
    {"Pan_Ctrl", {554, 0, 102, 430}},
    {"PgCtrl_disk", {0, 0, 554, 430}},
    {"BGrp_present", {3, 3, 540, 298}},
    {"Mm_Hint", {0, 304, 546, 94}},
    {"StrGrd_Bibl", {3, 3, 540, 298}},
    {"Pan_Publ", {0, 304, 546, 94}},
    {"Mm_artikel", {4, 4, 494, 86}},
    {"BBtn_ReadDoc", {501, 1, 44, 92}},
    {"Lab_AttentDemo", {0, 0, 546, 45}},
    {"ButGrp_demo", {3, 48, 540, 237}},
    {"Mm_Demo", {0, 288, 546, 110}},
    {"ButGrp_Video", {0, 0, 546, 288}},
    {"Mm_Video", {0, 288, 546, 110}},
    {"But_Grp_user", {0, 0, 546, 280}},
    {"Mm_use", {0, 280, 546, 118}},
    {"BBtn_Close", {6, 6, 90, 40}},
    {"Lab_HInstall", {1, 287, 100, 65}},
    {"BBtn_InstallAcrobat", {4, 355, 94, 71}},
    {"Pan_Slogan10", {1, 92, 654, 22}},
    {"Pan_AboutAdress", {4, 4, 213, 85}},
    {"Pan_AboutInter", {223, 4, 122, 85}},
    {"Pan_AboutPhone", {351, 4, 122, 85}},
    {"Pan_AboutPers", {479, 4, 173, 85}},
    {"Lab_HMaker", {1, 1, 211, 14}},
    {"Image1", {7, 29, 36, 36}},
    {"Lab_adress", {45, 35, 121, 28}},
    {"Lab_koresp", {1, 71, 211, 13}},
    {"Lab_HInter", {1, 1, 120, 14}},
    {"Lab_www", {1, 15, 120, 14}},
    {"Lab_HEmails", {1, 29, 120, 14}},
    {"Lab_email_1", {1, 43, 120, 14}},
    {"Lab_email_2", {1, 57, 120, 14}},
    {"Lab_email_3", {1, 71, 120, 14}},
    {"Lab_HTel", {1, 1, 120, 14}},
    {"Lab_tel_1", {1, 15, 120, 14}},
    {"Lab_tel_2", {1, 29, 120, 14}},
    {"Lab_HPers", {1, 1, 171, 14}},
    {"Lab_Director", {1, 15, 171, 14}},
    {"Lab_hendy", {1, 29, 171, 14}},
    {"BBtn_PrintContact", {4, 45, 165, 36}},
};

TEST_P(MainWindowAtScale, EveryControlStandsWhereTheLayoutPutsIt) {
  for (const Place& p : kLayout) {
    SCOPED_TRACE(p.name);
    const std::optional<Bounds> placed = testing::NamedBounds(main(), p.name);
    ASSERT_TRUE(placed.has_value());
    // A label whose text needs more lines in the fonts at hand than the
    // layout gives grows to them: a bottom-aligned one upward.
    Bounds expected = Scale().Px(p.bounds);
    const Label* label = main().Named<Label>(p.name);
    const int needed = label ? label->NeededHeight(expected.width) : 0;
    if (needed > expected.height) {
      const std::string_view name = p.name;
      if (name == "Lab_HInstall" || name == "Lab_koresp") expected.y -= needed - expected.height;
      expected.height = needed;
    }
    ExpectNear(*placed, expected, BevelsAround(p.name));
  }
  // Each page's client area is 546 x 398, below the tab row.
  for (const char* page : {"Present", "Artikel", "Demo", "Video", "Gebit_Benutzt"}) {
    SCOPED_TRACE(page);
    ExpectNear(BoundsInParent(Named(page)), Scale().Px(Bounds{4, 430 - 4 - 398, 546, 398}));
  }
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
  RECT rc;
  GetClientRect(notice().hwnd(), &rc);
  EXPECT_EQ(rc.right, Scale().Px(273));
  EXPECT_EQ(rc.bottom, Scale().Px(352));
  const Place places[] = {{"Pan_Up", {0, 0, 273, 41}},
                          {"Img_Werker", {0, 41, 273, 270}},
                          {"Pan_Btn", {0, 311, 273, 41}},
                          {"BBtn_Exit", {1, 1, 271, 39}}};
  for (const Place& p : places) {
    SCOPED_TRACE(p.name);
    const std::optional<Bounds> placed = testing::NamedBounds(notice(), p.name);
    ASSERT_TRUE(placed.has_value());
    ExpectNear(*placed, Scale().Px(p.bounds));
  }
}

// Every picture is drawn for the resolution: its 96-dpi size times the scale,
// from the set made for it rather than stretched from the bitmap.
TEST_P(MainWindowAtScale, PicturesAreTheirSizesTimesTheScale) {
  const ButtonGroup* group = main().Named<ButtonGroup>("BGrp_present");
  ASSERT_NE(group, nullptr);
  ASSERT_NE(group->images(), nullptr);
  EXPECT_EQ(group->images()->width(), Scale().Px(32));
  EXPECT_EQ(group->images()->height(), Scale().Px(32));
  EXPECT_EQ(ImageList_GetImageCount(group->images()->handle()), 26);

  struct Sized {
    const Form& form;
    const char* name;
    SIZE size;  // at 96 dpi
  };
  const Sized pictures[] = {{main(), "BBtn_ReadDoc", {32, 32}},
                            {main(), "BBtn_Close", {22, 22}},
                            {main(), "BBtn_InstallAcrobat", {48, 48}},
                            {main(), "BBtn_PrintContact", {32, 32}},
                            {main(), "Image1", {32, 32}},
                            {notice(), "BBtn_Exit", {32, 32}},
                            {notice(), "Img_Werker", {269, 270}}};
  for (const Sized& p : pictures) {
    SCOPED_TRACE(p.name);
    SIZE drawn{0, 0};
    if (const auto* button = p.form.Named<PictureButton>(p.name)) drawn = button->PictureSize();
    if (const auto* picture = p.form.Named<Picture>(p.name)) drawn = picture->PictureSize();
    EXPECT_EQ(drawn.cx, Scale().Px(p.size.cx));
    EXPECT_EQ(drawn.cy, Scale().Px(p.size.cy));
  }
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
  for (int i = 0; i < 5; ++i) {
    wchar_t buf[64] = {};
    TCITEMW item{};
    item.mask = TCIF_TEXT;
    item.pszText = buf;
    item.cchTextMax = 64;
    SendMessageW(tabs, TCM_GETITEMW, i, reinterpret_cast<LPARAM>(&item));
    EXPECT_EQ(FromWide(buf), Text(captions[i]));
  }
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

LOGFONTW FontOf(HFONT font) {
  LOGFONTW lf{};
  GetObjectW(font, sizeof lf, &lf);
  return lf;
}

struct FontRow {
  const char* name;
  const wchar_t* face;
  int height;
  bool bold;
  bool italic;
  BYTE charset;
};

TEST_P(MainWindowAtScale, ControlsUseTheirFonts) {
  const FontRow rows[] = {
      {"PgCtrl_disk", L"Arial", 11, true, false, RUSSIAN_CHARSET},
      {"Mm_Hint", L"Arial", 11, false, true, RUSSIAN_CHARSET},
      {"Mm_use", L"Arial", 11, false, true, RUSSIAN_CHARSET},
      {"Mm_artikel", L"Arial", 11, false, true, RUSSIAN_CHARSET},
      {"StrGrd_Bibl", L"Arial", 11, false, false, RUSSIAN_CHARSET},
      {"Lab_AttentDemo", L"Arial", 12, true, true, RUSSIAN_CHARSET},
      {"BBtn_Close", L"Arial", 11, true, false, RUSSIAN_CHARSET},
      {"BBtn_PrintContact", L"Arial", 12, true, false, RUSSIAN_CHARSET},
      {"Lab_HInstall", L"MS Sans Serif", 11, false, false, DEFAULT_CHARSET},
      {"Lab_koresp", L"MS Sans Serif", 11, false, false, DEFAULT_CHARSET},
      {"Lab_www", L"Arial", 11, true, false, RUSSIAN_CHARSET},
      {"Lab_email_1", L"Arial", 11, false, false, RUSSIAN_CHARSET},
  };
  for (const FontRow& r : rows) {
    SCOPED_TRACE(r.name);
    const LOGFONTW lf = FontOf(testing::NamedFont(main(), r.name));
    EXPECT_STREQ(lf.lfFaceName, r.face);
    EXPECT_EQ(lf.lfHeight, -Scale().FontPx(r.height));
    EXPECT_EQ(lf.lfWeight >= FW_BOLD, r.bold);
    EXPECT_EQ(lf.lfItalic != 0, r.italic);
    EXPECT_EQ(lf.lfCharSet, r.charset);
  }
}

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
