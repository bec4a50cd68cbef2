// DemoDisc.exe's entry point, the process's first instruction (-e in
// cmake/windows.cmake): the DLL search is restricted before any other code
// of the program runs, then MinGW-w64's start-up takes over (C runtime,
// static constructors, wWinMain). Also the delay-load hooks: defined in an
// object the exe links directly, they take the place of the runtime's null
// ones.
#include "app/delay_load_win.h"
#include "base/dll_search_win.h"
#include "base/startup_marks_win.h"

extern "C" int WinMainCRTStartup();

extern "C" int DemoDiscStartup() {
  demodisc::StartupMark("process entry");
  demodisc::RestrictDllSearch();
  return WinMainCRTStartup();
}

PfnDliHook __pfnDliNotifyHook2 = demodisc::DelayLoadNotify;
PfnDliHook __pfnDliFailureHook2 = demodisc::DelayLoadFailure;
