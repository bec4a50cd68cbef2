#include "base/system_message_win.h"

#include <string>

#include "base/wide_win.h"

namespace demodisc {

Text SystemMessage(DWORD error) {
  wchar_t* buffer = nullptr;
  const DWORD length = FormatMessageW(
      FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
      nullptr, error, 0, reinterpret_cast<wchar_t*>(&buffer), 0, nullptr);
  std::wstring text(buffer ? buffer : L"", length);
  LocalFree(buffer);
  while (!text.empty() && (text.back() == L'.' || text.back() == L' ' || text.back() == L'\r' ||
                           text.back() == L'\n'))
    text.pop_back();
  return text.empty() ? "error " + std::to_string(error) : FromWide(text);
}

}  // namespace demodisc
