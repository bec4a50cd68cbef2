#include "ui/controls/label.h"

#include "ui/controls/visual_styles.h"

namespace demodisc {

Label::~Label() {
  if (brush_) DeleteObject(brush_);
}

void Label::Create(HWND parent, const Bounds& bounds, const Text& caption, const LabelLook& look) {
  look_ = look;
  DWORD style = WS_VISIBLE | SS_NOPREFIX;
  switch (look.align) {
    case TextAlign::Left:
      style |= look.wordWrap ? SS_LEFT : SS_LEFTNOWORDWRAP;
      break;
    case TextAlign::Centre:
      style |= SS_CENTER;
      break;
    case TextAlign::Right:
      style |= SS_RIGHT;
      break;
  }
  CreateControl(L"STATIC", caption, style, 0, parent, bounds, look.font);
}

bool Label::Reflected(UINT msg, WPARAM wp, LPARAM, LRESULT& result) {
  if (msg != WM_CTLCOLORSTATIC) return false;
  HDC dc = reinterpret_cast<HDC>(wp);
  SetTextColor(dc, look_.textColour);
  if (VisualStylesActive()) {
    DrawParentBackground(hwnd(), dc);
    SetBkMode(dc, TRANSPARENT);
    result = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
    return true;
  }
  const COLORREF colour = look_.colour ? *look_.colour : BackColourOf(GetParent(hwnd()));
  if (brush_) DeleteObject(brush_);
  brush_ = CreateSolidBrush(colour);
  SetBkColor(dc, colour);
  result = reinterpret_cast<LRESULT>(brush_);
  return true;
}

}  // namespace demodisc
