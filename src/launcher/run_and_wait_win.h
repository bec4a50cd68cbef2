#pragma once

#include "base/cp1251.h"

namespace demodisc {

// Starts a program in a console and window of its own, with its folder as
// working directory, and blocks until its process has ended. False when it
// cannot be started; nothing is shown then.
bool RunAndWait(const Text& program, const Text& parameters, unsigned short showCommand);

}  // namespace demodisc
