#include "app/application_win.h"

#include <commctrl.h>

#include "ui/message_loop_win.h"

namespace demodisc {

Application::Application() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

void Application::CreateForms() {
  window_.CreateWindowed();
  main_.CreateWindowed(window_.hwnd());
  window_.SetMainForm(&main_);
  photo_.CreateWindowed(main_.hwnd());
  video_.CreateWindowed(main_.hwnd());
  notice_.CreateWindowed(main_.hwnd());
  main_.SetSecondaryForms({&photo_, &video_, &notice_});
}

int Application::Run() {
  main_.Show();
  return RunMessageLoop();
}

}  // namespace demodisc
