// The base of every window of the program, our own controls included: one
// object per window handle, its messages run through the dispatch guard.
#pragma once

#include <windows.h>

#include "base/text.h"

namespace demodisc {

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  void Destroy();

 protected:
  // Registers a window class whose procedure routes to HandleMessage.
  static void RegisterClass(const wchar_t* className, UINT style = 0,
                            HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1),
                            HICON icon = nullptr);
  // Creates the window of a class registered by RegisterClass; this object
  // receives every message from WM_NCCREATE on.
  HWND Create(const wchar_t* className, const Text& caption, DWORD style, DWORD exStyle, int x,
              int y, int width, int height, HWND parent, UINT_PTR id = 0);

  // Handles one message; the default passes it to DefWindowProcW.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);

 private:
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
};

// A control object whose parent hands it the notifications that Windows
// sends to the parent about it (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM and the
// WM_CTLCOLOR messages), so that each control handles its own.
class Reflector {
 public:
  virtual ~Reflector() = default;
  // True when the notification was handled; `result` is then returned.
  virtual bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) = 0;
};

void AttachReflector(HWND control, Reflector* reflector);
void DetachReflector(HWND control);
// Hands a notification to the control it comes from; false when it is no
// such notification or the control has no reflector.
bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// Asks a window for the colour its children without a colour of their own
// take (a COLORREF); windows answer with the button-face colour unless they
// have a colour of their own.
inline constexpr UINT kQueryBackColour = WM_APP + 0x101;
COLORREF BackColourOf(HWND window);

// Sets a window's text from UTF-8 text.
void SetWindowTextUtf8(HWND hwnd, const Text& text);
// A window's text as UTF-8.
Text WindowTextUtf8(HWND hwnd);

}  // namespace demodisc
