// The string grid under real messages: its geometry, selection by mouse and
// keyboard, scrolling and painting.
#include "ui/controls/string_grid.h"

#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "support/gdi_making_counter.h"
#include "support/input.h"
#include "support/pixels.h"
#include "support/test_support.h"
#include "ui/form.h"
#include "ui/look/fonts.h"

namespace demodisc {
namespace {

using testing::ClickAt;
using testing::ClientPixels;
using testing::DragFromTo;
using testing::PressKey;

StringGridLayout PublicationLikeLayout() {
  StringGridLayout l;
  l.colCount = 3;
  l.rowCount = 40;
  l.rowHeight = 18;
  return l;
}

class GridHost final : public Form {
 public:
  GridHost() {
    CreateForm({L"TGridHost"}, {.bounds = {0, 0, 600, 360},
                                .text = "Grid host",
                                .style = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU});
    grid.Create({.parent = hwnd(), .bounds = {3, 3, 540, 298}, .font = UiFont(Arial(11))},
                PublicationLikeLayout());
    grid.SetColWidth(0, 24);
    grid.SetColWidth(1, 36);
    grid.SetColWidth(2, 460);
    // A second control to take the focus away from the grid.
    other = otherButton.CreateControl(L"BUTTON", {.parent = hwnd(),
                                                  .bounds = {3, 320, 80, 24},
                                                  .text = "Other",
                                                  .style = WS_VISIBLE | WS_TABSTOP});
  }
  StringGrid grid;
  Window otherButton;
  HWND other = nullptr;
};

POINT CentreOf(const RECT& r) { return {(r.left + r.right) / 2, (r.top + r.bottom) / 2}; }

// The part of a cell's rectangle inside the client area (the last column
// reaches under the scroll bar).
RECT Shown(HWND window, RECT r) {
  RECT client, out;
  GetClientRect(window, &client);
  IntersectRect(&out, &r, &client);
  return out;
}

class StringGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    host_.grid.onSelectCell = [this](int col, int row) {
      selections_.emplace_back(col, row);
      return allow_;
    };
    testing::BringToFront(host_.hwnd());
  }

  POINT Centre(int col, int row) const { return CentreOf(grid().CellRect(col, row)); }
  void Click(int col, int row) { ClickAt(grid().hwnd(), Centre(col, row)); }
  void FocusGrid() {
    SetFocus(grid().hwnd());
    testing::PumpMessages(20);
  }
  StringGrid& grid() { return host_.grid; }
  const StringGrid& grid() const { return host_.grid; }

  GridHost host_;
  std::vector<std::pair<int, int>> selections_;
  bool allow_ = true;
};

using Cells = std::vector<std::pair<int, int>>;

