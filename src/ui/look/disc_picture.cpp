#include "ui/look/disc_picture.h"

#include <algorithm>
#include <cstdint>
#include <exception>
#include <optional>
#include <span>
#include <string>

#include "base/files_win.h"
#include "pictures/disc_picture_file.h"
#include "pictures/picture_scale.h"
#include "ui/look/picture_resources.h"

namespace demodisc {

namespace {

// One byte past the largest picture, so that a larger file is known as such.
std::optional<std::string> ReadPictureFile(const Text& path) {
  std::string bytes;
  try {
    ReadUpTo(*OpenFileForReading(path), kMaxDiscPictureBytes + 1, bytes);
  } catch (const std::exception&) {
    return std::nullopt;
  }
  return bytes;
}

// The picture centred on a face-coloured square of `side`.
RgbImage OnFace(const RgbImage& picture, int side, Bgr face) {
  RgbImage out{side, side, {}};
  out.bgr.resize(static_cast<std::size_t>(side) * side * 3);
  for (std::size_t i = 0; i < out.bgr.size(); i += 3) {
    out.bgr[i] = face.b;
    out.bgr[i + 1] = face.g;
    out.bgr[i + 2] = face.r;
  }
  const int left = (side - picture.width) / 2, top = (side - picture.height) / 2;
  for (int y = 0; y < picture.height; ++y)
    std::copy_n(picture.bgr.begin() + static_cast<std::ptrdiff_t>(y) * picture.width * 3,
                picture.width * 3,
                out.bgr.begin() + (static_cast<std::ptrdiff_t>(top + y) * side + left) * 3);
  return out;
}

}  // namespace

int AddDiscPicture(ImageList& list, const Text& path) {
  const int side = list.width();
  if (!list || side <= 0) return -1;
  const std::optional<std::string> bytes = ReadPictureFile(path);
  if (!bytes) return -1;
  const std::span<const std::uint8_t> file(reinterpret_cast<const std::uint8_t*>(bytes->data()),
                                           bytes->size());
  const DiscPicture picture = ReadDiscPicture(file);
  if (!picture.image) return -1;
  const COLORREF faceColour = GetSysColor(COLOR_BTNFACE);
  const Bgr face{GetBValue(faceColour), GetGValue(faceColour), GetRValue(faceColour)};
  const RgbImage drawn = OnFace(ScaleDown(BlendOnto(*picture.image, face), side, side), side, face);
  const OwnedBitmap bitmap = BitmapOf(drawn);
  if (!bitmap) return -1;
  // The face shows through where the picture was transparent, pressed too.
  return list.Add(bitmap.get(), faceColour);
}

}  // namespace demodisc
