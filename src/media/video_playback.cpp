#include "media/video_playback.h"

#include <string>

#include "base/errors.h"
#include "media/video_time.h"

namespace demodisc {

void VideoPlayback::FormActivate(const Text& rootDir) {
  view_.SetButtonDown(VideoButton::kPlay);
  try {
    player_.SetFileName(rootDir + kVideoClip);
    player_.Open();
    const MinutesSeconds total = SplitTime(player_.Length());
    totalMinutes_ = total.minutes;
    totalSeconds_ = total.seconds;
    totalTimeText_ = TimeText(total);
    player_.Play();
    view_.SetTimerEnabled(true);
    paused_ = false;
    view_.SetTimeText("0:00 / " + totalTimeText_);
  } catch (const AppError&) {
    ShowMciError("Ошибка открытия MCI устройства: ");
  }
}

void VideoPlayback::Timer1Timer() {
  ShowPosition();
  if (player_.Position() == player_.Length()) {
    player_.Stop();
    view_.SetButtonDown(VideoButton::kStop);
    player_.Seek(0);
  }
}

void VideoPlayback::ActionPlayExecute() {
  paused_ = false;
  player_.Play();
}

void VideoPlayback::ActionPauseExecute() {
  if (!paused_) player_.Pause();
  paused_ = true;
}

void VideoPlayback::ActionStopExecute() {
  paused_ = false;
  player_.Stop();
  player_.Seek(0);
}

void VideoPlayback::RxSlider1MouseDown() {
  view_.SetTimerEnabled(false);
  if (!paused_) player_.Pause();
  paused_ = true;
  view_.SetButtonDown(VideoButton::kPause);
}

void VideoPlayback::RxSlider1MouseUp() {
  ShowPosition();
  paused_ = false;
  player_.Play();
  view_.SetButtonDown(VideoButton::kPlay);
  view_.SetTimerEnabled(true);
}

void VideoPlayback::FormClose() {
  view_.SetTimerEnabled(false);
  try {
    player_.Stop();
    player_.Close();
  } catch (const AppError&) {
    ShowMciError("Ошибка закрытия MCI устройства: ");
  }
}

void VideoPlayback::ShowPosition() {
  const MinutesSeconds now = SplitTime(player_.Position());
  curMinutes_ = now.minutes;
  curSeconds_ = now.seconds;
  curSecondsText_ = TwoDigitSeconds(curSeconds_);
  view_.SetTimeText(std::to_string(curMinutes_) + ":" + curSecondsText_ + " / " + totalTimeText_);
}

void VideoPlayback::ShowMciError(std::string_view headerStart) {
  errorHeader_ = Text(headerStart) + std::to_string(player_.LastError()) + "\r\n";
  view_.ShowErrorMessage(errorHeader_ + player_.ErrorText());
}

}  // namespace demodisc
