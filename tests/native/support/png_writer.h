// Writes small PNG files for the reader's tests: each part (header, image
// stream, any chunk) can be made wrong on its own.
#pragma once

#include <zlib.h>

#include <cstdint>
#include <cstdlib>
#include <span>
#include <string_view>
#include <vector>

namespace demodisc::testing {

using Bytes = std::vector<std::uint8_t>;

inline void PutBigEndian(Bytes& out, std::uint32_t value) {
  for (int shift = 24; shift >= 0; shift -= 8)
    out.push_back(static_cast<std::uint8_t>(value >> shift));
}

// A chunk: its length, type, data and CRC.
inline Bytes PngChunk(std::string_view type, std::span<const std::uint8_t> data) {
  Bytes out;
  PutBigEndian(out, static_cast<std::uint32_t>(data.size()));
  out.insert(out.end(), type.begin(), type.end());
  out.insert(out.end(), data.begin(), data.end());
  // Over the type and the data, which follow the length.
  const uLong crc = crc32(0, out.data() + 4, static_cast<uInt>(out.size() - 4));
  PutBigEndian(out, static_cast<std::uint32_t>(crc));
  return out;
}

struct PngHeader {
  std::uint32_t width = 1;
  std::uint32_t height = 1;
  std::uint8_t bitDepth = 8;
  std::uint8_t colourType = 2;
  std::uint8_t compression = 0;
  std::uint8_t filterMethod = 0;
  std::uint8_t interlace = 0;
};

inline Bytes IhdrChunk(const PngHeader& h) {
  Bytes data;
  PutBigEndian(data, h.width);
  PutBigEndian(data, h.height);
  data.insert(data.end(), {h.bitDepth, h.colourType, h.compression, h.filterMethod, h.interlace});
  return PngChunk("IHDR", data);
}

// The byte the PNG filter of that type predicts from the bytes to the left
// (a), above (b) and above left (c).
inline int Predicted(int filter, int a, int b, int c) {
  switch (filter) {
    case 1:
      return a;
    case 2:
      return b;
    case 3:
      return (a + b) >> 1;
    case 4: {
      const int p = a + b - c;
      const int pa = std::abs(p - a), pb = std::abs(p - b), pc = std::abs(p - c);
      return pa <= pb && pa <= pc ? a : pb <= pc ? b : c;
    }
    default:
      return 0;
  }
}

// The rows of RGB pixels (top to bottom), each behind its filter byte and
// filtered by it; row y takes filters[y % filters.size()].
inline Bytes FilteredRows(std::span<const std::uint8_t> rgb, int width, int height,
                          std::span<const int> filters) {
  const int stride = width * 3;
  Bytes out;
  for (int y = 0; y < height; ++y) {
    const int filter = filters[static_cast<std::size_t>(y) % filters.size()];
    out.push_back(static_cast<std::uint8_t>(filter));
    auto at = [&](int row, int i) { return row < 0 || i < 0 ? 0 : rgb[row * stride + i]; };
    for (int i = 0; i < stride; ++i) {
      const int p = Predicted(filter, at(y, i - 3), at(y - 1, i), at(y - 1, i - 3));
      out.push_back(static_cast<std::uint8_t>(at(y, i) - p));
    }
  }
  return out;
}

inline Bytes Deflated(std::span<const std::uint8_t> raw) {
  uLongf size = compressBound(static_cast<uLong>(raw.size()));
  Bytes out(size);
  if (compress2(out.data(), &size, raw.data(), static_cast<uLong>(raw.size()), 9) != Z_OK) {
    std::abort();
  }
  out.resize(size);
  return out;
}

// The signature and the chunks, in order.
inline Bytes PngFile(std::initializer_list<Bytes> chunks) {
  Bytes out = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
  for (const Bytes& chunk : chunks) out.insert(out.end(), chunk.begin(), chunk.end());
  return out;
}

// A whole, sound file of those pixels in one IDAT.
inline Bytes RgbPng(std::span<const std::uint8_t> rgb, int width, int height,
                    std::span<const int> filters) {
  const PngHeader header{static_cast<std::uint32_t>(width), static_cast<std::uint32_t>(height)};
  return PngFile({IhdrChunk(header),
                  PngChunk("IDAT", Deflated(FilteredRows(rgb, width, height, filters))),
                  PngChunk("IEND", {})});
}

}  // namespace demodisc::testing
