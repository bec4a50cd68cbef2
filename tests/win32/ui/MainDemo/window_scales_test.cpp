// Each top-level window at its own monitor's scale: two windows at two
// resolutions at once, a window shown again where it was, rectangles that
// the system suggests a few pixels off, and monitors at negative
// coordinates. Wine's desktop is one monitor: the tests send WM_DPICHANGED
// as the system sends it and stand in for the monitors' answer.
#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "support/dpi_change.h"
#include "support/main_window_fixture.h"
#include "support/pixels.h"
#include "ui/MainDemo/main_form.h"
#include "ui/MainDemo/main_layout_expectations.h"
#include "ui/message_dialogs_win.h"
#include "ui/monitors_win.h"

namespace demodisc {
namespace {

using testing::ClientPixels;
using testing::MainWindowTest;
using testing::PumpMessages;
using testing::TimedSteps;

constexpr SIZE kMainClient{MainForm::kClientWidth, MainForm::kClientHeight};
constexpr SIZE kNoticeClient{FormBlenge::kClientWidth, FormBlenge::kClientHeight};

RECT WindowRect(HWND window) {
  RECT r;
  GetWindowRect(window, &r);
  return r;
}

int PixelsThatDiffer(const ClientPixels& a, const ClientPixels& b) {
  if (a.width() != b.width() || a.height() != b.height()) return a.width() * a.height();
  int differ = 0;
  for (int y = 0; y < a.height(); ++y)
    for (int x = 0; x < a.width(); ++x) differ += a.At(x, y) != b.At(x, y);
  return differ;
}

class WindowScalesTest : public MainWindowTest {
 protected:
  void TearDown() override {
    StandInForMonitors({});
    MainWindowTest::TearDown();
  }
  // Shows the notice window and runs the steps inside its modal loop; the
  // last step closes it.
  void WithNoticeShown(std::vector<std::function<void()>> steps) {
    steps.push_back([&] { PostMessageW(notice().hwnd(), WM_CLOSE, 0, 0); });
    TimedSteps timed(std::move(steps));
    main().ShowNotice();
    PumpMessages(100);
    EXPECT_TRUE(timed.done());
  }
};

TEST_F(WindowScalesTest, TwoWindowsAtTwoResolutionsPaintEachAtItsOwn) {
  HWND group = Named("BGrp_present");
  const ClientPixels before(group);
  std::optional<ClientPixels> whileNoticeAt192;
  WithNoticeShown({[&] { testing::SendDpiChange(notice().hwnd(), 192, kNoticeClient); },
                   [&] {
                     testing::ExpectNoticeLayout(notice(), UiScale(192));
                     RedrawWindow(group, nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
                     whileNoticeAt192.emplace(group);
                   }});
  ASSERT_TRUE(whileNoticeAt192.has_value());
  EXPECT_EQ(PixelsThatDiffer(before, *whileNoticeAt192), 0);
  EXPECT_EQ(main().Scale(), UiScale(96));
  EXPECT_EQ(notice().Scale(), UiScale(192));
  EXPECT_EQ(Control<ButtonGroup>("BGrp_present").Scale(), UiScale(96));
}

TEST_F(WindowScalesTest, TheNoticeWindowShownAgainWhereItWasKeepsItsMonitorsScale) {
  WithNoticeShown({[&] { testing::SendDpiChange(notice().hwnd(), 192, kNoticeClient); }});
  const RECT where = WindowRect(notice().hwnd());
  WithNoticeShown({[&] {
    testing::ExpectNoticeLayout(notice(), UiScale(192));
    testing::ExpectNoticePictures(notice(), UiScale(192));
    const RECT again = WindowRect(notice().hwnd());
    EXPECT_EQ(again.left, where.left);
    EXPECT_EQ(again.top, where.top);
  }});
  RECT client;
  GetClientRect(notice().hwnd(), &client);
  EXPECT_EQ(client.right, 546);
  EXPECT_EQ(client.bottom, 704);
}

// The rectangle the system suggests fits the frame it draws, not the exact
// client size: the layout follows the client area the window really got.
TEST_F(WindowScalesTest, ASuggestedRectangleAFewPixelsOffIsFilledPagesAndTabRowIncluded) {
  for (const int dpi : {144, 120, 192, 96}) {
    for (const int off : {3, -4, 4, -1}) {
      SCOPED_TRACE("dpi " + std::to_string(dpi) + ", off " + std::to_string(off));
      const UiScale scale(dpi);
      RECT suggested = testing::DpiChangeRect(main().hwnd(), dpi, kMainClient);
      suggested.right += off;
      suggested.bottom += off;
      testing::SendDpiChangeTo(main().hwnd(), dpi, suggested);
      PumpMessages(50);
      RECT client;
      GetClientRect(main().hwnd(), &client);
      EXPECT_EQ(client.right, scale.Px(kMainClient.cx) + off);
      EXPECT_EQ(client.bottom, scale.Px(kMainClient.cy) + off);

      const Bounds tabs = BoundsInParent(Named("PgCtrl_disk"));
      EXPECT_EQ(tabs.x + tabs.width, BoundsInParent(Named("Pan_Ctrl")).x);
      EXPECT_EQ(tabs.y + tabs.height, BoundsInParent(Named("Pan_About")).y);
      const Bounds about = BoundsInParent(Named("Pan_About"));
      EXPECT_EQ(about.y + about.height, client.bottom);
      EXPECT_EQ(BoundsInParent(Named("Pan_Ctrl")).x + BoundsInParent(Named("Pan_Ctrl")).width,
                client.right);
      RECT row{};
      ASSERT_NE(GetWindowRgnBox(Named("PgCtrl_disk"), &row), ERROR);
      EXPECT_EQ(row.right, tabs.width);
      EXPECT_EQ(row.bottom, scale.Px(PageControl::kTabRowHeight));
      const int side = scale.Px(PageControl::kSideMargin);
      for (const char* name : {"Present", "Artikel", "Demo", "Video", "Gebit_Benutzt"}) {
        SCOPED_TRACE(name);
        const Bounds page = BoundsInParent(Named(name));
        EXPECT_EQ(page.x, tabs.x + side);
        EXPECT_EQ(page.y, tabs.y + row.bottom);
        EXPECT_EQ(page.x + page.width, tabs.x + tabs.width - side);
        EXPECT_EQ(page.y + page.height, tabs.y + tabs.height - side);
      }
    }
  }
}

TEST_F(WindowScalesTest, AskedForItsSizeAtAResolutionTheWindowAnswersTheExactFrame) {
  const auto style = static_cast<DWORD>(GetWindowLongW(main().hwnd(), GWL_STYLE));
  const auto exStyle = static_cast<DWORD>(GetWindowLongW(main().hwnd(), GWL_EXSTYLE));
  for (const int dpi : {120, 144, 192, 96}) {
    SCOPED_TRACE(dpi);
    const RECT now = WindowRect(main().hwnd());
    SIZE size{now.right - now.left, now.bottom - now.top};
    EXPECT_TRUE(SendMessageW(main().hwnd(), kGetDpiScaledSizeMessage, MAKEWPARAM(dpi, dpi),
                             reinterpret_cast<LPARAM>(&size)));
    const SIZE frame = FrameSizeForDpi(style, exStyle, 0, 0, dpi);
    EXPECT_EQ(size.cx - frame.cx, UiScale(dpi).Px(kMainClient.cx));
    EXPECT_EQ(size.cy - frame.cy, UiScale(dpi).Px(kMainClient.cy));
  }
  // The video window keeps its scaling: it leaves the size to the system.
  SIZE video{100, 100};
  EXPECT_FALSE(SendMessageW(app_->videoForm().hwnd(), kGetDpiScaledSizeMessage,
                            MAKEWPARAM(144, 144), reinterpret_cast<LPARAM>(&video)));
}

// A monitor left of the primary one, at negative coordinates.
constexpr RECT kLeftWhole{-1280, 0, 0, 1024};
constexpr RECT kLeftWork{-1280, 0, 0, 984};
MonitorAreas TwoMonitors(const RECT& area) {
  if (area.left + area.right < 0) return {kLeftWhole, kLeftWork};
  return {{0, 0, 1024, 768}, {0, 0, 1024, 768}};
}

TEST_F(WindowScalesTest, AWindowPlacedOverAnotherGoesOnThatWindowsMonitorInsideItsWorkArea) {
  StandInForMonitors(TwoMonitors);
  for (const POINT mainAt : {POINT{-1000, 200}, POINT{-1250, 600}}) {
    SCOPED_TRACE(mainAt.y);
    app_.reset();
    StartProgram();
    SetWindowPos(main().hwnd(), nullptr, mainAt.x, mainAt.y, 0, 0,
                 SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    const RECT host = WindowRect(main().hwnd());
    ASSERT_EQ(host.left, mainAt.x) << "the desktop took no window at negative coordinates";
    RECT placed{};
    WithNoticeShown({[&] { placed = WindowRect(notice().hwnd()); }});
    const int width = placed.right - placed.left, height = placed.bottom - placed.top;
    EXPECT_EQ(placed.left, host.left + (host.right - host.left - width) / 2);
    const int centred = host.top + (host.bottom - host.top - height) / 2;
    EXPECT_EQ(placed.top,
              centred + height > kLeftWork.bottom ? kLeftWork.bottom - height : centred);
    EXPECT_GE(placed.left, kLeftWork.left);
    EXPECT_LE(placed.right, kLeftWork.right);
    EXPECT_LE(placed.bottom, kLeftWork.bottom);
  }
}

TEST_F(WindowScalesTest, AMessageWindowIsCentredOnItsOwnersMonitor) {
  StandInForMonitors(TwoMonitors);
  SetWindowPos(main().hwnd(), nullptr, -1100, 100, 0, 0, SWP_NOSIZE | SWP_NOZORDER);
  SetActiveWindow(main().hwnd());
  PumpMessages(50);
  RECT message{};
  TimedSteps steps({[&] {
    const HWND shown = GetActiveWindow();
    if (shown == main().hwnd()) return;
    message = WindowRect(shown);
    PostMessageW(shown, WM_COMMAND, IDOK, 0);
  }});
  ShowPlainMessage("Диск вставлен в другой дисковод.");
  const int width = message.right - message.left, height = message.bottom - message.top;
  ASSERT_GT(width, 0);
  EXPECT_EQ(message.left, kLeftWhole.left + (1280 - width) / 2);
  EXPECT_EQ(message.top, (1024 - height) / 2);
}

}  // namespace
}  // namespace demodisc
