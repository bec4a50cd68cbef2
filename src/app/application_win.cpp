#include "app/application_win.h"

#include <commctrl.h>

#include "app/message_loop_win.h"

namespace demodisc {

Application::Application() {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
}

Application::~Application() {
  // The windows go in the reverse order of their creation.
  notice_.Destroy();
  video_.Destroy();
  photo_.Destroy();
  main_.Destroy();
  window_.Destroy();
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
