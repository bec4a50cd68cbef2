// One start of a program, watched from outside: the time from CreateProcess
// to the first moment one of its top-level windows with a size is visible,
// and to the first moment it waits for input (WaitForInputIdle: created,
// shown, activated, painted, its posted activation work done). Shared by the
// start-up benchmark and the start-up profile.
#pragma once

#include <windows.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

namespace startwatch {

inline double MsBetween(LONGLONG from, LONGLONG to) {
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  return 1000.0 * static_cast<double>(to - from) / static_cast<double>(freq.QuadPart);
}

inline LONGLONG Now() {
  LARGE_INTEGER t;
  QueryPerformanceCounter(&t);
  return t.QuadPart;
}

// Finds a visible top-level window of a process that has a size (not the
// size-less taskbar window some programs keep). Whose each window is and,
// once hidden windows are known to be others', is remembered across calls,
// so that a call costs the window list and the look at the process's own.
class WindowFinder {
 public:
  explicit WindowFinder(DWORD pid) : pid_(pid) {}

  HWND Find() {
    found_ = nullptr;
    EnumWindows(Visit, reinterpret_cast<LPARAM>(this));
    return found_;
  }

 private:
  static BOOL CALLBACK Visit(HWND hwnd, LPARAM lp) {
    auto* self = reinterpret_cast<WindowFinder*>(lp);
    bool ours = false;
    bool known = false;
    for (const auto& [h, own] : self->known_)
      if (h == hwnd) {
        ours = own;
        known = true;
        break;
      }
    if (!known) {
      DWORD pid = 0;
      GetWindowThreadProcessId(hwnd, &pid);
      ours = pid == self->pid_;
      self->known_.emplace_back(hwnd, ours);
    }
    if (!ours || !IsWindowVisible(hwnd)) return TRUE;
    RECT r;
    if (!GetWindowRect(hwnd, &r) || r.right <= r.left || r.bottom <= r.top) return TRUE;
    self->found_ = hwnd;
    return FALSE;
  }

  DWORD pid_;
  HWND found_ = nullptr;
  std::vector<std::pair<HWND, bool>> known_;
};

struct Start {
  LONGLONG started = 0;  // the counter just before CreateProcess
  double visibleMs = -1;
  double readyMs = -1;
  HWND window = nullptr;
  PROCESS_INFORMATION process{};
};

namespace detail {
struct IdleWait {
  HANDLE process;
  LONGLONG idle;
};
inline DWORD WINAPI WaitIdle(void* p) {
  auto* wait = static_cast<IdleWait*>(p);
  WaitForInputIdle(wait->process, 30000);
  wait->idle = Now();
  return 0;
}
}  // namespace detail

// Starts `program` in `folder` (its standard error to `errorOut` when not
// null) and watches it until it is ready for input with a window up. A
// second thread waits for the idle moment while this one looks for the
// window every millisecond. False when no window came up.
inline bool StartAndWatch(const std::wstring& folder, const std::wstring& program, HANDLE errorOut,
                          Start& start) {
  std::wstring cmd = L"\"" + folder + L"\\" + program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  if (errorOut) {
    si.dwFlags = STARTF_USESTDHANDLES;
    si.hStdError = errorOut;
  }
  start = Start{};
  start.started = Now();
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, errorOut ? TRUE : FALSE, 0, nullptr,
                      folder.c_str(), &si, &start.process))
    return false;
  detail::IdleWait wait{start.process.hProcess, 0};
  const HANDLE waiter = CreateThread(nullptr, 0, detail::WaitIdle, &wait, 0, nullptr);
  WindowFinder finder(start.process.dwProcessId);
  LARGE_INTEGER freq;
  QueryPerformanceFrequency(&freq);
  const LONGLONG giveUp = start.started + 30 * freq.QuadPart;
  while (!start.window && Now() < giveUp) {
    start.window = finder.Find();
    if (start.window)
      start.visibleMs = MsBetween(start.started, Now());
    else
      Sleep(1);
  }
  WaitForSingleObject(waiter, INFINITE);
  CloseHandle(waiter);
  start.readyMs = MsBetween(start.started, wait.idle);
  return start.window != nullptr;
}

// Closes the started program's window and waits for it to end; its process
// handle stays open (its figures can still be read) until Release.
inline void Close(Start& start) {
  if (start.window) PostMessageW(start.window, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(start.process.hProcess, 10000) != WAIT_OBJECT_0)
    TerminateProcess(start.process.hProcess, 1);
}

inline void Release(Start& start) {
  CloseHandle(start.process.hThread);
  CloseHandle(start.process.hProcess);
  start.process = {};
}

inline double Median(std::vector<double> v) {
  if (v.empty()) return 0;
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
}

}  // namespace startwatch
