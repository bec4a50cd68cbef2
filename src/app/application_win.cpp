#include "app/application_win.h"

#include <commctrl.h>

#include "base/startup_marks_win.h"
#include "ui/message_loop_win.h"
#include "ui/screen_scale_win.h"

namespace demodisc {

Application::Application(UiScale scale) : scale_(scale) {
  INITCOMMONCONTROLSEX icc{sizeof icc, ICC_WIN95_CLASSES | ICC_STANDARD_CLASSES};
  InitCommonControlsEx(&icc);
  StartupMark("common controls loaded");
}

void Application::CreateForms() {
  CreateMainForms();
  window_.ShowTaskbarEntry();
  CreateSecondaryForms();
  main_.SetSecondaryForms({&photo_, &video_, &notice_});
}

void Application::CreateMainForms() {
  window_.CreateWindowed();
  StartupMark("application window created");
  main_.CreateWindowed(window_.hwnd(), scale_);
  StartupMark("main window created");
  window_.SetMainForm(&main_);
}

void Application::CreateSecondaryForms() {
  photo_.CreateWindowed(main_.hwnd());
  StartupMark("photo window created");
  video_.CreateWindowed(main_.hwnd());
  StartupMark("video window created");
  notice_.CreateWindowed(main_.hwnd(), main_.description().uiTexts);
  StartupMark("notice window created");
}

int Application::Run() {
  main_.Show();
  StartupMark("main window shown");
  // Nothing to do when CreateForms has shown it.
  window_.ShowTaskbarEntry();
  return RunMessageLoop();
}

int Application::Start() {
  CreateMainForms();
  main_.SetSecondaryForms({&photo_, &video_, &notice_, [this] { CreateSecondaryForms(); }});
  return Run();
}

}  // namespace demodisc
