#pragma once
// What the monitor window prints for the current frame: the caption of a special test, or one
// line per drawn row with tumbling-E directions and picture optotypes spelled out, so the
// examiner can check a patient's reading without seeing the patient display.

#include <string>
#include <vector>

#include "store/ChartMode.h"

namespace lenvari {

struct MonitorWindowText {
  // Special tests: their caption, printed at the top left, and no lines.
  std::string caption;
  // Tumbling E and Landolt C: the mode name between blanks, printed above the lines.
  std::string heading;
  // One per drawn row, spelled out, without the two blanks each is printed after.
  std::vector<std::string> lines;
};

// The caption of a special-test mode, or "" for the modes that show rows.
std::string MonitorWindowCaption(ChartMode mode);

// The rows of `MonitorText`: its pieces between carriage returns, in order, up to the first
// empty piece.
std::vector<std::string> MonitorTextRows(const std::string& monitorText);

// "U", "D", "L", "R" as "Up  ", "Dn  ", "Lt  ", "Rt  "; every other character kept.
std::string SpellDirections(const std::string& row);
// The picture keys as their names ("e" -> "horse ", "b" -> "bird ", "j" -> "jeep ",
// "h" -> "hand ", "c" -> "cake ", "p" -> "phone "); every other character kept.
std::string SpellPictureNames(const std::string& row);

// Everything the window prints for `Mode` and the `MonitorText` the chart drawing left.
MonitorWindowText MonitorWindowTextOf(ChartMode mode, const std::string& monitorText);

}  // namespace lenvari
