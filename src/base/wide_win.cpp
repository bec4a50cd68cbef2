#include "base/wide_win.h"

namespace demodisc {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::string_view text) {
  const std::u16string units = Utf16FromUtf8(text);
  return std::wstring(units.begin(), units.end());
}

Text FromWide(std::wstring_view text) {
  return Utf8FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace demodisc
