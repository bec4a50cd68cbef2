// The video window's time texts and its behaviour over a fake media device.
#include <gtest/gtest.h>

#include <optional>

#include "base/errors.h"
#include "media/video_playback.h"
#include "media/video_time.h"
#include "support/fake_media_device.h"

namespace demodisc {
namespace {

using testing::FakeMediaDevice;
using Log = std::vector<std::string>;

TEST(VideoTime, SplitsFramesIntoMinutesAndSeconds) {
  struct Case {
    std::int32_t frames;
    const char* text;
  };
  const Case cases[] = {
      {9 * 25, "0:09"},
      {10 * 25, "0:10"},
      {3600, "2:24"},
      {24, "0:00"},
      {0, "0:00"},
      {25, "0:01"},
      {59 * 25 + 24, "0:59"},
      {60 * 25, "1:00"},
      {75 * 1500, "75:00"},
      {3125, "2:05"},
      {1520, "1:00"},
      {1524, "1:00"},
      {1525, "1:01"},
      {100 * 1500 + 250, "100:10"},
  };
  for (const Case& c : cases) EXPECT_EQ(TimeText(SplitTime(c.frames)), c.text) << c.frames;
}

TEST(VideoTime, TwoDigitSeconds) {
  EXPECT_EQ(TwoDigitSeconds(0), "00");
  EXPECT_EQ(TwoDigitSeconds(9), "09");
  EXPECT_EQ(TwoDigitSeconds(10), "10");
  EXPECT_EQ(TwoDigitSeconds(59), "59");
}

class FakeVideoView final : public VideoView {
 public:
  std::optional<VideoButton> down;
  bool timer = false;
  Text timeText = "PanTime";
  std::vector<Text> errors;

  void SetButtonDown(VideoButton button) override { down = button; }
  void SetTimerEnabled(bool enabled) override { timer = enabled; }
  void SetTimeText(const Text& text) override { timeText = text; }
  void ShowErrorMessage(const Text& text) override { errors.push_back(text); }
};

class VideoPlaybackTest : public ::testing::Test {
 protected:
  VideoPlaybackTest() { device.clip = Text("E:\\disc\\") + kVideoClip; }

  // Opens the 3125-frame clip and forgets the commands that took.
  void OpenClip() {
    window.FormActivate("E:\\disc\\");
    ASSERT_TRUE(view.errors.empty());
    device.log.clear();
  }

