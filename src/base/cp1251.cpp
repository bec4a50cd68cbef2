#include "base/cp1251.h"

namespace demodisc {

std::u16string ToUtf16(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (char c : text) out.push_back(cp1251::ToUtf16(static_cast<unsigned char>(c)));
  return out;
}

Text FromUtf16(std::u16string_view text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t cp = text[i];
    // A surrogate pair stands for one character outside the code page.
    if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < text.size() && text[i + 1] >= 0xDC00 &&
        text[i + 1] <= 0xDFFF)
      ++i, cp = 0x10000;
    const int b = cp1251::FromCodePoint(cp);
    out.push_back(b < 0 ? '?' : static_cast<char>(b));
  }
  return out;
}

}  // namespace demodisc
