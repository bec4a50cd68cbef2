// Layout sizes are pixels at 96 dots per inch. The video and photo windows
// scale them by the screen's resolution when they are created and keep that
// scaling. The main window, the notice window and the message windows are
// drawn at the drawing scale: at start the system's resolution where the
// process is DPI aware (there Windows would otherwise stretch their 96-dpi
// picture), else 96; a window that moves to a monitor of another resolution
// (WM_DPICHANGED) sets it to that monitor's and is laid out again there.
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

// The scale the windows lay themselves out at; 96 dpi until it is set.
const UiScale& DrawingScale();
void SetDrawingScale(UiScale scale);

// WM_DPICHANGED, whose name comes only with Windows 8.1's headers: the window
// has moved to a monitor of another resolution (wParam's low word) and the
// system suggests its new rectangle (lParam: a RECT in screen coordinates).
inline constexpr UINT kDpiChangedMessage = 0x02E0;

// Sizes of a layout table at the drawing scale.
inline int Px(int pixels) { return DrawingScale().Px(pixels); }
inline Bounds Px(const Bounds& bounds) { return DrawingScale().Px(bounds); }

}  // namespace demodisc
