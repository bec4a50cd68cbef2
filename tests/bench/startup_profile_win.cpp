// Start-up profile: starts a program built with DEMODISC_STARTUP_PROFILE
// repeatedly, hands it a pipe as its standard error, reads the start-up
// marks it writes there when it ends, and prints each phase's median time
// from CreateProcess and from the mark before it, as a Markdown table. Two
// rows come from outside (start_watch_win.h): the window first visible and
// the first wait for input.
//   startup_profile.exe <runs> <folder> <program>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <vector>

#include "start_watch_win.h"

namespace {

constexpr char kVisible[] = "(outside) window visible";
constexpr char kReady[] = "(outside) ready for input: WaitForInputIdle";

struct Row {
  std::string phase;
  double ms;  // since CreateProcess
};

std::string ReadAll(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

// One start: the marks and the two outside moments, in the order of time.
bool ProfileOnce(const std::wstring& folder, const std::wstring& program, std::vector<Row>& rows) {
  SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
  HANDLE readEnd = nullptr, writeEnd = nullptr;
  if (!CreatePipe(&readEnd, &writeEnd, &inherit, 1 << 16)) return false;
  SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
  startwatch::Start start;
  const bool up = startwatch::StartAndWatch(folder, program, writeEnd, start);
  CloseHandle(writeEnd);
  if (start.window) PostMessageW(start.window, WM_CLOSE, 0, 0);
  const std::string text = start.process.hProcess ? ReadAll(readEnd) : std::string();
  CloseHandle(readEnd);
  startwatch::Close(start);
  startwatch::Release(start);
  if (!up) return false;
  rows.clear();
  std::size_t at = 0;
  while (at < text.size()) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    const std::string line = text.substr(at, end - at);
    at = end + 1;
    long long counter = 0;
    int consumed = 0;
    if (std::sscanf(line.c_str(), "mark %lld %n", &counter, &consumed) != 1 || consumed == 0)
      continue;
    rows.push_back({line.substr(static_cast<std::size_t>(consumed)),
                    startwatch::MsBetween(start.started, counter)});
  }
  if (rows.empty()) {
    std::fprintf(stderr, "no marks: is the program built with DEMODISC_STARTUP_PROFILE?\n");
    return false;
  }
  rows.push_back({kVisible, start.visibleMs});
  rows.push_back({kReady, start.readyMs});
  std::stable_sort(rows.begin(), rows.end(),
                   [](const Row& a, const Row& b) { return a.ms < b.ms; });
  return true;
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: startup_profile <runs> <folder> <program>\n");
    return 2;
  }
  const int runs = _wtoi(argv[1]);
  std::vector<Row> rows;
  if (!ProfileOnce(argv[2], argv[3], rows)) return 1;  // warm-up
  std::map<std::string, std::vector<double>> sinceStart, sincePrevious;
  for (int i = 0; i < runs; ++i) {
    if (!ProfileOnce(argv[2], argv[3], rows)) return 1;
    double previous = 0;
    for (const Row& row : rows) {
      sinceStart[row.phase].push_back(row.ms);
      sincePrevious[row.phase].push_back(row.ms - previous);
      previous = row.ms;
    }
  }
  std::vector<std::pair<double, std::string>> order;
  for (const auto& [phase, times] : sinceStart)
    order.emplace_back(startwatch::Median(times), phase);
  std::sort(order.begin(), order.end());
  std::printf("| Phase | ms since CreateProcess | ms since the mark before |\n|---|---|---|\n");
  for (const auto& [ms, phase] : order)
    std::printf("| %s | %.1f | %.1f |\n", phase.c_str(), ms,
                startwatch::Median(sincePrevious[phase]));
  std::printf("\nmedians of %d starts; a phase missing from some starts has fewer figures\n", runs);
  return 0;
}
