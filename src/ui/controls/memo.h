// A memo: a multi-line EDIT with word wrap and no scroll bars, editable.
#pragma once

#include "ui/controls/control.h"

namespace demodisc {

class Memo final : public Control {
 public:
  void Create(HWND parent, const Bounds& bounds, HFONT font);
  // Replaces the whole text in one go.
  void SetText(const Text& text);
  Text GetText() const;
  void Clear() { SetText(Text()); }
  // Shows the first line.
  void ScrollToTop();
};

}  // namespace demodisc
