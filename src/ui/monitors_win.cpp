#include "ui/monitors_win.h"

#include <utility>

namespace demodisc {

namespace {
std::function<MonitorAreas(const RECT&)>& StandIn() {
  static std::function<MonitorAreas(const RECT&)> answer;
  return answer;
}

MonitorAreas AreasOf(HMONITOR monitor) {
  MONITORINFO info{};
  info.cbSize = sizeof info;
  if (monitor && GetMonitorInfoW(monitor, &info)) return {info.rcMonitor, info.rcWork};
  // No answer: the primary monitor's size, and the work area the system keeps.
  MonitorAreas areas{{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}, {}};
  if (!SystemParametersInfoW(SPI_GETWORKAREA, 0, &areas.work, 0)) areas.work = areas.whole;
  return areas;
}
}  // namespace

MonitorAreas MonitorOf(const RECT& area) {
  if (StandIn()) return StandIn()(area);
  return AreasOf(MonitorFromRect(&area, MONITOR_DEFAULTTONEAREST));
}

MonitorAreas PrimaryMonitor() { return MonitorOf({0, 0, 1, 1}); }

MonitorAreas MonitorOfWindow(HWND window) {
  RECT frame;
  if (!window || !GetWindowRect(window, &frame)) return PrimaryMonitor();
  return MonitorOf(frame);
}

void StandInForMonitors(std::function<MonitorAreas(const RECT& area)> answer) {
  StandIn() = std::move(answer);
}

}  // namespace demodisc
