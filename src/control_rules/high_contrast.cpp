#include "control_rules/high_contrast.h"

#include <utility>

namespace demodisc {

namespace {

// The least ratio at which normal text reads.
constexpr double kReadableRatio = 4.5;

// x to the power 2.4 for x in (0, 1]: the fifth root of x^12, by Newton's
// method (the library's pow would add kilobytes to the exe for it).
double Power24(double x) {
  const double x4 = x * x * x * x;
  const double x12 = x4 * x4 * x4;
  double y = x * x;
  for (int i = 0; i < 30; ++i) {
    const double y2 = y * y;
    y = (4 * y + x12 / (y2 * y2)) / 5;
  }
  return y;
}

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : Power24((c + 0.055) / 1.055);
}

double Luminance(Rgb c) {
  return 0.2126 * Linear(c.r) + 0.7152 * Linear(c.g) + 0.0722 * Linear(c.b);
}

}  // namespace

double ContrastRatio(Rgb a, Rgb b) {
  double la = Luminance(a), lb = Luminance(b);
  if (la < lb) std::swap(la, lb);
  return (la + 0.05) / (lb + 0.05);
}

Rgb TextOn(Rgb back, const HighContrastPalette& palette) {
  const ColourPair pairs[] = {palette.window, palette.button, palette.highlight};
  for (const ColourPair& pair : pairs)
    if (pair.back == back) return pair.text;
  Rgb best = palette.window.text;
  for (const ColourPair& pair : pairs)
    if (ContrastRatio(pair.text, back) > ContrastRatio(best, back)) best = pair.text;
  return best;
}

bool IsAccent(Rgb text) { return RgbToHls(text).s > 0; }

Rgb ShownTextOn(Rgb back, Rgb fixed, const HighContrastPalette& palette) {
  if (IsAccent(fixed) && ContrastRatio(palette.hotLight, back) >= kReadableRatio)
    return palette.hotLight;
  return TextOn(back, palette);
}

}  // namespace demodisc
