#include "ui/controls/panel.h"

#include "base/wide_win.h"
#include "ui/controls/visual_styles.h"

namespace demodisc {

void Panel::Create(HWND parent, const Bounds& bounds, PanelLook look, const wchar_t* className) {
  look_ = std::move(look);
  RegisterClass(className, CS_HREDRAW | CS_VREDRAW, nullptr);
  Window::Create(className, look_.caption,
                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, WS_EX_CONTROLPARENT,
                 bounds.x, bounds.y, bounds.width, bounds.height, parent);
}

COLORREF Panel::Colour() const {
  if (look_.colour) return *look_.colour;
  return BackColourOf(GetParent(hwnd()));
}

void Panel::AlignControls(std::vector<PlacedChild> children) {
  aligned_ = std::move(children);
  PlaceAligned(hwnd(), Inset(), aligned_);
}

void Panel::Paint(HDC dc) {
  RECT r;
  GetClientRect(hwnd(), &r);
  if (VisualStylesActive()) {
    DrawParentBackground(hwnd(), dc);
  } else {
    HBRUSH brush = CreateSolidBrush(Colour());
    FillRect(dc, &r, brush);
    DeleteObject(brush);
  }
  if (look_.bevel) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
  if (!look_.caption.empty()) {
    RECT text = r;
    InflateRect(&text, -Inset(), -Inset());
    HGDIOBJ old = SelectObject(dc, look_.font ? look_.font : GetStockObject(DEFAULT_GUI_FONT));
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, look_.textColour);
    DrawTextW(dc, Wide(look_.caption).c_str(), -1, &text,
              DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    SelectObject(dc, old);
  }
}

LRESULT Panel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT: {
      PAINTSTRUCT ps;
      HDC dc = BeginPaint(hwnd(), &ps);
      Paint(dc);
      EndPaint(hwnd(), &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint(reinterpret_cast<HDC>(wp));
      return 0;
    case WM_SIZE:
      if (!aligned_.empty()) PlaceAligned(hwnd(), Inset(), aligned_);
      return 0;
    case kQueryBackColour:
      return static_cast<LRESULT>(Colour());
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

}  // namespace demodisc
