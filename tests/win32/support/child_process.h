// A program that a test starts in a folder of its own, and what the test
// sees of it from outside: its windows, its modules and how it ends.
#pragma once

#include <windows.h>

#include <vector>

#include "base/text.h"

namespace demodisc::testing {

class ChildProcess {
 public:
  // Starts `exe` with `arguments` in `dir`.
  ChildProcess(const Text& exe, const Text& arguments, const Text& dir);
  // Ends the program if it is still running.
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // A visible top-level window of the program of that class, once one has
  // come within `ms` milliseconds; null otherwise.
  HWND WaitForWindow(const wchar_t* className, int ms) const;
  // The exit code once the program has ended within `ms` milliseconds;
  // STILL_ACTIVE while it runs.
  DWORD WaitForExit(int ms) const;
  // The full paths of the modules loaded in the program.
  std::vector<Text> ModulePaths() const;

 private:
  PROCESS_INFORMATION process_{};
};

// The texts of a dialog's static controls, one a line: a message box's message.
Text DialogText(HWND dialog);

}  // namespace demodisc::testing
