// A label: a STATIC control with its alignment, word wrap and colours. Its
// background is its own colour (or its parent's) while visual styles are off.
#pragma once

#include <optional>

#include "ui/controls/control.h"

namespace demodisc {

enum class TextAlign { Left, Centre, Right };

struct LabelLook {
  TextAlign align = TextAlign::Left;
  bool wordWrap = false;
  HFONT font = nullptr;
  COLORREF textColour = GetSysColor(COLOR_WINDOWTEXT);
  std::optional<COLORREF> colour;  // none: the parent's colour
};

class Label final : public Control {
 public:
  ~Label() override;
  void Create(HWND parent, const Bounds& bounds, const Text& caption, const LabelLook& look);
  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  LabelLook look_;
  HBRUSH brush_ = nullptr;
};

}  // namespace demodisc
