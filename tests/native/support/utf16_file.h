// A text as Notepad saves it as "Unicode": UTF-16 LE behind its byte-order
// mark, for the tests of the files that may be written so.
#pragma once

#include <string>
#include <string_view>

#include "base/text.h"

namespace demodisc::testing {

inline std::string Utf16LeFile(std::string_view utf8) {
  std::string out = "\xFF\xFE";
  for (const char16_t unit : Utf16FromUtf8(utf8)) {
    out += static_cast<char>(unit & 0xFF);
    out += static_cast<char>(unit >> 8);
  }
  return out;
}

}  // namespace demodisc::testing
