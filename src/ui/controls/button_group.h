// A button group: a column of full-width owner-drawn buttons, 36 pixels
// high at 96 dpi (at the drawing scale), with hot tracking. A button is clicked by pressing and
// releasing the left mouse button on it; the keyboard only moves a focus frame. Screen readers see
// each button as a push button named by its caption.
#pragma once

#include <functional>
#include <vector>

#include "ui/access/accessible_elements.h"
#include "ui/access/accessible_host.h"
#include "ui/back_buffer.h"
#include "ui/look/image_list.h"
#include "ui/window.h"

namespace demodisc {

class ButtonGroup final : public Window, private AccessibleElements {
 public:
  struct Item {
    Text caption;
    int imageIndex = -1;
    std::function<void()> onClick;
  };

  // The captions are in the arguments' font. `images` is shared and must
  // outlive the group; it may be empty.
  void Create(const CreateArgs& args, const ImageList* images, std::vector<Item> items);

  int HotIndex() const { return hot_; }
  int FocusIndex() const { return focus_; }
  // Puts the keyboard's item on a button (-1 for none), as keys move it;
  // an index out of range is none.
  void SetFocusIndex(int index);
  int Count() const { return static_cast<int>(items_.size()); }
  const Item& item(int index) const { return items_[static_cast<std::size_t>(index)]; }
  const ImageList* images() const { return images_; }

  // Called with the index of the button that has just become hot, or -1.
  std::function<void(int)> onHotButton;

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // Paints all the buttons, whatever the area to paint.
  void Paint(HDC dc, const RECT& dirty) override;

 private:
  // Posted by the default action of button wParam, so that the client's
  // call returns before the item's action runs (which may start a program
  // and wait for it).
  static constexpr UINT kPressMessage = WM_APP + 0x110;

  // What accessibility clients see (button_group_accessible.cpp).
  int ElementCount() const override { return Count(); }
  long ElementRole(int index) const override;
  std::wstring ElementName(int index) const override;
  RECT ElementRect(int index) const override;
  DWORD ElementState(int index) const override;
  int ElementAt(POINT client) const override;
  int FocusedElement() const override;
  std::wstring DefaultAction(int index) const override;
  bool DoDefaultAction(int index) override;
  bool Select(int index, long flags) override;

  RECT ButtonRect(int index) const;
  int ButtonAtPoint(LPARAM lp) const;
  void MoveFocus(int index);
  // Runs a button's click, as releasing the mouse button on it does.
  void RunClick(int index);
  bool Clickable() const;
  // A click that is not the mouse's: focus, frame and click.
  void Press(int index);
  void SetHot(int index);
  void RepaintButton(int index);
  void DrawButton(HDC dc, int index, const RECT& r);
  void MouseMove(LPARAM lp);
  void MouseLeave();
  void LeftDown(LPARAM lp);
  void LeftUp(LPARAM lp);
  void KeyDown(WPARAM key);

  std::vector<Item> items_;
  const ImageList* images_ = nullptr;
  int itemHeight_ = 0;
  int hot_ = -1;
  int focus_ = -1;
  int pressed_ = -1;        // the button the left mouse button went down on
  bool drawnDown_ = false;  // the pressed button is under the pointer
  bool tracking_ = false;   // a mouse-leave notice is requested
  BackBuffer backBuffer_;
  AccessibleHost accessible_{*this};
};

}  // namespace demodisc