TEST_F(StringGridTest, StartsOnTheFirstDataCellWithAVerticalScrollBarOnly) {
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_EQ(grid().Row(), 1);
  EXPECT_EQ(grid().Selection(), (GridRect{1, 1, 1, 1}));
  EXPECT_EQ(grid().TopRow(), 1);
  const LONG style = GetWindowLongW(grid().hwnd(), GWL_STYLE);
  EXPECT_TRUE(style & WS_VSCROLL);
  EXPECT_FALSE(style & WS_HSCROLL);
  EXPECT_EQ(grid().OuterWidth(), 540);

  // 298 - 4 border pixels leave 294: the header row and 14 full data rows.
  EXPECT_EQ(grid().VisibleRowCount(), 14);
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_ALL;
  ASSERT_TRUE(GetScrollInfo(grid().hwnd(), SB_VERT, &si));
  EXPECT_EQ(si.nMin, 1);
  EXPECT_EQ(si.nMax, 39);
  EXPECT_EQ(si.nPage, 14u);
  EXPECT_EQ(si.nPos, 1);

  // Rows of 18 pixels with a line between them; columns as set.
  const RECT header = grid().CellRect(0, 0);
  const RECT first = grid().CellRect(1, 1);
  const RECT second = grid().CellRect(2, 2);
  EXPECT_EQ(header.top, 0);
  EXPECT_EQ(header.bottom - header.top, 18);
  EXPECT_EQ(first.top, 19);
  EXPECT_EQ(first.left, 25);
  EXPECT_EQ(first.right - first.left, 36);
  EXPECT_EQ(second.top, 38);
  EXPECT_EQ(second.left, 62);
  EXPECT_EQ(grid().RowHeight(), 18);

  // Arial with a character height of 11 pixels, Cyrillic.
  const auto font = reinterpret_cast<HFONT>(SendMessageW(grid().hwnd(), WM_GETFONT, 0, 0));
  LOGFONTW lf{};
  ASSERT_TRUE(GetObjectW(font, sizeof lf, &lf));
  EXPECT_STREQ(lf.lfFaceName, L"Arial");
  EXPECT_EQ(lf.lfHeight, -11);
  EXPECT_EQ(lf.lfCharSet, RUSSIAN_CHARSET);
  const HDC dc = GetDC(grid().hwnd());
  const HGDIOBJ old = SelectObject(dc, font);
  TEXTMETRICW tm{};
  GetTextMetricsW(dc, &tm);
  SelectObject(dc, old);
  ReleaseDC(grid().hwnd(), dc);
  EXPECT_EQ(tm.tmHeight - tm.tmInternalLeading, 11);
  EXPECT_EQ(tm.tmCharSet, RUSSIAN_CHARSET);

  // Arrows are the grid's; Tab and characters go to the dialog navigation.
  const LRESULT code = SendMessageW(grid().hwnd(), WM_GETDLGCODE, 0, 0);
  EXPECT_TRUE(code & DLGC_WANTARROWS);
  EXPECT_FALSE(code & (DLGC_WANTTAB | DLGC_WANTCHARS | DLGC_WANTALLKEYS));
}

TEST_F(StringGridTest, AClickSelectsADataCellAndTellsEverySelection) {
  Click(2, 3);
  EXPECT_EQ(selections_, (Cells{{2, 3}}));
  EXPECT_EQ(grid().Col(), 2);
  EXPECT_EQ(grid().Row(), 3);
  EXPECT_EQ(GetFocus(), grid().hwnd());
  // The same cell again is a selection again.
  Click(2, 3);
  Click(1, 5);
  EXPECT_EQ(selections_, (Cells{{2, 3}, {2, 3}, {1, 5}}));
  EXPECT_EQ(grid().Selection(), (GridRect{1, 5, 1, 5}));
}

TEST_F(StringGridTest, TheFixedColumnAndTheHeaderNeverHoldTheCurrentCell) {
  Click(0, 4);
  Click(0, 0);
  Click(2, 0);
  EXPECT_TRUE(selections_.empty());
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_EQ(grid().Row(), 1);
}

TEST_F(StringGridTest, ARefusedSelectionKeepsTheCurrentCell) {
  allow_ = false;
  Click(2, 6);
  FocusGrid();
  PressKey(VK_DOWN);
  EXPECT_EQ(selections_, (Cells{{2, 6}, {1, 2}}));
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_EQ(grid().Row(), 1);
}

TEST_F(StringGridTest, DraggingSelectsARangeAroundTheCellPressed) {
  DragFromTo(grid().hwnd(), Centre(1, 2), Centre(2, 4));
  EXPECT_EQ(selections_, (Cells{{1, 2}}));
  EXPECT_EQ(grid().Selection(), (GridRect{1, 2, 2, 4}));
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_EQ(grid().Row(), 2);
  // Dragging over the fixed column keeps the range to the data cells.
  DragFromTo(grid().hwnd(), Centre(2, 6), Centre(0, 3));
  EXPECT_EQ(grid().Selection(), (GridRect{1, 3, 2, 6}));
  // A plain click collapses the range again.
  Click(2, 8);
  EXPECT_EQ(grid().Selection(), (GridRect{2, 8, 2, 8}));
}

