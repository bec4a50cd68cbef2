// What one of our own window classes tells screen readers and UI automation
// tools about the simple elements it draws (the buttons of a button group,
// the cells of a grid). Elements are numbered from 0 here; the accessible
// object gives them the child ids 1..n.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace demodisc {

class AccessibleElements {
 public:
  virtual ~AccessibleElements() = default;

  // The role of the window's client object; 0 leaves the system's answer.
  virtual long ClientRole() const { return 0; }

  virtual int ElementCount() const = 0;
  virtual long ElementRole(int index) const = 0;
  virtual std::wstring ElementName(int index) const = 0;
  // In client coordinates; empty when the element is not shown.
  virtual RECT ElementRect(int index) const = 0;
  // STATE_SYSTEM_* bits.
  virtual DWORD ElementState(int index) const = 0;
  // The element under a point of the client area; -1 for none.
  virtual int ElementAt(POINT client) const = 0;
  // The element that has the keyboard focus while the window has it; -1 for none.
  virtual int FocusedElement() const = 0;
  // The element reached from `from` in a NAVDIR_* direction (never
  // NAVDIR_FIRSTCHILD / NAVDIR_LASTCHILD); -1 for none. By default the
  // elements form a column: up and previous go back, down and next forward.
  virtual int Navigate(int from, long direction) const;

  virtual std::vector<int> SelectedElements() const { return {}; }
  // The name of the element's default action; empty for none.
  virtual std::wstring DefaultAction(int) const { return {}; }
  // Starts the default action and returns at once; false when there is none.
  virtual bool DoDefaultAction(int) { return false; }
  // Moves the focus or selection (SELFLAG_* bits); false when unsupported.
  virtual bool Select(int, long) { return false; }
};

}  // namespace demodisc
