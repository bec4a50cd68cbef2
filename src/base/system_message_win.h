// The system's own text for a Windows error code.
#pragma once

#include <windows.h>

#include "base/text.h"

namespace demodisc {

// FormatMessage's text for the code, without its closing full stop and line
// break; "error <code>" when the system has none.
Text SystemMessage(DWORD error);

}  // namespace demodisc
