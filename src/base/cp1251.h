// Single-byte Windows-1251 text: the program's one string type, and the
// compile-time conversion of UTF-8 literals into it.
#pragma once

#include <array>
#include <ostream>
#include <cstddef>
#include <string>
#include <string_view>

namespace demodisc {

// Text inside the program: cp1251 bytes in a std::string.
using Text = std::string;

namespace cp1251 {

// Unicode code points of the bytes 0x80..0xFF; 0 marks the one unused byte (0x98).
inline constexpr std::array<char16_t, 128> kHighHalf = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,  // 80
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,  // 88
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,  // 90
    0x0000, 0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,  // 98
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,  // A0
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,  // A8
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,  // B0
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,  // B8
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,  // C0
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,  // C8
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,  // D0
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,  // D8
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,  // E0
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,  // E8
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,  // F0
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,  // F8
};

// The cp1251 byte of a code point, or -1 when the code page has none.
constexpr int FromCodePoint(char32_t cp) {
  if (cp < 0x80) return static_cast<int>(cp);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i)
    if (kHighHalf[i] != 0 && kHighHalf[i] == cp) return static_cast<int>(0x80 + i);
  return -1;
}

// The UTF-16 unit of a cp1251 byte (the unused 0x98 maps to U+FFFD).
constexpr char16_t ToUtf16(unsigned char b) {
  if (b < 0x80) return b;
  const char16_t u = kHighHalf[b - 0x80];
  return u ? u : char16_t{0xFFFD};
}

// Decodes one UTF-8 sequence at s[i]; advances i. Returns -1 on a malformed sequence.
constexpr long DecodeUtf8(std::string_view s, std::size_t& i) {
  const auto b0 = static_cast<unsigned char>(s[i++]);
  if (b0 < 0x80) return b0;
  int extra = b0 >= 0xF0 ? 3 : b0 >= 0xE0 ? 2 : b0 >= 0xC0 ? 1 : -1;
  if (extra < 0) return -1;
  long cp = b0 & (0x3F >> extra);
  for (; extra > 0; --extra) {
    if (i >= s.size()) return -1;
    const auto b = static_cast<unsigned char>(s[i++]);
    if ((b & 0xC0) != 0x80) return -1;
    cp = (cp << 6) | (b & 0x3F);
  }
  return cp;
}

// A UTF-8 literal converted to cp1251 at compile time.
template <std::size_t N>
struct Literal {
  std::array<char, N> bytes{};
  std::size_t size = 0;

  consteval explicit Literal(std::string_view utf8) {
    std::size_t i = 0;
    while (i < utf8.size()) {
      const long cp = DecodeUtf8(utf8, i);
      if (cp < 0) throw "malformed UTF-8 in a literal";
      const int b = FromCodePoint(static_cast<char32_t>(cp));
      if (b < 0) throw "character outside code page 1251 in a literal";
      bytes[size++] = static_cast<char>(b);
    }
  }
  constexpr std::string_view view() const { return {bytes.data(), size}; }
};

// The converted bytes of one literal, stored once for the whole program.
template <char... Utf8>
inline constexpr char kUtf8Bytes[] = {Utf8..., '\0'};
template <char... Utf8>
inline constexpr Literal<sizeof...(Utf8) + 1> kStored{
    std::string_view(kUtf8Bytes<Utf8...>, sizeof...(Utf8))};

}  // namespace cp1251

// A cp1251 literal: a string view that also converts to Text.
class TextLiteral {
 public:
  constexpr explicit TextLiteral(std::string_view v) : data_(v.data()), size_(v.size()) {}
  constexpr operator std::string_view() const { return {data_, size_}; }  // NOLINT: implicit
  operator Text() const { return Text(data_, size_); }                      // NOLINT: implicit
  constexpr std::string_view view() const { return {data_, size_}; }
  constexpr std::size_t size() const { return size_; }
  constexpr const char* data() const { return data_; }
  friend constexpr bool operator==(TextLiteral a, std::string_view b) { return a.view() == b; }

 private:
  const char* data_;
  std::size_t size_;
};

inline Text operator+(const Text& a, TextLiteral b) { return a + Text(b); }
inline Text operator+(TextLiteral a, const Text& b) { return Text(a) + b; }
inline std::ostream& operator<<(std::ostream& os, TextLiteral t) { return os << t.view(); }

// "Текст"_t: a cp1251 literal, converted at compile time (a string literal
// operator template, which GCC and Clang both take).
#if defined(__clang__)
#pragma clang diagnostic push
#pragma clang diagnostic ignored "-Wgnu-string-literal-operator-template"
#endif
template <typename Char, Char... Utf8>
consteval TextLiteral operator""_t() {
  return TextLiteral(cp1251::kStored<static_cast<char>(Utf8)...>.view());
}
#if defined(__clang__)
#pragma clang diagnostic pop
#endif

// Widening and narrowing at the operating system's boundary.
std::u16string ToUtf16(std::string_view text);
// Characters that cp1251 lacks become '?'.
Text FromUtf16(std::u16string_view text);

}  // namespace demodisc
