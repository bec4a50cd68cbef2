// The notice window: shown by the four demo items without content, closed by
// its button, Enter, Space or the close box, never by Escape.
#include <gtest/gtest.h>

#include "base/wide_win.h"
#include "launcher/hint_texts.h"
#include "resource_ids.h"
#include "support/main_window_fixture.h"
#include "support/named_control.h"
#include "support/pixels.h"
#include "ui/MainDemo/main_form.h"
#include "ui/frmBlend/form_blenge.h"
#include "ui/look/gdi.h"
#include "ui/look/picture_resources.h"

namespace demodisc {
namespace {

using testing::MainWindowTest;
using testing::TimedSteps;

class NoticeTest : public MainWindowTest {
 protected:
  HWND Button() { return NoticeControl("BBtn_Exit"); }
  HWND NoticeControl(std::string_view name) { return testing::NamedControl(notice(), name); }
  // Points at a demo item, then clicks it (real mouse messages); the notice
  // window's own modal loop runs inside the click.
  void PointAtDemoItem(int button) {
    SendMessageW(Named("PgCtrl_disk"), TCM_SETCURSEL, MainForm::kDemo, 0);
    NMHDR n{Named("PgCtrl_disk"), 0, static_cast<UINT>(TCN_SELCHANGE)};
    SendMessageW(main().hwnd(), WM_NOTIFY, 0, reinterpret_cast<LPARAM>(&n));
    HWND group = Named("ButGrp_demo");
    const int y = button * 36 + 18;
    MoveMouse(group, 100, y);
  }
  void ClickDemoItem(int button) {
    HWND group = Named("ButGrp_demo");
    const int y = button * 36 + 18;
    PostMessageW(group, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(100, y));
    PostMessageW(group, WM_LBUTTONUP, 0, MAKELPARAM(100, y));
  }
  void SetUp() override {
    MainWindowTest::SetUp();
    for (const auto& f : HintFiles(hpDemo)) WriteHint(Text(f), "");
  }
};

// The worker picture is drawn by the window, unscaled at its place below the
// band, with the button face around it.
TEST_F(NoticeTest, TheWindowDrawsTheWorkerPictureBelowTheBand) {
  ASSERT_NE(notice().Named<Picture>("Img_Werker"), nullptr);
  const OwnedBitmap worker = LoadPicture(IDB_WORKER, UiScale(96), {.transparent = false});
  ASSERT_TRUE(worker);
  BITMAP info{};
  GetObjectW(worker.get(), sizeof info, &info);
  ASSERT_LE(info.bmWidth, 273);
  const HDC screen = GetDC(nullptr);
  const HDC dc = CreateCompatibleDC(screen);
  const HGDIOBJ old = SelectObject(dc, worker.get());
  const testing::ClientPixels px(notice().hwnd());
  int differing = 0;
  for (int y = 0; y < info.bmHeight && y < 270; ++y)
    for (int x = 0; x < info.bmWidth; ++x)
      if (px.At(x, 41 + y) != GetPixel(dc, x, y)) ++differing;
  SelectObject(dc, old);
  DeleteDC(dc);
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(differing, 0);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  if (info.bmWidth < 273) {
    EXPECT_TRUE(px.AllOf({info.bmWidth, 41, 273, 311}, face));
  }
  if (info.bmHeight < 270) {
    EXPECT_TRUE(px.AllOf({0, 41 + info.bmHeight, 273, 311}, face));
  }
}

TEST_F(NoticeTest, LayoutOfTheWindow) {
  RECT rc;
  GetClientRect(notice().hwnd(), &rc);
  EXPECT_EQ(rc.right, 273);
  EXPECT_EQ(rc.bottom, 352);
  EXPECT_EQ(WindowTextUtf8(notice().hwnd()), "Предупреждение !");
  const LONG style = GetWindowLongW(notice().hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_MINIMIZEBOX);
  EXPECT_TRUE(style & WS_MAXIMIZEBOX);
  EXPECT_FALSE(style & WS_THICKFRAME);
  EXPECT_EQ(BoundsInParent(NoticeControl("Pan_Up")), (Bounds{0, 0, 273, 41}));
  EXPECT_EQ(testing::NamedBounds(notice(), "Img_Werker"), (Bounds{0, 41, 273, 270}));
  // The picture is drawn by the window itself.
  EXPECT_EQ(NoticeControl("Img_Werker"), nullptr);
  ASSERT_NE(notice().Named<Picture>("Img_Werker"), nullptr);
  EXPECT_TRUE(notice().Named<Picture>("Img_Werker")->HasPicture());
  EXPECT_EQ(BoundsInParent(NoticeControl("Pan_Btn")), (Bounds{0, 311, 273, 41}));
  EXPECT_EQ(BoundsInParent(Button()), (Bounds{1, 1, 271, 39}));
  EXPECT_EQ(WindowTextUtf8(Button()), "Выйти в Демо");
  EXPECT_EQ(WindowTextUtf8(NoticeControl("Pan_Up")), "Пункт не доступен");
}

TEST_F(NoticeTest, EachNoticeItemShowsTheWindowAndEachWayOfClosingWorksButEscape) {
  HWND n = notice().hwnd();
  struct Seen {
    bool shownModal = false;
    bool mainDisabled = false;
    bool openAfterEscape = false;
  };
  std::vector<Seen> seen(4);
  int showing = 0;
  auto look = [&] {
    seen[showing].shownModal = IsWindowVisible(n) != FALSE;
    seen[showing].mainDisabled = !IsWindowEnabled(main().hwnd());
  };
  // Items 2..5: dismissed by the button, Enter, Space and the close box;
  // Escape before each.
  const std::vector<std::function<void()>> dismiss = {
      [&] { PostMessageW(Button(), BM_CLICK, 0, 0); },
      [&] {
        PostMessageW(Button(), WM_KEYDOWN, VK_RETURN, 0);
        PostMessageW(Button(), WM_KEYUP, VK_RETURN, 0);
      },
      [&] {
        PostMessageW(Button(), WM_KEYDOWN, VK_SPACE, 0);
        PostMessageW(Button(), WM_KEYUP, VK_SPACE, 0);
      },
      [&] { PostMessageW(n, WM_SYSCOMMAND, SC_CLOSE, 0); },
  };
  for (showing = 0; showing < 4; ++showing) {
    SCOPED_TRACE(showing);
    PointAtDemoItem(2 + showing);
    TimedSteps steps({look,
                      [&] {
                        PostMessageW(GetFocus(), WM_KEYDOWN, VK_ESCAPE, 0);
                        PostMessageW(GetFocus(), WM_KEYUP, VK_ESCAPE, 0);
                      },
                      [&] { seen[showing].openAfterEscape = IsWindowVisible(n) != FALSE; },
                      dismiss[static_cast<std::size_t>(showing)]});
    ClickDemoItem(2 + showing);
    testing::PumpMessages(4000, [&] { return steps.done() && !IsWindowVisible(n); });
    EXPECT_TRUE(seen[showing].shownModal);
    EXPECT_TRUE(seen[showing].mainDisabled);
    EXPECT_TRUE(seen[showing].openAfterEscape);
    EXPECT_FALSE(IsWindowVisible(n));
    EXPECT_TRUE(IsWindowEnabled(main().hwnd()));
  }
}

TEST_F(NoticeTest, FirstShowingIsCentredOverTheMainWindowThenItKeepsItsPlace) {
  HWND n = notice().hwnd();
  RECT m, first{}, second{};
  GetWindowRect(main().hwnd(), &m);
  {
    TimedSteps steps({[&] {
                        GetWindowRect(n, &first);
                        SetWindowPos(n, nullptr, 30, 40, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
                      },
                      [&] { EXPECT_EQ(SendMessageW(n, WM_CLOSE, 0, 0), 0); }});
    EXPECT_EQ(notice().ShowModal(), kModalCancel);
  }
  const int width = first.right - first.left;
  const int height = first.bottom - first.top;
  EXPECT_EQ(first.left, m.left + (m.right - m.left - width) / 2);
  EXPECT_EQ(first.top, m.top + (m.bottom - m.top - height) / 2);
  // The main window moves; the notice window stays where it was left.
  SetWindowPos(main().hwnd(), nullptr, 200, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  {
    TimedSteps steps(
        {[&] { GetWindowRect(n, &second); }, [&] { PostMessageW(Button(), BM_CLICK, 0, 0); }});
    EXPECT_EQ(notice().ShowModal(), kModalCancel);
  }
  EXPECT_EQ(second.left, 30);
  EXPECT_EQ(second.top, 40);
}

}  // namespace
}  // namespace demodisc
