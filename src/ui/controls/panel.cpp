#include "ui/controls/panel.h"

#include "base/startup_marks_win.h"
#include "base/wide_win.h"
#include "ui/look/gdi.h"
#include "ui/look/high_contrast_win.h"
#include "ui/look/visual_styles.h"

namespace demodisc {

void Panel::Create(const CreateArgs& args, const PanelLook& look, const wchar_t* className) {
  look_ = look;
  caption_ = args.text;
  CreateArgs panel = args;
  panel.style |= WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS;
  panel.exStyle |= WS_EX_CONTROLPARENT;
  Window::Create({className, CS_HREDRAW | CS_VREDRAW, nullptr}, panel);
}

COLORREF Panel::Colour() const {
  if (look_.colour) return ShownBack(*look_.colour);
  return BackColourOf(GetParent(hwnd()));
}

void Panel::AlignControls(std::vector<PlacedChild> children) {
  aligned_ = std::move(children);
  // A panel not laid out yet places its children when it gets its size.
  RECT client;
  GetClientRect(hwnd(), &client);
  if (!IsRectEmpty(&client)) PlaceAligned(hwnd(), Inset(), aligned_);
}

void Panel::Paint(HDC dc, const RECT& dirty) {
  StartupMark("first panel paint");
  RECT r;
  GetClientRect(hwnd(), &r);
  elements_.PaintWithFace(dc, dirty, [&] {
    const bool themed = VisualStylesActive();
    const COLORREF face = themed ? BackColourOf(GetParent(hwnd())) : Colour();
    if (themed) {
      DrawParentBackground(hwnd(), dc);
    } else {
      FillSolid(dc, r, face);
    }
    if (look_.bevel) DrawEdge(dc, &r, BDR_RAISEDINNER, BF_RECT);
    if (!caption_.empty()) {
      RECT text = r;
      InflateRect(&text, -Inset(), -Inset());
      SelectObject(dc, font());
      SetBkMode(dc, TRANSPARENT);
      SetTextColor(dc, ShownText(look_.textColour, face));
      DrawTextW(dc, Wide(caption_).c_str(), -1, &text,
                DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
  });
}

LRESULT Panel::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT result = 0;
  if (elements_.HandleMessage(hwnd(), msg, wp, lp, result)) return result;
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
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
