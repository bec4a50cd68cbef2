#include "pictures/disc_picture_file.h"

namespace demodisc {

DiscPicture ReadDiscPicture(std::span<const std::uint8_t> file) {
  DiscPicture picture;
  if (file.size() > kMaxDiscPictureBytes) {
    picture.fault = DiscPictureFault::TooLarge;
    return picture;
  }
  const std::optional<PngSize> size = ReadPngSize(file);
  if (!size) {
    picture.fault = DiscPictureFault::NotPng;
    return picture;
  }
  picture.size = *size;
  if (size->width != size->height) {
    picture.fault = DiscPictureFault::NotSquare;
  } else if (size->width < kMinDiscPictureSide) {
    picture.fault = DiscPictureFault::TooSmall;
  } else {
    picture.image = DecodePngRgba(file);
    if (!picture.image) picture.fault = DiscPictureFault::NotPng;
  }
  return picture;
}

}  // namespace demodisc
