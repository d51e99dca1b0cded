#pragma once
// Who each monitor of the desktop is, as the monitor reports it (from its EDID through the
// window system): maker, model, serial number, physical size, and how it is turned. Empty texts
// and zero sizes where the platform does not know.
//
// For tests, and only then: when the environment variable LENVARI_SCREEN_IDENTITY names a JSON
// file holding an array of objects, one per screen in desktop order, with "manufacturer",
// "model", "serialNumber", "physicalWidthMm" and "physicalHeightMm", those are reported instead
// of the platform's (a screen without an entry reports nothing).

#include <string>
#include <vector>

namespace lenvari {

struct DisplayIdentity {
  std::string manufacturer, model, serialNumber;
  double physicalWidthMm = 0, physicalHeightMm = 0;
  int rotationDegrees = 0;  // 0, 90, 180 or 270 from the monitor's natural orientation
};

// The monitors in desktop order (the order of EnumDisplayMonitors).
std::vector<DisplayIdentity> EnumDisplayIdentities();

// The override file's content read as identities; an empty list when it is not such a file.
std::vector<DisplayIdentity> ParseDisplayIdentities(const std::string& json);

}  // namespace lenvari
