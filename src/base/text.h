// Text inside the program: UTF-8 in a std::string, whatever letters it holds.
// It becomes UTF-16 only at a wide Windows call. A lone UTF-16 surrogate (a
// Windows file name may hold one) is kept in its three-byte form (WTF-8), so
// a name goes from a wide call to UTF-8 and back unchanged.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace demodisc {

using Text = std::string;

inline constexpr char32_t kReplacementChar = 0xFFFD;

// The character that starts at s[i]; i moves past it. A byte that starts no
// well-formed sequence gives U+FFFD and moves i by one.
char32_t NextChar(std::string_view s, std::size_t& i);

// Appends one character in UTF-8.
void AppendChar(Text& out, char32_t c);

// Appends the text's characters as UTF-16 units to any string of 16-bit
// units (std::u16string, or std::wstring on Windows).
template <typename Units>
void AppendUtf16(std::string_view text, Units& out) {
  for (std::size_t i = 0; i < text.size();) {
    const char32_t c = NextChar(text, i);
    if (c < 0x10000) {
      out.push_back(static_cast<typename Units::value_type>(c));
    } else {
      out.push_back(static_cast<typename Units::value_type>(0xD800 + ((c - 0x10000) >> 10)));
      out.push_back(static_cast<typename Units::value_type>(0xDC00 + ((c - 0x10000) & 0x3FF)));
    }
  }
}

// Conversions at the wide boundary; both are lossless for what the other gives.
std::u16string Utf16FromUtf8(std::string_view text);
Text Utf8FromUtf16(std::u16string_view text);
// The bytes of a UTF-16 file (without its byte-order mark) as UTF-8; an odd
// last byte is dropped.
Text Utf8FromUtf16Bytes(std::string_view bytes, bool bigEndian);

// Counting and cutting by characters (code points), never inside one.
std::size_t CharCount(std::string_view text);
// The byte offset of the character n characters in, or text.size().
std::size_t CharOffset(std::string_view text, std::size_t n);
// The first n characters.
std::string_view FirstChars(std::string_view text, std::size_t n);
// The text without the `blanks` at its ends.
std::string_view TrimBlanks(std::string_view text, std::string_view blanks = " \t");

// The lower-case letter of c, for the Latin (Basic, Latin-1, Extended-A),
// Greek and Cyrillic alphabets; any other character as it is.
char32_t LowerChar(char32_t c);
// The text with every character after the first `from` ones in lower case.
Text LowerCaseFrom(std::string_view text, std::size_t from);

}  // namespace demodisc
