// The delay-load hooks of DemoDisc.exe. The system DLLs that are not known
// DLLs (comctl32, winmm, oleacc) are delay-loaded, and these hooks load them
// after the DLL search has been restricted: winmm and oleacc by their full
// path in the system folder, comctl32 by the manifest's activation context.
// A DLL or a function that cannot be had goes to the default error display
// and ends the program: the call that needed it cannot go on.
#pragma once

#include <windows.h>
// delayimp.h has no include guard: it comes in through this header only.
#include <delayimp.h>

namespace demodisc {

// The notification hook: loads the DLL at dliNotePreLoadLibrary.
FARPROC WINAPI DelayLoadNotify(unsigned note, PDelayLoadInfo info) noexcept;
// The failure hook.
FARPROC WINAPI DelayLoadFailure(unsigned note, PDelayLoadInfo info) noexcept;

}  // namespace demodisc
