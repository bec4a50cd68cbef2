// The application's own window: shown but of no size, captioned with the
// application title, the owner of the main window. Owned windows get no
// taskbar entry, so the program's one entry is this window's, with the title
// as its text and the program's icon; the main window keeps its own caption.
#pragma once

#include "ui/window.h"

namespace demodisc {

class Form;

class ApplicationWindow : public Window {
 public:
  // Creates the window hidden.
  void CreateWindowed();
  // Shows it, which gives the program its taskbar entry.
  void ShowTaskbarEntry();
  // The window that gets the close requests and the activation that come to
  // this one from the taskbar.
  void SetMainForm(Form* mainForm) { mainForm_ = mainForm; }

 protected:
  LRESULT HandleMessage(UINT msg, WPARAM wp, LPARAM lp) override;

 private:
  // Hands the activation on to the program's window that last had it.
  void ActivateLastPopup();

  Form* mainForm_ = nullptr;
};

}  // namespace demodisc
