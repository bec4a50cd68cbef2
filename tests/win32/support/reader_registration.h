// The PDF reader's registration for the Windows-side tests: the key
// Applications\AcroRd32.exe\shell\read\command as HKEY_CLASSES_ROOT shows it,
// written under the per-user classes (or under the machine's where the
// registry, as Wine's, does not show those through HKEY_CLASSES_ROOT).
// Every key it created is removed at the end.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "base/text.h"

namespace demodisc::testing {

class ReaderRegistration {
 public:
  // Creates the key without a default value.
  ReaderRegistration();
  ~ReaderRegistration();
  ReaderRegistration(const ReaderRegistration&) = delete;
  ReaderRegistration& operator=(const ReaderRegistration&) = delete;

  void SetString(const Text& command, DWORD type = REG_SZ);
  void SetDword(DWORD value);
  // Lets everybody read the key and nobody change it.
  void MakeReadOnly();

  // True when HKEY_CLASSES_ROOT shows the reader's key.
  static bool Visible();

 private:
  void SetRaw(DWORD type, const void* data, DWORD size);

  HKEY root_ = nullptr;
  std::wstring classes_;               // the classes key under root_
  std::vector<std::wstring> created_;  // key paths under classes_, outermost first
  bool readOnly_ = false;
};

}  // namespace demodisc::testing
