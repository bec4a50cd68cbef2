// The main window keeps what it paints with: pointing across its buttons,
// repainting it and moving it, round after round, makes no memory DC or
// bitmap after the first round and leaves the process's GDI objects as they
// were; its picture buttons keep their theme data and follow theme changes.
#include <gtest/gtest.h>

#include <chrono>
#include <iostream>
#include <string>
#include <string_view>
#include <utility>

#include "launcher/hint_texts.h"
#include "support/gdi_making_counter.h"
#include "support/main_window_fixture.h"
#include "support/pixels.h"
#include "support/theme_stand_in.h"
#include "ui/MainDemo/main_form.h"
#include "ui/controls/button_group.h"
#include "ui/look/visual_styles.h"

namespace demodisc {
namespace {

using testing::ClientPixels;
using testing::GdiMakingCounter;
using testing::GdiObjectCount;
using testing::MainWindowTest;
using testing::PumpMessages;

// Each page with what is painted on it: its catalogue group, or none for the
// publications' page, where the grid is.
constexpr std::pair<int, std::string_view> kPages[] = {
    {MainForm::kPresent, "BGrp_present"},      {MainForm::kArtikel, ""},
    {MainForm::kDemo, "ButGrp_demo"},          {MainForm::kVideo, "ButGrp_Video"},
    {MainForm::kGebitBenutzt, "But_Grp_user"},
};
constexpr std::string_view kPictureButtons[] = {"BBtn_Close", "BBtn_InstallAcrobat", "BBtn_ReadDoc",
                                                "BBtn_PrintContact"};

class KeptGdiTest : public MainWindowTest {
 protected:
  // Every button has its description: pointing at one reads it.
  void PrepareDisc() override {
    MainWindowTest::PrepareDisc();
    for (const int page : {hpDemo, hpPresent, hpUser, hpVideo})
      for (const auto& file : HintFiles(page)) WriteHint(Text(file), "");
  }

