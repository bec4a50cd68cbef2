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

using testing::MainWindowTest;

BOOL CALLBACK CountWindow(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

// The process's GDI objects. Wine reports none through GetGuiResources;
// there a handle whose upper word is 0 names the object of its table slot
// whatever its generation, so the slots are asked one by one.
int GdiObjectCount() {
  if (const DWORD reported = GetGuiResources(GetCurrentProcess(), GR_GDIOBJECTS))
    return static_cast<int>(reported);
  int count = 0;
  for (UINT_PTR slot = 0x20; slot <= 0xFFFF; ++slot)
    if (GetObjectType(reinterpret_cast<HGDIOBJ>(slot)) != 0) ++count;
  return count;
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
