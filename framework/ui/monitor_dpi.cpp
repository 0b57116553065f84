#include "framework/ui/monitor_dpi.h"

#include <utility>

#include "framework/graphics/gdi.h"

namespace fw {
namespace {

std::function<int(HMONITOR)>& hook() {
  static std::function<int(HMONITOR)> h;
  return h;
}

// GetDpiForMonitor of shcore.dll, looked up: Windows 7 has neither.
using GetDpiForMonitorFn = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
GetDpiForMonitorFn getDpiForMonitor() {
  static const auto entry = [] {
    const HMODULE shcore = LoadLibraryW(L"shcore.dll");
    return shcore ? reinterpret_cast<GetDpiForMonitorFn>(
                        reinterpret_cast<void*>(GetProcAddress(shcore, "GetDpiForMonitor")))
                  : nullptr;
  }();
  return entry;
}

}  // namespace

int monitorDpiAt(POINT point) {
  const HMONITOR monitor = MonitorFromPoint(point, MONITOR_DEFAULTTONEAREST);
  if (hook()) return hook()(monitor);
  constexpr int effectiveDpi = 0;  // MDT_EFFECTIVE_DPI
  UINT x = 0, y = 0;
  if (const GetDpiForMonitorFn get = getDpiForMonitor(); get && SUCCEEDED(get(monitor, effectiveDpi, &x, &y)))
    return static_cast<int>(y);
  return GetDeviceCaps(ScreenDC().dc(), LOGPIXELSY);
}

void setMonitorDpiHook(std::function<int(HMONITOR)> h) { hook() = std::move(h); }

}  // namespace fw
