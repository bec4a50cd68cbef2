// Shows a window modally, as the program does, and closes it from inside its
// modal loop once a probe holds (or the time is up).
#pragma once

#include <windows.h>

#include <functional>

#include "ui/form.h"

namespace demodisc::testing {

// Runs `probe` every 20 ms while the window is shown; when it returns true,
// or after `ms`, the window is closed. Returns the modal result.
int ShowModalUntil(Form& form, int ms, const std::function<bool()>& probe);

}  // namespace demodisc::testing
