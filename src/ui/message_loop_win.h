// The program's message loops.
#pragma once

#include <functional>

namespace demodisc {

// Runs messages until `done` holds after a message, or until WM_QUIT arrives
// (it is posted again for the outer loop). Keyboard navigation between
// controls works in every top-level window.
void RunMessagesUntil(const std::function<bool()>& done);

// Runs messages until WM_QUIT; returns its exit code.
int RunMessageLoop();

}  // namespace demodisc
