#pragma once

#include "base/cp1251.h"

namespace demodisc {

// The application title from the executable's path: the file name without
// its folder, cut before its first ".", every character after the first in
// lower case ("C:\Disc\DemoDisc.exe" gives "Demodisc").
Text AppTitleFromExePath(std::string_view exePath);

// cp1251 lower case of one byte (Latin and Cyrillic letters).
char LowerCp1251(char c);

}  // namespace demodisc
