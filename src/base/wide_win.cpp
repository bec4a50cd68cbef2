#include "base/wide_win.h"

namespace demodisc {

std::wstring Wide(std::string_view text) {
  std::wstring out(text.size(), L'\0');
  for (std::size_t i = 0; i < text.size(); ++i)
    out[i] = static_cast<wchar_t>(cp1251::ToUtf16(static_cast<unsigned char>(text[i])));
  return out;
}

Text Narrow(std::wstring_view text) {
  return FromUtf16(std::u16string_view(reinterpret_cast<const char16_t*>(text.data()), text.size()));
}

}  // namespace demodisc
