#include "base/wide_win.h"

namespace demodisc {

// wchar_t is a UTF-16 unit on Windows.
static_assert(sizeof(wchar_t) == sizeof(char16_t));

std::wstring Wide(std::string_view text) {
  std::wstring out;
  out.reserve(text.size());
  AppendUtf16(text, out);
  return out;
}

Text FromWide(std::wstring_view text) {
  return Utf8FromUtf16(
      std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace demodisc
