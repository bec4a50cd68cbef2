#include "support/import_entry.h"

#include <windows.h>

#include <cstring>

namespace demodisc::testing {

namespace {

// The entry of a function in the test program's import table; null when it
// imports no such function.
void** ImportEntry(const char* dllName, const char* function) {
  auto* base = reinterpret_cast<BYTE*>(GetModuleHandleW(nullptr));
  const auto* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
  const auto* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
  const IMAGE_DATA_DIRECTORY& imports =
      nt->OptionalHeader.DataDirectory[IMAGE_DIRECTORY_ENTRY_IMPORT];
  if (!imports.VirtualAddress) return nullptr;
  for (auto* dll = reinterpret_cast<IMAGE_IMPORT_DESCRIPTOR*>(base + imports.VirtualAddress);
       dll->Name; ++dll) {
    if (lstrcmpiA(reinterpret_cast<const char*>(base + dll->Name), dllName) != 0) continue;
    const DWORD names = dll->OriginalFirstThunk ? dll->OriginalFirstThunk : dll->FirstThunk;
    auto* name = reinterpret_cast<IMAGE_THUNK_DATA*>(base + names);
    auto* entry = reinterpret_cast<IMAGE_THUNK_DATA*>(base + dll->FirstThunk);
    for (; name->u1.AddressOfData; ++name, ++entry) {
      if (IMAGE_SNAP_BY_ORDINAL(name->u1.Ordinal)) continue;
      const auto* byName =
          reinterpret_cast<const IMAGE_IMPORT_BY_NAME*>(base + name->u1.AddressOfData);
      if (std::strcmp(reinterpret_cast<const char*>(byName->Name), function) == 0)
        return reinterpret_cast<void**>(&entry->u1.Function);
    }
  }
  return nullptr;
}

}  // namespace

void* SwapImport(const char* dll, const char* function, void* to) {
  void** entry = ImportEntry(dll, function);
  DWORD protection = 0;
  if (!entry || !VirtualProtect(entry, sizeof *entry, PAGE_READWRITE, &protection)) return nullptr;
  void* held = *entry;
  *entry = to;
  VirtualProtect(entry, sizeof *entry, protection, &protection);
  return held;
}

}  // namespace demodisc::testing
