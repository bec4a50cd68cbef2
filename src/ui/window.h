// The base of every window of the program, top-level windows, our own
// controls and system controls alike: one object per window handle, created
// from one arguments struct. The object owns its window. The window is
// destroyed while the whole object stands (see Whole), so that the object's
// own WM_DESTROY handler runs and its child windows go before its members;
// a child's window goes with its parent's.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <string_view>

#include "base/text.h"
#include "control_rules/align_layout.h"
#include "control_rules/ui_scale.h"

namespace demodisc {

class ElementHost;

struct CreateArgs {
  HWND parent = nullptr;  // a child's parent, a top-level window's owner
  Bounds bounds;          // a top-level window's: its client size
  Text text;
  HFONT font = nullptr;  // none: the system font
  DWORD style = 0;       // added to what the window's kind sets itself
  DWORD exStyle = 0;
  int id = 0;
  std::string_view name;  // how Form::Named finds the window or element
};

// A window class of our own; registered when its first window is created.
struct WindowClass {
  const wchar_t* name;
  UINT style = 0;
  HBRUSH background = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  HICON icon = nullptr;
};

class Window {
 public:
  Window() = default;
  virtual ~Window();
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  HWND hwnd() const { return hwnd_; }
  const std::string& name() const { return name_; }
  // The font a window of ours draws its own text in: the arguments' font,
  // or the GUI font when they gave none.
  HFONT font() const {
    return font_ ? font_ : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  }
  // Destroys the window now, while this object stands: its WM_DESTROY and
  // its children's reach their handlers. Nothing when it has gone already.
  void Destroy();

  // The object of a window created through this base; null for any other.
  static Window* FromHwnd(HWND hwnd);

  // A child control of a system class (STATIC, EDIT, BUTTON, a common
  // control), for a plain Window or a control class built on one; its
  // notifications come back through Reflected.
  HWND CreateControl(const wchar_t* systemClass, const CreateArgs& args);

  // A notification that Windows sent to the parent about this window
  // (WM_COMMAND, WM_NOTIFY, WM_DRAWITEM or a WM_CTLCOLOR message); true when
  // it was handled, and `result` is then returned.
  virtual bool Reflected(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

  // The graphic elements this window paints; null for a window that hosts none.
  virtual ElementHost* Elements() { return nullptr; }

  // The resolution a top-level window is laid out at; 0 for a window that
  // draws at its top-level window's.
  virtual int OwnDpi() const { return 0; }
  // The scale this window draws at (its top-level window's), and a layout
  // table's sizes at it.
  UiScale Scale() const;
  int Px(int pixels) const { return Scale().Px(pixels); }
  Bounds Px(const Bounds& bounds) const { return Scale().Px(bounds); }

 protected:
  // A window of our own class: this object receives every message from
  // WM_NCCREATE on through HandleMessage.
  HWND Create(const WindowClass& windowClass, const CreateArgs& args);
  // Handles one message of a window of our own class; the default hands the
  // children's notifications back to them, paints through Paint and passes
  // the rest to DefWindowProcW.
  virtual LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp);
  // Paints a window of our own class into `dc` (client coordinates): for
  // WM_PAINT the area that needs it, inside one PaintScope, after the class
  // background was erased unless WM_ERASEBKGND says otherwise; for
  // WM_PRINTCLIENT the whole client area. The default paints nothing more.
  virtual void Paint(HDC dc, const RECT& dirty);

 private:
  HWND CreateHandle(const wchar_t* className, const CreateArgs& args);
  void Attach(HWND hwnd);
  void Detach();
  static LRESULT CALLBACK Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp);

  HWND hwnd_ = nullptr;
  std::string name_;
  HFONT font_ = nullptr;
};

// A window object as its owner holds it: its window is destroyed before any
// part of the object goes, so that its WM_DESTROY handler runs with every
// member still there and its child windows go before the members that own
// them. Top-level windows are held this way; a child window goes with its
// parent's. (A plain object destroys its window only in the base's
// destructor, when nothing of the derived class is left to handle it.)
template <class W>
class Whole final : public W {
 public:
  using W::W;
  ~Whole() override { this->Destroy(); }
};

// Keeps an object until the program's windows have handled the messages they
// are handling now: one that a handler on the way may still be running in
// (window objects whose windows were destroyed meanwhile).
void KeepWhileHandlingMessages(std::shared_ptr<void> object);

// Whether a window has a frame, a border or scroll bars around its client
// area.
bool HasNonClientArea(HWND hwnd);

// Hands a notification to the window object it comes from; false when it is
// no such notification or the window has no object.
bool ReflectToChild(UINT msg, WPARAM wp, LPARAM lp, LRESULT& result);

// Asks a window for the colour its children without a colour of their own
// take (a COLORREF); windows answer with the button-face colour unless they
// have a colour of their own.
inline constexpr UINT kQueryBackColour = WM_APP + 0x101;
COLORREF BackColourOf(HWND window);

// Marks an area of a window (all of it for null) to be painted again. Nothing
// is marked while the window is not shown: it is painted whole when it is,
// and under Wine each mark costs a call to the server.
void RepaintShown(HWND window, const RECT* area);

// A window's rectangle relative to its parent's client area.
Bounds BoundsInParent(HWND window);
// A rectangle as a place and a size.
Bounds BoundsOf(const RECT& r);

// Sets a window's text from UTF-8 text.
void SetWindowTextUtf8(HWND hwnd, const Text& text);
// A window's text as UTF-8.
Text WindowTextUtf8(HWND hwnd);

}  // namespace demodisc
