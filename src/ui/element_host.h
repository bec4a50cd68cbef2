// The graphic elements of one window: kept in creation order, painted by the
// window into its own drawing in that order (so a later one lies on top),
// hit in the reverse order, found by name and shown to screen readers as the
// children of the window's client object, before its child windows.
#pragma once

#include <windows.h>

#include <string_view>
#include <vector>

#include "ui/access/accessible_elements.h"
#include "ui/access/accessible_host.h"

namespace demodisc {

class GraphicElement;

class ElementHost final : private AccessibleElements {
 public:
  ElementHost() : accessible_(*this) {}
  // Elements that outlive their host stay unattached.
  ~ElementHost();
  ElementHost(const ElementHost&) = delete;
  ElementHost& operator=(const ElementHost&) = delete;

  bool empty() const { return elements_.empty(); }
  void Add(GraphicElement& element);
  void Remove(GraphicElement& element);
  // Lets go of every element at once (they stay unattached), as when the
  // window's controls are made anew.
  void Clear();
  GraphicElement* Named(std::string_view name) const;

  // Paints a window's face and then its elements into `dc` (client
  // coordinates). `face()` draws the face with the elements' rectangles
  // clipped out while they paint their own background (visual styles off),
  // so that nothing is painted twice; then each element that meets `dirty`
  // paints itself, clipped to its bounds.
  template <class Face>
  void PaintWithFace(HDC dc, const RECT& dirty, Face face) const {
    const int saved = SaveDC(dc);
    ExcludeFrom(dc);
    face();
    RestoreDC(dc, saved);
    Paint(dc, dirty);
  }
  // Tells screen readers of a change of an element (an EVENT_OBJECT_* event:
  // location, show, hide, name, state), while the window is shown.
  void Notify(const GraphicElement& element, DWORD event) const;
  // The topmost visible element at a point (client coordinates); -1 for none.
  int ElementAt(POINT client) const override;
  // The host's part of the window's messages: while it holds elements it
  // answers WM_GETOBJECT for the client area. True when `result` is the answer.
  bool HandleMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

 private:
  int IndexOf(const GraphicElement& element) const;
  void Paint(HDC dc, const RECT& dirty) const;
  void ExcludeFrom(HDC dc) const;

  // AccessibleElements
  int ElementCount() const override { return static_cast<int>(elements_.size()); }
  long ElementRole(int index) const override;
  std::wstring ElementName(int index) const override;
  RECT ElementRect(int index) const override;
  DWORD ElementState(int index) const override;
  int FocusedElement() const override { return -1; }

  std::vector<GraphicElement*> elements_;
  AccessibleHost accessible_;
};

}  // namespace demodisc
