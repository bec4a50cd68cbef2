// The PNG reader on arbitrary bytes, and the reduction of what it reads. A
// picture read is whole and within the sizes taken. Inputs whose first byte
// is odd have their chunks' CRCs made right first, so that the search gets
// past them to the image stream and the filters.
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

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size == 0) return 0;
  std::vector<std::uint8_t> file(data + 1, data + size);
  if (data[0] & 1) FixCrcs(file);
  const std::optional<RgbImage> image = DecodePng(file);
  if (!image) return 0;
  if (image->width < 1 || image->width > 4096 || image->height < 1 || image->height > 4096)
    std::abort();
  if (image->bgr.size() != std::size_t{3} * image->width * image->height) std::abort();
  const int width = (image->width + 1) / 2, height = image->height * 2 / 3 + 1;
  const RgbImage smaller = ScaleDown(*image, width, height, Bgr{255, 0, 255});
  if (smaller.width != width || smaller.height != std::min(height, image->height)) std::abort();
  if (smaller.bgr.size() != std::size_t{3} * smaller.width * smaller.height) std::abort();
  return 0;
}
