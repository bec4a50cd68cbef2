#include "base/text.h"

namespace demodisc {

namespace {

bool IsContinuation(unsigned char b) { return (b & 0xC0) == 0x80; }

bool IsHighSurrogate(char32_t u) { return u >= 0xD800 && u <= 0xDBFF; }
bool IsLowSurrogate(char32_t u) { return u >= 0xDC00 && u <= 0xDFFF; }

}  // namespace

char32_t NextChar(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i]);
  if (b0 < 0x80) {
    ++i;
    return b0;
  }
  const std::size_t extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : 0;
  // A stray continuation byte, a lead byte beyond U+10FFFF, a sequence cut short.
  if (extra == 0 || b0 > 0xF4 || i + extra >= s.size()) {
    ++i;
    return kReplacementChar;
  }
  char32_t c = b0 & (0x3F >> extra);
  for (std::size_t k = 1; k <= extra; ++k) {
    const auto b = static_cast<unsigned char>(s[i + k]);
    if (!IsContinuation(b)) {
      ++i;
      return kReplacementChar;
    }
    c = (c << 6) | (b & 0x3F);
  }
  constexpr char32_t kLeast[] = {0, 0x80, 0x800, 0x10000};
  if (c < kLeast[extra] || c > 0x10FFFF) {
    ++i;
    return kReplacementChar;
  }
  i += extra + 1;
  return c;
}

void AppendChar(Text& out, char32_t c) {
  if (c < 0x80) {
    out.push_back(static_cast<char>(c));
  } else if (c < 0x800) {
    out.push_back(static_cast<char>(0xC0 | (c >> 6)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else if (c < 0x10000) {
    out.push_back(static_cast<char>(0xE0 | (c >> 12)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  } else {
    out.push_back(static_cast<char>(0xF0 | (c >> 18)));
    out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
    out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
  }
}

std::u16string Utf16FromUtf8(std::string_view text) {
  std::u16string out;
  out.reserve(text.size());
  AppendUtf16(text, out);
  return out;
}

Text Utf8FromUtf16(std::u16string_view text) {
  Text out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    char32_t c = text[i];
    if (IsHighSurrogate(c) && i + 1 < text.size() && IsLowSurrogate(text[i + 1]))
      c = 0x10000 + ((c - 0xD800) << 10) + (text[++i] - 0xDC00);
    AppendChar(out, c);  // a lone surrogate keeps its three-byte form
  }
  return out;
}

Text Utf8FromUtf16Bytes(std::string_view bytes, bool bigEndian) {
  std::u16string units;
  units.reserve(bytes.size() / 2);
  for (std::size_t i = 0; i + 1 < bytes.size(); i += 2) {
    const auto first = static_cast<unsigned char>(bytes[i]);
    const auto second = static_cast<unsigned char>(bytes[i + 1]);
    units.push_back(static_cast<char16_t>(bigEndian ? first << 8 | second : second << 8 | first));
  }
  return Utf8FromUtf16(units);
}

std::size_t CharCount(std::string_view text) {
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++n) NextChar(text, i);
  return n;
}

std::size_t CharOffset(std::string_view text, std::size_t n) {
  std::size_t i = 0;
  for (; n > 0 && i < text.size(); --n) NextChar(text, i);
  return i;
}

std::string_view FirstChars(std::string_view text, std::size_t n) {
  return text.substr(0, CharOffset(text, n));
}

std::string_view TrimBlanks(std::string_view text, std::string_view blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return text.substr(text.size());
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

char32_t LowerChar(char32_t c) {
  if (c < 0x80) return c >= 'A' && c <= 'Z' ? c + 0x20 : c;
  // Latin-1 capitals, the multiplication sign aside.
  if (c >= 0xC0 && c <= 0xDE) return c == 0xD7 ? c : c + 0x20;
  // Latin Extended-A: capital and small letters in pairs.
  if (c == 0x130) return 'i';
  if (c == 0x178) return 0xFF;
  if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return c % 2 == 0 ? c + 1 : c;
  if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return c % 2 == 1 ? c + 1 : c;
  // Greek.
  if (c == 0x386) return 0x3AC;
  if (c >= 0x388 && c <= 0x38A) return c + 0x25;
  if (c == 0x38C) return 0x3CC;
  if (c == 0x38E || c == 0x38F) return c + 0x3F;
  if ((c >= 0x391 && c <= 0x3A1) || (c >= 0x3A3 && c <= 0x3AB)) return c + 0x20;
  // Cyrillic.
  if (c >= 0x400 && c <= 0x40F) return c + 0x50;
  if (c >= 0x410 && c <= 0x42F) return c + 0x20;
  if ((c >= 0x460 && c <= 0x481) || (c >= 0x48A && c <= 0x4BF) || (c >= 0x4D0 && c <= 0x52F))
    return c % 2 == 0 ? c + 1 : c;
  if (c == 0x4C0) return 0x4CF;
  if (c >= 0x4C1 && c <= 0x4CE) return c % 2 == 1 ? c + 1 : c;
  return c;
}

Text LowerCaseFrom(std::string_view text, std::size_t from) {
  Text out;
  out.reserve(text.size());
  std::size_t n = 0;
  for (std::size_t i = 0; i < text.size(); ++n) {
    const char32_t c = NextChar(text, i);
    AppendChar(out, n < from ? c : LowerChar(c));
  }
  return out;
}

}  // namespace demodisc
