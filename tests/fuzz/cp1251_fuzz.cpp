// The cp1251 conversions on arbitrary input: widening never fails and gives
// one unit per byte; narrowing what was widened gives the bytes back (the
// unused byte 0x98 aside); narrowing arbitrary UTF-16 never fails.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/cp1251.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::u16string wide = demodisc::ToUtf16(bytes);
  if (wide.size() != bytes.size()) std::abort();
  const std::string back = demodisc::FromUtf16(wide);
  for (size_t i = 0; i < size; ++i) {
    const char expected = data[i] == 0x98 ? '?' : static_cast<char>(data[i]);
    if (back[i] != expected) std::abort();
  }
  std::u16string units(size / 2, u'\0');
  for (size_t i = 0; i + 1 < size; i += 2) units[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);
  if (demodisc::FromUtf16(units).size() > units.size()) std::abort();
  return 0;
}
