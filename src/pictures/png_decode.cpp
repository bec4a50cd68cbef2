#include "pictures/png_decode.h"

#include <zlib.h>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdlib>
#include <string_view>
#include <vector>

namespace demodisc {

namespace {

constexpr std::array<std::uint8_t, 8> kSignature = {0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n'};
constexpr int kMaxSide = 4096;
constexpr int kBytesPerPixel = 3;
// Deflate writes at most 258 bytes for every two bits it reads: a stream
// shorter than this share of the image it should inflate to is short, and
// is refused before the image is allocated.
constexpr std::size_t kMaxInflateRatio = 1032;

std::uint32_t ReadBigEndian(const std::uint8_t* p) {
  return std::uint32_t{p[0]} << 24 | std::uint32_t{p[1]} << 16 | std::uint32_t{p[2]} << 8 |
         std::uint32_t{p[3]};
}

struct Chunk {
  std::string_view type;
  std::span<const std::uint8_t> data;
};

// Cuts the chunks of a PNG file one after another, checking each one's
// length against what is left of the file and its CRC.
class ChunkReader {
 public:
  explicit ChunkReader(std::span<const std::uint8_t> rest) : rest_(rest) {}

  // The next chunk, or nullopt when there is none whole and sound.
  std::optional<Chunk> Next() {
    constexpr std::size_t kFrame = 12;  // length, type, CRC
    if (rest_.size() < kFrame) return std::nullopt;
    const std::uint32_t length = ReadBigEndian(rest_.data());
    if (length > rest_.size() - kFrame) return std::nullopt;
    const std::span<const std::uint8_t> typed = rest_.subspan(4, 4 + length);
    const std::uint32_t crc = ReadBigEndian(rest_.data() + 8 + length);
    if (crc32_z(0, typed.data(), typed.size()) != crc) return std::nullopt;
    rest_ = rest_.subspan(kFrame + length);
    return Chunk{{reinterpret_cast<const char*>(typed.data()), 4}, typed.subspan(4)};
  }

 private:
  std::span<const std::uint8_t> rest_;
};

struct Header {
  int width = 0;
  int height = 0;
};

// The image header, when it describes the one kind of image read here.
std::optional<Header> ReadHeader(const Chunk& chunk) {
  if (chunk.type != "IHDR" || chunk.data.size() != 13) return std::nullopt;
  const std::uint8_t* d = chunk.data.data();
  const std::uint32_t width = ReadBigEndian(d);
  const std::uint32_t height = ReadBigEndian(d + 4);
  if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return std::nullopt;
  constexpr std::uint8_t kBitDepth = 8, kTrueColour = 2;
  // Bit depth, colour type, compression, filter method, interlace.
  if (d[8] != kBitDepth || d[9] != kTrueColour || d[10] != 0 || d[11] != 0 || d[12] != 0) {
    return std::nullopt;
  }
  return Header{static_cast<int>(width), static_cast<int>(height)};
}

// A chunk that a reader may pass over: the first letter of its type is
// lower case. Of the critical ones, only the suggested palette is.
bool MayBeSkipped(const Chunk& chunk) {
  return (chunk.type[0] & 0x20) != 0 || chunk.type == "PLTE";
}

// Inflates the image stream to exactly `size` bytes, the whole stream and
// nothing after it.
std::optional<std::vector<std::uint8_t>> Inflate(std::span<const std::uint8_t> stream,
                                                 std::size_t size) {
  if (stream.size() < size / kMaxInflateRatio) return std::nullopt;
  // One byte more than needed, so that an overlong stream shows.
  std::vector<std::uint8_t> out(size + 1);
  uLongf outLength = static_cast<uLongf>(out.size());
  uLong inLength = static_cast<uLong>(stream.size());
  if (uncompress2(out.data(), &outLength, stream.data(), &inLength) != Z_OK) return std::nullopt;
  if (outLength != size || inLength != stream.size()) return std::nullopt;
  out.pop_back();
  return out;
}

std::uint8_t Paeth(int left, int up, int upLeft) {
  const int estimate = left + up - upLeft;
  const int toLeft = std::abs(estimate - left);
  const int toUp = std::abs(estimate - up);
  const int toUpLeft = std::abs(estimate - upLeft);
  if (toLeft <= toUp && toLeft <= toUpLeft) return static_cast<std::uint8_t>(left);
  if (toUp <= toUpLeft) return static_cast<std::uint8_t>(up);
  return static_cast<std::uint8_t>(upLeft);
}

// Undoes the row filters in place: each row is its filter byte and then
// `stride` bytes. False for an unknown filter.
bool Unfilter(std::vector<std::uint8_t>& rows, std::size_t stride, int height) {
  const std::vector<std::uint8_t> zeros(stride, 0);
  const std::uint8_t* prior = zeros.data();
  for (int y = 0; y < height; ++y) {
    std::uint8_t* const line = rows.data() + y * (stride + 1);
    const std::uint8_t filter = line[0];
    std::uint8_t* const row = line + 1;
    for (std::size_t i = 0; i < stride; ++i) {
      const int left = i >= kBytesPerPixel ? row[i - kBytesPerPixel] : 0;
      const int up = prior[i];
      const int upLeft = i >= kBytesPerPixel ? prior[i - kBytesPerPixel] : 0;
      int predicted = 0;
      switch (filter) {
        case 0:
          break;
        case 1:
          predicted = left;
          break;
        case 2:
          predicted = up;
          break;
        case 3:
          predicted = (left + up) / 2;
          break;
        case 4:
          predicted = Paeth(left, up, upLeft);
          break;
        default:
          return false;
      }
      row[i] = static_cast<std::uint8_t>(row[i] + predicted);
    }
    prior = row;
  }
  return true;
}

// The signature and the image header, leaving `chunks` after the header.
std::optional<Header> ReadStart(std::span<const std::uint8_t> file, ChunkReader& chunks) {
  if (file.size() < kSignature.size() ||
      !std::equal(kSignature.begin(), kSignature.end(), file.begin())) {
    return std::nullopt;
  }
  chunks = ChunkReader(file.subspan(kSignature.size()));
  const std::optional<Chunk> first = chunks.Next();
  if (!first) return std::nullopt;
  return ReadHeader(*first);
}

}  // namespace

std::optional<PngSize> ReadPngSize(std::span<const std::uint8_t> file) {
  ChunkReader chunks({});
  const std::optional<Header> header = ReadStart(file, chunks);
  if (!header) return std::nullopt;
  return PngSize{header->width, header->height};
}

std::optional<RgbImage> DecodePng(std::span<const std::uint8_t> file) {
  ChunkReader chunks({});
  const std::optional<Header> header = ReadStart(file, chunks);
  if (!header) return std::nullopt;

  // The image stream: the IDAT chunks' data, which follow one another.
  std::vector<std::uint8_t> stream;
  enum class Idat { kNotYet, kReading, kDone } idat = Idat::kNotYet;
  for (;;) {
    const std::optional<Chunk> chunk = chunks.Next();
    if (!chunk) return std::nullopt;  // damaged, or no IEND
    if (chunk->type == "IEND") break;
    if (chunk->type == "IDAT") {
      if (idat == Idat::kDone) return std::nullopt;
      idat = Idat::kReading;
      stream.insert(stream.end(), chunk->data.begin(), chunk->data.end());
      continue;
    }
    if (!MayBeSkipped(*chunk)) return std::nullopt;
    if (idat == Idat::kReading) idat = Idat::kDone;
  }

  const std::size_t stride = static_cast<std::size_t>(header->width) * kBytesPerPixel;
  std::optional<std::vector<std::uint8_t>> rows =
      Inflate(stream, (stride + 1) * static_cast<std::size_t>(header->height));
  if (!rows || !Unfilter(*rows, stride, header->height)) return std::nullopt;

  RgbImage image{header->width, header->height, {}};
  image.bgr.resize(stride * header->height);
  for (int y = 0; y < header->height; ++y) {
    const std::uint8_t* rgb = rows->data() + y * (stride + 1) + 1;
    std::uint8_t* bgr = image.bgr.data() + y * stride;
    for (std::size_t i = 0; i < stride; i += kBytesPerPixel) {
      bgr[i] = rgb[i + 2];
      bgr[i + 1] = rgb[i + 1];
      bgr[i + 2] = rgb[i];
    }
  }
  return image;
}

}  // namespace demodisc
