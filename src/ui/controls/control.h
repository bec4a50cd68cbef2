// A child control of a system window class (STATIC, EDIT, BUTTON, ...): the
// object owns the control and receives its notifications from the parent.
#pragma once

#include <windows.h>

#include "base/text.h"
#include "ui/window.h"
#include "control_rules/align_layout.h"

namespace demodisc {

class Control : public Reflector {
 public:
  Control() = default;
  ~Control() override;
  Control(const Control&) = delete;
  Control& operator=(const Control&) = delete;

  HWND hwnd() const { return hwnd_; }
  bool Reflected(UINT, WPARAM, LPARAM, LRESULT&) override { return false; }

 protected:
  void CreateControl(const wchar_t* className, const Text& text, DWORD style, DWORD exStyle,
                     HWND parent, const Bounds& bounds, HFONT font, int id = 0);

 private:
  HWND hwnd_ = nullptr;
};

// A window's rectangle relative to its parent's client area.
Bounds BoundsInParent(HWND window);

}  // namespace demodisc
