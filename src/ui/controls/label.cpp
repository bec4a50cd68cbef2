#include "ui/controls/label.h"

#include "base/wide_win.h"
#include "ui/controls/visual_styles.h"

namespace demodisc {

int LabelTextHeight(HWND label, int width) {
  wchar_t cls[16] = {};
  GetClassNameW(label, cls, 16);
  const LONG style = GetWindowLongW(label, GWL_STYLE);
  const LONG type = style & SS_TYPEMASK;
  if (lstrcmpiW(cls, L"Static") != 0 ||
      (type != SS_LEFT && type != SS_CENTER && type != SS_RIGHT && type != SS_LEFTNOWORDWRAP))
    return 0;
  const std::wstring text = Wide(WindowTextUtf8(label));
  HDC dc = GetDC(label);
  auto font = reinterpret_cast<HFONT>(SendMessageW(label, WM_GETFONT, 0, 0));
  HGDIOBJ old = SelectObject(dc, font ? font : GetStockObject(SYSTEM_FONT));
  int height = 0;
  if (type == SS_LEFTNOWORDWRAP || text.empty()) {
    TEXTMETRICW metrics{};
    GetTextMetricsW(dc, &metrics);
    height = metrics.tmHeight;
  } else {
    RECT r{0, 0, width, 0};
    height = DrawTextW(dc, text.c_str(), static_cast<int>(text.size()), &r,
                       DT_CALCRECT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS);
  }
  SelectObject(dc, old);
  ReleaseDC(label, dc);
  return height;
}

void Label::Create(const CreateArgs& args, const LabelLook& look) {
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
  CreateArgs label = args;
  label.style |= style;
  CreateControl(L"STATIC", label);
  // Placed by its bounds (not by an alignment, which sizes it itself).
  const Bounds& bounds = args.bounds;
  if (bounds.height == 0) return;
  const int needed = LabelTextHeight(hwnd(), bounds.width);
  if (needed > bounds.height)
    SetWindowPos(hwnd(), nullptr, 0, 0, bounds.width, needed,
                 SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
  brush_.reset(CreateSolidBrush(colour));
  SetBkColor(dc, colour);
  result = reinterpret_cast<LRESULT>(brush_.get());
  return true;
}

}  // namespace demodisc
