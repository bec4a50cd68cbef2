#include "launcher/run_and_wait_win.h"

#include <windows.h>

#include "base/wide_win.h"
#include "launcher/command_line.h"

namespace demodisc {

namespace {

// How often the wait looks at the queue even when nothing woke it: the
// system takes a thread that has not looked for five seconds as hung.
constexpr DWORD kQueueCheckMs = 500;

// Waits for the process to end. Messages sent by other threads and programs
// are handled inside PeekMessage; paint messages are dispatched; input,
// timers and posted messages stay in the queue untouched.
void WaitServingPaint(HANDLE process) {
  for (;;) {
    const DWORD woke =
        MsgWaitForMultipleObjects(1, &process, FALSE, kQueueCheckMs, QS_PAINT | QS_SENDMESSAGE);
    if (woke == WAIT_OBJECT_0 || woke == WAIT_FAILED) return;
    MSG msg;
    while (PeekMessageW(&msg, nullptr, WM_PAINT, WM_PAINT, PM_REMOVE)) DispatchMessageW(&msg);
  }
}

}  // namespace

bool RunAndWait(const Text& program, const Text& parameters, unsigned short showCommand) {
  return RunCommandAndWait(BuildCommandLine(program, parameters), WorkingDirOf(program),
                           showCommand);
}

bool RunCommandAndWait(const Text& command, const Text& folder, unsigned short showCommand) {
  std::wstring commandLine = Wide(command);
  const std::wstring workingDir = Wide(folder);

  STARTUPINFOW si{};
  si.cb = sizeof si;
  si.dwFlags = STARTF_USESHOWWINDOW;
  si.wShowWindow = showCommand;
  PROCESS_INFORMATION pi{};
  // A program without a folder runs in the current directory rather than in "".
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE,
                      CREATE_NEW_CONSOLE | NORMAL_PRIORITY_CLASS, nullptr,
                      workingDir.empty() ? nullptr : workingDir.c_str(), &si, &pi))
    return false;
  CloseHandle(pi.hThread);
  WaitServingPaint(pi.hProcess);
  CloseHandle(pi.hProcess);
  return true;
}

}  // namespace demodisc
