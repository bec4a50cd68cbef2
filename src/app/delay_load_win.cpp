#include "app/delay_load_win.h"

#include <string>

#include "base/dll_search_win.h"
#include "base/system_message_win.h"
#include "ui/dispatch.h"
#include "ui/error_display_win.h"

namespace demodisc {

namespace {

Text FailureText(bool loadingDll, const DelayLoadInfo& info, DWORD error) {
  const Text dll = info.szDll ? info.szDll : "?";
  Text what;
  if (loadingDll) {
    what = "Cannot load the system library " + dll;
  } else {
    const Text function = info.dlp.fImportByName && info.dlp.szProcName
                              ? Text(info.dlp.szProcName)
                              : "ordinal " + std::to_string(info.dlp.dwOrdinal);
    what = "Cannot find " + function + " in the system library " + dll;
  }
  return what + ": " + SystemMessage(error);
}

// Shows the failure and ends the process with the code of the exception
// that the delay-load helper would otherwise raise.
[[noreturn]] void Fail(bool loadingDll, const DelayLoadInfo& info, DWORD error) noexcept {
  Guarded([&] { ShowDefaultError(FailureText(loadingDll, info, error)); });
  const DWORD code = loadingDll ? ERROR_MOD_NOT_FOUND : ERROR_PROC_NOT_FOUND;
  ExitProcess(VcppException(ERROR_SEVERITY_ERROR, code));
}

}  // namespace

FARPROC WINAPI DelayLoadNotify(unsigned note, PDelayLoadInfo info) noexcept {
  if (note != dliNotePreLoadLibrary) return nullptr;
  const HMODULE dll = lstrcmpiA(info->szDll, "comctl32.dll") == 0 ? LoadCommonControls()
                                                                  : LoadSystemLibrary(info->szDll);
  if (dll) return reinterpret_cast<FARPROC>(dll);
  // Null would have the helper load the DLL by its bare name, through the
  // search that may find it in the program's folder.
  Fail(true, *info, GetLastError());
}

FARPROC WINAPI DelayLoadFailure(unsigned note, PDelayLoadInfo info) noexcept {
  Fail(note == dliFailLoadLib, *info, info->dwLastError);
}

}  // namespace demodisc
