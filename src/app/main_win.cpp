// Program entry: no command-line arguments are read.
#include <windows.h>

#include "app/application_win.h"
#include "base/startup_marks_win.h"
#include "ui/dispatch.h"

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  demodisc::StartupMark("wWinMain");
  int exitCode = 0;
  demodisc::Guarded([&] {
    demodisc::Application app;
    exitCode = app.Start();
  });
  demodisc::WriteStartupMarks();
  return exitCode;
}
