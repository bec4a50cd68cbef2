#include "control_rules/ui_scale.h"

#include <gtest/gtest.h>

#include "control_rules/button_group_rules.h"

namespace demodisc {
namespace {

TEST(UiScale, At96DpiEverySizeIsItsOwn) {
  const UiScale scale;
  EXPECT_TRUE(scale.IsUnscaled());
  for (int v : {-7, 0, 1, 11, 36, 545, 656, 100000}) EXPECT_EQ(scale.Px(v), v);
  const Bounds b{7, 29, 36, 36};
  EXPECT_EQ(scale.Px(b), b);
  EXPECT_EQ(UiScale(0), UiScale(96));
  EXPECT_EQ(UiScale(-120), UiScale(96));
}

struct ScaledSize {
  int dpi;
  int at96;
  int scaled;
};

TEST(UiScale, RoundsToTheNearestPixelHalvesAwayFromZero) {
  const ScaledSize cases[] = {
      // The main window's client area at the common resolutions.
      {120, 656, 820},
      {120, 545, 681},  // 681.25
      {144, 656, 984},
      {144, 545, 818},  // 817.5 rounds up
      {192, 656, 1312},
      {192, 545, 1090},
      // Font heights and single pixels.
      {144, 11, 17},  // 16.5
      {120, 11, 14},  // 13.75
      {144, 1, 2},
      {120, 1, 1},
      {144, -1, -2},
      {144, -11, -17},
      // An odd resolution (175 %).
      {168, 36, 63},
  };
  for (const ScaledSize& c : cases)
    EXPECT_EQ(UiScale(c.dpi).Px(c.at96), c.scaled) << c.dpi << " dpi, " << c.at96;
}

TEST(UiScale, RectanglesThatMeetStillMeet) {
  // The notice window's band, picture and button band, 41 + 270 + 41 = 352.
  const UiScale scale(144);
  const Bounds band = scale.Px(Bounds{0, 0, 273, 41});
  const Bounds picture = scale.Px(Bounds{0, 41, 273, 270});
  const Bounds buttons = scale.Px(Bounds{0, 311, 273, 41});
  EXPECT_EQ(band.y + band.height, picture.y);
  EXPECT_EQ(picture.y + picture.height, buttons.y);
  EXPECT_EQ(buttons.y + buttons.height, scale.Px(352));
  EXPECT_EQ(band.width, scale.Px(273));
}

TEST(UiScale, BackAt96Dpi) {
  EXPECT_EQ(UiScale(120).Unpx(151), 121);  // 120.8
  EXPECT_EQ(UiScale(120).UnpxUp(150), 120);
  EXPECT_EQ(UiScale(120).UnpxUp(151), 121);
  EXPECT_EQ(UiScale(144).UnpxUp(17), 12);  // 11.33
  EXPECT_EQ(UiScale(96).UnpxUp(17), 17);
}

TEST(UiScale, FontsAreDrawnAtTheirPointSizes) {
  // 11, 12, 16 and 21 pixels at 96 dpi are 8, 9, 12 and 16 points.
  const ScaledSize cases[] = {
      {96, 11, 11},  {96, 12, 12},  {96, 16, 16},  {96, 21, 21},  {96, 13, 13},  {120, 11, 13},
      {120, 12, 15}, {120, 16, 20}, {120, 21, 27}, {144, 11, 16}, {144, 12, 18}, {144, 16, 24},
      {144, 21, 32}, {192, 11, 21}, {192, 12, 24}, {192, 16, 32}, {192, 21, 43},
  };
  for (const ScaledSize& c : cases)
    EXPECT_EQ(UiScale(c.dpi).FontPx(c.at96), c.scaled) << c.dpi << " dpi, " << c.at96;
}

// The internet box of the contact panel: six lines of 14 pixels from the
// top of an inner area of 120 x 83 at 96 dpi (the sixth hangs a pixel over).
std::vector<AlignedChild> SixLines() {
  return std::vector<AlignedChild>(6, {Align::Top, {0, 0, 0, 14}});
}

TEST(AlignChildrenAtScale, At96DpiItIsTheAlignmentItself) {
  const Bounds area{1, 1, 120, 83};
  const auto lines = SixLines();
  EXPECT_EQ(AlignChildrenAtScale(area, lines, UiScale()), AlignChildren(area, lines));
}

TEST(AlignChildrenAtScale, ARowOfLinesDoesNotAddUpItsRoundings) {
  for (const int dpi : {120, 144, 168, 192}) {
    SCOPED_TRACE(dpi);
    const UiScale scale(dpi);
    // The box is drawn at the scale; its bevel stays a line of one pixel.
    const Bounds area{1, 1, scale.Px(122) - 2, scale.Px(85) - 2};
    const std::vector<Bounds> placed = AlignChildrenAtScale(area, SixLines(), scale);
    for (std::size_t i = 0; i < placed.size(); ++i) {
      const int top = 1 + static_cast<int>(i) * 14;  // at 96 dpi
      EXPECT_NEAR(placed[i].y, scale.Px(top), 1) << i;
      EXPECT_NEAR(placed[i].y + placed[i].height, scale.Px(top + 14), 1) << i;
      EXPECT_EQ(placed[i].width, area.width);
      if (i > 0) EXPECT_EQ(placed[i].y, placed[i - 1].y + placed[i - 1].height);
    }
  }
}

TEST(AlignChildrenAtScale, TheChildrenAtTheFarEdgesReachThem) {
  // The main window at 120 dpi: the contact panel at the bottom, the control
  // panel at the right, the page control filling the rest.
  const UiScale scale(120);
  const Bounds area{0, 0, scale.Px(656), scale.Px(545)};
  const AlignedChild children[] = {
      {Align::Bottom, {0, 0, 0, 115}}, {Align::Right, {0, 0, 102, 0}}, {Align::Client, {}}};
  const std::vector<Bounds> placed = AlignChildrenAtScale(area, children, scale);
  // The contact panel keeps its scaled height at the bottom: 144 of 681.
  EXPECT_EQ(placed[0], (Bounds{0, area.height - scale.Px(115), area.width, scale.Px(115)}));
  EXPECT_NEAR(placed[0].y, scale.Px(430), 1);
  EXPECT_EQ(placed[1].x + placed[1].width, area.width);
  EXPECT_EQ(placed[1].y + placed[1].height, placed[0].y);
  EXPECT_EQ(placed[2], (Bounds{0, 0, placed[1].x, placed[0].y}));
  EXPECT_NEAR(placed[1].width, scale.Px(102), 1);
}

TEST(UiScale, ButtonRowsAtScale) {
  // 144 dpi: buttons 54 high in the presentation group's 804 x 441 client area.
  const int height = UiScale(144).Px(kButtonGroupItemHeight);
  EXPECT_EQ(ButtonAt(10, 53, 804, 441, 8, height), 0);
  EXPECT_EQ(ButtonAt(10, 54, 804, 441, 8, height), 1);
  EXPECT_EQ(ButtonAt(10, 8 * 54 - 1, 804, 441, 8, height), 7);
  EXPECT_EQ(ButtonAt(10, 8 * 54, 804, 441, 8, height), -1);
  EXPECT_EQ(ButtonAt(10, 10, 804, 441, 8, 0), -1);  // no height: no button
}

}  // namespace
}  // namespace demodisc
