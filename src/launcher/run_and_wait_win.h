#pragma once

#include "base/text.h"

namespace demodisc {

// Starts a program in a console and window of its own, with its folder as
// working directory, and returns only when its process has ended. False
// when it cannot be started; nothing is shown then. While it waits, the
// thread paints its windows and answers what other threads and programs
// send it, so that the system never reports it hung; the user's input stays
// queued and is handled, in order, after the program has ended.
bool RunAndWait(const Text& program, const Text& parameters, unsigned short showCommand);

// The same for a whole command line, in `workingDir` (the current
// directory when it is empty).
bool RunCommandAndWait(const Text& commandLine, const Text& workingDir, unsigned short showCommand);

}  // namespace demodisc