TEST_F(StringGridTest, HoldingADragBelowTheShownRowsScrollsRowByRow) {
  RECT client;
  GetClientRect(grid().hwnd(), &client);
  const HWND h = grid().hwnd();
  testing::MovePointerTo(h, Centre(1, 10));
  testing::PressLeftButton(h, Centre(1, 10));
  // Held below for at least 400 ms, and until the grid has scrolled twice (a
  // busy machine delays the scrolling timer). On a loaded machine a single
  // move has been seen to leave the grid unscrolled for the whole wait, so
  // the pointer is put at the same place again every 100 ms.
  const DWORD start = GetTickCount();
  const auto scrolled = [&] { return GetTickCount() - start >= 400 && grid().TopRow() > 2; };
  while (!scrolled() && GetTickCount() - start < 3000) {
    testing::MovePointerTo(h, POINT{100, client.bottom + 20});
    testing::PumpMessages(100, scrolled);
  }
  testing::ReleaseLeftButton(h, POINT{100, client.bottom + 20});
  const int top = grid().TopRow();
  EXPECT_GT(top, 2);
  EXPECT_LT(top, 26);
  // The range reaches the last fully shown row.
  EXPECT_EQ(grid().Selection(), (GridRect{1, 10, 2, top + 13}));
  // Nothing moves after the release.
  testing::PumpMessages(200);
  EXPECT_EQ(grid().TopRow(), top);
  EXPECT_EQ(selections_, (Cells{{1, 10}}));
}

TEST_F(StringGridTest, KeysMoveTheCurrentCellOverTheDataCells) {
  FocusGrid();
  PressKey(VK_UP);    // already on the first data row
  PressKey(VK_LEFT);  // column 0 is fixed
  EXPECT_TRUE(selections_.empty());
  PressKey(VK_DOWN);
  PressKey(VK_RIGHT);
  PressKey(VK_RIGHT);  // already on the last column
  EXPECT_EQ(selections_, (Cells{{1, 2}, {2, 2}}));
  PressKey(VK_HOME);
  EXPECT_EQ(grid().Col(), 1);
  PressKey(VK_END);
  EXPECT_EQ(grid().Col(), 2);
  EXPECT_EQ(grid().Row(), 2);

  PressKey(VK_NEXT);
  EXPECT_EQ(grid().Row(), 16);
  EXPECT_EQ(grid().TopRow(), 15);
  PressKey(VK_PRIOR);
  EXPECT_EQ(grid().Row(), 2);
  EXPECT_EQ(grid().TopRow(), 1);

  PressKey(VK_END, {VK_CONTROL});
  EXPECT_EQ(grid().Col(), 2);
  EXPECT_EQ(grid().Row(), 39);
  EXPECT_EQ(grid().TopRow(), 26);  // the last row fully shown at the bottom
  SCROLLINFO si{};
  si.cbSize = sizeof si;
  si.fMask = SIF_POS;
  GetScrollInfo(grid().hwnd(), SB_VERT, &si);
  EXPECT_EQ(si.nPos, 26);
  PressKey(VK_HOME, {VK_CONTROL});
  EXPECT_EQ(grid().Col(), 1);
  EXPECT_EQ(grid().Row(), 1);
  EXPECT_EQ(grid().TopRow(), 1);
  EXPECT_EQ(selections_.size(), 8u);
}

TEST_F(StringGridTest, ShiftWithTheArrowsExtendsTheRange) {
  Click(1, 3);
  PressKey(VK_DOWN, {VK_SHIFT});
  PressKey(VK_RIGHT, {VK_SHIFT});
  EXPECT_EQ(grid().Selection(), (GridRect{1, 3, 2, 4}));
  EXPECT_EQ(grid().Col(), 2);
  EXPECT_EQ(grid().Row(), 4);
  PressKey(VK_DOWN);
  EXPECT_EQ(grid().Selection(), (GridRect{2, 5, 2, 5}));
}

