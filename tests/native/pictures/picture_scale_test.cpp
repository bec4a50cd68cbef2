// The box reduction of pictures, with and without a transparent colour.
#include <gtest/gtest.h>

#include <vector>

#include "pictures/picture_scale.h"

namespace demodisc {
namespace {

constexpr Bgr kKey{255, 0, 255};

RgbImage Image(int width, int height, const std::vector<Bgr>& pixels) {
  RgbImage image{width, height, {}};
  for (const Bgr& p : pixels) image.bgr.insert(image.bgr.end(), {p.b, p.g, p.r});
  return image;
}

Bgr Grey(std::uint8_t v) { return {v, v, v}; }

struct ScaleCase {
  const char* name;
  RgbImage source;
  int width, height;
  std::optional<Bgr> key;
  RgbImage expected;
};

class ScaleDownCases : public ::testing::TestWithParam<ScaleCase> {};

TEST_P(ScaleDownCases, GiveTheAreaAverages) {
  const ScaleCase& c = GetParam();
  const RgbImage result = ScaleDown(c.source, c.width, c.height, c.key);
  ASSERT_EQ(result.width, c.expected.width);
  ASSERT_EQ(result.height, c.expected.height);
  ASSERT_EQ(result.bgr.size(), c.expected.bgr.size());
  for (int y = 0; y < result.height; ++y) {
    for (int x = 0; x < result.width; ++x) {
      const Bgr got = result.At(x, y), want = c.expected.At(x, y);
      EXPECT_EQ(got, want) << x << "," << y << ": " << int{got.b} << " " << int{got.g} << " "
                           << int{got.r};
    }
  }
}

// Channels b, g, r of one pixel of a 2:1 block: sums of 1, 2 and 3 over
// four pixels round to 0, 1 (a half, up) and 1.
const RgbImage kQuarters = Image(4, 2,
                                 {{0, 1, 1},
                                  {0, 0, 1},
                                  {9, 10, 20},
                                  {11, 10, 20},
                                  {0, 0, 1},
                                  {1, 1, 0},
                                  {200, 0, 255},
                                  {201, 1, 255}});

INSTANTIATE_TEST_SUITE_P(
    Table, ScaleDownCases,
    ::testing::Values(
        ScaleCase{"HalfBothWays", kQuarters, 2, 1, std::nullopt,
                  Image(2, 1, {{0, 1, 1}, {105, 5, 138}})},
        ScaleCase{"ThreeToTwo", Image(3, 1, {Grey(0), Grey(90), Grey(255)}), 2, 1, std::nullopt,
                  Image(2, 1, {Grey(30), Grey(200)})},
        ScaleCase{"ThreeToTwoDown", Image(1, 3, {Grey(255), Grey(90), Grey(0)}), 1, 2, std::nullopt,
                  Image(1, 2, {Grey(200), Grey(30)})},
        ScaleCase{"ToOnePixel", Image(3, 1, {Grey(10), Grey(20), Grey(40)}), 1, 1, std::nullopt,
                  Image(1, 1, {Grey(23)})},
        ScaleCase{"SameSizeIsACopy", kQuarters, 4, 2, kKey, kQuarters},
        ScaleCase{"LargerIsTheSourceSize", kQuarters, 9, 5, std::nullopt, kQuarters},
        ScaleCase{"WidthLargerHeightHalved", Image(2, 2, {Grey(0), Grey(100), Grey(51), Grey(0)}),
                  3, 1, std::nullopt, Image(2, 1, {Grey(26), Grey(50)})},
        ScaleCase{"KeyAveragedWithoutTheRule", Image(2, 1, {kKey, Grey(1)}), 1, 1, std::nullopt,
                  Image(1, 1, {{128, 1, 128}})},
        ScaleCase{"HalfKeyIsKey", Image(2, 1, {kKey, Grey(7)}), 1, 1, kKey, Image(1, 1, {kKey})},
        ScaleCase{"QuarterKeyLeftOut", Image(2, 2, {kKey, Grey(10), Grey(20), Grey(40)}), 1, 1,
                  kKey, Image(1, 1, {Grey(23)})},
        ScaleCase{"ThreeQuartersKeyIsKey", Image(2, 2, {kKey, kKey, Grey(20), kKey}), 1, 1, kKey,
                  Image(1, 1, {kKey})},
        // At 3:2 the edge pixels count two thirds, the middle one a third
        // in each destination pixel.
        ScaleCase{"KeyEdgeTwoThirds", Image(3, 1, {kKey, Grey(60), Grey(90)}), 2, 1, kKey,
                  Image(2, 1, {kKey, Grey(80)})},
        ScaleCase{"KeyMiddleThirdLeftOut", Image(3, 1, {Grey(60), kKey, Grey(90)}), 2, 1, kKey,
                  Image(2, 1, {Grey(60), Grey(90)})},
        ScaleCase{"ZeroWidth", kQuarters, 0, 1, std::nullopt, RgbImage{}},
        ScaleCase{"NegativeHeight", kQuarters, 2, -1, std::nullopt, RgbImage{}},
        ScaleCase{"EmptySource", RgbImage{}, 2, 2, std::nullopt, RgbImage{}},
        ScaleCase{"PixelsMissing", RgbImage{2, 2, {1, 2, 3}}, 1, 1, std::nullopt, RgbImage{}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ScaleDown, KeepsAFlatColourFlatAtEveryRatio) {
  const Bgr colour{13, 200, 77};
  const RgbImage source = Image(17, 11, std::vector<Bgr>(17 * 11, colour));
  for (int width = 1; width <= 17; ++width) {
    for (int height = 1; height <= 11; height += 3) {
      const RgbImage result = ScaleDown(source, width, height, kKey);
      ASSERT_EQ(result.bgr.size(), std::size_t{3} * width * height);
      for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x)
          ASSERT_EQ(result.At(x, y), colour) << width << "x" << height;
      }
    }
  }
}

}  // namespace
}  // namespace demodisc
