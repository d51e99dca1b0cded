#pragma once
// A monitor's identity read from its EDID block, for window systems that hand out the block
// but not the fields (Windows keeps it in the monitor's registry key).

#include <string>

#include "platform/qtgui/DisplayIdentity.h"

namespace lenvari {

// Maker (the three-letter PNP ID, "DEL", "SAM", ...), model (the monitor-name descriptor),
// serial number (the serial descriptor, else the block's serial number when it is not zero)
// and physical size (the first detailed timing's millimetres, else the block's centimetres).
// Everything empty or zero when `edid` is not an EDID block (too short, wrong header).
DisplayIdentity IdentityFromEdid(const std::string& edid);

}  // namespace lenvari
