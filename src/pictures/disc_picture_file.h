// What a PNG file that a disc brings for an item's button must be: the
// program shows it only when it is all of this, and the disc check reports
// what keeps it from being shown.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "pictures/png_decode.h"
#include "pictures/rgb_image.h"

namespace demodisc {

// The largest picture file read, and the smallest side shown.
inline constexpr std::size_t kMaxDiscPictureBytes = 4 * 1024 * 1024;
inline constexpr int kMinDiscPictureSide = 32;

enum class DiscPictureFault { None, TooLarge, NotPng, NotSquare, TooSmall };

struct DiscPicture {
  DiscPictureFault fault = DiscPictureFault::None;
  PngSize size;                    // as the header gives it, when it is read
  std::optional<RgbaImage> image;  // only without a fault
};

// Reads a disc's picture file whole: the picture, or why it is none. The
// size is checked from the header before the image is decoded.
DiscPicture ReadDiscPicture(std::span<const std::uint8_t> file);

}  // namespace demodisc
