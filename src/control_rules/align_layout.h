// Alignment of child controls within a parent: each child takes its place at
// one edge (or fills what is left), keeping its margins from the neighbours.
#pragma once

#include <span>
#include <vector>

namespace demodisc {

struct Bounds {
  int x = 0;
  int y = 0;
  int width = 0;
  int height = 0;
  friend bool operator==(const Bounds&, const Bounds&) = default;
};

enum class Align { None, Top, Bottom, Left, Right, Client };

struct AlignedChild {
  Align align = Align::None;
  // The child's design bounds: for Top and Bottom its height counts, for Left
  // and Right its width, for None all of it; Client ignores them.
  Bounds design;
  int margin = 0;
};

// Places the children one after the other within `area`, in list order, each
// taking its room from what the earlier ones left.
std::vector<Bounds> AlignChildren(Bounds area, std::span<const AlignedChild> children);

}  // namespace demodisc
