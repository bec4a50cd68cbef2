#include "support/child_process.h"

#include <tlhelp32.h>

#include <string>

#include "base/wide_win.h"
#include "support/test_support.h"

namespace demodisc::testing {

namespace {

struct WindowSearch {
  DWORD processId;
  const wchar_t* className;
  HWND found = nullptr;
};

BOOL CALLBACK FindWindowOf(HWND window, LPARAM lp) {
  auto* search = reinterpret_cast<WindowSearch*>(lp);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  wchar_t name[64] = {};
  GetClassNameW(window, name, 64);
  if (owner != search->processId || !IsWindowVisible(window) || lstrcmpW(name, search->className))
    return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK AddStaticText(HWND child, LPARAM lp) {
  wchar_t name[16] = {}, text[1024] = {};
  GetClassNameW(child, name, 16);
  if (lstrcmpiW(name, L"Static") == 0 && GetWindowTextW(child, text, 1024) > 0) {
    auto* out = reinterpret_cast<std::wstring*>(lp);
    *out += (out->empty() ? L"" : L"\n") + std::wstring(text);
  }
  return TRUE;
}

}  // namespace

ChildProcess::ChildProcess(const Text& exe, const Text& arguments, const Text& dir) {
  std::wstring commandLine = L"\"" + Wide(exe) + L"\" " + Wide(arguments);
  STARTUPINFOW startup{};
  startup.cb = sizeof startup;
  if (!CreateProcessW(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                      Wide(dir).c_str(), &startup, &process_))
    process_ = {};
}

ChildProcess::~ChildProcess() {
  if (!process_.hProcess) return;
  if (WaitForExit(0) == STILL_ACTIVE) {
    TerminateProcess(process_.hProcess, 1);
    WaitForSingleObject(process_.hProcess, 5000);
  }
  CloseHandle(process_.hThread);
  CloseHandle(process_.hProcess);
}

HWND ChildProcess::WaitForWindow(const wchar_t* className, int ms) const {
  WindowSearch search{process_.dwProcessId, className};
  if (!process_.hProcess) return nullptr;
  PumpMessages(ms, [&] {
    EnumWindows(FindWindowOf, reinterpret_cast<LPARAM>(&search));
    return search.found != nullptr || WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0;
  });
  return search.found;
}

DWORD ChildProcess::WaitForExit(int ms) const {
  if (!process_.hProcess) return STILL_ACTIVE;
  PumpMessages(ms, [&] { return WaitForSingleObject(process_.hProcess, 0) == WAIT_OBJECT_0; });
  DWORD code = STILL_ACTIVE;
  GetExitCodeProcess(process_.hProcess, &code);
  return code;
}

std::vector<Text> ChildProcess::ModulePaths() const {
  std::vector<Text> paths;
  const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, process_.dwProcessId);
  if (snapshot == INVALID_HANDLE_VALUE) return paths;
  MODULEENTRY32W module{};
  module.dwSize = sizeof module;
  for (BOOL more = Module32FirstW(snapshot, &module); more; more = Module32NextW(snapshot, &module))
    paths.push_back(FromWide(module.szExePath));
  CloseHandle(snapshot);
  return paths;
}

Text DialogText(HWND dialog) {
  std::wstring text;
  EnumChildWindows(dialog, AddStaticText, reinterpret_cast<LPARAM>(&text));
  return FromWide(text);
}

}  // namespace demodisc::testing
