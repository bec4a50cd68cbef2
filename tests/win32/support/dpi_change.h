// What the system sends a window that moves to a monitor of another
// resolution, sent by the tests themselves: Wine 8 sends none.
#pragma once

#include <windows.h>

#include "ui/screen_scale_win.h"

namespace demodisc::testing {

// The rectangle that gives the window its client size at 96 dpi times the
// resolution, its frame as the system measures it, moved by (dx, dy) as the
// system may move it onto the other monitor.
inline RECT DpiChangeRect(HWND window, int dpi, SIZE clientAt96, int dx = 12, int dy = 8) {
  RECT frame;
  GetWindowRect(window, &frame);
  RECT size{0, 0, MulDiv(clientAt96.cx, dpi, 96), MulDiv(clientAt96.cy, dpi, 96)};
  AdjustWindowRectEx(&size, static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE)), FALSE,
                     static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE)));
  return {frame.left + dx, frame.top + dy, frame.left + dx + size.right - size.left,
          frame.top + dy + size.bottom - size.top};
}

// WM_DPICHANGED for `dpi` with a suggested rectangle.
inline void SendDpiChangeTo(HWND window, int dpi, const RECT& suggested) {
  SendMessageW(window, kDpiChangedMessage, MAKEWPARAM(dpi, dpi),
               reinterpret_cast<LPARAM>(&suggested));
}

// WM_DPICHANGED for `dpi` with DpiChangeRect's rectangle. Returns that rectangle.
inline RECT SendDpiChange(HWND window, int dpi, SIZE clientAt96, int dx = 12, int dy = 8) {
  const RECT suggested = DpiChangeRect(window, dpi, clientAt96, dx, dy);
  SendDpiChangeTo(window, dpi, suggested);
  return suggested;
}

}  // namespace demodisc::testing
