#include "ui/look/picture_resources.h"

#include <cstdint>
#include <cstring>
#include <optional>
#include <span>

#include "pictures/picture_sizes.h"
#include "pictures/picture_strip.h"
#include "pictures/png_decode.h"
#include "resource_ids.h"

namespace demodisc {

namespace {

std::span<const std::uint8_t> ResourceBytes(UINT id, LPCWSTR type) {
  const HMODULE module = GetModuleHandleW(nullptr);
  const HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), type);
  if (!found) return {};
  const HGLOBAL loaded = LoadResource(module, found);
  const void* data = loaded ? LockResource(loaded) : nullptr;
  if (!data) return {};
  return {static_cast<const std::uint8_t*>(data), SizeofResource(module, found)};
}

UINT SetOffset(int percent) {
  return percent == 150 ? IDB_SET_150 : percent == 200 ? IDB_SET_200 : IDB_SET_100;
}

}  // namespace

OwnedBitmap BitmapOf(const RgbImage& image) {
  BITMAPINFO info{};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = image.width;
  info.bmiHeader.biHeight = -image.height;  // rows from the top
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  OwnedBitmap bitmap(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap || !bits) return {};
  const std::size_t row = static_cast<std::size_t>(image.width) * 3;
  const std::size_t stride = (row + 3) & ~std::size_t{3};
  for (int y = 0; y < image.height; ++y)
    std::memcpy(static_cast<std::uint8_t*>(bits) + y * stride, image.bgr.data() + y * row, row);
  GdiFlush();
  return bitmap;
}

namespace {

std::optional<RgbImage> DecodeSet(UINT id, int percent) {
  return DecodePng(ResourceBytes(id + SetOffset(percent), RT_RCDATA));
}

}  // namespace

SIZE PictureResourceSize(UINT id) {
  const std::optional<PngSize> size = ReadPngSize(ResourceBytes(id + IDB_SET_100, RT_RCDATA));
  if (!size) return {0, 0};
  return {size->width, size->height};
}

OwnedBitmap LoadPicture(UINT id, const UiScale& scale, PictureLook look) {
  const SIZE size = PictureResourceSize(id);
  const int tiles = look.tiles > 0 ? look.tiles : 1;
  if (size.cx <= 0 || size.cx % tiles != 0) return {};
  const PictureChoice choice = ChoosePicture(scale, size.cx / tiles, size.cy);
  // The 96-dpi picture: drawn at that scale, and where the larger set is
  // missing or damaged.
  const auto own = [&] {
    const std::optional<RgbImage> picture = DecodeSet(id, 100);
    if (!picture || picture->width != size.cx || picture->height != size.cy) return OwnedBitmap();
    return BitmapOf(*picture);
  };
  if (choice.percent == 100) return own();

  const std::optional<RgbImage> set = DecodeSet(id, choice.percent);
  if (!set || set->width != tiles * SizeInSet(choice.percent, size.cx / tiles) ||
      set->height != SizeInSet(choice.percent, size.cy))
    return own();
  std::optional<Bgr> key;
  if (look.transparent) key = set->At(0, set->height - 1);
  const RgbImage drawn = ScaleTilesDown(*set, tiles, choice.width, choice.height, key);
  if (drawn.empty()) return own();
  return BitmapOf(drawn);
}

}  // namespace demodisc
