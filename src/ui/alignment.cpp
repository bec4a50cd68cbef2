#include "ui/alignment.h"

#include "ui/screen_scale_win.h"

namespace demodisc {

void PlaceAligned(HWND parent, int inset, const std::vector<PlacedChild>& children) {
  RECT client;
  GetClientRect(parent, &client);
  const Bounds area{inset, inset, client.right - 2 * inset, client.bottom - 2 * inset};
  std::vector<AlignedChild> specs;
  specs.reserve(children.size());
  for (const PlacedChild& c : children) specs.push_back(c.alignment);
  const UiScale scale = ScaleOf(parent);
  std::vector<Bounds> placed = AlignChildrenAtScale(area, specs, scale);
  // A label whose text needs more lines than its height holds grows to them,
  // at the width the alignment gives it; the others then make room.
  bool grown = false;
  for (std::size_t i = 0; i < children.size(); ++i) {
    AlignedChild& spec = specs[i];
    if (!children[i].element ||
        (spec.align != Align::Top && spec.align != Align::Bottom && spec.align != Align::None))
      continue;
    const int needed = scale.UnpxUp(children[i].element->NeededHeight(placed[i].width));
    if (needed > spec.design.height) {
      spec.design.height = needed;
      grown = true;
    }
  }
  if (grown) placed = AlignChildrenAtScale(area, specs, scale);
  for (std::size_t i = 0; i < children.size(); ++i) {
    const Bounds& b = placed[i];
    if (children[i].element)
      children[i].element->SetBounds(b);
    else if (children[i].hwnd)
      MoveWindow(children[i].hwnd, b.x, b.y, b.width, b.height, FALSE);
  }
}

}  // namespace demodisc
