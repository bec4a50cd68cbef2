// Test helper: DemoDisc.exe's entry point and delay-load hooks (linked from
// src/app) around one delay-loaded call, named by the command line:
//   present  mciGetErrorStringW of winmm.dll; exits with 0 when the call
//            worked, the C runtime's start-up had run and winmm.dll came
//            from the system folder
//   absent   a function of demodisc_absent.dll, which no system has
//   missing  DemoDiscMissing, which oleacc.dll lacks
// It first searches its own folder again, as Windows XP does, so that a
// DLL loaded by its bare name would be one planted there.
#include <windows.h>
#include <mmsystem.h>

#include <string>

extern "C" void WINAPI DemoDiscAbsent();
extern "C" void WINAPI DemoDiscMissing();

namespace {

// Set by a dynamic initializer: the runtime's start-up has run it.
const std::wstring gCommandLine = GetCommandLineW();

bool FromSystemFolder(const wchar_t* dll) {
  wchar_t path[MAX_PATH], system[MAX_PATH];
  const DWORD n = GetModuleFileNameW(GetModuleHandleW(dll), path, MAX_PATH);
  const UINT s = GetSystemDirectoryW(system, MAX_PATH);
  return n > s && path[s] == L'\\' &&
         CompareStringW(LOCALE_INVARIANT, NORM_IGNORECASE, path, s, system, s) == CSTR_EQUAL;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR args, int) {
  using SetDefaultDllDirectoriesFn = BOOL(WINAPI*)(DWORD);
  const auto setDefaultDllDirectories =
      reinterpret_cast<SetDefaultDllDirectoriesFn>(reinterpret_cast<void*>(
          GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
  if (setDefaultDllDirectories) setDefaultDllDirectories(LOAD_LIBRARY_SEARCH_DEFAULT_DIRS);
  const std::wstring mode = args;
  if (mode == L"absent") DemoDiscAbsent();
  if (mode == L"missing") DemoDiscMissing();
  if (mode != L"present" || gCommandLine.find(L"present") == std::wstring::npos) return 2;
  wchar_t text[128];
  if (!mciGetErrorStringW(MCIERR_INVALID_DEVICE_ID, text, 128)) return 3;
  return FromSystemFolder(L"winmm.dll") ? 0 : 4;
}
