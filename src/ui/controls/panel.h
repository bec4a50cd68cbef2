// A panel: a container with a colour, a 1-pixel raised bevel and a centred
// caption. Its colour is painted only while visual styles are off; with them
// on, what lies beneath shows through and only the caption's colour remains.
// It paints its graphic elements, its face around them.
#pragma once

#include <optional>

#include <vector>

#include "ui/alignment.h"
#include "ui/element_host.h"
#include "ui/look/colours.h"
#include "ui/window.h"

namespace demodisc {

struct PanelLook {
  std::optional<COLORREF> colour;  // none: the parent's colour
  bool bevel = true;
  COLORREF textColour = NamedSystemColour(COLOR_WINDOWTEXT);
};

class Panel : public Window {
 public:
  // The arguments' text is the caption, drawn in their font.
  void Create(const CreateArgs& args, const PanelLook& look, const wchar_t* className = L"TPanel");
  // The width of the bevel: children are aligned inside it.
  int Inset() const { return look_.bevel ? 1 : 0; }
  COLORREF Colour() const;
  // Keeps the children aligned inside the bevel, now (once the panel has a
  // size) and whenever the panel's size changes.
  void AlignControls(std::vector<PlacedChild> children);
  ElementHost* Elements() override { return &elements_; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint(HDC dc, const RECT& dirty) override;

 private:
  PanelLook look_;
  ElementHost elements_;
  Text caption_;
  std::vector<PlacedChild> aligned_;
};

}  // namespace demodisc
