// High Contrast themes: whether one is on, and the colours the windows paint
// with under it. Every colour the layout fixes gives way to the theme's
// system colours, text in the colour that pairs with its background; with no
// theme on each colour is the one the layout fixes. The answer is read once
// and again when the system's colours or settings change, not at each paint.
#pragma once

#include <windows.h>

#include "control_rules/high_contrast.h"

namespace demodisc {

// True while a High Contrast theme is on (SPI_GETHIGHCONTRAST).
bool HighContrastOn();
// A system colour by GetSysColor's index, and a brush of it that the caller
// does not delete.
COLORREF SystemColour(int index);
HBRUSH SystemBrush(int index);
// The theme's pairs of background and text, from the system colours.
HighContrastPalette SystemPalette();

// Colours as painted; while no High Contrast theme is on, each is the colour
// the layout fixes, `fixed` (a named system colour looked up).
// A surface the layout colours: the window colour.
COLORREF ShownBack(COLORREF fixed);
// The brush of such a surface.
HBRUSH ShownBackBrush(HBRUSH fixed);
// Text, or a line, on a background as painted: the text colour that pairs
// with the background, the link colour for an accent (ShownTextOn).
COLORREF ShownText(COLORREF fixed, COLORREF back);

// A button's face, its caption and its frame.
struct FaceColours {
  COLORREF face;
  COLORREF text;
  COLORREF frame;
};
// A button's colours under a High Contrast theme: button face and text, the
// highlight colours while hot, face and text swapped while pressed.
FaceColours ShownFace(const FaceColours& fixed, bool hot, bool pressed);

// A top-level window's part of a theme change: on WM_SYSCOLORCHANGE, and on
// WM_SETTINGCHANGE for High Contrast, the window metrics or the colour set,
// reads the answer again, hands WM_SYSCOLORCHANGE to the child controls (the
// common controls take their colours from it) and repaints the window and
// all its children at once. Other settings change nothing.
void FollowColourChange(HWND window, UINT msg, WPARAM wp, LPARAM lp);

// What stands in for the system's answers where the system cannot give them
// (tests: Wine has no High Contrast theme). Null: the system's own.
struct HighContrastAnswers {
  bool (*on)();
  COLORREF (*colour)(int index);
};
// The answers are read at the next theme change, as the system's are.
void StandInHighContrast(const HighContrastAnswers* answers);

}  // namespace demodisc
