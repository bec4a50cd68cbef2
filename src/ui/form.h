// A top-level window of the program: caption, client size, first-showing
// placement, modal showing, the close request and, for a window drawn at the
// drawing scale, its layout at another resolution.
#pragma once

#include <memory>
#include <optional>
#include <type_traits>

#include "control_rules/ui_scale.h"
#include "control_rules/window_placement.h"
#include "ui/element_host.h"
#include "ui/screen_scale_win.h"
#include "ui/graphic_element.h"
#include "ui/window.h"

namespace demodisc {

// The modal result of a window closed by its close box, Alt+F4 or a button
// that only closes it.
inline constexpr int kModalCancel = 2;

class Form : public Window {
 public:
  // Shows the window modally: the program's other windows are disabled until
  // it closes. Returns the modal result.
  int ShowModal();
  // Shows the window without a modal loop (the main window).
  void Show();
  bool IsShown() const { return IsWindowVisible(hwnd()) != FALSE; }
  // The close request: what the close box, Alt+F4 and the system menu send.
  void Close() { SendMessageW(hwnd(), WM_CLOSE, 0, 0); }

  // Ends a modal showing with a result and hides the window.
  void EndModal(int result);

  // The window among this one's descendants created with the name; null for
  // none. Looking one up makes the window's controls if they are not made yet.
  Window* Named(std::string_view name) const;
  // The same for the graphic elements of this window and its descendants.
  GraphicElement* NamedElement(std::string_view name) const;
  // The window or element as the class it was created as; null when it is
  // another.
  template <class W>
  W* Named(std::string_view name) const {
    if constexpr (std::is_base_of_v<GraphicElement, W>)
      return dynamic_cast<W*>(NamedElement(name));
    else
      return dynamic_cast<W*>(Named(name));
  }

  ElementHost* Elements() override { return &elements_; }

 protected:
  // Creates the window hidden, with the arguments' bounds as its client size.
  void CreateForm(const WindowClass& windowClass, const CreateArgs& args);
  // The same for a window drawn at a scale of its own, its client size given
  // at 96 dpi, first laid out at `scale`. Such a window lays itself out again
  // when it moves to a monitor of another resolution (WM_DPICHANGED: its
  // scale becomes the monitor's), and when it is first placed over a window
  // drawn at another scale. It makes its controls in CreateControls and lets
  // go of them in ReleaseControls.
  void CreateScaledForm(const WindowClass& windowClass, const CreateArgs& args, UiScale scale);

  // Makes the window's controls. A window hidden at start makes them at its
  // first showing, or when one is first looked up, so that until then it
  // costs only its frame; a window may also make them itself at its creation.
  virtual void CreateControls() {}
  void EnsureControls() const;
  // Laying the controls out again at another scale: before their windows are
  // destroyed the window keeps what the user sees in them; after, it lets go
  // of their objects and hands them over; CreateControls then makes them
  // anew, and RestoreControlState shows the kept state in them. The focus
  // stays on the control of the same name. The old objects are freed once
  // the messages being handled are done: the change may come while a
  // handler of one of them runs (a catalogue item's program, a modal window).
  virtual void KeepControlState() {}
  virtual std::shared_ptr<void> ReleaseControls() { return nullptr; }
  virtual void RestoreControlState() {}

  // Where the window goes when it is first shown; the default centres it on
  // its owner's monitor, or on the primary monitor for a window without an
  // owner. Later showings keep the last position, and with it the scale.
  virtual void PlaceAtFirstShowing();
  // Runs once per showing, when the window first becomes active after it.
  virtual void FormActivate() {}
  // Every close request; false refuses it.
  virtual bool FormCloseQuery() { return true; }
  // The window closes (it is hidden; the main window ends the program).
  virtual void FormClose() {}
  // True for the application's main window: closing it ends the message loop.
  virtual bool IsMainForm() const { return false; }

  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;
  // The window's face with its graphic elements, when it has any: the
  // class's background around the elements, then the elements that meet
  // `dirty`.
  void Paint(HDC dc, const RECT& dirty) override;

  // Puts the window centred over `area` (screen coordinates) on the monitor
  // of `area`, inside that monitor's work area. A window drawn at a scale of
  // its own that is laid out at another than `scale` (the scale of the window
  // it goes over) is laid out at that one first.
  void PlaceCentredOver(const RECT& area, const UiScale& scale);

  // The window's own scale: for a window drawn at a scale of its own, the one
  // it is laid out at; else the scale at its creation.
  int OwnDpi() const override { return scale_.dpi(); }
  // Sets the scale of a window that keeps the one it is created at, before
  // its creation.
  void SetFixedScale(const UiScale& scale) { scale_ = scale; }

 private:
  void PrepareShowing();
  // Sets the window's scale, puts the window in `frame` (screen coordinates)
  // and makes its controls again at the scale if they were made.
  void LayOutAgain(const UiScale& scale, const RECT& frame);
  // The same with the window's top-left corner kept, at its size at the scale.
  void LayOutAgainAt(const UiScale& scale);
  // The window's size for its client size at 96 dpi at a scale, with the
  // frame drawn at `frameDpi`.
  SIZE ScaledFrameSize(const UiScale& scale, int frameDpi) const;

  // The keyboard focus goes back where it was when the window is activated
  // again; at first it goes to the first control that takes it.
  void RestoreFocus();

  ElementHost elements_;
  // The window's size as CreateForm made it, or as it was last laid out.
  SIZE designedSize_{};
  // A window drawn at a scale of its own: its client size at 96 dpi.
  std::optional<SIZE> clientAt96_;
  // The scale the window's frame and controls are laid out at.
  UiScale scale_{AwareDpi()};
  HWND lastFocus_ = nullptr;
  bool placed_ = false;
  mutable bool controlsMade_ = false;
  bool activatePending_ = false;
  int modalResult_ = 0;
  bool inModal_ = false;
};

}  // namespace demodisc
