// The test program's import table: an entry pointed at a stand-in, so that
// the program's calls of a system function reach the stand-in instead.
#pragma once

namespace demodisc::testing {

// Points the test program's import entry of `function` from `dll` (say
// "gdi32.dll") at `to`; returns what the entry held, null when the program
// imports no such function (nothing is changed then).
void* SwapImport(const char* dll, const char* function, void* to);

}  // namespace demodisc::testing
