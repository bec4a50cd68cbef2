// The disc's autorun.inf, which starts the program when the disc goes in:
// there at the root, naming the start program in its [autorun] section's
// open= or shellexecute=, with a label Windows shows whole (32 characters),
// in plain ASCII (Windows reads it in the system's ANSI code page).
#pragma once

#include <string_view>

#include "disc_check/disc_names.h"

namespace demodisc {

// Windows shows this many characters of a disc's label.
inline constexpr std::size_t kAutorunLabelChars = 32;

// The findings of autorun.inf's line, which `startProgram` it should start.
ReportLine CheckAutorun(DiscNames& names, std::string_view startProgram);

}  // namespace demodisc
