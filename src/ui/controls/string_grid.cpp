#include "ui/controls/string_grid.h"

#include <algorithm>

#include "base/wide_win.h"
#include "ui/back_buffer.h"
#include "ui/look/fonts.h"
#include "ui/look/gdi.h"
#include "ui/look/high_contrast_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

namespace {
constexpr wchar_t kClassName[] = L"TStringGrid";
constexpr int kLine = 1;       // grid line width
constexpr int kTextInset = 2;  // text starts this far in from the cell's corner, at 96 dpi
constexpr COLORREF kLineColor = RGB(192, 192, 192);
constexpr UINT_PTR kAutoScrollTimer = 1;
constexpr UINT kAutoScrollMs = 60;

const Text kNoText;

}  // namespace

void StringGrid::Create(const CreateArgs& args, const StringGridLayout& layout) {
  layout_ = layout;
  cells_.assign(static_cast<std::size_t>(layout.colCount * layout.rowCount), Text());
  colWidths_.assign(static_cast<std::size_t>(layout.colCount), layout.defaultColWidth);
  current_ = anchor_ = {layout.fixedCols, layout.fixedRows};
  topRow_ = layout.fixedRows;
  CreateArgs grid = args;
  if (!grid.font) grid.font = UiFont(SansSerif(11));
  grid.style |= WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | WS_CLIPSIBLINGS;
  grid.exStyle |= WS_EX_CLIENTEDGE;
  // No CS_DBLCLKS: a double click is two presses.
  Window::Create({kClassName, 0, nullptr}, grid);
  UpdateScrollBar();
}

bool StringGrid::ValidCell(int col, int row) const {
  return col >= 0 && col < layout_.colCount && row >= 0 && row < layout_.rowCount;
}

int StringGrid::ColWidth(int col) const {
  return col >= 0 && col < layout_.colCount ? colWidths_[static_cast<std::size_t>(col)] : 0;
}

void StringGrid::SetColWidth(int col, int width) {
  if (col < 0 || col >= layout_.colCount) return;
  colWidths_[static_cast<std::size_t>(col)] = std::max(0, width);
  RepaintShown(hwnd(), nullptr);
}

int StringGrid::OuterWidth() const {
  RECT r;
  GetWindowRect(hwnd(), &r);
  return r.right - r.left;
}

const Text& StringGrid::Cell(int col, int row) const {
  return ValidCell(col, row) ? cells_[static_cast<std::size_t>(CellIndex(col, row))] : kNoText;
}

void StringGrid::SetCell(int col, int row, const Text& text) {
  if (!ValidCell(col, row)) return;
  cells_[static_cast<std::size_t>(CellIndex(col, row))] = text;
  const RECT r = CellRect(col, row);
  if (!IsRectEmpty(&r)) RepaintShown(hwnd(), &r);
  AccessibleHost::Changed(hwnd(), EVENT_OBJECT_NAMECHANGE, CellIndex(col, row));
}

GridRect StringGrid::Selection() const {
  return {std::min(current_.col, anchor_.col), std::min(current_.row, anchor_.row),
          std::max(current_.col, anchor_.col), std::max(current_.row, anchor_.row)};
}

int StringGrid::ClientHeight() const {
  RECT r;
  GetClientRect(hwnd(), &r);
  return r.bottom;
}

int StringGrid::VisibleRowCount() const {
  const int room = ClientHeight() - layout_.fixedRows * (layout_.rowHeight + kLine);
  const int fit =
      room >= layout_.rowHeight ? (room - layout_.rowHeight) / (layout_.rowHeight + kLine) + 1 : 0;
  return std::clamp(fit, 1, std::max(1, layout_.rowCount - layout_.fixedRows));
}

int StringGrid::MaxTopRow() const {
  return std::max(layout_.fixedRows, layout_.rowCount - VisibleRowCount());
}

int StringGrid::ColLeft(int col) const {
  if (col < 0 || col >= layout_.colCount) return -1;
  int x = 0;
  for (int c = 0; c < col; ++c) x += ColWidth(c) + kLine;
  return x;
}

int StringGrid::RowTop(int row) const {
  if (row < 0 || row >= layout_.rowCount) return -1;
  if (row < layout_.fixedRows) return row * (layout_.rowHeight + kLine);
  if (row < topRow_) return -1;
  return (layout_.fixedRows + row - topRow_) * (layout_.rowHeight + kLine);
}

RECT StringGrid::CellRect(int col, int row) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  const int left = ColLeft(col);
  const int top = RowTop(row);
  if (left < 0 || top < 0 || left >= client.right || top >= client.bottom) return RECT{};
  return RECT{left, top, left + ColWidth(col), top + layout_.rowHeight};
}

