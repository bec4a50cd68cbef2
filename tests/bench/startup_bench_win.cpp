// Start-up benchmark: starts programs in a given folder in turn, times each
// start from CreateProcess to the first moment its window is visible and to
// the moment it first waits for input with its window up (start_watch_win.h),
// and, once ready, counts the windows under its window; then closes it and reads its peak working
// set. Prints the median, minimum and maximum of each, and the ratios of the first program's
// medians to each other program's.
//   startup_bench.exe <runs> <folder> <program> [<program> ...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "start_watch_win.h"

namespace {

struct Figures {
  std::vector<double> visible, ready, peakKb, windows;
};

BOOL CALLBACK CountWindow(HWND, LPARAM lp) {
  ++*reinterpret_cast<int*>(lp);
  return TRUE;
}

// The windows under a window, its descendants at every depth.
int DescendantWindows(HWND window) {
  int count = 0;
  EnumChildWindows(window, CountWindow, reinterpret_cast<LPARAM>(&count));
  return count;
}

bool RunOnce(const std::wstring& folder, const std::wstring& program, Figures* figures) {
  startwatch::Start start;
  const bool up = startwatch::StartAndWatch(folder, program, nullptr, start);
  const int windows = up ? DescendantWindows(start.window) : 0;
  // Read while it runs: Wine reports nothing for an ended process.
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(start.process.hProcess, &pmc, sizeof pmc);
  startwatch::Close(start);
  startwatch::Release(start);
  if (up && figures) {
    figures->visible.push_back(start.visibleMs);
    figures->ready.push_back(start.readyMs);
    figures->peakKb.push_back(static_cast<double>(pmc.PeakWorkingSetSize) / 1024.0);
    figures->windows.push_back(windows);
  }
  return up;
}

void PrintLine(const wchar_t* program, const char* what, const std::vector<double>& v) {
  std::printf("%-16ls %-8s median %7.1f  min %7.1f  max %7.1f\n", program, what,
              startwatch::Median(v), *std::min_element(v.begin(), v.end()),
              *std::max_element(v.begin(), v.end()));
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc < 4) {
    std::fprintf(stderr, "usage: startup_bench <runs> <folder> <program>...\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  const std::wstring folder = argv[2];
  const int programs = argc - 3;
  std::vector<Figures> figures(static_cast<std::size_t>(programs));
  // One warm-up start each, then the programs take turns run by run, so that
  // a noisy moment of the machine falls on all of them alike.
  for (int p = 0; p < programs; ++p) RunOnce(folder, argv[3 + p], nullptr);
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < programs; ++p) {
      if (!RunOnce(folder, argv[3 + p], &figures[static_cast<std::size_t>(p)])) {
        std::fwprintf(stderr, L"%ls: no window came up\n", argv[3 + p]);
        return 1;
      }
    }
  }
  std::printf(
      "ms from CreateProcess (visible: the window first visible; ready: first waiting "
      "for input), peak working set in KB, windows under the window when ready, %d runs "
      "each\n",
      runs);
  for (int p = 0; p < programs; ++p) {
    const Figures& f = figures[static_cast<std::size_t>(p)];
    PrintLine(argv[3 + p], "visible", f.visible);
    PrintLine(argv[3 + p], "ready", f.ready);
    PrintLine(argv[3 + p], "peak KB", f.peakKb);
    PrintLine(argv[3 + p], "windows", f.windows);
  }
  const Figures& first = figures[0];
  for (int p = 1; p < programs; ++p) {
    const Figures& other = figures[static_cast<std::size_t>(p)];
    std::printf("ratio %ls / %ls: ready %.2f, visible %.2f, peak working set %.2f\n", argv[3],
                argv[3 + p], startwatch::Median(first.ready) / startwatch::Median(other.ready),
                startwatch::Median(first.visible) / startwatch::Median(other.visible),
                startwatch::Median(first.peakKb) / startwatch::Median(other.peakKb));
  }
  return 0;
}
