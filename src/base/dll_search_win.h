// Where the process takes its DLLs from: the system folder only. The disc
// may be copied into a folder full of other downloads, and Windows looks in
// the program's folder first for every DLL that is not a known DLL.
#pragma once

#include <windows.h>

namespace demodisc {

// Restricts the process's DLL search to the system folder where Windows
// offers it (SetDefaultDllDirectories: Windows 8, and Vista and 7 with
// KB2533623); elsewhere takes the current directory out of the search.
// Runs at the process's first instruction, before the C runtime has
// started: Win32 calls only.
void RestrictDllSearch() noexcept;

// Loads a DLL by its full path in the system folder; the DLLs it imports
// are looked for in that folder first too. `name` is a bare file name
// ("winmm.dll"). Null, with the last error set, when it cannot.
HMODULE LoadSystemLibrary(const char* name) noexcept;

// Loads comctl32.dll by its bare name, which the manifest's activation
// context turns into version 6 from the side-by-side store. The DLLs that
// comctl32 and uxtheme load by bare name themselves (uxtheme, msimg32) are
// loaded from the system folder first, so that those loads find them in the
// process: not every loader restricts a system DLL's own loads (Windows XP,
// the delay imports of Wine's DLLs).
HMODULE LoadCommonControls() noexcept;

}  // namespace demodisc
