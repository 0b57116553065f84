// What the system says of a monitor: a name that stays the same from one
// run to the next, its resolution, its work area and the EDID block through
// which the monitor reports its own size.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

namespace fw {

struct MonitorIdentity {
  std::wstring name;  // the monitor device's interface, else the display's name
  int width = 0;      // in pixels
  int height = 0;
  RECT workArea{};
  std::vector<std::uint8_t> edid;  // empty when the system gives none
};

MonitorIdentity identifyMonitor(HMONITOR monitor);

}  // namespace fw