  // A posted mouse message, handled with the paint it asks for.
  static void PostNow(HWND window, UINT msg, int x, int y) {
    PostMessageW(window, msg, 0, MAKELPARAM(x, y));
    PumpMessages(0);
  }
  // The pointer across every button of a group and off it again.
  void HoverAcross(std::string_view name) {
    HWND group = Named(name);
    for (int i = 0; i < Control<ButtonGroup>(name).Count(); ++i)
      PostNow(group, WM_MOUSEMOVE, 100, ButtonMiddle(i));
    PostNow(group, WM_MOUSELEAVE, 0, 0);
  }
  void HoverPictureButtons() {
    for (const std::string_view name : kPictureButtons) {
      HWND button = Named(name);
      if (!IsWindowVisible(button)) continue;
      PostNow(button, WM_MOUSEMOVE, 5, 5);
      PostNow(button, WM_MOUSELEAVE, 0, 0);
    }
  }
  void RepaintAll() {
    RedrawWindow(main().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
  }
  // One round on one page: shown, pointed across, repainted whole and moved
  // a little (back again on the next round).
  void Round(int round) {
    const auto& [page, group] = kPages[round % std::size(kPages)];
    ShowPage(page);
    if (!group.empty()) HoverAcross(group);
    HoverPictureButtons();
    RepaintAll();
    RECT frame;
    GetWindowRect(main().hwnd(), &frame);
    const int step = round % 2 ? -7 : 7;
    SetWindowPos(main().hwnd(), nullptr, frame.left + step, frame.top + step, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    PumpMessages(0);
  }
  // The picture buttons of the main window that are shown.
  int ShownPictureButtons() const {
    int shown = 0;
    for (const std::string_view name : kPictureButtons) shown += IsWindowVisible(Named(name));
    return shown;
  }
  // WM_THEMECHANGED as the system sends it: to every window.
  void BroadcastThemeChange() {
    SendMessageW(main().hwnd(), WM_THEMECHANGED, 0, 0);
    EnumChildWindows(main().hwnd(), SendThemeChange, 0);
  }
  static BOOL CALLBACK SendThemeChange(HWND child, LPARAM) {
    SendMessageW(child, WM_THEMECHANGED, 0, 0);
    return TRUE;
  }
};

// The same under a theme: the stand-in is made before the program.
class ThemedKeptGdiTest : public KeptGdiTest {
 protected:
  testing::ThemeStandIn theme_;
};

TEST_F(KeptGdiTest, ManyHoversRepaintsAndMovesMakeNoDcOrBitmapAfterTheFirstRound) {
  GdiMakingCounter made;
  ASSERT_TRUE(made.hooked());
  // The first rounds show each page once: each painted window makes its buffer.
  const int firstRound = static_cast<int>(std::size(kPages));
  for (int round = 0; round < firstRound; ++round) Round(round);
  const int firstDcs = made.dcs(), firstBitmaps = made.bitmaps();
  const int gdi = GdiObjectCount();
  const ClientPixels before(main().hwnd(), ClientPixels::From::Screen);
  made.Reset();

  const auto start = std::chrono::steady_clock::now();
  constexpr int kRounds = 200;
  for (int round = firstRound; round < firstRound + kRounds; ++round) Round(round);
  const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(
                      std::chrono::steady_clock::now() - start)
                      .count();
  const int dcs = made.dcs(), bitmaps = made.bitmaps(), gdiAfter = GdiObjectCount();
  EXPECT_EQ(dcs, 0);
  EXPECT_EQ(bitmaps, 0);
  EXPECT_EQ(gdiAfter, gdi);
  // The same page in the same place, nothing hot: the same pixels as after
  // the first pass.
  EXPECT_TRUE(ClientPixels(main().hwnd(), ClientPixels::From::Screen) == before);
  std::cout << "first pass over the pages: " << firstDcs << " memory DCs and " << firstBitmaps
            << " bitmaps made, " << gdi << " GDI objects; " << kRounds << " rounds more in " << ms
            << " ms: " << dcs << " memory DCs and " << bitmaps << " bitmaps made, " << gdiAfter
            << " GDI objects\n";
}

// A group repaints only the buttons that changed over its kept buffer: after
// the pointer and the keyboard moved across it, and after the pointer left,
// the screen shows what a whole new paint of the group shows.
TEST_F(KeptGdiTest, AGroupRepaintedButtonByButtonShowsWhatAWholePaintShows) {
  for (const auto& [page, name] : kPages) {
    if (name.empty()) continue;
    SCOPED_TRACE(std::string(name));
    ShowPage(page);
    const HWND group = Named(name);
    SetFocus(group);
    for (int i = 0; i < 3; ++i) SendMessageW(group, WM_KEYDOWN, VK_DOWN, 0);
    for (int i = Control<ButtonGroup>(name).Count() - 1; i >= 1; --i)
      PostNow(group, WM_MOUSEMOVE, 100, ButtonMiddle(i));
    PumpMessages(0);
    const ClientPixels hot(group, ClientPixels::From::Screen);
    EXPECT_TRUE(hot == ClientPixels(group, ClientPixels::From::Print));

    PostNow(group, WM_MOUSELEAVE, 0, 0);
    SendMessageW(group, WM_KEYDOWN, VK_HOME, 0);
    PumpMessages(0);
    const ClientPixels left(group, ClientPixels::From::Screen);
    EXPECT_FALSE(left == hot);  // the hot button and the focus were drawn again
    EXPECT_TRUE(left == ClientPixels(group, ClientPixels::From::Print));
  }
}

// Under a theme each picture button opens its theme data once, at its
// first drawing, draws with it until the theme changes, then closes it and
// opens it again at its next drawing; it closes it when it goes.
TEST_F(ThemedKeptGdiTest, EachPictureButtonOpensItsThemeOnceAndAgainAfterEachThemeChange) {
  if (!theme_.reached())
    GTEST_SKIP() << "the theme functions were looked up before this test; "
                    "ctest runs it in a process of its own";
  ASSERT_TRUE(VisualStylesActive());
  const int buttons = ShownPictureButtons();
  ASSERT_GE(buttons, 2);  // the close and installer buttons, on every page
  for (int round = 0; round < 20; ++round) {
    HoverPictureButtons();
    RepaintAll();
  }
  EXPECT_GE(theme_.drawn(), 20 * buttons);
  EXPECT_EQ(theme_.opened(), buttons);
  EXPECT_EQ(theme_.closed(), 0);

  BroadcastThemeChange();
  EXPECT_EQ(theme_.closed(), buttons);
  EXPECT_EQ(theme_.open(), 0);
  RepaintAll();
  EXPECT_EQ(theme_.opened(), 2 * buttons);
  // Drawn with the new data: the stand-in's face shows.
  HWND close = Named("BBtn_Close");
  EXPECT_EQ(ClientPixels(close, ClientPixels::From::Screen).At(2, 2),
            testing::ThemeStandIn::kThemedFace);

  const int gdi = GdiObjectCount();
  for (int change = 0; change < 20; ++change) {
    BroadcastThemeChange();
    RepaintAll();
  }
  EXPECT_EQ(theme_.opened(), 22 * buttons);
  EXPECT_EQ(theme_.open(), buttons);
  EXPECT_EQ(GdiObjectCount(), gdi);
  EXPECT_EQ(ClientPixels(close, ClientPixels::From::Screen).At(2, 2),
            testing::ThemeStandIn::kThemedFace);

  app_.reset();
  EXPECT_EQ(theme_.open(), 0);
  EXPECT_EQ(theme_.misused(), 0);
}

}  // namespace
}  // namespace demodisc
