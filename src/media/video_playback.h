// The video window's behaviour over a media device and the window's own
// controls: the opening and closing sequences, the tick, the three tool
// buttons and the seek-bar press and release.
#pragma once

#include <cstdint>

#include "base/text.h"
#include "media/media_device.h"

namespace demodisc {

// The clip below the disc root.
inline constexpr char kVideoClip[] = "Presentation\\about\\Тамрит_КЛ5 (2 полет).avi";

enum class VideoButton { kPlay, kPause, kStop };

// What the behaviour does to the window.
class VideoView {
 public:
  virtual ~VideoView() = default;
  // Puts one of the three grouped tool buttons down, the others up.
  virtual void SetButtonDown(VideoButton button) = 0;
  virtual void SetTimerEnabled(bool enabled) = 0;
  // The text of the time panel.
  virtual void SetTimeText(const Text& text) = 0;
  // A modal error message ("Error", stop icon, "OK").
  virtual void ShowErrorMessage(const Text& text) = 0;
};

class VideoPlayback {
 public:
  VideoPlayback(MediaDevice& player, VideoView& view) : player_(player), view_(view) {}

  // Each showing: opens the clip below rootDir and plays it. A failure ends
  // the sequence where it arose and shows the opening error message.
  void FormActivate(const Text& rootDir);
  // Each tick: the time text, and at the end of the clip stop and rewind.
  void Timer1Timer();
  void ActionPlayExecute();
  void ActionPauseExecute();
  void ActionStopExecute();
  // Holding and continuing playback around a seek bar; neither moves the position.
  void RxSlider1MouseDown();
  void RxSlider1MouseUp();
  // Stops the timer, stops and closes the device; with no device open the
  // closing error message is shown.
  void FormClose();

  const Text& ErrorHeader() const { return errorHeader_; }
  const Text& TotalTimeText() const { return totalTimeText_; }
  bool Paused() const { return paused_; }
  std::int32_t TotalMinutes() const { return totalMinutes_; }
  std::int32_t TotalSeconds() const { return totalSeconds_; }
  std::int32_t CurMinutes() const { return curMinutes_; }
  std::int32_t CurSeconds() const { return curSeconds_; }
  const Text& CurSecondsText() const { return curSecondsText_; }

 private:
  // Sets the current time fields and the time panel from the position.
  void ShowPosition();
  // The header names the error code whose text follows it.
  void ShowMciError(std::string_view headerStart);

  MediaDevice& player_;
  VideoView& view_;

  Text errorHeader_;
  Text totalTimeText_;
  bool paused_ = false;
  std::int32_t totalMinutes_ = 0;
  std::int32_t totalSeconds_ = 0;
  std::int32_t curMinutes_ = 0;
  std::int32_t curSeconds_ = 0;
  Text curSecondsText_;
};

}  // namespace demodisc
