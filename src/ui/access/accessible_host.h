// The part of one of our own windows that answers WM_GETOBJECT: the window
// holds one reference to its accessible object, made on the first request,
// and cuts the object off when the window goes.
#pragma once

#include <windows.h>

namespace demodisc {

class AccessibleElements;
class AccessibleObject;

class AccessibleHost {
 public:
  explicit AccessibleHost(AccessibleElements& elements) : elements_(elements) {}
  ~AccessibleHost() { Disconnect(); }
  AccessibleHost(const AccessibleHost&) = delete;
  AccessibleHost& operator=(const AccessibleHost&) = delete;

  // The answer to WM_GETOBJECT for the client area; false for any other
  // object, which DefWindowProc answers.
  bool Answer(HWND window, WPARAM wp, LPARAM lp, LRESULT& result);
  // At WM_DESTROY (and at the latest when the host goes): objects that
  // clients still hold fail from now on instead of reaching the window.
  void Disconnect();
  // The host's part of a window's messages: WM_GETOBJECT for the client area
  // is answered, WM_DESTROY disconnects. True when `result` is the answer.
  bool HandleMessage(HWND window, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  // Tells screen readers that an element (0-based) took the focus (when the
  // window has it), or that something else happened to it (an
  // EVENT_OBJECT_* event: its state, name or selection changed).
  static void FocusMoved(HWND window, int index);
  static void Changed(HWND window, DWORD event, int index);

 private:
  AccessibleElements& elements_;
  AccessibleObject* object_ = nullptr;
};

}  // namespace demodisc
