// Strips of pictures reduced tile by tile: an image list's tiles keep their
// own colours to their edges, whatever the strip's rounding.
#include <gtest/gtest.h>

#include <vector>

#include "pictures/picture_strip.h"

namespace demodisc {
namespace {

constexpr Bgr kKey{255, 0, 255};

// A strip of `colours.size()` tiles of side x side, each filled with its colour.
RgbImage Strip(const std::vector<Bgr>& colours, int side) {
  const int count = static_cast<int>(colours.size());
  RgbImage strip{side * count, side, {}};
  for (int y = 0; y < side; ++y)
    for (int i = 0; i < count; ++i)
      for (int x = 0; x < side; ++x)
        strip.bgr.insert(strip.bgr.end(), {colours[i].b, colours[i].g, colours[i].r});
  return strip;
}

TEST(ScaleTilesDown, EachTileKeepsItsColourToItsEdgesAtARatioThatIsNoWholeNumber) {
  // 3 tiles of 48 (the 150 % set) to 40 (120 dpi): the strip's 144 pixels
  // would end each tile at a fraction of a pixel if reduced as one picture.
  const std::vector<Bgr> colours{{0, 0, 255}, {0, 255, 0}, {255, 0, 0}};
  const RgbImage reduced = ScaleTilesDown(Strip(colours, 48), 3, 40, 40);
  ASSERT_EQ(reduced.width, 120);
  ASSERT_EQ(reduced.height, 40);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    for (int y : {0, 39})
      for (int x : {0, 39}) EXPECT_EQ(reduced.At(i * 40 + x, y), colours[i]);
  }
}

TEST(ScaleTilesDown, AKeyTileStaysKeyBesideAPictureAndAPictureTakesNoKeyColour) {
  const std::vector<Bgr> colours{kKey, {10, 20, 30}, kKey};
  const RgbImage reduced = ScaleTilesDown(Strip(colours, 64), 3, 56, 56, kKey);
  ASSERT_EQ(reduced.width, 168);
  for (int x = 0; x < reduced.width; ++x) {
    SCOPED_TRACE(x);
    EXPECT_EQ(reduced.At(x, 28), x / 56 == 1 ? colours[1] : kKey);
  }
}

TEST(ScaleTilesDown, TheSameSizeGivesTheStripItself) {
  const RgbImage strip = Strip({{1, 2, 3}, {4, 5, 6}}, 8);
  const RgbImage same = ScaleTilesDown(strip, 2, 8, 8);
  EXPECT_EQ(same.width, 16);
  EXPECT_EQ(same.bgr, strip.bgr);
}

TEST(ScaleTilesDown, NoTilesOrAStripNarrowerThanItsTilesGivesNoPicture) {
  const RgbImage strip = Strip({{1, 2, 3}, {4, 5, 6}}, 4);
  EXPECT_TRUE(ScaleTilesDown(strip, 0, 2, 2).empty());
  EXPECT_TRUE(ScaleTilesDown(strip, 9, 1, 1).empty());
  EXPECT_TRUE(ScaleTilesDown({}, 1, 1, 1).empty());
}

}  // namespace
}  // namespace demodisc
