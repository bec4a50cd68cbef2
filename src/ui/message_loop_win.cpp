#include "ui/message_loop_win.h"

#include <windows.h>

namespace demodisc {

namespace {
// Dispatches one message; false when it was WM_QUIT.
bool PumpOne(int& exitCode) {
  MSG msg;
  if (GetMessageW(&msg, nullptr, 0, 0) <= 0) {
    exitCode = static_cast<int>(msg.wParam);
    return false;
  }
  const HWND root = msg.hwnd ? GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
  if (root && IsDialogMessageW(root, &msg)) return true;
  TranslateMessage(&msg);
  DispatchMessageW(&msg);
  return true;
}
}  // namespace

void RunMessagesUntil(const std::function<bool()>& done) {
  int exitCode = 0;
  while (!done()) {
    if (!PumpOne(exitCode)) {
      PostQuitMessage(exitCode);
      return;
    }
  }
}

int RunMessageLoop() {
  int exitCode = 0;
  while (PumpOne(exitCode)) {
  }
  return exitCode;
}

}  // namespace demodisc
