// Benchmark, not run by the tests (tools/bench.sh runs it with
// --gtest_also_run_disabled_tests): what the main window holds once every
// page has been shown and painted: the windows under it and the process's
// GDI objects.
#include <gtest/gtest.h>

#include <cstdio>

#include "support/main_window_fixture.h"
#include "ui/MainDemo/main_form.h"

namespace demodisc {
namespace {

using testing::GdiObjectCount;
using testing::MainWindowTest;

BOOL CALLBACK CountWindow(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

TEST_F(MainWindowTest, DISABLED_BenchmarkWindowsAndGdiObjects) {
  for (int page = MainForm::kGebitBenutzt; page >= MainForm::kPresent; --page) {
    ShowPage(page);
    RedrawWindow(main().hwnd(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    testing::PumpMessages(50);
  }
  int windows = 0;
  EnumChildWindows(main().hwnd(), CountWindow, reinterpret_cast<LPARAM>(&windows));
  const int objects = GdiObjectCount();
  ASSERT_GT(objects, 0);
  std::printf(
      "main window objects: %d windows under the main window, %d GDI objects in the process "
      "after every page was shown and painted\n",
      windows, objects);
}

}  // namespace
}  // namespace demodisc
