// The application title and the default error display.
#pragma once

#include "base/text.h"

namespace demodisc {

// "Demodisc" for DemoDisc.exe: computed once from the executable's name.
const Text& AppTitle();

// A system message box owned by the active window: the text (with the
// full-stop rule), the title as caption, the stop icon and "OK". The
// program's other windows take no input while it is up.
void ShowDefaultError(const Text& text);

}  // namespace demodisc
