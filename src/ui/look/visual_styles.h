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

// One window's theme data for a class of parts ("BUTTON"), opened at its
// first themed drawing and kept for the next ones: closed when the theme
// changes (WM_THEMECHANGED), to be opened again at the next drawing, and
// when the window goes.
class WindowTheme {
 public:
  explicit WindowTheme(const wchar_t* classList) : classList_(classList) {}
  ~WindowTheme() { Close(); }
  WindowTheme(const WindowTheme&) = delete;
  WindowTheme& operator=(const WindowTheme&) = delete;

  // The theme data to draw in `window` with; null while visual styles are
  // off or the theme has none for the class.
  HANDLE For(HWND window);
  // The owner window's messages: WM_THEMECHANGED and WM_DESTROY close the data.
  void Follow(UINT msg);
  void Close();

 private:
  const wchar_t* classList_;
  HANDLE data_ = nullptr;
  bool opened_ = false;  // asked for since the last change: null means none
};

// Draws a themed push button (state: 1 normal, 2 hot, 3 pressed, 4 disabled,
// 5 default) with the button's theme data; false when no theme is active.
bool DrawThemedPushButton(WindowTheme& theme, HWND button, HDC dc, const RECT& rect, int state);

}  // namespace demodisc
