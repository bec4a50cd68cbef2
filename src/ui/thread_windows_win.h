// Disabling the program's other windows while a modal window or a message
// box is up.
#pragma once

#include <windows.h>

#include <vector>

namespace demodisc {

// Disables every visible, enabled top-level window of this thread except
// `keep`, and enables them again when it goes out of scope.
class ThreadWindowsDisabled {
 public:
  explicit ThreadWindowsDisabled(HWND keep);
  ~ThreadWindowsDisabled();
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  std::vector<HWND> disabled_;
};

}  // namespace demodisc
