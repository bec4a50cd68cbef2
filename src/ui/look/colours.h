// Fixed colours of the windows, and the conversion to the portable colour.
#pragma once

#include <windows.h>

#include "control_rules/hls_colour.h"

namespace demodisc {

inline constexpr COLORREF kMoneyGreen = RGB(192, 220, 192);
inline constexpr COLORREF kLightGreen = 13169604;  // (196, 243, 200)
inline constexpr COLORREF kLightPink = 13090024;   // (232, 188, 199)
inline constexpr COLORREF kRed = RGB(255, 0, 0);
inline constexpr COLORREF kBlack = RGB(0, 0, 0);

// A system colour named by GetSysColor's index rather than held: looked up
// when painted, so that what was laid out follows the system's colours when
// they change.
inline constexpr COLORREF kNamedSystemColour = 0x80000000u;
inline constexpr COLORREF NamedSystemColour(int index) {
  return kNamedSystemColour | static_cast<COLORREF>(index);
}

inline Rgb ToRgb(COLORREF c) { return {GetRValue(c), GetGValue(c), GetBValue(c)}; }
inline COLORREF ToColorRef(Rgb c) { return RGB(c.r, c.g, c.b); }

}  // namespace demodisc
