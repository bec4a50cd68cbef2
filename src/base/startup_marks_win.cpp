#include "base/startup_marks_win.h"

#ifdef DEMODISC_STARTUP_PROFILE

#include <windows.h>

#include <cstdio>

namespace demodisc {

namespace {

struct Mark {
  const char* phase;
  LONGLONG counter;
};

// Plain zero-initialised storage: the first mark comes before the C
// runtime's start-up.
constexpr int kCapacity = 128;
Mark marks[kCapacity];
int count = 0;

}  // namespace

void StartupMark(const char* phase) noexcept {
  LARGE_INTEGER now;
  QueryPerformanceCounter(&now);
  if (count == kCapacity) return;
  for (int i = 0; i < count; ++i)
    if (marks[i].phase == phase) return;
  marks[count++] = {phase, now.QuadPart};
}

void WriteStartupMarks() noexcept {
  const HANDLE out = GetStdHandle(STD_ERROR_HANDLE);
  if (!out || out == INVALID_HANDLE_VALUE) return;
  for (int i = 0; i < count; ++i) {
    char line[256];
    const int n = std::snprintf(line, sizeof line, "mark %lld %s\n",
                                static_cast<long long>(marks[i].counter), marks[i].phase);
    if (n <= 0) continue;
    DWORD written = 0;
    WriteFile(out, line,
              static_cast<DWORD>(n < static_cast<int>(sizeof line) ? n : sizeof line - 1), &written,
              nullptr);
  }
}

}  // namespace demodisc

#endif
