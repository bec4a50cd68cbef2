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

// Samples per pixel by colour type: grey, none, RGB, a palette index, grey
// and alpha, none, RGB and alpha.
constexpr std::uint8_t kChannels[7] = {1, 0, 3, 1, 2, 0, 4};
// The bit depths each colour type allows, bit d set for depth d; none for
// the two types PNG does not have.
constexpr std::uint32_t kDepths[7] = {0x10116, 0, 0x10100, 0x116, 0x10100, 0, 0x10100};

struct Header {
  int width = 0;
  int height = 0;
  int depth = 0;  // bits per sample
  int colourType = 0;
  int channels = 0;  // samples per pixel
  bool interlaced = false;
};

std::optional<Header> ReadHeader(const Chunk& chunk) {
  if (chunk.type != "IHDR" || chunk.data.size() != 13) return std::nullopt;
  const std::uint8_t* d = chunk.data.data();
  const std::uint32_t width = ReadBigEndian(d);
  const std::uint32_t height = ReadBigEndian(d + 4);
  if (width < 1 || width > kMaxSide || height < 1 || height > kMaxSide) return std::nullopt;
  const int depth = d[8], type = d[9];
  // Then compression and filter method, of which there is only 0, and the
  // interlace: none or Adam7.
  if (type > 6 || depth > 16 || (kDepths[type] >> depth & 1) == 0 || d[10] != 0 || d[11] != 0 ||
      d[12] > 1) {
    return std::nullopt;
  }
  return Header{
      static_cast<int>(width), static_cast<int>(height), depth, type, kChannels[type], d[12] == 1};
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
// `stride` bytes, a byte's neighbour on the left `bpp` bytes before it (one
// for pixels smaller than a byte). False for an unknown filter.
bool Unfilter(std::uint8_t* rows, std::size_t stride, int height, std::size_t bpp) {
  const std::uint8_t* prior = nullptr;  // above the first row, zeros
  for (int y = 0; y < height; ++y) {
    std::uint8_t* const line = rows + y * (stride + 1);
    const std::uint8_t filter = line[0];
    std::uint8_t* const row = line + 1;
    for (std::size_t i = 0; i < stride; ++i) {
      const int left = i >= bpp ? row[i - bpp] : 0;
      const int up = prior ? prior[i] : 0;
      const int upLeft = prior && i >= bpp ? prior[i - bpp] : 0;
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

// Sample `index` of a row of samples `depth` bits each, packed from the
// high bits of each byte down.
unsigned Sample(const std::uint8_t* row, std::size_t index, int depth) {
  if (depth == 8) return row[index];
  if (depth == 16) return row[index * 2] << 8 | row[index * 2 + 1];
  const std::size_t bit = index * depth;
  return row[bit / 8] >> (8 - depth - bit % 8) & ((1u << depth) - 1);
}

// Where the passes of an image put their pixels: first column and row, and
// the steps from a column and a row to the next. The first is the whole of
// an image that is not interlaced, the seven others are Adam7's.
constexpr std::uint8_t kPasses[8][4] = {{0, 0, 1, 1}, {0, 0, 8, 8}, {4, 0, 8, 8}, {0, 4, 4, 8},
                                        {2, 0, 4, 4}, {0, 2, 2, 4}, {1, 0, 2, 2}, {0, 1, 1, 2}};

// How many of first, first + step, ... come before `side`.
int Count(int side, int first, int step) {
  return side > first ? (side - first + step - 1) / step : 0;
}

struct Pass {
  int columns = 0;
  int rows = 0;  // none when there are no columns: an empty pass has no filter bytes either
  std::size_t stride = 0;  // bytes of a row after its filter byte
};

Pass PassOf(const Header& h, const std::uint8_t* pass) {
  const int columns = Count(h.width, pass[0], pass[2]);
  const std::size_t bits = static_cast<std::size_t>(columns) * h.channels * h.depth;
  return {columns, columns ? Count(h.height, pass[1], pass[3]) : 0, (bits + 7) / 8};
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

std::optional<RgbaImage> DecodePngRgba(std::span<const std::uint8_t> file) {
  ChunkReader chunks({});
  const std::optional<Header> header = ReadStart(file, chunks);
  if (!header) return std::nullopt;
  const Header& h = *header;

  // The image stream: the IDAT chunks' data, which follow one another.
  std::vector<std::uint8_t> stream;
  std::span<const std::uint8_t> palette, alphas;  // PLTE's and tRNS's data
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
    if (chunk->type == "PLTE") {
      palette = chunk->data;
      if (palette.empty() || palette.size() > 3 * 256 || palette.size() % 3 != 0) {
        return std::nullopt;
      }
    } else if (chunk->type == "tRNS") {
      alphas = chunk->data;
    } else if ((chunk->type[0] & 0x20) == 0) {
      return std::nullopt;  // a critical chunk not known here
    }
    if (idat == Idat::kReading) idat = Idat::kDone;
  }

  const int begin = h.interlaced ? 1 : 0, end = h.interlaced ? 8 : 1;
  std::size_t size = 0;
  for (int p = begin; p < end; ++p) {
    const Pass pass = PassOf(h, kPasses[p]);
    size += pass.rows * (pass.stride + 1);
  }
  std::optional<std::vector<std::uint8_t>> rows = Inflate(stream, size);
  if (!rows) return std::nullopt;

  RgbaImage image{h.width, h.height,
                  std::vector<std::uint8_t>(std::size_t{4} * h.width * h.height)};
  const std::size_t bpp = std::max(1, h.channels * h.depth / 8);
  // Samples to 8 bits: 16 keep their high byte, those under 8 are spread
  // over 0 to 255.
  const unsigned shift = h.depth == 16 ? 8 : 0;
  const unsigned scale = h.depth >= 8 ? 1 : 255 / ((1u << h.depth) - 1);
  // Of grey and RGB, tRNS gives the one colour that is transparent, a
  // 16-bit sample a channel, compared before the samples are reduced.
  const bool keyed = (h.colourType & 5) == 0 && alphas.size() == 2u * h.channels;
  const int channels = h.channels, depth = h.depth, type = h.colourType;
  std::uint8_t* line = rows->data();
  for (int p = begin; p < end; ++p) {
    const std::uint8_t* const at = kPasses[p];
    const Pass pass = PassOf(h, at);
    if (!Unfilter(line, pass.stride, pass.rows, bpp)) return std::nullopt;
    for (int y = 0; y < pass.rows; ++y, line += pass.stride + 1) {
      std::uint8_t* const start =
          &image.rgba[(static_cast<std::size_t>(at[1] + y * at[3]) * h.width + at[0]) * 4];
      for (int x = 0; x < pass.columns; ++x) {
        std::uint8_t* const out = start + x * at[2] * 4;
        unsigned samples[4] = {};
        bool transparent = keyed;
        for (int c = 0; c < channels; ++c) {
          samples[c] = Sample(line + 1, static_cast<std::size_t>(x) * channels + c, depth);
          transparent = transparent && samples[c] == Sample(alphas.data(), c, 16);
        }
        if (type == 3) {
          const unsigned index = samples[0];
          // Also when there is no palette, which this type needs.
          if (index >= palette.size() / 3) return std::nullopt;
          std::copy_n(&palette[index * 3], 3, out);
          out[3] = index < alphas.size() ? alphas[index] : 255;
          continue;
        }
        for (int c = 0; c < 4; ++c) {
          // Grey is the first sample, alpha the last.
          const unsigned sample = c == 3 ? samples[channels - 1] : samples[type & 2 ? c : 0];
          out[c] = static_cast<std::uint8_t>(sample * scale >> shift);
        }
        if ((type & 4) == 0) out[3] = transparent ? 0 : 255;
      }
    }
  }
  return image;
}

std::optional<RgbImage> DecodePng(std::span<const std::uint8_t> file) {
  const std::optional<RgbaImage> image = DecodePngRgba(file);
  if (!image) return std::nullopt;
  return BlendOnto(*image, Bgr{});
}

}  // namespace demodisc
