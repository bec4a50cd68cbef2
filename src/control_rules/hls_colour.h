// Colours on the hue/lightness/saturation scale of 0 to 240 that Windows uses.
#pragma once

#include <cstdint>

namespace demodisc {

struct Rgb {
  std::uint8_t r = 0;
  std::uint8_t g = 0;
  std::uint8_t b = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

struct Hls {
  int h = 0;  // 0..240
  int l = 0;  // 0..240
  int s = 0;  // 0..240
  friend bool operator==(const Hls&, const Hls&) = default;
};

Hls RgbToHls(Rgb c);
Rgb HlsToRgb(Hls c);

// The colour with its lightness changed by `delta`, kept within 0..240.
Rgb WithLightnessChanged(Rgb c, int delta);

}  // namespace demodisc