int StringGrid::ColAt(int x) const {
  if (x < 0) return -1;
  int left = 0;
  for (int c = 0; c < layout_.colCount; ++c) {
    const int next = left + ColWidth(c) + kLine;
    if (x < next) return c;
    left = next;
  }
  return -1;
}

int StringGrid::RowAt(int y) const {
  if (y < 0 || y >= ClientHeight()) return -1;
  const int stride = layout_.rowHeight + kLine;
  const int shown = y / stride;
  if (shown < layout_.fixedRows) return shown;
  const int row = topRow_ + shown - layout_.fixedRows;
  return row < layout_.rowCount ? row : -1;
}

StringGrid::Coord StringGrid::NearestCell(POINT p) const {
  RECT client;
  GetClientRect(hwnd(), &client);
  int col =
      ColAt(std::clamp(static_cast<int>(p.x), 0, std::max(0, static_cast<int>(client.right) - 1)));
  if (col < 0) col = layout_.colCount - 1;
  const int fixedHeight = layout_.fixedRows * (layout_.rowHeight + kLine);
  int row;
  if (p.y < fixedHeight) {
    row = topRow_;
  } else if (p.y >= client.bottom) {
    row = topRow_ + VisibleRowCount() - 1;
  } else {
    row = RowAt(p.y);
    if (row < 0) row = layout_.rowCount - 1;
  }
  return {std::clamp(col, layout_.fixedCols, layout_.colCount - 1),
          std::clamp(row, layout_.fixedRows, layout_.rowCount - 1)};
}

void StringGrid::LeftDown(POINT p, bool shift) {
  if (GetFocus() != hwnd()) SetFocus(hwnd());
  const int col = ColAt(p.x);
  const int row = RowAt(p.y);
  if (col < layout_.fixedCols || row < layout_.fixedRows) return;
  const bool started = shift ? (MoveAnchor({col, row}), true) : MoveCurrent({col, row}, false);
  if (started) {
    selecting_ = true;
    SetCapture(hwnd());
  }
}

void StringGrid::DragTo(POINT p) {
  const Coord c = NearestCell(p);
  if (!(c == anchor_)) MoveAnchor(c);
  const int fixedHeight = layout_.fixedRows * (layout_.rowHeight + kLine);
  const bool outside = p.y < fixedHeight || p.y >= ClientHeight();
  if (outside && !autoScrolling_) {
    autoScrolling_ = true;
    SetTimer(hwnd(), kAutoScrollTimer, kAutoScrollMs, nullptr);
  } else if (!outside && autoScrolling_) {
    autoScrolling_ = false;
    KillTimer(hwnd(), kAutoScrollTimer);
  }
}

void StringGrid::AutoScroll() {
  POINT p;
  GetCursorPos(&p);
  ScreenToClient(hwnd(), &p);
  const int fixedHeight = layout_.fixedRows * (layout_.rowHeight + kLine);
  if (p.y < fixedHeight)
    SetTopRow(topRow_ - 1);
  else if (p.y >= ClientHeight())
    SetTopRow(topRow_ + 1);
  DragTo(p);
}

void StringGrid::EndDrag() {
  selecting_ = false;
  if (autoScrolling_) {
    autoScrolling_ = false;
    KillTimer(hwnd(), kAutoScrollTimer);
  }
}

bool StringGrid::MoveCurrent(Coord to, bool keepAnchor) {
  if (!ValidCell(to.col, to.row) || to.col < layout_.fixedCols || to.row < layout_.fixedRows)
    return false;
  if (onSelectCell && !onSelectCell(to.col, to.row)) return false;
  current_ = to;
  if (!keepAnchor) anchor_ = to;
  ShowRow(to.row);
  RepaintShown(hwnd(), nullptr);
  AccessibleHost::FocusMoved(hwnd(), CellIndex(to.col, to.row));
  if (keepAnchor)
    NotifyWinEvent(EVENT_OBJECT_SELECTIONWITHIN, hwnd(), OBJID_CLIENT, CHILDID_SELF);
  else
    AccessibleHost::Changed(hwnd(), EVENT_OBJECT_SELECTION, CellIndex(to.col, to.row));
  return true;
}

void StringGrid::MoveAnchor(Coord to) {
  anchor_ = to;
  ShowRow(to.row);
  RepaintShown(hwnd(), nullptr);
  NotifyWinEvent(EVENT_OBJECT_SELECTIONWITHIN, hwnd(), OBJID_CLIENT, CHILDID_SELF);
}

void StringGrid::ShowRow(int row) {
  if (row < topRow_) {
    SetTopRow(row);
  } else if (row >= topRow_ + VisibleRowCount()) {
    SetTopRow(row - VisibleRowCount() + 1);
  }
}

