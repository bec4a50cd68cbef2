// DemoDisc.exe's entry point, the process's first instruction (-e in
// cmake/windows.cmake): the DLL search is restricted before any other code
// of the program runs, then MinGW-w64's start-up takes over (C runtime,
// static constructors, wWinMain). Also the delay-load hooks: defined in an
// object the exe links directly, they take the place of the runtime's null
// ones.
#include <cstdlib>

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

// An exception that nothing catches ends the process. The runtime's default
// handler would first demangle the exception's type name for a console that
// a window program does not have; taking its place keeps its demangler (some
// 46 KiB) out of the exe. The end is the same: abort.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
