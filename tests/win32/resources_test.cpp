// The pictures linked into the program: each bitmap loads from the resources
// with its size and 24 bits per pixel, its lower-left pixel is the colour it
// is drawn transparent with, and the strips hold one real picture per tile.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <optional>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "pictures/picture_sizes.h"
#include "pictures/picture_strip.h"
#include "pictures/png_decode.h"
#include "resource_ids.h"

namespace {

constexpr COLORREF kMagenta = RGB(255, 0, 255);
constexpr COLORREF kWhite = RGB(255, 255, 255);

struct Picture {
  const char* name;
  int id;
  int width;
  int height;
  int tiles;            // pictures side by side in the strip
  COLORREF background;  // the lower-left pixel
};

const Picture kPictures[] = {
    {"catalogue", IDB_CATALOGUE, 832, 32, 26, kMagenta},
    {"close", IDB_CLOSE, 22, 22, 1, kMagenta},
    {"reader", IDB_READER, 48, 48, 1, kMagenta},
    {"envelope", IDB_ENVELOPE, 32, 32, 1, kMagenta},
    {"magnifier", IDB_MAGNIFIER, 32, 32, 1, kMagenta},
    {"worker", IDB_WORKER, 269, 270, 1, kWhite},
    {"arrow_left", IDB_ARROW_LEFT, 32, 32, 1, kMagenta},
    {"video_toolbar", IDB_VIDEO_TOOLBAR, 48, 16, 3, kMagenta},
    {"read_doc", IDB_READ_DOC, 32, 32, 1, kMagenta},
};

void PrintTo(const Picture& picture, std::ostream* out) { *out << picture.name; }

// A bitmap resource loaded as a DIB section, so that its own bit depth and
// pixels can be read.
class DibResource {
 public:
  explicit DibResource(int id)
      : bitmap_(static_cast<HBITMAP>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(id),
                                                IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION))) {
    if (bitmap_ != nullptr && GetObjectW(bitmap_, sizeof dib_, &dib_) != sizeof dib_) {
      DeleteObject(bitmap_);
      bitmap_ = nullptr;
    }
  }
  ~DibResource() {
    if (bitmap_ != nullptr) DeleteObject(bitmap_);
  }
  DibResource(const DibResource&) = delete;
  DibResource& operator=(const DibResource&) = delete;

  bool loaded() const { return bitmap_ != nullptr; }
  int width() const { return dib_.dsBm.bmWidth; }
  int height() const { return dib_.dsBm.bmHeight; }
  int bitsPerPixel() const { return dib_.dsBmih.biBitCount; }

  // The pixel at (x, y), y counted from the top. Only for 24-bit bitmaps;
  // the rows of a bottom-up DIB start with the lowest one.
  COLORREF Pixel(int x, int y) const {
    const auto* bits = static_cast<const std::uint8_t*>(dib_.dsBm.bmBits);
    const int row = dib_.dsBmih.biHeight > 0 ? height() - 1 - y : y;
    const std::uint8_t* p = bits + row * dib_.dsBm.bmWidthBytes + x * 3;
    return RGB(p[2], p[1], p[0]);
  }

 private:
  HBITMAP bitmap_;
  DIBSECTION dib_{};
};

class ResourcePicture : public ::testing::TestWithParam<Picture> {};

TEST_P(ResourcePicture, LoadsWithItsSizeAndDepth) {
  const Picture& picture = GetParam();
  DibResource dib(picture.id);
  ASSERT_TRUE(dib.loaded()) << "bitmap " << picture.id << " is not in the resources";
  EXPECT_EQ(dib.width(), picture.width);
  EXPECT_EQ(dib.height(), picture.height);
  EXPECT_EQ(dib.bitsPerPixel(), 24);

  // The device-dependent form the button and image-list code loads.
  HBITMAP ddb = LoadBitmapW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(picture.id));
  ASSERT_NE(ddb, nullptr);
  BITMAP info{};
  ASSERT_EQ(GetObjectW(ddb, sizeof info, &info), static_cast<int>(sizeof info));
  EXPECT_EQ(info.bmWidth, picture.width);
  EXPECT_EQ(info.bmHeight, picture.height);
  DeleteObject(ddb);
}

// Every tile has its background in the lower-left corner (an image list masks
// all its pictures with one colour) and a picture that covers a fair part of it.
TEST_P(ResourcePicture, EachTileHasBackgroundCornerAndAPicture) {
  const Picture& picture = GetParam();
  DibResource dib(picture.id);
  ASSERT_TRUE(dib.loaded());
  ASSERT_EQ(dib.bitsPerPixel(), 24);
  ASSERT_EQ(dib.width(), picture.width);
  const int tileWidth = picture.width / picture.tiles;
  for (int tile = 0; tile < picture.tiles; ++tile) {
    const int left = tile * tileWidth;
    EXPECT_EQ(dib.Pixel(left, picture.height - 1), picture.background) << "tile " << tile;
    int drawn = 0;
    for (int y = 0; y < picture.height; ++y)
      for (int x = left; x < left + tileWidth; ++x)
        if (dib.Pixel(x, y) != picture.background) ++drawn;
    EXPECT_GT(drawn, tileWidth * picture.height / 8) << "tile " << tile << " is nearly empty";
  }
}

INSTANTIATE_TEST_SUITE_P(Resources, ResourcePicture, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                           return std::string(info.param.name);
                         });

