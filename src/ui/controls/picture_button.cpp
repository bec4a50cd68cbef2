#include "ui/controls/picture_button.h"

#include "base/wide_win.h"
#include "ui/look/visual_styles.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
constexpr int kSpacing = 4;  // picture to caption, at 96 dpi

// The system's procedure of the BUTTON class, which the buttons' own one
// hands every message on to.
WNDPROC gButtonProc = nullptr;
}  // namespace

// An owner-drawn BUTTON tells the dialog manager only that it is a button,
// so Enter would go to the window's default command. Like a standard push
// button, which becomes the default one while it has the focus, it asks for
// Enter while focused; the dialog manager then presses it. The button's
// theme data follows theme changes and goes with the window. (A procedure of
// its own rather than comctl32's subclassing, which looks its list up in a
// window property on every message: a call to the server under Wine.)
LRESULT CALLBACK PictureButton::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_THEMECHANGED || msg == WM_DESTROY) {
    // Null while the object's own destructor destroys the window.
    if (auto* button = dynamic_cast<PictureButton*>(FromHwnd(hwnd))) button->theme_.Follow(msg);
  }
  const LRESULT result = CallWindowProcW(gButtonProc, hwnd, msg, wp, lp);
  if (msg != WM_GETDLGCODE) return result;
  const LRESULT push = GetFocus() == hwnd ? DLGC_DEFPUSHBUTTON : DLGC_UNDEFPUSHBUTTON;
  return (result & ~(DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) | push;
}

PictureAndCaption CentredTogether(const RECT& button, SIZE picture, SIZE caption, PictureSide side,
                                  int spacing) {
  const int width = button.right - button.left;
  const int height = button.bottom - button.top;
  const int gap = picture.cx > 0 && caption.cx > 0 ? spacing : 0;
  PictureAndCaption out{};
  if (side == PictureSide::Left) {
    const int total = picture.cx + gap + caption.cx;
    const int left = button.left + (width - total) / 2;
    out.picture = {left, button.top + (height - picture.cy) / 2};
    const int textLeft = left + picture.cx + gap;
    const int textTop = button.top + (height - caption.cy) / 2;
    out.caption = {textLeft, textTop, textLeft + caption.cx, textTop + caption.cy};
  } else {
    const int total = picture.cy + gap + caption.cy;
    const int top = button.top + (height - total) / 2;
    out.picture = {button.left + (width - picture.cx) / 2, top};
    const int textTop = top + picture.cy + gap;
    const int textLeft = button.left + (width - caption.cx) / 2;
    out.caption = {textLeft, textTop, textLeft + caption.cx, textTop + caption.cy};
  }
  return out;
}

void PictureButton::Create(const CreateArgs& args, const PictureButtonLook& look) {
  look_ = look;
  if (look.pictureId)
    picture_.Load(look.pictureId, look.pictureWidth, look.pictureHeight, ScaleOf(args.parent));
  CreateArgs button = args;
  button.style |= WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW;
  if (!CreateControl(L"BUTTON", button)) return;
  const auto own = reinterpret_cast<LONG_PTR>(Procedure);
  const auto system = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(hwnd(), GWLP_WNDPROC));
  // Every BUTTON of the program has the one class procedure.
  if (!gButtonProc) gButtonProc = system;
  if (system == gButtonProc) SetWindowLongPtrW(hwnd(), GWLP_WNDPROC, own);
}

bool PictureButton::Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_COMMAND && (HIWORD(wp) == BN_CLICKED || HIWORD(wp) == BN_DOUBLECLICKED)) {
    if (onClick) onClick();
    result = 0;
    return true;
  }
  if (msg == WM_DRAWITEM) {
    Draw(*reinterpret_cast<const DRAWITEMSTRUCT*>(lp));
    result = TRUE;
    return true;
  }
  return false;
}

void PictureButton::Draw(const DRAWITEMSTRUCT& item) {
  HDC dc = item.hDC;
  RECT r = item.rcItem;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const int state = disabled ? 4 : pressed ? 3 : (item.itemState & ODS_FOCUS) ? 5 : 1;
  if (!DrawThemedPushButton(theme_, hwnd(), dc, r, state)) {
    FillRect(dc, &r, GetSysColorBrush(COLOR_BTNFACE));
    DrawFrameControl(dc, &r, DFC_BUTTON, DFCS_BUTTONPUSH | (pressed ? DFCS_PUSHED : 0));
  }

  const std::wstring caption = Wide(WindowTextUtf8(hwnd()));
  HGDIOBJ oldFont = SelectObject(dc, font());
  SIZE text{};
  if (!caption.empty())
    GetTextExtentPoint32W(dc, caption.c_str(), static_cast<int>(caption.size()), &text);
  const SIZE picture = picture_ ? SIZE{picture_.width(), picture_.height()} : SIZE{0, 0};
  PictureAndCaption place = CentredTogether(r, picture, text, look_.side, Px(kSpacing));
  if (pressed) {
    const int shift = Px(1);
    place.picture.x += shift;
    place.picture.y += shift;
    OffsetRect(&place.caption, shift, shift);
  }
  picture_.Draw(0, dc, place.picture.x, place.picture.y);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, GetSysColor(disabled ? COLOR_GRAYTEXT : COLOR_BTNTEXT));
  DrawTextW(dc, caption.c_str(), -1, &place.caption, DT_SINGLELINE | DT_NOPREFIX | DT_NOCLIP);
  SelectObject(dc, oldFont);

  if ((item.itemState & ODS_FOCUS) && !(item.itemState & ODS_NOFOCUSRECT)) {
    RECT focus = r;
    InflateRect(&focus, -Px(4), -Px(4));
    DrawFocusRect(dc, &focus);
  }
}

}  // namespace demodisc
