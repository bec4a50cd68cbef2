#include "ui/controls/label.h"

#include <oleacc.h>

#include "base/wide_win.h"
#include "ui/look/gdi.h"
#include "ui/look/high_contrast_win.h"
#include "ui/look/visual_styles.h"

namespace demodisc {

void Label::Create(const CreateArgs& args, const LabelLook& look) {
  look_ = look;
  Attach(args);
  // Placed by its bounds (not by an alignment, which sizes it itself).
  const Bounds& placed = bounds();
  if (placed.height == 0) return;
  const int needed = NeededHeight(placed.width);
  if (needed > placed.height) SetBounds({placed.x, placed.y, placed.width, needed});
}

UINT Label::Format() const {
  UINT format = DT_EXPANDTABS | DT_NOPREFIX;
  switch (look_.align) {
    case TextAlign::Left:
      format |= DT_LEFT | (look_.wordWrap ? DT_WORDBREAK : 0);
      break;
    case TextAlign::Centre:
      format |= DT_CENTER | DT_WORDBREAK;
      break;
    case TextAlign::Right:
      format |= DT_RIGHT | DT_WORDBREAK;
      break;
  }
  return format;
}

int Label::NeededHeight(int width) const {
  // A parent not laid out yet gives no width to measure at.
  if (width <= 0) return 0;
  // Layouts ask again at the same width when their parent's size changes.
  if (width == measured_.width && text() == measured_.text) return measured_.height;
  const std::wstring wide = Wide(text());
  const HDC dc = ScratchDc();
  HGDIOBJ old = SelectObject(dc, font());
  int height = 0;
  if (!(Format() & DT_WORDBREAK) || wide.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    height = metrics.tmHeight;
  } else {
    RECT r{0, 0, width, 0};
    height = DrawTextW(dc, wide.c_str(), static_cast<int>(wide.size()), &r,
                       DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  }
  SelectObject(dc, old);
  measured_ = {width, text(), height};
  return height;
}

void Label::Paint(HDC dc) const {
  const Bounds& b = bounds();
  RECT r{b.x, b.y, b.x + b.width, b.y + b.height};
  SelectObject(dc, font());
  const bool themed = VisualStylesActive();
  // With visual styles on, what the parent painted beneath shows through.
  const COLORREF colour =
      look_.colour && !themed ? ShownBack(*look_.colour) : BackColourOf(parent());
  SetTextColor(dc, enabled() ? ShownText(look_.textColour, colour) : SystemColour(COLOR_GRAYTEXT));
  if (themed) {
    SetBkMode(dc, TRANSPARENT);
  } else {
    FillSolid(dc, r, colour);
    SetBkMode(dc, OPAQUE);
    SetBkColor(dc, colour);
  }
  const std::wstring wide = Wide(text());
  if (!wide.empty()) DrawTextW(dc, wide.c_str(), -1, &r, Format());
}

long Label::AccessibleRole() const { return ROLE_SYSTEM_STATICTEXT; }

}  // namespace demodisc
