// The desktop's visual styles, asked for at the moment of drawing: the theme
// library is loaded by name, so that the program starts where it is missing.
#pragma once

#include <windows.h>

namespace demodisc {

// True while visual styles apply to this program's controls (common
// controls 6 in use and a theme active).
bool VisualStylesActive();

// Paints what lies beneath a child window into its device context.
void DrawParentBackground(HWND child, HDC dc);

// Draws a themed push button (state: 1 normal, 2 hot, 3 pressed, 4 disabled,
// 5 default); false when no theme is active.
bool DrawThemedPushButton(HWND button, HDC dc, const RECT& rect, int state);

}  // namespace demodisc
