// The EDID block of the monitor on a Windows display ("\\.\DISPLAY1"): the display's first
// monitor device names its device interface, whose registry key holds "EDID".

#include <windows.h>
#include <setupapi.h>

#include <string>

#include "platform/win/MonitorEdidWin.h"

namespace lenvari {
namespace {

// The monitors' device interface class (GUID_DEVINTERFACE_MONITOR, which MinGW's headers lack).
constexpr GUID kMonitorInterface = {0xE6F07B5F, 0xEE97, 0x4A90, {0xB0, 0x76, 0x33, 0xF5, 0x7B, 0xF4, 0xEA, 0xA7}};

}  // namespace

std::string ReadMonitorEdid(const std::wstring& displayName) {
  DISPLAY_DEVICEW monitor{};
  monitor.cb = sizeof monitor;
  if (!::EnumDisplayDevicesW(displayName.c_str(), 0, &monitor, EDD_GET_DEVICE_INTERFACE_NAME))
    return "";
  HDEVINFO devices = ::SetupDiGetClassDevsW(&kMonitorInterface, nullptr, nullptr,
                                            DIGCF_DEVICEINTERFACE | DIGCF_PRESENT);
  if (devices == INVALID_HANDLE_VALUE) return "";
  std::string edid;
  SP_DEVICE_INTERFACE_DATA device{};
  device.cbSize = sizeof device;
  if (::SetupDiOpenDeviceInterfaceW(devices, monitor.DeviceID, 0, &device)) {
    SP_DEVINFO_DATA info{};
    info.cbSize = sizeof info;
    DWORD needed = 0;
    ::SetupDiGetDeviceInterfaceDetailW(devices, &device, nullptr, 0, &needed, &info);
    HKEY key = ::SetupDiOpenDevRegKey(devices, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key != INVALID_HANDLE_VALUE) {
      BYTE bytes[1024];
      DWORD size = sizeof bytes;
      if (::RegQueryValueExW(key, L"EDID", nullptr, nullptr, bytes, &size) == ERROR_SUCCESS)
        edid.assign(reinterpret_cast<const char*>(bytes), size);
      ::RegCloseKey(key);
    }
  }
  ::SetupDiDestroyDeviceInfoList(devices);
  return edid;
}

}  // namespace lenvari
