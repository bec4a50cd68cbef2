// The disc's own text files are in the Windows code page 1251: their bytes
// are decoded into the program's UTF-8 text as they are read.
#pragma once

#include <string_view>

#include "base/text.h"

namespace demodisc {

// Appends the cp1251 bytes as UTF-8. Every byte is one character: the one
// byte the code page leaves unused (0x98) becomes U+FFFD.
void AppendCp1251(std::string_view bytes, Text& out);

// The cp1251 byte of a character, or -1 when the code page has none.
int Cp1251ByteOf(char32_t c);

}  // namespace demodisc
