// The pictures linked into the program: each set's PNG loads from the
// resources with its size, its lower-left pixel is the colour it
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

// A set's PNG resource, decoded; none when it is missing or damaged.
std::optional<demodisc::RgbImage> SetPicture(int id, int percent) {
  HMODULE module = GetModuleHandleW(nullptr);
  const int setId = id + (percent == 150   ? IDB_SET_150
                          : percent == 200 ? IDB_SET_200
                                           : IDB_SET_100);
  HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(setId), MAKEINTRESOURCEW(10));  // RT_RCDATA
  if (!found) return std::nullopt;
  const auto* bytes = static_cast<const std::uint8_t*>(LockResource(LoadResource(module, found)));
  if (!bytes) return std::nullopt;
  return demodisc::DecodePng({bytes, SizeofResource(module, found)});
}

COLORREF Pixel(const demodisc::RgbImage& image, int x, int y) {
  const demodisc::Bgr p = image.At(x, y);
  return RGB(p.r, p.g, p.b);
}

class ResourcePicture : public ::testing::TestWithParam<Picture> {};

TEST_P(ResourcePicture, LoadsWithItsSize) {
  const Picture& picture = GetParam();
  const auto own = SetPicture(picture.id, 100);
  ASSERT_TRUE(own.has_value()) << "picture " << picture.id << " is not in the resources";
  EXPECT_EQ(own->width, picture.width);
  EXPECT_EQ(own->height, picture.height);
}

// Every tile has its background in the lower-left corner (an image list masks
// all its pictures with one colour) and a picture that covers a fair part of it.
TEST_P(ResourcePicture, EachTileHasBackgroundCornerAndAPicture) {
  const Picture& picture = GetParam();
  const auto own = SetPicture(picture.id, 100);
  ASSERT_TRUE(own.has_value());
  ASSERT_EQ(own->width, picture.width);
  const int tileWidth = picture.width / picture.tiles;
  for (int tile = 0; tile < picture.tiles; ++tile) {
    const int left = tile * tileWidth;
    EXPECT_EQ(Pixel(*own, left, picture.height - 1), picture.background) << "tile " << tile;
    int drawn = 0;
    for (int y = 0; y < picture.height; ++y)
      for (int x = left; x < left + tileWidth; ++x)
        if (Pixel(*own, x, y) != picture.background) ++drawn;
    EXPECT_GT(drawn, tileWidth * picture.height / 8) << "tile " << tile << " is nearly empty";
  }
}

INSTANTIATE_TEST_SUITE_P(Resources, ResourcePicture, ::testing::ValuesIn(kPictures),
                         [](const ::testing::TestParamInfo<Picture>& info) {
                           return std::string(info.param.name);
                         });

// The mean difference of two tiles' channels, 0 to 255.
double Difference(const demodisc::RgbImage& set, const demodisc::RgbImage& own, int tile,
                  int setTile, int width, int height) {
  long total = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const demodisc::Bgr p = set.At(setTile * width + x, y);
      const COLORREF q = Pixel(own, tile * width + x, y);
      total += std::abs(p.r - GetRValue(q)) + std::abs(p.g - GetGValue(q)) +
               std::abs(p.b - GetBValue(q));
    }
  }
  return static_cast<double>(total) / (3.0 * width * height);
}

// The sets drawn for higher resolutions hold the same pictures in the same
// order: each is the 96-dpi picture's size times the set's percentage, with
// its background in every tile's lower-left corner, and reduced to 96 dpi
// each of its tiles looks like the 96-dpi tile of the same place more than
// like any other.
TEST_P(ResourcePicture, TheLargerSetsHoldTheSamePicturesInTheSameOrder) {
  const Picture& picture = GetParam();
  if (picture.id == IDB_VIDEO_TOOLBAR) GTEST_SKIP() << "the video toolbar is drawn at 96 dpi only";
  const auto base = SetPicture(picture.id, 100);
  ASSERT_TRUE(base.has_value());
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
      const double own = Difference(reduced, *base, tile, tile, tileWidth, picture.height);
      EXPECT_LT(own, 64.0);  // hand-drawn sizes of an icon differ in detail
      for (int other = 0; other < picture.tiles; ++other) {
        if (other == tile) continue;
        EXPECT_LT(own, Difference(reduced, *base, other, tile, tileWidth, picture.height))
            << "looks more like tile " << other;
      }
    }
  }
}

// The catalogue's items each have a picture of their own: no two tiles alike.
TEST(Resources, CatalogueTilesAreAllDifferent) {
  const auto own = SetPicture(IDB_CATALOGUE, 100);
  ASSERT_TRUE(own.has_value());
  ASSERT_EQ(own->width, 26 * 32);
  std::set<std::vector<COLORREF>> seen;
  for (int tile = 0; tile < 26; ++tile) {
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 32; ++y)
      for (int x = 0; x < 32; ++x) pixels.push_back(Pixel(*own, tile * 32 + x, y));
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
