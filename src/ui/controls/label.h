// A label: a STATIC control with its alignment, word wrap and colours. Its
// background is its own colour (or its parent's) while visual styles are off.
#pragma once

#include <optional>

#include "ui/gdi.h"
#include "ui/window.h"

namespace demodisc {

enum class TextAlign { Left, Centre, Right };

struct LabelLook {
  TextAlign align = TextAlign::Left;
  bool wordWrap = false;
  COLORREF textColour = GetSysColor(COLOR_WINDOWTEXT);
  std::optional<COLORREF> colour;  // none: the parent's colour
};

// The height a label's text needs at a width in the label's font: for a
// word-wrapped label all its lines, for an unwrapped one a single line; 0 for
// a window that is no text label.
int LabelTextHeight(HWND label, int width);

// A label is as high as its layout makes it, and higher when its text needs
// more room: then it grows away from the edge it is aligned to (downward when
// it is not aligned).
class Label final : public Window {
 public:
  void Create(const CreateArgs& args, const LabelLook& look);
  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  LabelLook look_;
  OwnedBrush brush_;
};

}  // namespace demodisc