StringGrid::Content StringGrid::GetContent() const {
  return {cells_, current_.col, current_.row, anchor_.col, anchor_.row, topRow_};
}

void StringGrid::SetContent(const Content& content) {
  const auto selectable = [this](int col, int row) {
    return ValidCell(col, row) && col >= layout_.fixedCols && row >= layout_.fixedRows;
  };
  if (content.cells.size() != cells_.size() || !selectable(content.col, content.row) ||
      !selectable(content.anchorCol, content.anchorRow))
    return;
  cells_ = content.cells;
  current_ = {content.col, content.row};
  anchor_ = {content.anchorCol, content.anchorRow};
  topRow_ = std::clamp(content.topRow, layout_.fixedRows, MaxTopRow());
  UpdateScrollBar();
  RepaintShown(hwnd(), nullptr);
}

void StringGrid::SetTopRow(int row) {
  row = std::clamp(row, layout_.fixedRows, MaxTopRow());
  if (row == topRow_) return;
  topRow_ = row;
  UpdateScrollBar();
  RepaintShown(hwnd(), nullptr);
}

void StringGrid::UpdateScrollBar() {
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS;
  si.nMin = layout_.fixedRows;
  si.nMax = layout_.rowCount - 1;
  si.nPage = static_cast<UINT>(VisibleRowCount());
  si.nPos = topRow_;
  SetScrollInfo(hwnd(), SB_VERT, &si, TRUE);
}

void StringGrid::VScroll(int code) {
  switch (code) {
    case SB_LINEUP:
      SetTopRow(topRow_ - 1);
      break;
    case SB_LINEDOWN:
      SetTopRow(topRow_ + 1);
      break;
    case SB_PAGEUP:
      SetTopRow(topRow_ - VisibleRowCount());
      break;
    case SB_PAGEDOWN:
      SetTopRow(topRow_ + VisibleRowCount());
      break;
    case SB_TOP:
      SetTopRow(layout_.fixedRows);
      break;
    case SB_BOTTOM:
      SetTopRow(MaxTopRow());
      break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: {
      SCROLLINFO si{};
      si.cbSize = sizeof si;
      si.fMask = SIF_TRACKPOS;
      GetScrollInfo(hwnd(), SB_VERT, &si);
      SetTopRow(si.nTrackPos);
      break;
    }
    default:
      break;
  }
}

void StringGrid::KeyDown(WPARAM key) {
  const bool shift = GetKeyState(VK_SHIFT) < 0;
  const bool ctrl = GetKeyState(VK_CONTROL) < 0;
  const int page = VisibleRowCount();
  Coord to = current_;
  int top = topRow_;
  switch (key) {
    case VK_UP:
      --to.row;
      break;
    case VK_DOWN:
      ++to.row;
      break;
    case VK_LEFT:
      --to.col;
      break;
    case VK_RIGHT:
      ++to.col;
      break;
    case VK_PRIOR:
      to.row -= page;
      top -= page;
      break;
    case VK_NEXT:
      to.row += page;
      top += page;
      break;
    case VK_HOME:
      to.col = layout_.fixedCols;
      if (ctrl) to.row = layout_.fixedRows;
      break;
    case VK_END:
      to.col = layout_.colCount - 1;
      if (ctrl) to.row = layout_.rowCount - 1;
      break;
    default:
      return;
  }
  to.col = std::clamp(to.col, layout_.fixedCols, layout_.colCount - 1);
  to.row = std::clamp(to.row, layout_.fixedRows, layout_.rowCount - 1);
  // A page key scrolls by a page even when the current cell cannot move.
  if (top != topRow_) SetTopRow(top);
  if (!(to == current_)) MoveCurrent(to, shift);
}

void StringGrid::Wheel(int delta) {
  // A precision touchpad sends many small deltas: they add up, and a turn
  // the other way starts again from nothing.
  if ((delta < 0) != (wheelRest_ < 0)) wheelRest_ = 0;
  wheelRest_ += delta;
  const int notches = wheelRest_ / WHEEL_DELTA;
  wheelRest_ -= notches * WHEEL_DELTA;
  if (notches == 0) return;
  const int row = std::clamp(current_.row - notches, layout_.fixedRows, layout_.rowCount - 1);
  if (row != current_.row) MoveCurrent({current_.col, row}, false);
}

