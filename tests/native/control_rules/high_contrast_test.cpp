#include "control_rules/high_contrast.h"

#include <gtest/gtest.h>

namespace demodisc {
namespace {

constexpr Rgb kBlack{0, 0, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kCyan{0, 255, 255};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kNavy{0, 0, 128};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kPurple{128, 0, 128};

// Windows' own themes, High Contrast Black and High Contrast White, and one
// of distinct pairs: yellow on black windows, white on navy buttons.
constexpr HighContrastPalette kBlackTheme{
    {kBlack, kWhite}, {kBlack, kWhite}, {{26, 235, 255}, kBlack}, kYellow};
constexpr HighContrastPalette kWhiteTheme{
    {kWhite, kBlack}, {kWhite, kBlack}, {{55, 0, 110}, kWhite}, {0, 0, 159}};
constexpr HighContrastPalette kDistinct{
    {kBlack, kYellow}, {kNavy, kWhite}, {kPurple, kGreen}, kCyan};

TEST(ContrastRatio, RunsFromOneForOneLightnessToTwentyOneForBlackAndWhite) {
  EXPECT_DOUBLE_EQ(ContrastRatio(kBlack, kWhite), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(kWhite, kBlack), 21.0);
  EXPECT_DOUBLE_EQ(ContrastRatio(kRed, kRed), 1.0);
  // Red on white is 4.0; the grey of 119 is the lightest that reads on white.
  EXPECT_NEAR(ContrastRatio(kRed, kWhite), 4.0, 0.01);
  EXPECT_NEAR(ContrastRatio({119, 119, 119}, kWhite), 4.48, 0.01);
}

TEST(TextOn, ABackgroundOfAPairTakesThatPairsText) {
  EXPECT_EQ(TextOn(kBlack, kDistinct), kYellow);
  EXPECT_EQ(TextOn(kNavy, kDistinct), kWhite);
  EXPECT_EQ(TextOn(kPurple, kDistinct), kGreen);
  // Where two pairs share a background the window's text comes first.
  EXPECT_EQ(TextOn(kBlack, HighContrastPalette{{kBlack, kWhite}, {kBlack, kYellow}, {}, {}}),
            kWhite);
  EXPECT_EQ(TextOn({26, 235, 255}, kBlackTheme), kBlack);
}

TEST(TextOn, AnyOtherBackgroundTakesThePairsTextThatContrastsMost) {
  // Light green, as the layout fixes it: the dark text of the theme.
  EXPECT_EQ(TextOn({196, 243, 200}, kWhiteTheme), kBlack);
  EXPECT_EQ(TextOn({196, 243, 200}, kBlackTheme), kBlack);  // the highlight's text
  EXPECT_EQ(TextOn({20, 20, 20}, kDistinct), kWhite);
}

TEST(IsAccent, ColoursWithAHueAreAccentsBlackWhiteAndGreysAreNot) {
  for (const Rgb c : {kRed, Rgb{232, 188, 199}, Rgb{255, 204, 204}, kNavy})
    EXPECT_TRUE(IsAccent(c));
  for (const Rgb c : {kBlack, kWhite, Rgb{192, 192, 192}, Rgb{128, 128, 128}})
    EXPECT_FALSE(IsAccent(c));
}

TEST(ShownTextOn, AnAccentBecomesTheLinkColourWhereThatReads) {
  EXPECT_EQ(ShownTextOn(kBlack, kRed, kBlackTheme), kYellow);
  EXPECT_EQ(ShownTextOn(kWhite, kRed, kWhiteTheme), (Rgb{0, 0, 159}));
  EXPECT_EQ(ShownTextOn(kBlack, kRed, kDistinct), kCyan);
  // A link colour that does not read on the background: the pair's text.
  const HighContrastPalette dimLinks{{kBlack, kWhite}, {kBlack, kWhite}, {kWhite, kBlack}, kNavy};
  EXPECT_EQ(ShownTextOn(kBlack, kRed, dimLinks), kWhite);
}

TEST(ShownTextOn, PlainTextTakesThePairsText) {
  EXPECT_EQ(ShownTextOn(kBlack, kBlack, kDistinct), kYellow);
  EXPECT_EQ(ShownTextOn(kNavy, kBlack, kDistinct), kWhite);
  EXPECT_EQ(ShownTextOn(kWhite, kWhite, kWhiteTheme), kBlack);
}

// Every text colour the layout fixes reads on every background of each theme.
TEST(ShownTextOn, EveryFixedTextReadsOnEveryBackgroundOfEachTheme) {
  const Rgb fixedTexts[] = {kRed, kBlack, {192, 192, 192}, {255, 204, 204}, kWhite};
  for (const HighContrastPalette& theme : {kBlackTheme, kWhiteTheme, kDistinct}) {
    for (const Rgb back : {theme.window.back, theme.button.back, theme.highlight.back}) {
      for (const Rgb fixed : fixedTexts) {
        const Rgb shown = ShownTextOn(back, fixed, theme);
        EXPECT_GE(ContrastRatio(shown, back), 4.5)
            << int(back.r) << "," << int(back.g) << "," << int(back.b);
      }
    }
  }
}

}  // namespace
}  // namespace demodisc
