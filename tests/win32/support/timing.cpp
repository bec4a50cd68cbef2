#include "support/timing.h"

#include <windows.h>

#include <algorithm>
#include <vector>

namespace demodisc::testing {

double MedianMs(const std::function<void()>& work, int runs) {
  LARGE_INTEGER freq, start, end;
  QueryPerformanceFrequency(&freq);
  std::vector<double> ms;
  for (int i = 0; i < runs; ++i) {
    QueryPerformanceCounter(&start);
    work();
    QueryPerformanceCounter(&end);
    ms.push_back(1000.0 * static_cast<double>(end.QuadPart - start.QuadPart) /
                 static_cast<double>(freq.QuadPart));
  }
  std::sort(ms.begin(), ms.end());
  return ms[ms.size() / 2];
}

}  // namespace demodisc::testing
