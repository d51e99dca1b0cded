#pragma once

#include <string>

namespace lenvari {

// The EDID block of the monitor shown on a display ("\\.\DISPLAY1", QScreen::name() on
// Windows); "" when Windows has none (a virtual display, a remote session).
std::string ReadMonitorEdid(const std::wstring& displayName);

}  // namespace lenvari
