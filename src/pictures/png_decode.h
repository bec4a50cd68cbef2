// Reads PNG files: the pictures the program carries as resources, and those
// a disc brings. Every colour type and bit depth PNG allows, interlaced or
// not, at most 4096 pixels a side; 16-bit samples keep their high byte.
// Any damage (a wrong CRC, a short or overlong image stream, a missing
// chunk, a palette index past the palette, an unknown critical chunk) is
// no picture.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "pictures/rgb_image.h"

namespace demodisc {

// The picture with its transparency: a tRNS chunk's, or the alpha channel.
std::optional<RgbaImage> DecodePngRgba(std::span<const std::uint8_t> file);

// The picture as drawn, laid on black where it is transparent. The
// resources are opaque.
std::optional<RgbImage> DecodePng(std::span<const std::uint8_t> file);

struct PngSize {
  int width = 0;
  int height = 0;
};

// The size in the header of a PNG of a kind read here, without reading the
// image: a picture's size is known before the picture is needed.
std::optional<PngSize> ReadPngSize(std::span<const std::uint8_t> file);

}  // namespace demodisc
