// Reads the PNG files that the program carries as resources: 8 bits per
// channel, colour type 2 (RGB), not interlaced, at most 4096 pixels a side.
// Anything else, and any damage (a wrong CRC, a short or overlong image
// stream, a missing chunk), is no picture.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/rgb_image.h"

namespace demodisc {

std::optional<RgbImage> DecodePng(std::span<const std::uint8_t> file);

struct PngSize {
  int width = 0;
  int height = 0;
};

// The size in the header of a PNG of the kind read here, without reading
// the image: a picture's size is known before the picture is needed.
std::optional<PngSize> ReadPngSize(std::span<const std::uint8_t> file);

}  // namespace demodisc