TEST_F(StringGridTest, TheScrollBarMovesTheRowsButNotTheCurrentCell) {
  const HWND h = grid().hwnd();
  SendMessageW(h, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid().TopRow(), 2);
  const RECT hidden = grid().CellRect(1, 1);
  EXPECT_TRUE(IsRectEmpty(&hidden));
  SendMessageW(h, WM_VSCROLL, SB_BOTTOM, 0);
  EXPECT_EQ(grid().TopRow(), 26);
  SendMessageW(h, WM_VSCROLL, SB_LINEDOWN, 0);
  EXPECT_EQ(grid().TopRow(), 26);
  SendMessageW(h, WM_VSCROLL, SB_PAGEUP, 0);
  EXPECT_EQ(grid().TopRow(), 12);
  EXPECT_EQ(grid().Row(), 1);
  EXPECT_TRUE(selections_.empty());
  // A click hits the row that is shown there now.
  Click(2, 20);
  EXPECT_EQ(selections_, (Cells{{2, 20}}));
  EXPECT_EQ(grid().CellRect(2, 20).top, (20 - 12 + 1) * 19);
  SendMessageW(h, WM_VSCROLL, SB_TOP, 0);
  EXPECT_EQ(grid().TopRow(), 1);
  EXPECT_EQ(grid().Row(), 20);
}

// One row per WHEEL_DELTA turned, however the wheel's messages divide it.
TEST_F(StringGridTest, TheWheelMovesTheCurrentRowOnePerWheelDeltaEitherWay) {
  FocusGrid();
  const auto turn = [&](int delta) {
    SendMessageW(grid().hwnd(), WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(delta)), 0);
  };
  turn(-WHEEL_DELTA);
  turn(WHEEL_DELTA);
  turn(WHEEL_DELTA);
  EXPECT_EQ(selections_, (Cells{{1, 2}, {1, 1}}));

  // Quarter notches, as a precision touchpad sends them.
  selections_.clear();
  for (int i = 0; i < 7; ++i) turn(-WHEEL_DELTA / 4);
  EXPECT_EQ(selections_, (Cells{{1, 2}}));
  turn(-WHEEL_DELTA / 4);
  EXPECT_EQ(selections_, (Cells{{1, 2}, {1, 3}}));
  // Turned back, what was left of the other way counts for nothing.
  selections_.clear();
  turn(-WHEEL_DELTA / 4);
  for (int i = 0; i < 3; ++i) turn(WHEEL_DELTA / 4);
  EXPECT_TRUE(selections_.empty());
  turn(WHEEL_DELTA / 4);
  EXPECT_EQ(selections_, (Cells{{1, 2}}));
  // Two notches in one message move two rows.
  turn(-2 * WHEEL_DELTA);
  EXPECT_EQ(selections_, (Cells{{1, 2}, {1, 4}}));
}

TEST_F(StringGridTest, PaintsTheStandardColoursTextInsetAndGridLines) {
  grid().SetCell(2, 0, "Header");
  grid().SetCell(1, 2, "Wg");
  // Another control holds the focus: the current cell shows highlighted.
  SetFocus(host_.other);
  const ClientPixels px(grid().hwnd());
  const COLORREF window = GetSysColor(COLOR_WINDOW);
  const COLORREF face = GetSysColor(COLOR_BTNFACE);
  const RECT current = grid().CellRect(1, 1);
  EXPECT_EQ(px.At(CentreOf(current).x, current.bottom - 2), GetSysColor(COLOR_HIGHLIGHT));
  const RECT plain = Shown(grid().hwnd(), grid().CellRect(2, 3));
  EXPECT_TRUE(px.AllOf(plain, window));
  const RECT fixedCell = grid().CellRect(0, 5);
  EXPECT_EQ(px.At(CentreOf(fixedCell).x, CentreOf(fixedCell).y), face);
  // The line below a data cell.
  EXPECT_EQ(px.At(CentreOf(plain).x, plain.bottom), RGB(192, 192, 192));

  // Text starts 2 pixels in from the cell's top-left corner.
  const RECT text = grid().CellRect(1, 2);
  const COLORREF ink = GetSysColor(COLOR_WINDOWTEXT);
  EXPECT_TRUE(px.Holds(text, ink));
  EXPECT_FALSE(px.Holds(RECT{text.left, text.top, text.left + 2, text.bottom}, ink));
  EXPECT_FALSE(px.Holds(RECT{text.left, text.top, text.right, text.top + 2}, ink));
  const RECT head = grid().CellRect(2, 0);
  EXPECT_TRUE(px.Holds(head, GetSysColor(COLOR_BTNTEXT)));
}

