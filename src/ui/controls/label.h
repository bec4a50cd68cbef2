// A label: text with its alignment, word wrap and colours, drawn by its
// parent. Its background is its own colour (or its parent's) while visual
// styles are off; with them on, what its parent painted beneath shows through.
#pragma once

#include <optional>

#include "ui/graphic_element.h"
#include "ui/look/colours.h"
#include "ui/window.h"

namespace demodisc {

enum class TextAlign { Left, Centre, Right };

struct LabelLook {
  TextAlign align = TextAlign::Left;
  bool wordWrap = false;
  COLORREF textColour = NamedSystemColour(COLOR_WINDOWTEXT);
  std::optional<COLORREF> colour;  // none: the parent's colour
};

// A label is as high as its layout makes it, and higher when its text needs
// more room: then it grows away from the edge it is aligned to (downward when
// it is not aligned).
class Label final : public GraphicElement {
 public:
  void Create(const CreateArgs& args, const LabelLook& look);

  // For a word-wrapped label (and a centred or right-aligned one, which wrap
  // too) all the lines of its text at the width; for an unwrapped one a
  // single line.
  int NeededHeight(int width) const override;
  void Paint(HDC dc) const override;
  long AccessibleRole() const override;

 private:
  UINT Format() const;

  LabelLook look_;
  // The last measuring: the width, the text and the height it needs.
  struct Measured {
    int width = -1;
    Text text;
    int height = 0;
  };
  mutable Measured measured_;
};

}  // namespace demodisc
