#include "media/video_time.h"

#include <string>

namespace demodisc {

MinutesSeconds SplitTime(std::int32_t frames) {
  const std::int32_t whole = frames / kFramesPerSecond;
  const std::int32_t minutes = whole / 60;
  return {minutes, whole - minutes * 60};
}

Text TwoDigitSeconds(std::int32_t seconds) {
  Text text = seconds < 10 ? "0" : "";
  text += std::to_string(seconds);
  return text;
}

Text TimeText(MinutesSeconds time) {
  return std::to_string(time.minutes) + ":" + TwoDigitSeconds(time.seconds);
}

}  // namespace demodisc
