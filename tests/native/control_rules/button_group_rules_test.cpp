#include "control_rules/button_group_rules.h"

#include <gtest/gtest.h>

#include "control_rules/align_layout.h"

namespace demodisc {
namespace {

TEST(ButtonAt, RowsOf36PixelsFromTheTop) {
  // The presentation group: 8 buttons in a client area of 536 x 294.
  EXPECT_EQ(ButtonAt(0, 0, 536, 294, 8), 0);
  EXPECT_EQ(ButtonAt(535, 35, 536, 294, 8), 0);
  EXPECT_EQ(ButtonAt(10, 36, 536, 294, 8), 1);
  EXPECT_EQ(ButtonAt(10, 287, 536, 294, 8), 7);
  EXPECT_EQ(ButtonAt(10, 288, 536, 294, 8), -1);  // below the last button
  EXPECT_EQ(ButtonAt(536, 10, 536, 294, 8), -1);
  EXPECT_EQ(ButtonAt(-1, 10, 536, 294, 8), -1);
  EXPECT_EQ(ButtonAt(10, -1, 536, 294, 8), -1);
  EXPECT_EQ(ButtonAt(10, 294, 536, 294, 8), -1);
  // The demo group: 6 buttons, empty space below them.
  EXPECT_EQ(ButtonAt(10, 215, 536, 233, 6), 5);
  EXPECT_EQ(ButtonAt(10, 216, 536, 233, 6), -1);
}

TEST(ButtonAt, APartlyVisibleButtonIsNone) {
  EXPECT_EQ(ButtonAt(10, 70, 536, 100, 8), 1);
  EXPECT_EQ(ButtonAt(10, 75, 536, 100, 8), -1);  // third row: 72..107 of 100
  EXPECT_EQ(ButtonAt(10, 10, 536, 30, 8), -1);
  EXPECT_EQ(ButtonAt(10, 10, 536, 294, 0), -1);
}

TEST(MovedFocus, StepsStayWithinTheButtons) {
  EXPECT_EQ(MovedFocus(FocusKey::Next, -1, 6, 6), 0);
  EXPECT_EQ(MovedFocus(FocusKey::Previous, -1, 6, 6), 0);
  EXPECT_EQ(MovedFocus(FocusKey::Next, 2, 6, 6), 3);
  EXPECT_EQ(MovedFocus(FocusKey::Next, 5, 6, 6), 5);
  EXPECT_EQ(MovedFocus(FocusKey::Previous, 0, 6, 6), 0);
  EXPECT_EQ(MovedFocus(FocusKey::First, 4, 6, 6), 0);
  EXPECT_EQ(MovedFocus(FocusKey::Last, 1, 6, 6), 5);
  EXPECT_EQ(MovedFocus(FocusKey::PageDown, 0, 8, 3), 3);
  EXPECT_EQ(MovedFocus(FocusKey::PageDown, 6, 8, 3), 7);
  EXPECT_EQ(MovedFocus(FocusKey::PageUp, 6, 8, 3), 3);
  EXPECT_EQ(MovedFocus(FocusKey::PageUp, 2, 8, 3), 0);
  EXPECT_EQ(MovedFocus(FocusKey::PageDown, 0, 8, 0), 1);
  EXPECT_EQ(MovedFocus(FocusKey::Next, -1, 0, 3), -1);
}

TEST(HlsColour, GreysKeepNoHueAndLoseLightness) {
  EXPECT_EQ(RgbToHls({192, 192, 192}), (Hls{160, 181, 0}));
  EXPECT_EQ(RgbToHls({0, 0, 0}).l, 0);
  EXPECT_EQ(RgbToHls({255, 255, 255}).l, 240);
  // 181 - 25 = 156 of 240 is 165.75 of 255.
  EXPECT_EQ(WithLightnessChanged({192, 192, 192}, -25), (Rgb{165, 165, 165}));
  EXPECT_EQ(WithLightnessChanged({10, 10, 10}, -50), (Rgb{0, 0, 0}));
  EXPECT_EQ(WithLightnessChanged({250, 250, 250}, 50), (Rgb{255, 255, 255}));
}

TEST(HlsColour, PrimaryColoursHaveTheirHues) {
  EXPECT_EQ(RgbToHls({255, 0, 0}), (Hls{0, 120, 240}));
  EXPECT_EQ(RgbToHls({0, 255, 0}), (Hls{80, 120, 240}));
  EXPECT_EQ(RgbToHls({0, 0, 255}), (Hls{160, 120, 240}));
  EXPECT_EQ(HlsToRgb({0, 120, 240}), (Rgb{255, 0, 0}));
  EXPECT_EQ(HlsToRgb({80, 60, 240}), (Rgb{0, 128, 0}));
}

TEST(HlsColour, RoundTripStaysWithinOneStep) {
  const Rgb samples[] = {{212, 208, 200}, {236, 233, 216}, {196, 243, 200}, {232, 188, 199},
                         {192, 220, 192}, {10, 36, 106},   {128, 64, 32}};
  for (const Rgb& c : samples) {
    const Rgb back = HlsToRgb(RgbToHls(c));
    EXPECT_NEAR(back.r, c.r, 2);
    EXPECT_NEAR(back.g, c.g, 2);
    EXPECT_NEAR(back.b, c.b, 2);
  }
}

TEST(FrameColours, FrameIsDarkerAndTheHotFrameDarkerStill) {
  const ButtonFrameColours c = FrameColoursFor({212, 208, 200});
  const Hls face = RgbToHls({212, 208, 200});
  EXPECT_NEAR(RgbToHls(c.frame).l, face.l - 25, 1);
  EXPECT_NEAR(RgbToHls(c.hotFrame).l, face.l - 75, 1);
  EXPECT_NEAR(RgbToHls(c.hotFrame).h, face.h, 3);
  // The pressed face (button shadow) gets its frame the same way.
  EXPECT_EQ(FrameColoursFor({128, 128, 128}).frame, (Rgb{100, 100, 100}));
}

TEST(AlignChildren, EdgesThenTheRestWithMargins) {
  // The main window: contact panel at the bottom, control panel at the right,
  // the page control filling the rest.
  const AlignedChild top[] = {{Align::Bottom, {0, 0, 0, 115}, 0},
                              {Align::Right, {0, 0, 102, 0}, 0},
                              {Align::Client, {}, 0}};
  EXPECT_EQ(AlignChildren({0, 0, 656, 545}, top),
            (std::vector<Bounds>{{0, 430, 656, 115}, {554, 0, 102, 430}, {0, 0, 554, 430}}));
  // The contact panel inside its bevel: a bottom strip and four boxes, margins 3.
  const AlignedChild about[] = {{Align::Bottom, {0, 0, 0, 22}, 0},
                                {Align::Left, {0, 0, 213, 0}, 3},
                                {Align::Left, {0, 0, 122, 0}, 3},
                                {Align::Left, {0, 0, 122, 0}, 3},
                                {Align::Client, {}, 3}};
  EXPECT_EQ(AlignChildren({1, 1, 654, 113}, about), (std::vector<Bounds>{{1, 92, 654, 22},
                                                                         {4, 4, 213, 85},
                                                                         {223, 4, 122, 85},
                                                                         {351, 4, 122, 85},
                                                                         {479, 4, 173, 85}}));
  // The control panel: top with margins 5, two at the bottom.
  const AlignedChild ctrl[] = {{Align::Top, {0, 0, 0, 40}, 5},
                               {Align::Bottom, {0, 0, 0, 71}, 3},
                               {Align::Bottom, {0, 0, 0, 65}, 0}};
  EXPECT_EQ(AlignChildren({1, 1, 100, 428}, ctrl),
            (std::vector<Bounds>{{6, 6, 90, 40}, {4, 355, 94, 71}, {1, 287, 100, 65}}));
}

TEST(AlignChildren, FixedChildrenKeepTheirBoundsAndSizesNeverGoNegative) {
  const AlignedChild kids[] = {
      {Align::None, {7, 29, 36, 36}, 0}, {Align::Top, {0, 0, 0, 50}, 0}, {Align::Client, {}, 10}};
  EXPECT_EQ(AlignChildren({0, 0, 15, 40}, kids),
            (std::vector<Bounds>{{7, 29, 36, 36}, {0, 0, 15, 50}, {10, 60, 0, 0}}));
}

}  // namespace
}  // namespace demodisc
