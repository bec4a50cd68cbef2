// Writes small PNG files for the reader's tests: each part (header, image
// stream, any chunk) can be made wrong on its own.
#pragma once

#include <zlib.h>

#include <algorithm>
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

// Rows of `stride` bytes each (top to bottom), each behind its filter byte
// and filtered by it, a byte's neighbour on the left `bpp` bytes before it;
// row y takes filters[y % filters.size()].
inline Bytes FilterRows(std::span<const std::uint8_t> raw, std::size_t stride, int bpp,
                        std::span<const int> filters) {
  const int height = static_cast<int>(raw.size() / stride);
  const int length = static_cast<int>(stride);
  Bytes out;
  for (int y = 0; y < height; ++y) {
    const int filter = filters[static_cast<std::size_t>(y) % filters.size()];
    out.push_back(static_cast<std::uint8_t>(filter));
    auto at = [&](int row, int i) { return row < 0 || i < 0 ? 0 : raw[row * stride + i]; };
    for (int i = 0; i < length; ++i) {
      const int p = Predicted(filter, at(y, i - bpp), at(y - 1, i), at(y - 1, i - bpp));
      out.push_back(static_cast<std::uint8_t>(at(y, i) - p));
    }
  }
  return out;
}

// The rows of RGB pixels, 8 bits a sample, filtered.
inline Bytes FilteredRows(std::span<const std::uint8_t> rgb, int width, int height,
                          std::span<const int> filters) {
  const std::size_t stride = static_cast<std::size_t>(width) * 3;
  return FilterRows(rgb.first(stride * height), stride, 3, filters);
}

// Samples per pixel of each colour type; none for 1 and 5.
inline int Channels(std::uint8_t colourType) {
  constexpr int kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
  return kChannels[colourType];
}

// The image stream, before it is deflated, of a picture given as its
// samples (row by row, pixel by pixel, each below 2 to the bit depth): the
// rows packed at the header's bit depth and filtered, pass by pass when the
// header says Adam7 interlace. Each pass takes the filters from the first.
inline Bytes ImageRows(const PngHeader& h, std::span<const std::uint16_t> samples,
                       std::span<const int> filters) {
  struct Pass {
    int x, y, dx, dy;
  };
  static constexpr Pass kWhole[] = {{0, 0, 1, 1}};
  static constexpr Pass kAdam7[] = {{0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8}, {2, 0, 4, 4},
                                    {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};
  const int channels = Channels(h.colourType), depth = h.bitDepth;
  const int width = static_cast<int>(h.width), height = static_cast<int>(h.height);
  Bytes out;
  for (const Pass& pass : h.interlace ? std::span<const Pass>(kAdam7) : kWhole) {
    Bytes raw;
    std::size_t stride = 0;
    for (int y = pass.y; y < height && pass.x < width; y += pass.dy) {
      const std::size_t rowStart = raw.size();
      int bit = 0;
      for (int x = pass.x; x < width; x += pass.dx) {
        for (int c = 0; c < channels; ++c, bit += depth) {
          const unsigned sample = samples[(static_cast<std::size_t>(y) * width + x) * channels + c];
          if (depth == 16) {
            raw.insert(raw.end(),
                       {static_cast<std::uint8_t>(sample >> 8), static_cast<std::uint8_t>(sample)});
          } else {
            if (bit % 8 == 0) raw.push_back(0);
            raw.back() = static_cast<std::uint8_t>(raw.back() | sample << (8 - depth - bit % 8));
          }
        }
      }
      stride = raw.size() - rowStart;
    }
    if (stride == 0) continue;  // an empty pass has no rows at all
    const Bytes filtered = FilterRows(raw, stride, std::max(1, channels * depth / 8), filters);
    out.insert(out.end(), filtered.begin(), filtered.end());
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

// A whole, sound file of that picture: its header, a PLTE and a tRNS chunk
// when their data are given, and its image stream in one IDAT.
inline Bytes PngOf(const PngHeader& h, std::span<const std::uint16_t> samples,
                   std::span<const int> filters, const Bytes& plte = {}, const Bytes& trns = {}) {
  return PngFile({IhdrChunk(h), plte.empty() ? Bytes{} : PngChunk("PLTE", plte),
                  trns.empty() ? Bytes{} : PngChunk("tRNS", trns),
                  PngChunk("IDAT", Deflated(ImageRows(h, samples, filters))),
                  PngChunk("IEND", {})});
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
