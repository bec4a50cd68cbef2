#include "control_rules/align_layout.h"

#include <algorithm>

namespace demodisc {

std::vector<Bounds> AlignChildren(Bounds area, std::span<const AlignedChild> children) {
  std::vector<Bounds> placed;
  placed.reserve(children.size());
  for (const AlignedChild& c : children) {
    const int m = c.margin;
    const int innerWidth = std::max(0, area.width - 2 * m);
    const int innerHeight = std::max(0, area.height - 2 * m);
    Bounds b = c.design;
    switch (c.align) {
      case Align::None:
        break;
      case Align::Top:
        b = {area.x + m, area.y + m, innerWidth, c.design.height};
        area.y += c.design.height + 2 * m;
        area.height = std::max(0, area.height - c.design.height - 2 * m);
        break;
      case Align::Bottom:
        b = {area.x + m, area.y + area.height - m - c.design.height, innerWidth, c.design.height};
        area.height = std::max(0, area.height - c.design.height - 2 * m);
        break;
      case Align::Left:
        b = {area.x + m, area.y + m, c.design.width, innerHeight};
        area.x += c.design.width + 2 * m;
        area.width = std::max(0, area.width - c.design.width - 2 * m);
        break;
      case Align::Right:
        b = {area.x + area.width - m - c.design.width, area.y + m, c.design.width, innerHeight};
        area.width = std::max(0, area.width - c.design.width - 2 * m);
        break;
      case Align::Client:
        b = {area.x + m, area.y + m, innerWidth, innerHeight};
        break;
    }
    placed.push_back(b);
  }
  return placed;
}

}  // namespace demodisc
