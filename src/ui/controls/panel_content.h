// A panel's content as a layout table gives it: its labels, pictures and
// picture buttons in creation order (the order of painting, of the tab key
// and of screen readers), each with its arguments, its look and its
// alignment in the panel.
#pragma once

#include <optional>
#include <span>
#include <vector>

#include "ui/alignment.h"
#include "ui/controls/label.h"
#include "ui/controls/panel.h"
#include "ui/controls/picture.h"
#include "ui/controls/picture_button.h"

namespace demodisc {

// One control of the content: exactly one of `label`, `picture` and
// `button`, with its arguments (the panel is their parent) and the look of
// its kind. Without an alignment its arguments' bounds (at 96 dpi) place it.
struct PanelControl {
  Label* label = nullptr;
  Picture* picture = nullptr;
  PictureButton* button = nullptr;
  CreateArgs args;
  LabelLook labelLook{};
  UINT pictureId = 0;  // a picture's, drawn transparent
  PictureButtonLook buttonLook{};
  std::optional<AlignedChild> alignment;
};

// Creates the controls in the panel in their order; returns the aligned ones
// in the same order, for the panel's AlignControls.
std::vector<PlacedChild> CreatePanelContent(Panel& panel, std::span<const PanelControl> controls);

}  // namespace demodisc
