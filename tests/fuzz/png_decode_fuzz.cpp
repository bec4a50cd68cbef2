// The PNG reader on arbitrary bytes, with its transparency and laid on
// black, and the laying on a background and the reduction of what it reads.
// A picture read is whole, within the sizes taken and of its header's size;
// laid on a background, that shows where it is transparent, never where it
// is opaque. Inputs whose first byte is odd have their chunks' CRCs made
// right first, so that the search gets past them to the image stream and
// the filters.
// fuzz-max-len: 65536
#include <zlib.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "pictures/picture_scale.h"
#include "pictures/png_decode.h"

using namespace demodisc;

namespace {

// Walks the chunks after the signature and writes each one's CRC.
void FixCrcs(std::vector<std::uint8_t>& file) {
  std::size_t at = 8;
  while (at + 12 <= file.size()) {
    const std::size_t length = std::size_t{file[at]} << 24 | std::size_t{file[at + 1]} << 16 |
                               std::size_t{file[at + 2]} << 8 | file[at + 3];
    if (length > file.size() - at - 12) return;
    const uLong crc = crc32(0, file.data() + at + 4, static_cast<uInt>(length + 4));
    for (int i = 0; i < 4; ++i)
      file[at + 8 + length + i] = static_cast<std::uint8_t>(crc >> (24 - 8 * i));
    at += 12 + length;
  }
}

// The picture laid on `face`: of its size, each opaque pixel its own colour
// and each transparent one the face.
void CheckLaid(const RgbaImage& image, const RgbImage& laid, Bgr face) {
  if (laid.width != image.width || laid.height != image.height) std::abort();
  if (laid.bgr.size() != std::size_t{3} * laid.width * laid.height) std::abort();
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      const std::uint8_t* rgba = &image.rgba[(std::size_t{1} * y * image.width + x) * 4];
      const Bgr colour{rgba[2], rgba[1], rgba[0]};
      if (rgba[3] == 255 && laid.At(x, y) != colour) std::abort();
      if (rgba[3] == 0 && laid.At(x, y) != face) std::abort();
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<std::uint8_t> file(data + 1, data + size);
  if (data[0] & 1) FixCrcs(file);
  const std::optional<RgbaImage> rgba = DecodePngRgba(file);
  const std::optional<RgbImage> image = DecodePng(file);
  if (rgba.has_value() != image.has_value()) std::abort();
  if (!image) return 0;
  if (rgba->width < 1 || rgba->width > 4096 || rgba->height < 1 || rgba->height > 4096)
    std::abort();
  if (rgba->rgba.size() != std::size_t{4} * rgba->width * rgba->height) std::abort();
  const std::optional<PngSize> header = ReadPngSize(file);
  if (!header || header->width != rgba->width || header->height != rgba->height) std::abort();
  CheckLaid(*rgba, *image, Bgr{});
  const Bgr face{data[0], 0x5A, 0xA5};
  CheckLaid(*rgba, BlendOnto(*rgba, face), face);
  const int width = (image->width + 1) / 2, height = image->height * 2 / 3 + 1;
  const RgbImage smaller = ScaleDown(*image, width, height, Bgr{255, 0, 255});
  if (smaller.width != width || smaller.height != std::min(height, image->height)) std::abort();
  if (smaller.bgr.size() != std::size_t{3} * smaller.width * smaller.height) std::abort();
  return 0;
}
