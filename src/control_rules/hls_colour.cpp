#include "control_rules/hls_colour.h"

#include <algorithm>

namespace demodisc {

namespace {
constexpr int kHlsMax = 240;
constexpr int kRgbMax = 255;
constexpr int kUndefinedHue = kHlsMax * 2 / 3;

int HueToRgb(int n1, int n2, int hue) {
  if (hue < 0) hue += kHlsMax;
  if (hue > kHlsMax) hue -= kHlsMax;
  if (hue < kHlsMax / 6) return n1 + (((n2 - n1) * hue + kHlsMax / 12) / (kHlsMax / 6));
  if (hue < kHlsMax / 2) return n2;
  if (hue < kHlsMax * 2 / 3)
    return n1 + (((n2 - n1) * (kHlsMax * 2 / 3 - hue) + kHlsMax / 12) / (kHlsMax / 6));
  return n1;
}

std::uint8_t Channel(int v) {
  return static_cast<std::uint8_t>(std::clamp((v * kRgbMax + kHlsMax / 2) / kHlsMax, 0, kRgbMax));
}
}  // namespace

Hls RgbToHls(Rgb c) {
  const int r = c.r, g = c.g, b = c.b;
  const int cMax = std::max({r, g, b});
  const int cMin = std::min({r, g, b});
  Hls out;
  out.l = ((cMax + cMin) * kHlsMax + kRgbMax) / (2 * kRgbMax);
  if (cMax == cMin) {
    out.s = 0;
    out.h = kUndefinedHue;
    return out;
  }
  const int sum = cMax + cMin;
  const int diff = cMax - cMin;
  if (out.l <= kHlsMax / 2)
    out.s = (diff * kHlsMax + sum / 2) / sum;
  else
    out.s = (diff * kHlsMax + (2 * kRgbMax - sum) / 2) / (2 * kRgbMax - sum);
  const int rDelta = ((cMax - r) * (kHlsMax / 6) + diff / 2) / diff;
  const int gDelta = ((cMax - g) * (kHlsMax / 6) + diff / 2) / diff;
  const int bDelta = ((cMax - b) * (kHlsMax / 6) + diff / 2) / diff;
  if (r == cMax)
    out.h = bDelta - gDelta;
  else if (g == cMax)
    out.h = kHlsMax / 3 + rDelta - bDelta;
  else
    out.h = 2 * kHlsMax / 3 + gDelta - rDelta;
  if (out.h < 0) out.h += kHlsMax;
  if (out.h > kHlsMax) out.h -= kHlsMax;
  return out;
}

Rgb HlsToRgb(Hls c) {
  if (c.s == 0) {
    const auto grey = static_cast<std::uint8_t>(std::clamp(c.l * kRgbMax / kHlsMax, 0, kRgbMax));
    return {grey, grey, grey};
  }
  const int magic2 = c.l <= kHlsMax / 2 ? (c.l * (kHlsMax + c.s) + kHlsMax / 2) / kHlsMax
                                        : c.l + c.s - (c.l * c.s + kHlsMax / 2) / kHlsMax;
  const int magic1 = 2 * c.l - magic2;
  return {Channel(HueToRgb(magic1, magic2, c.h + kHlsMax / 3)),
          Channel(HueToRgb(magic1, magic2, c.h)),
          Channel(HueToRgb(magic1, magic2, c.h - kHlsMax / 3))};
}

Rgb WithLightnessChanged(Rgb c, int delta) {
  Hls hls = RgbToHls(c);
  hls.l = std::clamp(hls.l + delta, 0, kHlsMax);
  return HlsToRgb(hls);
}

}  // namespace demodisc
