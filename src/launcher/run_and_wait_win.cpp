#include "launcher/run_and_wait_win.h"

#include <windows.h>

#include "base/wide_win.h"
#include "launcher/command_line.h"

namespace demodisc {

bool RunAndWait(const Text& program, const Text& parameters, unsigned short showCommand) {
  std::wstring commandLine = Wide(BuildCommandLine(program, parameters));
  const std::wstring workingDir = Wide(WorkingDirOf(program));

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
  WaitForSingleObject(pi.hProcess, INFINITE);
  CloseHandle(pi.hProcess);
  CloseHandle(pi.hThread);
  return true;
}

}  // namespace demodisc
