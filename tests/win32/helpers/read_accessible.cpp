// Test helper: an accessibility client in a process of its own. Reads the
// client object of the window whose handle (hexadecimal) is its argument
// and writes, one UTF-16 line each, the number of children and then for
// each child "role|name|left,top,width,height" to the file named by
// DEMODISC_RECORD.
#include <windows.h>
#include <oleacc.h>

#include <cwchar>
#include <string>

int wmain(int argc, wchar_t** argv) {
  if (argc < 2) return 2;
  wchar_t target[1024];
  if (!GetEnvironmentVariableW(L"DEMODISC_RECORD", target, 1024)) return 2;
  HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(wcstoul(argv[1], nullptr, 16)));
  if (FAILED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))) return 3;
  std::wstring out;
  IAccessible* a = nullptr;
  const HRESULT hr =
      AccessibleObjectFromWindow(window, static_cast<DWORD>(OBJID_CLIENT), __uuidof(IAccessible),
                                 reinterpret_cast<void**>(&a));
  if (FAILED(hr)) {
    out = L"error " + std::to_wstring(static_cast<unsigned long>(hr)) + L"\n";
  } else {
    long count = -1;
    a->get_accChildCount(&count);
    out = std::to_wstring(count) + L"\n";
    for (long id = 1; id <= count; ++id) {
      VARIANT child;
      child.vt = VT_I4;
      child.lVal = id;
      VARIANT role;
      role.vt = VT_EMPTY;
      a->get_accRole(child, &role);
      BSTR name = nullptr;
      a->get_accName(child, &name);
      long x = 0, y = 0, w = 0, h = 0;
      a->accLocation(&x, &y, &w, &h, child);
      out += std::to_wstring(role.vt == VT_I4 ? role.lVal : -1) + L"|" +
             (name ? std::wstring(name, SysStringLen(name)) : L"") + L"|" + std::to_wstring(x) +
             L"," + std::to_wstring(y) + L"," + std::to_wstring(w) + L"," + std::to_wstring(h) +
             L"\n";
      SysFreeString(name);
    }
    a->Release();
  }
  CoUninitialize();
  HANDLE f = CreateFileW(target, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (f == INVALID_HANDLE_VALUE) return 4;
  DWORD written;
  WriteFile(f, out.data(), static_cast<DWORD>(out.size() * sizeof(wchar_t)), &written, nullptr);
  CloseHandle(f);
  return 0;
}
