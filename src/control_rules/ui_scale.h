// The scale the windows are drawn at. Layout tables give sizes in pixels at
// 96 dots per inch; a window drawn at another resolution multiplies each of
// them by dpi / 96, rounded to the nearest pixel (halves away from zero, as
// MulDiv rounds). At 96 dpi every size is its own.
#pragma once

#include <span>
#include <vector>

#include "control_rules/align_layout.h"

namespace demodisc {

// value * num / den (den > 0) rounded to the nearest, halves away from zero.
int MulDivRounded(int value, int num, int den);

class UiScale {
 public:
  static constexpr int kBaseDpi = 96;

  constexpr UiScale() = default;
  // A resolution of 0 or less is taken as 96.
  explicit constexpr UiScale(int dpi) : dpi_(dpi > 0 ? dpi : kBaseDpi) {}

  constexpr int dpi() const { return dpi_; }
  constexpr bool IsUnscaled() const { return dpi_ == kBaseDpi; }

  // A length at 96 dpi drawn at this scale.
  int Px(int pixels) const;
  // A rectangle scaled by its edges, so that rectangles that meet at 96 dpi
  // still meet: the right edge is Px(x + width), not Px(x) + Px(width).
  Bounds Px(const Bounds& bounds) const;
  // A length at this scale back at 96 dpi: rounded to the nearest, or up.
  int Unpx(int pixels) const;
  int UnpxUp(int pixels) const;
  // The character height of a font whose height at 96 dpi is given, drawn
  // as Windows draws a point size at a resolution: the height's point size
  // (3/4 of it, rounded) times dpi / 72, rounded. At 96 dpi the height is
  // its own; at 144 an 8-point font of 11 pixels is 16 pixels high.
  int FontPx(int height) const;

  friend constexpr bool operator==(const UiScale&, const UiScale&) = default;

 private:
  int dpi_ = kBaseDpi;
};

// Aligns the children as AlignChildren does, their sizes and margins at
// 96 dpi, in an area at the scale, with no rounding but each edge's own: so
// neighbours still meet, a row of many small children does not add up their
// roundings, and what is aligned to the area's far edge keeps its scaled
// distance from it, whatever the rounding of the area's own size (and the
// bevels around it, which keep their width) did. At 96 dpi it is
// AlignChildren.
std::vector<Bounds> AlignChildrenAtScale(Bounds area, std::span<const AlignedChild> children,
                                         const UiScale& scale);

}  // namespace demodisc
