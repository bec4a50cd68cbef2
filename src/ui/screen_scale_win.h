// Layout sizes are pixels at 96 dots per inch; the video and photo windows
// scale them by the screen's resolution when they are created.
#pragma once

#include <windows.h>

namespace demodisc {

// The screen's resolution in dots per inch.
int ScreenDpi();

// A length at 96 dpi scaled to a resolution.
inline int ScaledTo(int dpi, int pixels) { return MulDiv(pixels, dpi, 96); }

}  // namespace demodisc