void StringGrid::Paint(HDC target, const RECT& dirty) {
  // Drawn whole and off screen first.
  RECT client;
  GetClientRect(hwnd(), &client);
  const BufferedDc buffer(backBuffer_, target, client, dirty);
  const HDC dc = buffer.dc();
  FillSolid(dc, client, SystemColour(COLOR_WINDOW));
  const HGDIOBJ oldFont = SelectObject(dc, font());
  for (int row = 0; row < layout_.rowCount; ++row) {
    if (row >= layout_.fixedRows && row < topRow_) continue;
    for (int col = 0; col < layout_.colCount; ++col) {
      const RECT r = CellRect(col, row);
      if (IsRectEmpty(&r)) continue;
      const bool fixed = col < layout_.fixedCols || row < layout_.fixedRows;
      const COLORREF line = fixed ? SystemColour(COLOR_WINDOWFRAME)
                                  : ShownText(kLineColor, SystemColour(COLOR_WINDOW));
      FillSolid(dc, RECT{r.right, r.top, r.right + kLine, r.bottom + kLine}, line);
      FillSolid(dc, RECT{r.left, r.bottom, r.right + kLine, r.bottom + kLine}, line);
      PaintCell(dc, col, row, r);
    }
    if (RowTop(row) >= client.bottom) break;
  }
  SelectObject(dc, oldFont);
}

void StringGrid::PaintCell(HDC dc, int col, int row, const RECT& rect) {
  const bool fixed = col < layout_.fixedCols || row < layout_.fixedRows;
  unsigned state = fixed ? kGridCellFixed : 0u;
  if (!fixed && Selection().Contains(col, row)) state |= kGridCellSelected;
  if (!fixed && Coord{col, row} == current_ && GetFocus() == hwnd()) state |= kGridCellFocused;

  // The focused current cell keeps the normal colours; the rest of the
  // range, and the current cell while the grid has no focus, are highlighted.
  COLORREF back = SystemColour(COLOR_WINDOW), fore = SystemColour(COLOR_WINDOWTEXT);
  if (fixed) {
    back = SystemColour(COLOR_BTNFACE);
    fore = SystemColour(COLOR_BTNTEXT);
  } else if ((state & kGridCellSelected) && !(state & kGridCellFocused)) {
    back = SystemColour(COLOR_HIGHLIGHT);
    fore = SystemColour(COLOR_HIGHLIGHTTEXT);
  }
  SetBkMode(dc, OPAQUE);
  SetBkColor(dc, back);
  SetTextColor(dc, fore);
  const std::wstring text = Wide(Cell(col, row));
  const int inset = Px(kTextInset);
  ExtTextOutW(dc, rect.left + inset, rect.top + inset, ETO_OPAQUE | ETO_CLIPPED, &rect,
              text.c_str(), static_cast<UINT>(text.size()), nullptr);
  if (fixed) {
    RECT edge = rect;
    DrawEdge(dc, &edge, BDR_RAISEDINNER, BF_RECT);
  }

  if (onDrawCell) {
    const int saved = SaveDC(dc);
    struct Restore {
      HDC dc;
      int saved;
      ~Restore() { RestoreDC(dc, saved); }
    } restore{dc, saved};
    onDrawCell(GridCellPaint{dc, col, row, rect, state});
  }

  if (state & kGridCellFocused) {
    SetTextColor(dc, RGB(0, 0, 0));
    SetBkColor(dc, RGB(255, 255, 255));
    DrawFocusRect(dc, &rect);
  }
}

LRESULT StringGrid::HandleMessage(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT answer;
  if (accessible_.HandleMessage(hwnd(), msg, wp, lp, answer)) return answer;
  backBuffer_.Follow(msg, lp);
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_SIZE:
      UpdateScrollBar();
      SetTopRow(topRow_);
      RepaintShown(hwnd(), nullptr);
      return 0;
    case WM_SETFOCUS:
      RepaintShown(hwnd(), nullptr);
      AccessibleHost::FocusMoved(hwnd(), CellIndex(current_.col, current_.row));
      return 0;
    case WM_KILLFOCUS:
      RepaintShown(hwnd(), nullptr);
      return 0;
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS;
    case WM_GETFONT:
      return reinterpret_cast<LRESULT>(font());
    case WM_KEYDOWN:
      KeyDown(wp);
      return 0;
    case WM_VSCROLL:
      VScroll(LOWORD(wp));
      return 0;
    case WM_MOUSEWHEEL:
      Wheel(GET_WHEEL_DELTA_WPARAM(wp));
      return 0;
    case WM_LBUTTONDOWN:
      LeftDown({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))},
               (wp & MK_SHIFT) != 0);
      return 0;
    case WM_MOUSEMOVE:
      if (selecting_ && (wp & MK_LBUTTON))
        DragTo({static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))});
      return 0;
    case WM_TIMER:
      if (wp == kAutoScrollTimer && selecting_) AutoScroll();
      return 0;
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
      EndDrag();
      if (GetCapture() == hwnd()) ReleaseCapture();
      return 0;
    case WM_CAPTURECHANGED:
      EndDrag();
      return 0;
    default:
      return Window::HandleMessage(msg, wp, lp);
  }
}

}  // namespace demodisc
