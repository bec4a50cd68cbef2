// A control without a window of its own: a label or a picture, which takes no
// input and never has the focus. It lives in its parent window's element
// host; the parent lays it out like a child window, paints it in its own
// WM_PAINT and shows it to screen readers. Like a child window it is
// visible or hidden, enabled or disabled, and each change repaints exactly
// the places it leaves and takes and is told to screen readers as a system
// control tells them.
#pragma once

#include <windows.h>

#include <string>

#include "base/text.h"
#include "control_rules/align_layout.h"

namespace demodisc {

struct CreateArgs;
class ElementHost;

class GraphicElement {
 public:
  GraphicElement() = default;
  virtual ~GraphicElement();
  GraphicElement(const GraphicElement&) = delete;
  GraphicElement& operator=(const GraphicElement&) = delete;

  const std::string& name() const { return name_; }
  // The window that paints it; null before it is created.
  HWND parent() const { return parent_; }
  // In the parent's client coordinates.
  const Bounds& bounds() const { return bounds_; }
  // The same as a rectangle.
  RECT Place() const;
  // Moves it; what it covered and what it covers now are painted again.
  void SetBounds(const Bounds& bounds);
  // A hidden element is neither painted nor hit; a disabled one is drawn
  // greyed where its kind has a greyed look. Both are shown by default.
  bool visible() const { return visible_; }
  void SetVisible(bool visible);
  bool enabled() const { return enabled_; }
  void SetEnabled(bool enabled);
  const Text& text() const { return text_; }
  void SetText(const Text& text);
  // The arguments' font, or the GUI font when they gave none.
  HFONT font() const;

  // The height its content needs at a width; 0 for content of a fixed size.
  virtual int NeededHeight(int) const { return 0; }
  // Draws it into `dc`, whose origin is the parent's client origin and whose
  // clipping keeps the drawing inside the element; what the parent painted
  // beneath it is already there.
  virtual void Paint(HDC dc) const = 0;
  // Its ROLE_SYSTEM_* role and name for screen readers.
  virtual long AccessibleRole() const = 0;
  virtual std::wstring AccessibleName() const;

 protected:
  // Takes the arguments' parent, bounds, text, font and name and joins the
  // parent's element host. The parent must be a window of ours that hosts
  // elements.
  void Attach(const CreateArgs& args);
  void Invalidate() const;
  // Tells screen readers of a change (an EVENT_OBJECT_* event).
  void Notify(DWORD event) const;

 private:
  friend class ElementHost;
  void HostGone() {
    host_ = nullptr;
    parent_ = nullptr;
  }

  ElementHost* host_ = nullptr;
  HWND parent_ = nullptr;
  std::string name_;
  Bounds bounds_;
  Text text_;
  HFONT font_ = nullptr;
  bool visible_ = true;
  bool enabled_ = true;
};

}  // namespace demodisc
