// Sets the process's current directory for a test and puts the previous one
// back at the end (a folder that is current cannot be removed).
#pragma once

#include <windows.h>

#include "base/files_win.h"
#include "base/wide_win.h"

namespace demodisc::testing {

class CurrentDirectoryScope {
 public:
  explicit CurrentDirectoryScope(const Text& path) : previous_(CurrentDirectory()) {
    SetCurrentDirectoryW(Wide(path).c_str());
  }
  ~CurrentDirectoryScope() { SetCurrentDirectoryW(Wide(previous_).c_str()); }
  CurrentDirectoryScope(const CurrentDirectoryScope&) = delete;
  CurrentDirectoryScope& operator=(const CurrentDirectoryScope&) = delete;

 private:
  Text previous_;
};

}  // namespace demodisc::testing
