#include "ui/controls/alignment.h"

namespace demodisc {

void PlaceAligned(HWND parent, int inset, const std::vector<PlacedChild>& children) {
  RECT client;
  GetClientRect(parent, &client);
  std::vector<AlignedChild> specs;
  specs.reserve(children.size());
  for (const PlacedChild& c : children) specs.push_back(c.alignment);
  const std::vector<Bounds> placed =
      AlignChildren({inset, inset, client.right - 2 * inset, client.bottom - 2 * inset}, specs);
  for (std::size_t i = 0; i < children.size(); ++i)
    if (children[i].hwnd)
      MoveWindow(children[i].hwnd, placed[i].x, placed[i].y, placed[i].width, placed[i].height,
                 FALSE);
}

}  // namespace demodisc