TEST_F(StringGridTest, TheDrawCellHandlerPaintsAfterTheStandardPaintingAndBeforeTheFocusFrame) {
  const COLORREF green = RGB(0, 160, 0);
  std::vector<std::pair<int, int>> painted;
  unsigned stateOfCurrent = 0, stateOfFixed = 0, stateOfRange = 0;
  grid().onDrawCell = [&](const GridCellPaint& p) {
    painted.emplace_back(p.col, p.row);
    if (p.col == 1 && p.row == 1) stateOfCurrent = p.state;
    if (p.col == 0 && p.row == 1) stateOfFixed = p.state;
    if (p.col == 2 && p.row == 2) stateOfRange = p.state;
    // The cell's text colour and font are set for the handler.
    EXPECT_EQ(GetCurrentObject(p.dc, OBJ_FONT),
              reinterpret_cast<HGDIOBJ>(SendMessageW(grid().hwnd(), WM_GETFONT, 0, 0)));
    const HBRUSH brush = CreateSolidBrush(green);
    FillRect(p.dc, &p.rect, brush);
    DeleteObject(brush);
  };
  // The current cell (1,1) with the focus, the range reaching to (2,2).
  DragFromTo(grid().hwnd(), Centre(1, 1), Centre(2, 2));
  ASSERT_EQ(grid().Selection(), (GridRect{1, 1, 2, 2}));
  ASSERT_EQ(GetFocus(), grid().hwnd());
  painted.clear();
  const ClientPixels px(grid().hwnd());
  // Every shown cell went through the handler: 3 columns, header and 15 rows.
  EXPECT_EQ(painted.size(), 3u * 16u);
  EXPECT_EQ(stateOfFixed, kGridCellFixed);
  EXPECT_EQ(stateOfCurrent, kGridCellSelected | kGridCellFocused);
  const RECT cur = grid().CellRect(1, 1);
  EXPECT_EQ(px.At(CentreOf(cur).x, CentreOf(cur).y), green);
  // The focus frame is drawn over the handler's colour.
  EXPECT_FALSE(px.AllOf(RECT{cur.left, cur.top, cur.right, cur.top + 1}, green));
  const RECT other = Shown(grid().hwnd(), grid().CellRect(2, 5));
  EXPECT_TRUE(px.AllOf(other, green));
  EXPECT_EQ(stateOfRange, kGridCellSelected);
}

// The grid draws through a buffer kept between paints: a new size makes one
// bitmap of that size in place of the old, and the screen then shows every
// pixel of the new size as a paint into a new buffer draws it.
TEST_F(StringGridTest, ANewSizeIsPaintedWholeThroughOneNewBitmap) {
  // A first change of size, after which the system keeps what it made for it.
  SetWindowPos(grid().hwnd(), nullptr, 0, 0, 560, 305, SWP_NOMOVE | SWP_NOZORDER);
  UpdateWindow(grid().hwnd());
  const int gdi = testing::GdiObjectCount();
  testing::GdiMakingCounter made;
  ASSERT_TRUE(made.hooked());
  SetWindowPos(grid().hwnd(), nullptr, 0, 0, 590, 312, SWP_NOMOVE | SWP_NOZORDER);
  UpdateWindow(grid().hwnd());
  EXPECT_EQ(made.dcs(), 0);
  EXPECT_EQ(made.bitmaps(), 1);
  made.Reset();
  for (int i = 0; i < 10; ++i)
    RedrawWindow(grid().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
  EXPECT_EQ(made.dcs(), 0);
  EXPECT_EQ(made.bitmaps(), 0);
  EXPECT_EQ(testing::GdiObjectCount(), gdi);
  const ClientPixels shown(grid().hwnd(), ClientPixels::From::Screen);
  EXPECT_GT(shown.width(), 540);
  EXPECT_TRUE(shown == ClientPixels(grid().hwnd()));
}

}  // namespace
}  // namespace demodisc