// A set's PNG resource, decoded; none when it is missing or damaged.
std::optional<demodisc::RgbImage> SetPicture(int id, int percent) {
  HMODULE module = GetModuleHandleW(nullptr);
  const int setId = id + (percent == 150 ? IDB_SET_150 : IDB_SET_200);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(setId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  if (!bytes) return std::nullopt;
  return demodisc::DecodePng({bytes, SizeofResource(module, found)});
}

// The mean difference of two tiles' channels, 0 to 255.
double Difference(const demodisc::RgbImage& set, const DibResource& dib, int tile, int setTile,
                  int width, int height) {
  long total = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const demodisc::Bgr p = set.At(setTile * width + x, y);
      const COLORREF q = dib.Pixel(tile * width + x, y);
      total += std::abs(p.r - GetRValue(q)) + std::abs(p.g - GetGValue(q)) +
               std::abs(p.b - GetBValue(q));
    }
  }
  return static_cast<double>(total) / (3.0 * width * height);
}

// The sets drawn for higher resolutions hold the same pictures in the same
// order: each is its bitmap's size times the set's percentage, with the
// bitmap's background in every tile's lower-left corner, and reduced to 96 dpi
// each of its tiles looks like the bitmap's tile of the same place more than
// like any other.
TEST_P(ResourcePicture, TheLargerSetsHoldTheSamePicturesInTheSameOrder) {
  const Picture& picture = GetParam();
  if (picture.id == IDB_VIDEO_TOOLBAR) GTEST_SKIP() << "the video toolbar is drawn at 96 dpi only";
  DibResource dib(picture.id);
  ASSERT_TRUE(dib.loaded());
  const int tileWidth = picture.width / picture.tiles;
  const demodisc::Bgr key{GetBValue(picture.background), GetGValue(picture.background),
                          GetRValue(picture.background)};
  for (int percent : {150, 200}) {
    SCOPED_TRACE(percent);
    const auto set = SetPicture(picture.id, percent);
    ASSERT_TRUE(set.has_value()) << "no sound PNG for the set";
    const int setTile = demodisc::SizeInSet(percent, tileWidth);
    ASSERT_EQ(set->width, setTile * picture.tiles);
    ASSERT_EQ(set->height, demodisc::SizeInSet(percent, picture.height));
    for (int tile = 0; tile < picture.tiles; ++tile)
      EXPECT_EQ(set->At(tile * setTile, set->height - 1), key) << "tile " << tile;

    const demodisc::RgbImage reduced =
        demodisc::ScaleTilesDown(*set, picture.tiles, tileWidth, picture.height,
                                 picture.background == kWhite ? std::nullopt : std::optional(key));
    ASSERT_EQ(reduced.width, picture.width);
    for (int tile = 0; tile < picture.tiles; ++tile) {
      SCOPED_TRACE(tile);
      const double own = Difference(reduced, dib, tile, tile, tileWidth, picture.height);
      EXPECT_LT(own, 64.0);  // hand-drawn sizes of an icon differ in detail
      for (int other = 0; other < picture.tiles; ++other) {
        if (other == tile) continue;
        EXPECT_LT(own, Difference(reduced, dib, other, tile, tileWidth, picture.height))
            << "looks more like tile " << other;
      }
    }
  }
}

// The catalogue's items each have a picture of their own: no two tiles alike.
TEST(Resources, CatalogueTilesAreAllDifferent) {
  DibResource dib(IDB_CATALOGUE);
  ASSERT_TRUE(dib.loaded());
  ASSERT_EQ(dib.bitsPerPixel(), 24);
  ASSERT_EQ(dib.width(), 26 * 32);
  std::set<std::vector<COLORREF>> seen;
  for (int tile = 0; tile < 26; ++tile) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) pixels.push_back(dib.Pixel(tile * 32 + x, y));
    EXPECT_TRUE(seen.insert(pixels).second) << "tile " << tile << " repeats an earlier one";
  }
}

// The icon group holds the 16, 32 and 48 pixel images; Windows would scale
// another size silently, so the group's directory is read.
TEST(Resources, AppIconHasItsThreeSizes) {
  HMODULE module = GetModuleHandleW(nullptr);
  HRSRC found =
      FindResourceW(module, MAKEINTRESOURCEW(IDI_APP), MAKEINTRESOURCEW(14));  // RT_GROUP_ICON
  ASSERT_NE(found, nullptr);
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  const DWORD size = SizeofResource(module, found);
  ASSERT_NE(bytes, nullptr);
  ASSERT_GE(size, 6u);
  const int count = bytes[4] | (bytes[5] << 8);
  ASSERT_GE(size, 6u + 14u * count);  // GRPICONDIR, then one 14-byte entry per image
  std::set<int> widths;
  for (int i = 0; i < count; ++i) {
    const std::uint8_t* entry = bytes + 6 + 14 * i;
    EXPECT_EQ(entry[0], entry[1]) << "entry " << i << " is not square";
    widths.insert(entry[0] == 0 ? 256 : entry[0]);
  }
  EXPECT_EQ(widths, (std::set<int>{16, 32, 48}));

  for (int side : {16, 32, 48}) {
    HICON icon = static_cast<HICON>(
        LoadImageW(module, MAKEINTRESOURCEW(IDI_APP), IMAGE_ICON, side, side, 0));
    ASSERT_NE(icon, nullptr) << side;
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    BITMAP colour{};
    ASSERT_NE(info.hbmColor, nullptr);
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, side);
    EXPECT_EQ(colour.bmHeight, side);
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
  }
}

}  // namespace
