// Layout sizes are pixels at 96 dots per inch. The video and photo windows
// scale them by the screen's resolution when they are created and keep that
// scaling. The main window, the notice window and the message windows each
// keep a scale of their own: their monitor's resolution where the process is
// DPI aware (there Windows would otherwise stretch their 96-dpi picture),
// else 96. A window that moves to a monitor of another resolution
// (WM_DPICHANGED) takes that monitor's and is laid out again there; the other
// windows keep theirs. A control draws at the scale of its top-level window.
#pragma once

#include <windows.h>

#include "control_rules/ui_scale.h"

namespace demodisc {

// The screen's resolution in dots per inch.
int ScreenDpi();

// The resolution to draw at first: the system's where the thread is system or
// per-monitor aware, 96 where it is not or the system cannot say (before
// Windows 10 1607 the functions that tell are missing, and they are looked
// up, not imported). The main window opens centred on the primary monitor,
// whose resolution the system's is.
int AwareDpi();

// The scale a window is drawn at: its top-level window's own scale, or the
// first drawing scale (AwareDpi) for a window outside the program's windows
// with a scale.
UiScale ScaleOf(HWND window);

// WM_DPICHANGED, whose name comes only with Windows 8.1's headers: the window
// has moved to a monitor of another resolution (wParam's low word) and the
// system suggests its new rectangle (lParam: a RECT in screen coordinates).
inline constexpr UINT kDpiChangedMessage = 0x02E0;
// WM_GETDPISCALEDSIZE (Windows 10 1703): before WM_DPICHANGED the system asks
// the window for its size at the new resolution (wParam); lParam points to a
// SIZE, the window's size now, to be replaced by the size there.
inline constexpr UINT kGetDpiScaledSizeMessage = 0x02E4;

// The resolution the system draws a window's frame at: its monitor's where
// the system tells it (GetDpiForWindow, Windows 10 1607 on), else AwareDpi's;
// for no window, AwareDpi's (a new window opens on the primary monitor).
int FrameDpiOf(HWND window);

// A window's size for a client size at a resolution: the frame's metrics at
// that resolution (AdjustWindowRectExForDpi, Windows 10 1607 on), else at the
// system's (AdjustWindowRectEx).
SIZE FrameSizeForDpi(DWORD style, DWORD exStyle, int clientWidth, int clientHeight, int dpi);

// The system's message font at a resolution (SystemParametersInfoForDpi,
// Windows 10 1607 on), else at the system's.
LOGFONTW MessageFontForDpi(int dpi);

}  // namespace demodisc
