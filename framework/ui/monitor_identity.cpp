#include "framework/ui/monitor_identity.h"

#include <setupapi.h>

#include <memory>

namespace fw {
namespace {

// GUID_DEVINTERFACE_MONITOR, the interface class of monitor devices.
constexpr GUID monitorInterface = {0xE6F07B5F, 0xEE97, 0x4A90, {0xB0, 0x76, 0x33, 0xF5, 0x7B, 0xF4, 0xEA, 0xA7}};

struct DestroyDeviceSet {
  void operator()(HDEVINFO set) const { SetupDiDestroyDeviceInfoList(set); }
};
struct CloseKey {
  void operator()(HKEY key) const { RegCloseKey(key); }
};

// The EDID the monitor gave Windows is kept in its device's hardware key,
// value "EDID", the device named by the interface path that
// EnumDisplayDevices gives with EDD_GET_DEVICE_INTERFACE_NAME.
std::vector<std::uint8_t> edidOf(const std::wstring& interfacePath) {
  const HDEVINFO made = SetupDiCreateDeviceInfoList(&monitorInterface, nullptr);
  if (made == INVALID_HANDLE_VALUE) return {};
  const std::unique_ptr<void, DestroyDeviceSet> set(made);
  SP_DEVICE_INTERFACE_DATA face{sizeof face};
  if (!SetupDiOpenDeviceInterfaceW(made, interfacePath.c_str(), 0, &face)) return {};
  SP_DEVINFO_DATA device{sizeof device};
  DWORD size = 0;
  SetupDiGetDeviceInterfaceDetailW(made, &face, nullptr, 0, &size, &device);
  if (device.DevInst == 0) return {};
  const HKEY opened = SetupDiOpenDevRegKey(made, &device, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
  if (opened == INVALID_HANDLE_VALUE) return {};
  const std::unique_ptr<std::remove_pointer_t<HKEY>, CloseKey> key(opened);
  std::vector<std::uint8_t> edid(256);
  DWORD bytes = DWORD(edid.size()), type = 0;
  if (RegQueryValueExW(opened, L"EDID", nullptr, &type, edid.data(), &bytes) != ERROR_SUCCESS || type != REG_BINARY)
    return {};
  edid.resize(bytes);
  return edid;
}

}  // namespace

MonitorIdentity identifyMonitor(HMONITOR monitor) {
  MonitorIdentity out;
  MONITORINFOEXW info{};
  info.cbSize = sizeof info;
  if (!GetMonitorInfoW(monitor, &info)) return out;
  out.name = info.szDevice;
  out.width = info.rcMonitor.right - info.rcMonitor.left;
  out.height = info.rcMonitor.bottom - info.rcMonitor.top;
  out.workArea = info.rcWork;
  DISPLAY_DEVICEW device{};
  device.cb = sizeof device;
  if (EnumDisplayDevicesW(info.szDevice, 0, &device, EDD_GET_DEVICE_INTERFACE_NAME) && device.DeviceID[0]) {
    out.name = device.DeviceID;
    out.edid = edidOf(device.DeviceID);
  }
  return out;
}

}  // namespace fw
