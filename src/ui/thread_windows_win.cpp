#include "ui/thread_windows_win.h"

namespace demodisc {

namespace {
struct Collect {
  HWND keep;
  std::vector<HWND>* out;
};

BOOL CALLBACK CollectWindow(HWND hwnd, LPARAM lp) {
  auto* c = reinterpret_cast<Collect*>(lp);
  if (hwnd != c->keep && IsWindowVisible(hwnd) && IsWindowEnabled(hwnd)) c->out->push_back(hwnd);
  return TRUE;
}
}  // namespace

ThreadWindowsDisabled::ThreadWindowsDisabled(HWND keep) {
  Collect c{keep, &disabled_};
  EnumThreadWindows(GetCurrentThreadId(), CollectWindow, reinterpret_cast<LPARAM>(&c));
  for (HWND h : disabled_) EnableWindow(h, FALSE);
}

ThreadWindowsDisabled::~ThreadWindowsDisabled() {
  for (HWND h : disabled_)
    if (IsWindow(h)) EnableWindow(h, TRUE);
}

}  // namespace demodisc
