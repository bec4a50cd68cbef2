#include "support/theme_stand_in.h"

#include <shlwapi.h>

#include <cstdint>
#include <cstring>
#include <set>

#include "support/import_entry.h"

namespace demodisc::testing {

namespace {

bool gReached = false;
int gOpened = 0;
int gClosed = 0;
int gDrawn = 0;
int gMisused = 0;
std::uintptr_t gLastToken = 0x5000;
std::set<HANDLE>& Open() {
  static std::set<HANDLE> open;
  return open;
}

decltype(&GetProcAddress) gGetProcAddress = nullptr;

BOOL WINAPI ThemeActive() {
  gReached = true;
  return TRUE;
}

HANDLE WINAPI OpenThemeData(HWND, LPCWSTR) {
  ++gOpened;
  const auto token = reinterpret_cast<HANDLE>(gLastToken += 0x10);
  Open().insert(token);
  return token;
}

HRESULT WINAPI CloseThemeData(HANDLE data) {
  ++gClosed;
  if (!Open().erase(data)) ++gMisused;
  return S_OK;
}

HRESULT WINAPI DrawThemeBackground(HANDLE data, HDC dc, int, int, const RECT* rect, const RECT*) {
  ++gDrawn;
  if (!Open().contains(data)) ++gMisused;
  const COLORREF old = SetBkColor(dc, ThemeStandIn::kThemedFace);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
  return S_OK;
}

HRESULT CALLBACK CommonControlsVersion(DLLVERSIONINFO* info) {
  info->dwMajorVersion = 6;
  info->dwMinorVersion = 0;
  return S_OK;
}

FARPROC WINAPI StandInGetProcAddress(HMODULE module, LPCSTR name) {
  const auto is = [&](const char* function) {
    return !IS_INTRESOURCE(name) && std::strcmp(name, function) == 0;
  };
  const auto as = [](auto function) {
    return reinterpret_cast<FARPROC>(reinterpret_cast<void*>(function));
  };
  if (module == GetModuleHandleW(L"uxtheme.dll")) {
    if (is("IsAppThemed") || is("IsThemeActive")) return as(&ThemeActive);
    if (is("OpenThemeData")) return as(&OpenThemeData);
    if (is("CloseThemeData")) return as(&CloseThemeData);
    if (is("DrawThemeBackground")) return as(&DrawThemeBackground);
  }
  if (module == GetModuleHandleW(L"comctl32.dll") && is("DllGetVersion"))
    return as(&CommonControlsVersion);
  return gGetProcAddress(module, name);
}

}  // namespace

ThemeStandIn::ThemeStandIn() {
  gReached = false;
  gOpened = gClosed = gDrawn = gMisused = 0;
  Open().clear();
  gGetProcAddress = reinterpret_cast<decltype(gGetProcAddress)>(SwapImport(
      "kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(&StandInGetProcAddress)));
}

ThemeStandIn::~ThemeStandIn() {
  // What the program looked up meanwhile stays the stand-in's.
  if (gGetProcAddress)
    SwapImport("kernel32.dll", "GetProcAddress", reinterpret_cast<void*>(gGetProcAddress));
  gGetProcAddress = nullptr;
}

bool ThemeStandIn::reached() const { return gReached; }
int ThemeStandIn::opened() const { return gOpened; }
int ThemeStandIn::closed() const { return gClosed; }
int ThemeStandIn::open() const { return static_cast<int>(Open().size()); }
int ThemeStandIn::drawn() const { return gDrawn; }
int ThemeStandIn::misused() const { return gMisused; }

}  // namespace demodisc::testing
