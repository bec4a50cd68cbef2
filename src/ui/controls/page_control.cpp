#include "ui/controls/page_control.h"

#include <commctrl.h>

#include "base/wide_win.h"
#include "ui/look/gdi.h"

namespace demodisc {

void PageControl::Create(const CreateArgs& args) {
  CreateArgs tabs = args;
  tabs.style |= WS_VISIBLE | WS_TABSTOP | WS_CLIPSIBLINGS | TCS_BUTTONS | TCS_FLATBUTTONS |
                TCS_SINGLELINE | TCS_FOCUSONBUTTONDOWN;
  CreateControl(WC_TABCONTROLW, tabs);
  CutToTabRow();
}

void PageControl::CutToTabRow() {
  RECT own;
  GetClientRect(hwnd(), &own);
  // The window owns the region once it has taken it.
  OwnedRegion tabRow(CreateRectRgn(0, 0, own.right, Px(kTabRowHeight)));
  if (SetWindowRgn(hwnd(), tabRow.get(), FALSE)) tabRow.release();
}

Bounds PageControl::PageArea() const {
  const Bounds own = BoundsInParent(hwnd());
  const int side = Px(kSideMargin);
  const int tabRow = Px(kTabRowHeight);
  return {own.x + side, own.y + tabRow, own.width - 2 * side, own.height - tabRow - side};
}

void PageControl::FitToPlace() {
  CutToTabRow();
  const Bounds area = PageArea();
  for (const auto& page : pages_)
    MoveWindow(page->hwnd(), area.x, area.y, area.width, area.height, FALSE);
}

Panel& PageControl::AddPage(const Text& caption, int imageIndex, std::string_view name) {
  std::wstring text = Wide(caption);
  TCITEMW item{};
  item.mask = TCIF_TEXT | TCIF_IMAGE;
  item.pszText = text.data();
  item.iImage = imageIndex;  // no image list: the tabs show their captions only
  SendMessageW(hwnd(), TCM_INSERTITEMW, pages_.size(), reinterpret_cast<LPARAM>(&item));

  auto page = std::make_unique<Panel>();
  PanelLook look;
  look.bevel = false;
  CreateArgs args;
  args.parent = GetParent(hwnd());
  args.bounds = PageArea();
  args.name = name;
  page->Create(args, look, L"TTabSheet");
  ShowWindow(page->hwnd(), SW_HIDE);
  pages_.push_back(std::move(page));
  return *pages_.back();
}

int PageControl::Current() const {
  return static_cast<int>(SendMessageW(hwnd(), TCM_GETCURSEL, 0, 0));
}

void PageControl::SetCurrent(int index) {
  SendMessageW(hwnd(), TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
  ShowCurrent();
}

void PageControl::ShowCurrent() {
  const int current = Current();
  HWND focus = GetFocus();
  for (int i = 0; i < PageCount(); ++i) {
    HWND page = pages_[static_cast<std::size_t>(i)]->hwnd();
    if (i == current) continue;
    // Focus inside a page that goes away moves to the tab row.
    if (focus && IsChild(page, focus)) SetFocus(hwnd());
    ShowWindow(page, SW_HIDE);
  }
  if (current >= 0 && current < PageCount())
    ShowWindow(pages_[static_cast<std::size_t>(current)]->hwnd(), SW_SHOW);
}

bool PageControl::Reflected(UINT msg, WPARAM, LPARAM lp, LRESULT& result) {
  if (msg == WM_NOTIFY && reinterpret_cast<NMHDR*>(lp)->code == TCN_SELCHANGE) {
    ShowCurrent();
    result = 0;
    return true;
  }
  return false;
}

}  // namespace demodisc
