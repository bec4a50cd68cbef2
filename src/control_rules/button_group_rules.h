// The geometry, keyboard stepping and colours of a button group: a column of
// full-width buttons of one height, stacked from the top.
#pragma once

#include "control_rules/hls_colour.h"

namespace demodisc {

// A button's height at 96 dpi.
inline constexpr int kButtonGroupItemHeight = 36;
// A button's picture and caption from its left edge, at 96 dpi; the
// catalogue's pictures are 32 pixels a side there. The group has a client
// edge of 2 pixels on each side.
inline constexpr int kButtonPictureLeft = 5;
inline constexpr int kButtonCaptionGap = 2;
inline constexpr int kButtonCaptionLeftWithoutPicture = 6;
inline constexpr int kButtonPictureSide = 32;
inline constexpr int kButtonGroupEdge = 2;

// The button under a point of the group's client area, its buttons
// `itemHeight` high: -1 outside the area, below the last button, or on a
// button that is only partly visible.
int ButtonAt(int x, int y, int clientWidth, int clientHeight, int count,
             int itemHeight = kButtonGroupItemHeight);

enum class FocusKey { Previous, Next, PageUp, PageDown, First, Last };

// Where the focus frame goes from `current` (-1: none yet) for a key, with
// `visibleRows` whole buttons in view. Stays within 0..count-1; -1 when the
// group is empty.
int MovedFocus(FocusKey key, int current, int count, int visibleRows);

struct ButtonFrameColours {
  Rgb frame;     // the face colour with its lightness lowered by 25
  Rgb hotFrame;  // the frame colour lowered by a further 50
};

ButtonFrameColours FrameColoursFor(Rgb face);

}  // namespace demodisc
