// A grid of text cells with fixed header rows and columns, a vertical
// scroll bar, cell and range selection by mouse and keyboard, no editing.
// The owner may paint over each cell after its standard painting and is
// told of every move of the current cell. Screen readers see a table of
// cells named by their texts.
#pragma once

#include <functional>
#include <vector>

#include "ui/access/accessible_elements.h"
#include "ui/access/accessible_host.h"
#include "ui/back_buffer.h"
#include "ui/window.h"

namespace demodisc {

// A range of cells, edges included.
struct GridRect {
  int left, top, right, bottom;
  bool Contains(int col, int row) const {
    return col >= left && col <= right && row >= top && row <= bottom;
  }
  bool operator==(const GridRect&) const = default;
};

// State bits of a cell being painted.
enum GridCellState : unsigned {
  kGridCellSelected = 1,  // inside the selected range
  kGridCellFocused = 2,   // the current cell while the grid has the focus
  kGridCellFixed = 4,     // a header row or column
};

// What the draw-cell handler gets: the device context with the cell's font
// and text colour set, the cell and its rectangle (grid lines excluded).
struct GridCellPaint {
  HDC dc;
  int col;
  int row;
  RECT rect;
  unsigned state;
};

struct StringGridLayout {
  int colCount = 5;
  int rowCount = 5;
  int fixedCols = 1;
  int fixedRows = 1;
  int defaultColWidth = 64;
  int rowHeight = 24;
};

class StringGrid final : public Window, private AccessibleElements {
 public:
  // Paints over a cell after its standard painting, before the focus frame.
  using DrawCellHandler = std::function<void(const GridCellPaint&)>;
  // Asked before the current cell moves to (col, row); false refuses the move.
  using SelectCellHandler = std::function<bool(int col, int row)>;

  // Creates the grid as a child window with a sunken border; the current
  // cell is the first cell after the fixed ones. The cells' text is in the
  // arguments' font (MS Sans Serif of 11 pixels without one).
  void Create(const CreateArgs& args, const StringGridLayout& layout);

  DrawCellHandler onDrawCell;
  SelectCellHandler onSelectCell;

  int ColCount() const { return layout_.colCount; }
  int RowCount() const { return layout_.rowCount; }
  int RowHeight() const { return layout_.rowHeight; }
  int ColWidth(int col) const;
  void SetColWidth(int col, int width);
  // The window's width with its border and scroll bar.
  int OuterWidth() const;

  const Text& Cell(int col, int row) const;
  void SetCell(int col, int row, const Text& text);

  int Col() const { return current_.col; }
  int Row() const { return current_.row; }
  GridRect Selection() const;
  // The first scrollable row shown under the fixed rows.
  int TopRow() const { return topRow_; }
  // The number of scrollable rows fully shown.
  int VisibleRowCount() const;
  // The cell's rectangle in client coordinates; empty when it is not shown.
  RECT CellRect(int col, int row) const;

  // What the grid shows: its texts, its current cell, the range's far
  // corner and its first shown row; to show again in a grid of the same
  // layout made anew (at another scale), whose own are its column widths and
  // row height. Content of another layout is not taken; the handlers are not
  // asked.
  struct Content {
    std::vector<Text> cells;
    int col = 0, row = 0;
    int anchorCol = 0, anchorRow = 0;
    int topRow = 0;
  };
  Content GetContent() const;
  void SetContent(const Content& content);

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Paints the whole grid, whatever the area to paint.
  void Paint(HDC dc, const RECT& dirty) override;

 private:
  struct Coord {
    int col, row;
    bool operator==(const Coord&) const = default;
  };

  // What accessibility clients see (string_grid_accessible.cpp): the cells
  // row by row.
  long ClientRole() const override;
  int ElementCount() const override { return layout_.colCount * layout_.rowCount; }
  long ElementRole(int index) const override;
  std::wstring ElementName(int index) const override;
  RECT ElementRect(int index) const override;
  DWORD ElementState(int index) const override;
  int ElementAt(POINT client) const override;
  int FocusedElement() const override { return CellIndex(current_.col, current_.row); }
  int Navigate(int from, long direction) const override;
  std::vector<int> SelectedElements() const override;
  bool Select(int index, long flags) override;

  bool ValidCell(int col, int row) const;
  int CellIndex(int col, int row) const { return row * layout_.colCount + col; }
  int ClientHeight() const;
  // Left edges of the shown columns and top edges of the shown rows (-1: not shown).
  int ColLeft(int col) const;
  int RowTop(int row) const;
  // The column and row under a client point; -1 where there is none.
  int ColAt(int x) const;
  int RowAt(int y) const;
  // The shown selectable cell nearest to a point while a range is dragged.
  Coord NearestCell(POINT p) const;
  // A press of the left button on a data cell makes it current (with Shift,
  // the far corner of the range) and starts a drag.
  void LeftDown(POINT p, bool shift);
  // While a drag is held above or below the shown rows, the grid scrolls a
  // row at a time and the range follows.
  void DragTo(POINT p);
  void AutoScroll();
  void EndDrag();

  // Moves the current cell after asking the select-cell handler; the range
  // collapses onto it unless `keepAnchor`.
  bool MoveCurrent(Coord to, bool keepAnchor);
  // Moves the far corner of the range without moving the current cell.
  void MoveAnchor(Coord to);
  void ShowRow(int row);
  void SetTopRow(int row);
  int MaxTopRow() const;
  void UpdateScrollBar();

  void PaintCell(HDC dc, int col, int row, const RECT& rect);
  void KeyDown(WPARAM key);
  void VScroll(int code);
  // A wheel message's delta: the current row moves one row per WHEEL_DELTA
  // turned, as the arrow keys move it.
  void Wheel(int delta);

  StringGridLayout layout_;
  std::vector<Text> cells_;
  std::vector<int> colWidths_;
  Coord current_{1, 1};
  Coord anchor_{1, 1};
  // What the wheel turned short of a whole WHEEL_DELTA, in the direction it turns.
  int wheelRest_ = 0;
  int topRow_ = 1;
  bool selecting_ = false;
  bool autoScrolling_ = false;
  BackBuffer backBuffer_;
  AccessibleHost accessible_{*this};
};

}  // namespace demodisc
