// Start-up benchmark: starts a program repeatedly in a given folder, times
// each start from CreateProcess to the moment the program first waits for
// input with its window up (WaitForInputIdle: created, shown, activated,
// painted, its posted activation work done), then closes it and reads its
// peak working set. Prints the median, minimum and maximum of each.
//   startup_bench.exe <runs> <folder> <program> [<program> ...]
#include <windows.h>
#include <psapi.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

namespace {

struct Run {
  double ms;
  double peakKb;
};

BOOL CALLBACK FindTopWindow(HWND hwnd, LPARAM lp) {
  auto* found = reinterpret_cast<std::pair<DWORD, HWND>*>(lp);
  DWORD pid = 0;
  GetWindowThreadProcessId(hwnd, &pid);
  if (pid == found->first && IsWindowVisible(hwnd) && !GetWindow(hwnd, GW_OWNER)) {
    found->second = hwnd;
    return FALSE;
  }
  return TRUE;
}

bool StartOnce(const std::wstring& folder, const std::wstring& program, Run& run) {
  std::wstring cmd = L"\"" + folder + L"\\" + program + L"\"";
  STARTUPINFOW si{};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi{};
  LARGE_INTEGER freq, t0, t1;
  QueryPerformanceFrequency(&freq);
  QueryPerformanceCounter(&t0);
  if (!CreateProcessW(nullptr, cmd.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(), &si,
                      &pi))
    return false;
  WaitForInputIdle(pi.hProcess, 30000);
  std::pair<DWORD, HWND> found{pi.dwProcessId, nullptr};
  for (int i = 0; i < 3000 && !found.second; ++i) {
    EnumWindows(FindTopWindow, reinterpret_cast<LPARAM>(&found));
    if (!found.second) Sleep(1);
  }
  QueryPerformanceCounter(&t1);
  run.ms =
      1000.0 * static_cast<double>(t1.QuadPart - t0.QuadPart) / static_cast<double>(freq.QuadPart);
  PROCESS_MEMORY_COUNTERS pmc{};
  pmc.cb = sizeof pmc;
  GetProcessMemoryInfo(pi.hProcess, &pmc, sizeof pmc);
  run.peakKb = static_cast<double>(pmc.PeakWorkingSetSize) / 1024.0;
  if (found.second) PostMessageW(found.second, WM_CLOSE, 0, 0);
  if (WaitForSingleObject(pi.hProcess, 10000) != WAIT_OBJECT_0) TerminateProcess(pi.hProcess, 1);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  return found.second != nullptr;
}

double Median(std::vector<double> v) {
  std::sort(v.begin(), v.end());
  const std::size_t n = v.size();
  return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2;
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
  std::vector<std::vector<double>> ms(programs), kb(programs);
  // One warm-up start each, then the programs take turns run by run, so that
  // a noisy moment of the machine falls on all of them alike.
  Run run{};
  for (int p = 0; p < programs; ++p) StartOnce(folder, argv[3 + p], run);
  for (int i = 0; i < runs; ++i) {
    for (int p = 0; p < programs; ++p) {
      if (!StartOnce(folder, argv[3 + p], run)) {
        std::fwprintf(stderr, L"%ls: no window came up\n", argv[3 + p]);
        return 1;
      }
      ms[p].push_back(run.ms);
      kb[p].push_back(run.peakKb);
    }
  }
  for (int p = 0; p < programs; ++p)
    std::printf(
        "%-16ls start-up ms: median %.1f min %.1f max %.1f   peak working set KB: median %.0f\n",
        argv[3 + p], Median(ms[p]), *std::min_element(ms[p].begin(), ms[p].end()),
        *std::max_element(ms[p].begin(), ms[p].end()), Median(kb[p]));
  if (programs >= 2)
    std::printf("ratio of medians (first / last): start-up %.2f, peak working set %.2f\n",
                Median(ms[0]) / Median(ms[programs - 1]), Median(kb[0]) / Median(kb[programs - 1]));
  return 0;
}
