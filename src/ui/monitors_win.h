// The monitor a window goes on, as the system tells it. Tests stand in for
// the system's answer: Wine shows one monitor.
#pragma once

#include <windows.h>

#include <functional>

namespace demodisc {

// A monitor's whole area and its work area (without the taskbar and the
// docked bars), in screen coordinates; a monitor left of or above the
// primary one lies at negative coordinates.
struct MonitorAreas {
  RECT whole{};
  RECT work{};
};

// The monitor that `area` lies on most, or the one nearest to it.
MonitorAreas MonitorOf(const RECT& area);
// The primary monitor: the one whose top-left corner is the screen's origin.
MonitorAreas PrimaryMonitor();
// The monitor a window lies on most; the primary monitor for no window.
MonitorAreas MonitorOfWindow(HWND window);

// Replaces the system's answer to MonitorOf until called again with an empty
// function; for tests.
void StandInForMonitors(std::function<MonitorAreas(const RECT& area)> answer);

}  // namespace demodisc
