// Which picture set a screen's resolution draws from, and at what size.
#include <gtest/gtest.h>

#include <array>

#include "pictures/picture_sizes.h"

namespace demodisc {
namespace {

// The sizes of the program's pictures at 96 dpi.
constexpr std::array<int, 5> kSizes = {32, 22, 48, 269, 270};

struct ChoiceCase {
  int dpi;
  int percent;
  std::array<int, 5> drawn;  // kSizes drawn at that resolution
};

class ChoosePictureAt : public ::testing::TestWithParam<ChoiceCase> {};

TEST_P(ChoosePictureAt, TheSmallestSetAtLeastAsLargeNeverScaledUp) {
  const ChoiceCase& c = GetParam();
  for (std::size_t i = 0; i < kSizes.size(); ++i) {
    // Width and height are taken each on its own.
    const std::size_t j = (i + 1) % kSizes.size();
    const PictureChoice choice = ChoosePicture(UiScale(c.dpi), kSizes[i], kSizes[j]);
    EXPECT_EQ(choice.percent, c.percent) << kSizes[i];
    EXPECT_EQ(choice.width, c.drawn[i]) << kSizes[i];
    EXPECT_EQ(choice.height, c.drawn[j]) << kSizes[j];
  }
}

INSTANTIATE_TEST_SUITE_P(
    Resolutions, ChoosePictureAt,
    ::testing::Values(ChoiceCase{72, 100, {24, 17, 36, 202, 203}},  // 0.75: smaller than the set
                      ChoiceCase{96, 100, {32, 22, 48, 269, 270}},
                      ChoiceCase{120, 150, {40, 28, 60, 336, 338}},  // 1.25
                      ChoiceCase{144, 150, {48, 33, 72, 404, 405}},
                      ChoiceCase{168, 200, {56, 39, 84, 471, 473}},  // 1.75
                      ChoiceCase{192, 200, {64, 44, 96, 538, 540}},
                      ChoiceCase{240, 200, {64, 44, 96, 538, 540}}),  // 2.5: the set's size
    [](const auto& info) { return std::to_string(info.param.dpi) + "dpi"; });

TEST(SizeInSet, RoundsHalvesUpAsTheScaleDoes) {
  EXPECT_EQ(SizeInSet(150, 269), 404);
  EXPECT_EQ(SizeInSet(150, 270), 405);
  EXPECT_EQ(SizeInSet(150, 1), 2);
  EXPECT_EQ(SizeInSet(150, 22), 33);
  EXPECT_EQ(SizeInSet(100, 269), 269);
  EXPECT_EQ(SizeInSet(200, 269), 538);
  // Where the scale is a set's own, the set's pictures are drawn unscaled.
  for (const int n : kSizes) EXPECT_EQ(SizeInSet(150, n), UiScale(144).Px(n)) << n;
}

}  // namespace
}  // namespace demodisc