  FakeMediaDevice device;
  FakeVideoView view;
  VideoPlayback window{device, view};
};

TEST_F(VideoPlaybackTest, OpeningPlaysTheClipBelowTheRootAndShowsItsLength) {
  window.FormActivate("E:\\disc\\");
  EXPECT_EQ(device.log, (Log{"open", "play"}));
  EXPECT_EQ(view.down, VideoButton::kPlay);
  EXPECT_TRUE(view.timer);
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(window.TotalMinutes(), 2);
  EXPECT_EQ(window.TotalSeconds(), 5);
  EXPECT_EQ(window.TotalTimeText(), "2:05");
  EXPECT_EQ(view.timeText, "0:00 / 2:05");
  EXPECT_TRUE(view.errors.empty());
}

TEST_F(VideoPlaybackTest, TickShowsThePositionWhilePlaying) {
  OpenClip();
  device.Advance(1520);
  window.Timer1Timer();
  EXPECT_EQ(view.timeText, "1:00 / 2:05");
  EXPECT_EQ(window.CurMinutes(), 1);
  EXPECT_EQ(window.CurSeconds(), 0);
  EXPECT_EQ(window.CurSecondsText(), "00");
  device.Advance(205);  // 1725 frames: 69 seconds
  window.Timer1Timer();
  EXPECT_EQ(view.timeText, "1:09 / 2:05");
  EXPECT_EQ(device.log, Log{});
  EXPECT_EQ(view.down, VideoButton::kPlay);
}

TEST_F(VideoPlaybackTest, EndOfClipTickShowsTheEndThenStopsAndRewinds) {
  OpenClip();
  device.Advance(5000);
  window.Timer1Timer();
  EXPECT_EQ(view.timeText, "2:05 / 2:05");
  EXPECT_EQ(device.log, (Log{"stop", "seek 0"}));
  EXPECT_EQ(view.down, VideoButton::kStop);
  EXPECT_TRUE(view.timer);
  EXPECT_FALSE(window.Paused());
  window.Timer1Timer();
  EXPECT_EQ(view.timeText, "0:00 / 2:05");
  EXPECT_EQ(device.log, (Log{"stop", "seek 0"}));
}

TEST_F(VideoPlaybackTest, PlayAfterTheEndBeforeATickStartsFromTheBeginning) {
  OpenClip();
  device.Advance(5000);
  window.ActionPlayExecute();
  EXPECT_EQ(device.log, (Log{"rewind", "play"}));
  EXPECT_EQ(device.position(), 0);
}

TEST_F(VideoPlaybackTest, PauseWhilePlayingThenAgainDoesNothingUntilPlay) {
  OpenClip();
  device.Advance(100);
  window.ActionPauseExecute();
  EXPECT_TRUE(window.Paused());
  EXPECT_EQ(device.mode(), FakeMediaDevice::Mode::kPaused);
  window.ActionPauseExecute();
  EXPECT_EQ(device.log, (Log{"pause"}));
  EXPECT_EQ(device.mode(), FakeMediaDevice::Mode::kPaused);
  window.ActionPlayExecute();
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(device.log, (Log{"pause", "play"}));
  EXPECT_EQ(device.position(), 100);
}

TEST_F(VideoPlaybackTest, PauseWhileStoppedSendsNothingButSetsPaused) {
  OpenClip();
  window.ActionStopExecute();
  device.log.clear();
  window.ActionPauseExecute();
  EXPECT_TRUE(window.Paused());
  window.ActionPauseExecute();
  EXPECT_EQ(device.log, Log{});
  EXPECT_EQ(device.mode(), FakeMediaDevice::Mode::kStopped);
}

TEST_F(VideoPlaybackTest, StopWhilePausedClearsPausedAndRewinds) {
  OpenClip();
  device.Advance(700);
  window.ActionPauseExecute();
  window.ActionStopExecute();
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(device.log, (Log{"pause", "stop", "seek 0"}));
  EXPECT_EQ(device.position(), 0);
  EXPECT_TRUE(view.timer);
  window.ActionPlayExecute();
  EXPECT_EQ(device.mode(), FakeMediaDevice::Mode::kPlaying);
  EXPECT_EQ(device.position(), 0);
}

TEST_F(VideoPlaybackTest, SeekBarPressHoldsAndReleaseContinuesWithoutMoving) {
  OpenClip();
  device.Advance(1520);
  window.RxSlider1MouseDown();
  EXPECT_FALSE(view.timer);
  EXPECT_TRUE(window.Paused());
  EXPECT_EQ(view.down, VideoButton::kPause);
  EXPECT_EQ(device.log, (Log{"pause"}));
  window.RxSlider1MouseUp();
  EXPECT_EQ(view.timeText, "1:00 / 2:05");
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(view.down, VideoButton::kPlay);
  EXPECT_TRUE(view.timer);
  EXPECT_EQ(device.log, (Log{"pause", "play"}));
  EXPECT_EQ(device.position(), 1520);
}

TEST_F(VideoPlaybackTest, SeekBarPressWhilePausedSendsNoPause) {
  OpenClip();
  window.ActionPauseExecute();
  device.log.clear();
  window.RxSlider1MouseDown();
  EXPECT_EQ(device.log, Log{});
  EXPECT_TRUE(window.Paused());
}

TEST_F(VideoPlaybackTest, ClosingStopsAndClosesWithoutMessage) {
  OpenClip();
  window.FormClose();
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(device.log, (Log{"stop", "close"}));
  EXPECT_FALSE(device.open());
  EXPECT_TRUE(view.errors.empty());
}

TEST_F(VideoPlaybackTest, SecondShowingStartsAgainFromZero) {
  OpenClip();
  device.Advance(1520);
  window.ActionPauseExecute();
  window.FormClose();
  view.timeText = "stale";
  window.FormActivate("E:\\disc\\");
  EXPECT_EQ(view.timeText, "0:00 / 2:05");
  EXPECT_FALSE(window.Paused());
  EXPECT_EQ(device.position(), 0);
  EXPECT_EQ(device.mode(), FakeMediaDevice::Mode::kPlaying);
}

TEST_F(VideoPlaybackTest, FailedOpeningStopsTheSequenceAndNamesTheErrorCode) {
  window.FormActivate("F:\\other\\");
  EXPECT_EQ(view.down, VideoButton::kPlay);
  EXPECT_FALSE(view.timer);
  EXPECT_EQ(view.timeText, "PanTime");
  EXPECT_EQ(window.TotalTimeText(), "");
  ASSERT_EQ(view.errors.size(), 1u);
  EXPECT_EQ(window.ErrorHeader(), "Ошибка открытия MCI устройства: 275\r\n");
  EXPECT_EQ(view.errors[0], window.ErrorHeader() + "Error 275: the file cannot be found.");
  EXPECT_EQ(device.log, Log{});
}

TEST_F(VideoPlaybackTest, FailedOpeningKeepsPausedAndTheLastTimeText) {
  OpenClip();
  window.ActionPauseExecute();
  window.FormClose();
  device.clip = "moved away";
  window.FormActivate("E:\\disc\\");
  EXPECT_TRUE(window.Paused());
  EXPECT_EQ(view.timeText, "0:00 / 2:05");
  EXPECT_FALSE(view.timer);
}

TEST_F(VideoPlaybackTest, ButtonsWithoutADeviceRaiseNoDeviceOpen) {
  window.FormActivate("F:\\other\\");
  for (auto press : {&VideoPlayback::ActionPlayExecute, &VideoPlayback::ActionPauseExecute,
                     &VideoPlayback::ActionStopExecute}) {
    try {
      (window.*press)();
      ADD_FAILURE() << "no error raised";
    } catch (const AppError& e) {
      EXPECT_EQ(e.text(), "No MCI device open");
    }
  }
  // The pause that failed left Paused as it was.
  EXPECT_FALSE(window.Paused());
}

TEST_F(VideoPlaybackTest, ClosingWithoutADeviceNamesTheOpeningsErrorCode) {
  window.FormActivate("F:\\other\\");
  window.FormClose();
  ASSERT_EQ(view.errors.size(), 2u);
  EXPECT_EQ(window.ErrorHeader(), "Ошибка закрытия MCI устройства: 275\r\n");
  EXPECT_EQ(view.errors[1], window.ErrorHeader() + "Error 275: the file cannot be found.");
  EXPECT_FALSE(view.timer);
}

}  // namespace
}  // namespace demodisc
