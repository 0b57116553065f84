// The DPI of the monitor a window opens on. Under per-monitor awareness a
// window made on a monitor of another scale than the system's gets no
// WM_DPICHANGED: it is laid out at its monitor's DPI from the start.
#pragma once

#include <windows.h>

#include <functional>

namespace fw {

// The DPI of the monitor nearest to `point`, as Windows 8.1 and later give
// it; before them, the screen's (one DPI for every monitor).
int monitorDpiAt(POINT point);

// Tests stand in for the system's answer, as a monitor of another scale
// would give it; an empty hook gives the system's back.
void setMonitorDpiHook(std::function<int(HMONITOR)> hook);

}  // namespace fw
