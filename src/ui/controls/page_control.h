// A page control: a tab control whose tabs are flat buttons in one row, over
// pages that are panels of their own. The pages lie in the tab control's
// display area as its siblings, so that the keyboard reaches the tab row
// first and then the current page's controls; the tab control's window is
// cut to its tab row so that it never paints over them.
#pragma once

#include <functional>
#include <memory>
#include <vector>

#include "ui/controls/panel.h"
#include "ui/window.h"

namespace demodisc {

class PageControl final : public Window {
 public:
  // Each page's area inside the control: 4 pixels from the sides and the
  // bottom, below the tab row (at 96 dpi; drawn at the window's scale).
  static constexpr int kSideMargin = 4;
  static constexpr int kTabRowHeight = 28;

  // The arguments' font is the tabs'.
  void Create(const CreateArgs& args);
  // Adds a page with its tab; the page is hidden until it becomes current.
  Panel& AddPage(const Text& caption, int imageIndex, std::string_view name);

  // The control has been moved or sized: its tab row and its pages follow.
  void FitToPlace();

  int Current() const;
  void SetCurrent(int index);
  Panel& Page(int index) { return *pages_[static_cast<std::size_t>(index)]; }
  int PageCount() const { return static_cast<int>(pages_.size()); }

  bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) override;

 private:
  void ShowCurrent();
  // Cuts the window to its tab row, as wide as the window.
  void CutToTabRow();
  // Where the pages lie, in the parent's client coordinates.
  Bounds PageArea() const;

  std::vector<std::unique_ptr<Panel>> pages_;
};

}  // namespace demodisc
