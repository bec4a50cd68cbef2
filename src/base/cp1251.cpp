#include "base/cp1251.h"

#include <array>

namespace demodisc {

namespace {

// Unicode code points of the bytes 0x80..0xFF; 0 marks the unused byte 0x98.
constexpr std::array<char16_t, 128> kHighHalf = {
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

// The UTF-8 bytes of each high byte (two or three), worked out at compile time.
struct Encoded {
  char bytes[3];
  unsigned char size;
};

constexpr Encoded Encode(char32_t c) {
  if (c < 0x800)
    return {{static_cast<char>(0xC0 | (c >> 6)), static_cast<char>(0x80 | (c & 0x3F)), 0}, 2};
  return {{static_cast<char>(0xE0 | (c >> 12)), static_cast<char>(0x80 | ((c >> 6) & 0x3F)),
           static_cast<char>(0x80 | (c & 0x3F))},
          3};
}

constexpr std::array<Encoded, 128> EncodeHighHalf() {
  std::array<Encoded, 128> table{};
  for (std::size_t i = 0; i < kHighHalf.size(); ++i)
    table[i] = Encode(kHighHalf[i] ? kHighHalf[i] : kReplacementChar);
  return table;
}

constexpr std::array<Encoded, 128> kEncoded = EncodeHighHalf();

}  // namespace

int Cp1251ByteOf(char32_t c) {
  if (c < 0x80) return static_cast<int>(c);
  for (std::size_t i = 0; i < kHighHalf.size(); ++i)
    if (kHighHalf[i] != 0 && kHighHalf[i] == c) return static_cast<int>(0x80 + i);
  return -1;
}

void AppendCp1251(std::string_view bytes, Text& out) {
  std::size_t run = 0;  // start of the current run of ASCII bytes
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    const auto b = static_cast<unsigned char>(bytes[i]);
    if (b < 0x80) continue;
    out.append(bytes.data() + run, i - run);
    const Encoded& e = kEncoded[b - 0x80];
    out.append(e.bytes, e.size);
    run = i + 1;
  }
  out.append(bytes.data() + run, bytes.size() - run);
}

}  // namespace demodisc
