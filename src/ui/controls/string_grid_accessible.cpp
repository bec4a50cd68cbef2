// The string grid as accessibility clients see it: a table whose cells,
// row by row, are named by their texts; the fixed row holds column headers,
// the fixed column row headers. The current cell has the focus, the range
// is the selection.
#include <oleacc.h>

#include "base/wide_win.h"
#include "ui/controls/string_grid.h"

namespace demodisc {

long StringGrid::ClientRole() const { return ROLE_SYSTEM_TABLE; }

long StringGrid::ElementRole(int index) const {
  const int col = index % layout_.colCount;
  const int row = index / layout_.colCount;
  if (row < layout_.fixedRows) return ROLE_SYSTEM_COLUMNHEADER;
  if (col < layout_.fixedCols) return ROLE_SYSTEM_ROWHEADER;
  return ROLE_SYSTEM_CELL;
}

std::wstring StringGrid::ElementName(int index) const {
  return Wide(cells_[static_cast<std::size_t>(index)]);
}

RECT StringGrid::ElementRect(int index) const {
  return CellRect(index % layout_.colCount, index / layout_.colCount);
}

DWORD StringGrid::ElementState(int index) const {
  const int col = index % layout_.colCount;
  const int row = index / layout_.colCount;
  DWORD state = STATE_SYSTEM_READONLY;
  if (col >= layout_.fixedCols && row >= layout_.fixedRows) {
    state |= STATE_SYSTEM_FOCUSABLE | STATE_SYSTEM_SELECTABLE;
    if (Selection().Contains(col, row)) state |= STATE_SYSTEM_SELECTED;
    if (Coord{col, row} == current_ && GetFocus() == hwnd()) state |= STATE_SYSTEM_FOCUSED;
  }
  const RECT r = CellRect(col, row);
  if (IsRectEmpty(&r)) state |= STATE_SYSTEM_INVISIBLE | STATE_SYSTEM_OFFSCREEN;
  if (!IsWindowVisible(hwnd())) state |= STATE_SYSTEM_INVISIBLE;
  return state;
}

int StringGrid::ElementAt(POINT client) const {
  const int col = ColAt(client.x);
  const int row = RowAt(client.y);
  if (col < 0 || row < 0) return -1;
  // The grid line right of and below a cell belongs to no cell.
  const RECT r = CellRect(col, row);
  return PtInRect(&r, client) ? CellIndex(col, row) : -1;
}

int StringGrid::Navigate(int from, long direction) const {
  int col = from % layout_.colCount;
  int row = from / layout_.colCount;
  switch (direction) {
    case NAVDIR_LEFT:
      --col;
      break;
    case NAVDIR_RIGHT:
      ++col;
      break;
    case NAVDIR_UP:
      --row;
      break;
    case NAVDIR_DOWN:
      ++row;
      break;
    default:
      return AccessibleElements::Navigate(from, direction);
  }
  return ValidCell(col, row) ? CellIndex(col, row) : -1;
}

std::vector<int> StringGrid::SelectedElements() const {
  const GridRect s = Selection();
  std::vector<int> cells;
  for (int row = s.top; row <= s.bottom; ++row)
    for (int col = s.left; col <= s.right; ++col) cells.push_back(CellIndex(col, row));
  return cells;
}

bool StringGrid::Select(int index, long flags) {
  const Coord to{index % layout_.colCount, index / layout_.colCount};
  if (flags & ~(SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION | SELFLAG_EXTENDSELECTION)) return false;
  if (flags & SELFLAG_TAKEFOCUS) SetFocus(hwnd());
  // The current cell and the range move together, as a click and a
  // shift click move them.
  if (flags & SELFLAG_EXTENDSELECTION) {
    if (to.col < layout_.fixedCols || to.row < layout_.fixedRows) return false;
    MoveAnchor(to);
    return true;
  }
  if (flags & (SELFLAG_TAKEFOCUS | SELFLAG_TAKESELECTION)) return MoveCurrent(to, false);
  return false;
}

}  // namespace demodisc
