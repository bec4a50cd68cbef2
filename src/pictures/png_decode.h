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

}  // namespace demodisc
