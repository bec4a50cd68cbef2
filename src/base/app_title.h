#pragma once

#include "base/text.h"

namespace demodisc {

// The application title from the executable's path: the file name without
// its folder, cut before its first ".", every character after the first in
// lower case ("C:\Disc\DemoDisc.exe" gives "Demodisc").
Text AppTitleFromExePath(std::string_view exePath);

}  // namespace demodisc
