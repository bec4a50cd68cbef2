// Time values of the video window: frames at 25 a second, shown as
// minutes (not limited to 59) and two-digit seconds.
#pragma once

#include <cstdint>

#include "base/text.h"

namespace demodisc {

inline constexpr std::int32_t kFramesPerSecond = 25;

struct MinutesSeconds {
  std::int32_t minutes = 0;
  std::int32_t seconds = 0;
};

// Whole seconds, then minutes and the seconds beyond them; frames below a
// whole second are dropped.
MinutesSeconds SplitTime(std::int32_t frames);

// "0" before a single digit: 9 gives "09", 10 gives "10".
Text TwoDigitSeconds(std::int32_t seconds);

// "m:ss", e.g. "2:05" or "75:00".
Text TimeText(MinutesSeconds time);

}  // namespace demodisc
