#include "control_rules/high_contrast.h"

#include <cmath>
#include <utility>

namespace demodisc {

namespace {

// The least ratio at which normal text reads.
constexpr double kReadableRatio = 4.5;

double Linear(std::uint8_t channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
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
