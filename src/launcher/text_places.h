// Where the main window draws the texts a disc's DemoDisc.ini gives it,
// at 96 dpi: each item's caption on its button and each contact line in
// its box, with the font and the width it has there. The window and the
// disc check both take the places from here.
#pragma once

#include <vector>

#include "base/text.h"
#include "control_rules/align_layout.h"
#include "control_rules/button_group_rules.h"
#include "launcher/disc_description.h"

namespace demodisc {

struct PlaceFont {
  const wchar_t* face = L"";
  int height = 0;  // the character height in pixels, without the leading
  bool bold = false;
  bool cyrillic = false;  // asks for the Cyrillic character set
};

// A catalogue button's caption (and the tabs'); the contact lines, their
// bold ones, the postal line and the slogan.
inline constexpr PlaceFont kCaptionFont{L"Arial", 11, true, true};
inline constexpr PlaceFont kContactFont{L"Arial", 11, false, true};
inline constexpr PlaceFont kContactBoldFont{L"Arial", 11, true, true};
inline constexpr PlaceFont kPostalFont{L"MS Sans Serif", 11};
inline constexpr PlaceFont kSloganFont{L"Arial", 11, true, true};

// The contact panel under the pages, as wide as the window's client area:
// the slogan strip at its bottom, then the address, internet, telephone and
// director boxes from the left, each with a bevel of one pixel.
inline constexpr int kContactPanelWidth = 656;
inline constexpr int kContactPanelHeight = 115;
inline constexpr int kContactLineHeight = 14;
inline constexpr int kPanelBevel = 1;
inline constexpr AlignedChild kSloganPlace{Align::Bottom, {0, 0, 0, 22}, 0};
inline constexpr AlignedChild kContactBoxPlaces[] = {
    {Align::Left, {0, 0, 213, 0}, 3},
    {Align::Left, {0, 0, 122, 0}, 3},
    {Align::Left, {0, 0, 122, 0}, 3},
    {Align::Client, {}, 3},
};
// The address beside the magnifier, in the address box: two lines.
inline constexpr Bounds kAddressBounds{45, 35, 121, 28};

struct TextPlace {
  Text text;
  PlaceFont font;
  int width = 0;  // the place's width in pixels
  int lines = 1;  // the lines the place shows of a wrapped text
  Text item;      // the item's name, for a caption
  Text key;       // the DemoDisc.ini key ("[contacts] web"), for a contact line
};

// The captions of the catalogue pages' items and the contact panel's
// lines, in that order; an empty text has no place.
std::vector<TextPlace> TextPlacesOf(const DiscDescription& disc);

// The catalogue group's width on a page with that margin.
int ButtonGroupWidth(int groupMargin);
// The boxes of the contact panel within it: the slogan strip, then the four boxes.
std::vector<Bounds> ContactPanelBoxes();

}  // namespace demodisc
