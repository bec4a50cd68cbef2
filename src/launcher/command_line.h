// How a started program's command line and working directory are built.
#pragma once

#include "base/text.h"

namespace demodisc {

// Paths and command lines handed to the launcher hold at most 255 characters.
inline constexpr std::size_t kMaxPathText = 255;

// The first 255 characters of a text (characters, not bytes).
Text Cut255(std::string_view text);

// A double quote, the program, a double quote, one blank, the parameters:
// as they are, or in double quotes when they hold a blank or a tab; cut to
// 255 characters.
Text BuildCommandLine(std::string_view program, std::string_view parameters);

// The program's folder: everything up to and including the last backslash or
// drive colon; empty when it has neither.
Text WorkingDirOf(std::string_view program);

}  // namespace demodisc
