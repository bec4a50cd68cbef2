// A button group: a column of full-width owner-drawn buttons, 36 pixels
// high, with hot tracking. A button is clicked by pressing and releasing the
// left mouse button on it; the keyboard only moves a focus frame.
#pragma once

#include <functional>
#include <vector>

#include "ui/controls/image_list.h"
#include "ui/window.h"
#include "widgets/align_layout.h"

namespace demodisc {

class ButtonGroup final : public Window {
 public:
  struct Item {
    Text caption;
    int imageIndex = -1;
    std::function<void()> onClick;
  };

  // `images` is shared and must outlive the group; it may be empty.
  void Create(HWND parent, const Bounds& bounds, HFONT font, const ImageList* images,
              std::vector<Item> items);

  int HotIndex() const { return hot_; }
  int FocusIndex() const { return focus_; }
  int Count() const { return static_cast<int>(items_.size()); }
  const Item& item(int index) const { return items_[static_cast<std::size_t>(index)]; }

  // Called with the index of the button that has just become hot, or -1.
  std::function<void(int)> onHotButton;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  int ButtonAtPoint(LPARAM lp) const;
  void SetHot(int index);
  void RepaintButton(int index);
  void Paint(HDC dc, const RECT& client);
  void DrawButton(HDC dc, int index, const RECT& r);
  void MouseMove(LPARAM lp);
  void MouseLeave();
  void LeftDown(LPARAM lp);
  void LeftUp(LPARAM lp);
  void KeyDown(WPARAM key);

  std::vector<Item> items_;
  HFONT font_ = nullptr;
  const ImageList* images_ = nullptr;
  int hot_ = -1;
  int focus_ = -1;
  int pressed_ = -1;      // the button the left mouse button went down on
  bool drawnDown_ = false;  // the pressed button is under the pointer
  bool tracking_ = false;   // a mouse-leave notice is requested
};

}  // namespace demodisc
