#include "control_rules/ui_scale.h"

#include <cstdint>

namespace demodisc {

int MulDivRounded(int value, int num, int den) {
  const std::int64_t product = std::int64_t{value} * num;
  const std::int64_t half = den / 2;
  return static_cast<int>(product >= 0 ? (product + half) / den : -((-product + half) / den));
}

int UiScale::Px(int pixels) const {
  return dpi_ == kBaseDpi ? pixels : MulDivRounded(pixels, dpi_, kBaseDpi);
}

int UiScale::Unpx(int pixels) const {
  return dpi_ == kBaseDpi ? pixels : MulDivRounded(pixels, kBaseDpi, dpi_);
}

int UiScale::UnpxUp(int pixels) const {
  if (dpi_ == kBaseDpi || pixels <= 0) return Unpx(pixels);
  return static_cast<int>((std::int64_t{pixels} * kBaseDpi + dpi_ - 1) / dpi_);
}

int UiScale::FontPx(int height) const {
  if (dpi_ == kBaseDpi) return height;
  constexpr int kPointsPerInch = 72;
  const int points = MulDivRounded(height, kPointsPerInch, kBaseDpi);
  return MulDivRounded(points, dpi_, kPointsPerInch);
}

Bounds UiScale::Px(const Bounds& b) const {
  const int left = Px(b.x);
  const int top = Px(b.y);
  return {left, top, Px(b.x + b.width) - left, Px(b.y + b.height) - top};
}

std::vector<Bounds> AlignChildrenAtScale(Bounds area, std::span<const AlignedChild> children,
                                         const UiScale& scale) {
  if (scale.IsUnscaled()) return AlignChildren(area, children);
  // Aligned in fine units of 1/dpi of a 96-dpi pixel, in which the area's
  // pixels (96 units each) and the layout's sizes (dpi units each) are both
  // whole, so nothing is rounded until each edge is drawn: every edge lies
  // within half a pixel of its exact scaled place, measured from the area's
  // edge it is aligned to.
  constexpr int kPixel = UiScale::kBaseDpi;
  const int unit = scale.dpi();
  const Bounds fineArea{area.x * kPixel, area.y * kPixel, area.width * kPixel,
                        area.height * kPixel};
  std::vector<AlignedChild> fine(children.begin(), children.end());
  for (AlignedChild& c : fine) {
    c.design = {c.design.x * unit, c.design.y * unit, c.design.width * unit,
                c.design.height * unit};
    c.margin *= unit;
  }
  std::vector<Bounds> placed = AlignChildren(fineArea, fine);
  for (Bounds& b : placed) {
    const int left = MulDivRounded(b.x, 1, kPixel);
    const int top = MulDivRounded(b.y, 1, kPixel);
    b = {left, top, MulDivRounded(b.x + b.width, 1, kPixel) - left,
         MulDivRounded(b.y + b.height, 1, kPixel) - top};
  }
  return placed;
}

}  // namespace demodisc
