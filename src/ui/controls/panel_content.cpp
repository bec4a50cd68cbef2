#include "ui/controls/panel_content.h"

#include <vector>

namespace demodisc {

std::vector<PlacedChild> CreatePanelContent(Panel& panel, std::span<const PanelControl> controls) {
  std::vector<PlacedChild> aligned;
  for (const PanelControl& control : controls) {
    CreateArgs args = control.args;
    args.parent = panel.hwnd();
    args.bounds = panel.Px(args.bounds);
    if (control.label) control.label->Create(args, control.labelLook);
    if (control.picture) control.picture->Create(args, control.pictureId, true);
    if (control.button) control.button->Create(args, control.buttonLook);
    if (!control.alignment) continue;
    if (control.button)
      aligned.emplace_back(control.button->hwnd(), *control.alignment);
    else if (control.label)
      aligned.emplace_back(*control.label, *control.alignment);
    else if (control.picture)
      aligned.emplace_back(*control.picture, *control.alignment);
  }
  return aligned;
}

}  // namespace demodisc
