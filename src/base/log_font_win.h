// The description of a font by face, character height in pixels and style,
// as the windows make their fonts and the disc check measures with them.
#pragma once

#include <windows.h>

namespace demodisc {

// A negative height: the character height, not the cell's.
LOGFONTW LogFontOf(const wchar_t* face, int height, bool bold, bool italic, BYTE charset);

}  // namespace demodisc
