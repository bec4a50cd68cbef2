// Colours under a High Contrast theme: the theme sets pairs of a background
// and the text that reads on it, and every colour the layout fixes gives way
// to one of them.
#pragma once

#include "control_rules/hls_colour.h"

namespace demodisc {

struct ColourPair {
  Rgb back;
  Rgb text;
};

// The theme's colours that the windows paint with.
struct HighContrastPalette {
  ColourPair window;     // window, window text
  ColourPair button;     // button face, button text
  ColourPair highlight;  // highlight, highlight text
  Rgb hotLight;          // links, on the window colour
};

// The contrast ratio of two colours, 1 (the same lightness) to 21 (black and
// white), by their relative luminance as the accessibility guidelines define it.
double ContrastRatio(Rgb a, Rgb b);

// Text on a background: the text colour of the pair whose background it is
// (window first, then button face, then highlight); on any other colour the
// pairs' text colour that contrasts with it most.
Rgb TextOn(Rgb back, const HighContrastPalette& palette);

// True for a text colour the layout picks to stand out: one with a hue (red),
// not black, white or a grey.
bool IsAccent(Rgb text);

// Text the layout colours `fixed` on a background: an accent becomes the
// hot-light colour where that reads on the background as well as normal text
// must (4.5 : 1), any other colour, or an accent where the hot-light colour
// does not read, the text of TextOn.
Rgb ShownTextOn(Rgb back, Rgb fixed, const HighContrastPalette& palette);

}  // namespace demodisc
