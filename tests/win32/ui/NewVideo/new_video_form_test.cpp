// The video window on a temporary disc: its layout, the clip playing through
// MCI, its tool buttons clicked with the mouse, its timer driven by WM_TIMER,
// its two error messages, and its destruction.
#include <gtest/gtest.h>

#include "base/files_win.h"
#include "support/clip_disc.h"
#include "support/current_directory.h"
#include "support/named_control.h"
#include "support/show_modal_until.h"
#include "ui/NewVideo/new_video_form.h"
#include "ui/screen_scale_win.h"

namespace demodisc {
namespace {

using testing::ClipDisc;
using testing::CurrentDirectoryScope;
using testing::DialogWatcher;
using testing::PumpMessages;

constexpr WPARAM kTimer1 = 1;

class VideoWindowTest : public ::testing::Test {
 protected:
  explicit VideoWindowTest(bool withClip = true) : disc(withClip), cwd(disc.dir.path()) {
    form.CreateWindowed(nullptr);
  }
  ~VideoWindowTest() override {
    if (form.IsShown()) form.Close();
  }

  // Shows the window and waits for its opening sequence.
  void ShowAndOpen() {
    form.Show();
    PumpMessages(3000, [&] { return Time() != "PanTime" || !watcher.seen().empty(); });
  }
  // A control of the window by its name.
  HWND Control(std::string_view name) const { return testing::NamedControl(form, name); }
  Text Time() const { return WindowTextUtf8(Control("PanTime")); }
  bool Down(int id) const {
    return SendMessageW(Control("ToolBar1"), TB_ISBUTTONCHECKED, id, 0) != 0;
  }
  // A real click on a tool button: press and release at its centre.
  void Click(int id) {
    RECT r{};
    const auto index = SendMessageW(Control("ToolBar1"), TB_COMMANDTOINDEX, id, 0);
    SendMessageW(Control("ToolBar1"), TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const LPARAM at = MAKELPARAM((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    SendMessageW(Control("ToolBar1"), WM_LBUTTONDOWN, MK_LBUTTON, at);
    SendMessageW(Control("ToolBar1"), WM_LBUTTONUP, 0, at);
    PumpMessages(50);
  }
  void Tick() { SendMessageW(form.hwnd(), WM_TIMER, kTimer1, 0); }
  std::uint32_t Mode() { return form.MediaPlayer1().Mode(); }
  // The window timer is on: killing it succeeds (and leaves it off).
  bool TimerWasOn() { return KillTimer(form.hwnd(), kTimer1) != FALSE; }

  ClipDisc disc;
  CurrentDirectoryScope cwd;
  DialogWatcher watcher;
  Whole<NewVideoForm> form;
};

TEST_F(VideoWindowTest, LayoutAt96Dpi) {
  ASSERT_EQ(ScreenDpi(), 96);
  RECT client, panel, bar, time;
  GetClientRect(form.hwnd(), &client);
  EXPECT_EQ(client.right, 348);
  EXPECT_EQ(client.bottom, 352);
  EXPECT_EQ(WindowTextUtf8(form.hwnd()), "Видео-ролик");
  EXPECT_TRUE(GetWindowLongW(form.hwnd(), GWL_STYLE) & WS_THICKFRAME);
  GetWindowRect(Control("Panel1"), &panel);
  EXPECT_EQ(panel.right - panel.left, 348);
  EXPECT_EQ(panel.bottom - panel.top, 325);
  GetWindowRect(Control("ToolBar1"), &bar);
  MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, 352 - 2);
  EXPECT_EQ(bar.top, 325 + 2);
  const int lefts[] = {0, 23, 46};
  for (int i = 0; i < 3; ++i) {
    RECT r{};
    SendMessageW(Control("ToolBar1"), TB_GETITEMRECT, i, reinterpret_cast<LPARAM>(&r));
    EXPECT_EQ(r.left, lefts[i]) << i;
    EXPECT_EQ(r.right - r.left, 23) << i;
  }
  GetWindowRect(Control("PanTime"), &time);
  MapWindowPoints(nullptr, Control("ToolBar1"), reinterpret_cast<POINT*>(&time), 2);
  EXPECT_EQ(time.left, 69);
  EXPECT_EQ(time.right - time.left, 108);
  EXPECT_EQ(time.bottom - time.top, 22);
  EXPECT_EQ(Time(), "PanTime");
  EXPECT_FALSE(Down(NewVideoForm::kIdPlay) || Down(NewVideoForm::kIdPause) ||
               Down(NewVideoForm::kIdStop));
  EXPECT_EQ(form.RootDir(), disc.root());

  // Sized larger, the panel takes the growth and the toolbar stays at the bottom.
  RECT outer;
  GetWindowRect(form.hwnd(), &outer);
  SetWindowPos(form.hwnd(), nullptr, 0, 0, outer.right - outer.left + 100,
               outer.bottom - outer.top + 50, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
  GetWindowRect(Control("Panel1"), &panel);
  EXPECT_EQ(panel.right - panel.left, 448);
  EXPECT_EQ(panel.bottom - panel.top, 375);
  GetWindowRect(Control("ToolBar1"), &bar);
  MapWindowPoints(nullptr, form.hwnd(), reinterpret_cast<POINT*>(&bar), 2);
  EXPECT_EQ(bar.bottom, 402 - 2);
  EXPECT_EQ(bar.right - bar.left, 448);
}

TEST_F(VideoWindowTest, ShowingPlaysTheClipInThePanelWithItsLength) {
  ShowAndOpen();
  EXPECT_TRUE(watcher.seen().empty());
  EXPECT_EQ(Time(), "0:00 / 0:03");
  EXPECT_TRUE(Down(NewVideoForm::kIdPlay));
  EXPECT_TRUE(form.MediaPlayer1().IsOpen());
  EXPECT_EQ(form.MediaPlayer1().FileName(), disc.clip());
  EXPECT_EQ(form.MediaPlayer1().Length(), testing::kClipFrames);
  EXPECT_EQ(Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  PumpMessages(2000, [&] { return form.MediaPlayer1().Position() >= 30; });
  Tick();
  EXPECT_EQ(Time(), "0:01 / 0:03");
  EXPECT_TRUE(TimerWasOn());
}

TEST_F(VideoWindowTest, PauseContinueAndStopByTheToolButtons) {
  ShowAndOpen();
  PumpMessages(2000, [&] { return form.MediaPlayer1().Position() >= 10; });
  Click(NewVideoForm::kIdPause);
  EXPECT_TRUE(Down(NewVideoForm::kIdPause));
  EXPECT_FALSE(Down(NewVideoForm::kIdPlay));
  EXPECT_TRUE(form.Behaviour().Paused());
  EXPECT_NE(Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  const std::int32_t held = form.MediaPlayer1().Position();
  // Pressing the button that is down leaves it down and does nothing.
  Click(NewVideoForm::kIdPause);
  EXPECT_TRUE(Down(NewVideoForm::kIdPause));
  EXPECT_EQ(form.MediaPlayer1().Position(), held);

  Click(NewVideoForm::kIdPlay);
  EXPECT_TRUE(Down(NewVideoForm::kIdPlay));
  EXPECT_FALSE(form.Behaviour().Paused());
  EXPECT_EQ(Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  PumpMessages(2000, [&] { return form.MediaPlayer1().Position() > held + 2; });
  EXPECT_GT(form.MediaPlayer1().Position(), held + 2);

  Click(NewVideoForm::kIdStop);
  EXPECT_TRUE(Down(NewVideoForm::kIdStop));
  EXPECT_NE(Mode(), static_cast<std::uint32_t>(MCI_MODE_PLAY));
  EXPECT_EQ(form.MediaPlayer1().Position(), 0);
  Tick();
  EXPECT_EQ(Time(), "0:00 / 0:03");
  EXPECT_TRUE(TimerWasOn());
}

TEST_F(VideoWindowTest, TickAtTheEndOfTheClipStopsAndRewinds) {
  ShowAndOpen();
  Click(NewVideoForm::kIdStop);
  form.MediaPlayer1().Seek(testing::kClipFrames - 10);
  Click(NewVideoForm::kIdPlay);
  PumpMessages(3000, [&] { return Mode() != MCI_MODE_PLAY; });
  Tick();
  const std::int32_t end = form.MediaPlayer1().Position();
  if (end != testing::kClipFrames) {
    // Wine's AVI device stops on the last frame, one short of the length,
    // so the window never sees the end.
    EXPECT_EQ(end, testing::kClipFrames - 1);
    EXPECT_EQ(Time(), "0:02 / 0:03");
    GTEST_SKIP() << "the device stops at frame " << end << " of " << testing::kClipFrames;
  }
  EXPECT_EQ(Time(), "0:03 / 0:03");
  EXPECT_TRUE(Down(NewVideoForm::kIdStop));
  EXPECT_EQ(form.MediaPlayer1().Position(), 0);
  Tick();
  EXPECT_EQ(Time(), "0:00 / 0:03");
}

TEST_F(VideoWindowTest, ClosingClosesTheDeviceAndASecondShowingStartsAgain) {
  ShowAndOpen();
  PumpMessages(2000, [&] { return form.MediaPlayer1().Position() >= 30; });
  Tick();
  ASSERT_EQ(Time(), "0:01 / 0:03");
  form.Close();
  EXPECT_FALSE(form.IsShown());
  EXPECT_FALSE(form.MediaPlayer1().IsOpen());
  EXPECT_FALSE(TimerWasOn());
  EXPECT_TRUE(watcher.seen().empty());

  // The second showing as the main window gives it: modal, closed from inside.
  Text timeShown;
  bool openWhileShown = false;
  bool playDown = false;
  EXPECT_EQ(testing::ShowModalUntil(form, 3000,
                                    [&] {
                                      if (Time() == "0:01 / 0:03")
                                        return false;  // not opened again yet
                                      timeShown = Time();
                                      openWhileShown = form.MediaPlayer1().IsOpen();
                                      playDown = Down(NewVideoForm::kIdPlay);
                                      return true;
                                    }),
            kModalCancel);
  EXPECT_EQ(timeShown, "0:00 / 0:03");
  EXPECT_TRUE(openWhileShown);
  EXPECT_TRUE(playDown);
  EXPECT_FALSE(form.MediaPlayer1().IsOpen());
}

TEST_F(VideoWindowTest, TheClipStaysWhereTheWindowWasCreated) {
  SetCurrentDirectoryW(Wide(disc.dir / "Presentation").c_str());
  ShowAndOpen();
  EXPECT_EQ(form.MediaPlayer1().FileName(), disc.clip());
  EXPECT_TRUE(form.MediaPlayer1().IsOpen());
}

// What the video window holds when its Panel1, the window the clip plays
// into, is destroyed: Panel1's own window procedure is replaced so that its
// WM_DESTROY records it.
struct AtPanelDestroy {
  bool seen = false;
  bool deviceOpen = false;
  bool timerOn = false;
};
AtPanelDestroy gAtPanelDestroy;
const MciPlayer* gPlayer = nullptr;
HWND gVideoWindow = nullptr;
WNDPROC gPanelProc = nullptr;

LRESULT CALLBACK RecordPanelDestroy(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_DESTROY)
    gAtPanelDestroy = {true, gPlayer->IsOpen(), KillTimer(gVideoWindow, kTimer1) != FALSE};
  return CallWindowProcW(gPanelProc, hwnd, msg, wp, lp);
}

// The window goes while the whole object stands: its WM_DESTROY handler
// kills the timer and closes the device before Panel1 goes.
TEST_F(VideoWindowTest, DestroyingTheWindowClosesTheDeviceBeforeItsPanel) {
  auto video = std::make_unique<Whole<NewVideoForm>>();
  video->CreateWindowed(nullptr);
  video->Show();
  PumpMessages(3000, [&] { return video->MediaPlayer1().IsOpen() || !watcher.seen().empty(); });
  ASSERT_TRUE(video->MediaPlayer1().IsOpen());
  const HWND panel = testing::NamedControl(*video, "Panel1");
  gAtPanelDestroy = {};
  gPlayer = &video->MediaPlayer1();
  gVideoWindow = video->hwnd();
  gPanelProc = reinterpret_cast<WNDPROC>(
      SetWindowLongPtrW(panel, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&RecordPanelDestroy)));
  const HWND window = video->hwnd();
  video.reset();
  EXPECT_FALSE(IsWindow(window));
  ASSERT_TRUE(gAtPanelDestroy.seen);
  EXPECT_FALSE(gAtPanelDestroy.deviceOpen);
  EXPECT_FALSE(gAtPanelDestroy.timerOn);
  EXPECT_TRUE(watcher.seen().empty());
}

class VideoWindowWithoutClipTest : public VideoWindowTest {
 protected:
  VideoWindowWithoutClipTest() : VideoWindowTest(false) {}
};

TEST_F(VideoWindowWithoutClipTest, MissingClipShowsMcisTextAndLeavesNoDevice) {
  ShowAndOpen();
  ASSERT_EQ(watcher.seen().size(), 1u);
  const std::uint32_t code = form.MediaPlayer1().LastError();
  EXPECT_NE(code, 0u);
  const Text text = form.MediaPlayer1().ErrorText();
  EXPECT_EQ(watcher.seen()[0].caption, "Error");
  EXPECT_EQ(watcher.seen()[0].className, "TMessageForm");
  EXPECT_EQ(watcher.seen()[0].text,
            "Ошибка открытия MCI устройства: " + std::to_string(code) + "\r\n" + text);
  EXPECT_TRUE(form.IsShown());
  EXPECT_FALSE(form.MediaPlayer1().IsOpen());
  EXPECT_EQ(Time(), "PanTime");
  EXPECT_TRUE(Down(NewVideoForm::kIdPlay));
  EXPECT_FALSE(TimerWasOn());

  // The buttons raise, and the default display shows it.
  Click(NewVideoForm::kIdStop);
  ASSERT_EQ(watcher.seen().size(), 2u);
  EXPECT_EQ(watcher.seen()[1].className, "#32770");
  EXPECT_EQ(watcher.seen()[1].text, "No MCI device open.");

  // Closing: the stop raises, and the message names the opening's code.
  form.Close();
  EXPECT_FALSE(form.IsShown());
  ASSERT_EQ(watcher.seen().size(), 3u);
  EXPECT_EQ(watcher.seen()[2].caption, "Error");
  EXPECT_EQ(watcher.seen()[2].text,
            "Ошибка закрытия MCI устройства: " + std::to_string(code) + "\r\n" + text);
}

}  // namespace
}  // namespace demodisc
