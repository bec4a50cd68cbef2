// The text conversions on arbitrary input. Any UTF-16 (lone surrogates
// included) goes to UTF-8 and back unchanged; any bytes convert to UTF-16
// without failing, and what that gives is stable; cp1251 decoding gives one
// character per byte; counting, cutting and lower-casing keep characters whole.
// The conversions hold nothing longer than a character (4 bytes) and the cut
// is at most 255 characters, so inputs of 4 KB reach what 64 KB would.
// fuzz-max-len: 4096
#include <cstdint>
#include <cstdlib>
#include <string>

#include "base/cp1251.h"
#include "base/text.h"

using namespace demodisc;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);

  std::u16string units(size / 2, u'\0');
  for (size_t i = 0; i + 1 < size; i += 2)
    units[i / 2] = static_cast<char16_t>(data[i] | data[i + 1] << 8);
  if (Utf16FromUtf8(Utf8FromUtf16(units)) != units) std::abort();

  const Text once = Utf8FromUtf16(Utf16FromUtf8(bytes));
  if (Utf8FromUtf16(Utf16FromUtf8(once)) != once) std::abort();

  Text decoded;
  AppendCp1251(bytes, decoded);
  if (CharCount(decoded) != size) std::abort();
  if (Utf8FromUtf16(Utf16FromUtf8(decoded)) != decoded) std::abort();

  const size_t chars = CharCount(once);
  const size_t n = size ? data[0] : 0;
  const std::string_view first = FirstChars(once, n);
  if (once.compare(0, first.size(), first) != 0) std::abort();
  if (CharCount(first) != (n < chars ? n : chars)) std::abort();
  if (CharCount(LowerCaseFrom(once, 1)) != chars) std::abort();
  return 0;
}
