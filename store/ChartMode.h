#pragma once
// The chart's mode: which target the patient monitor shows. Presets, the temporary copy and the
// --frames record hold it as a word ("Letter", "TumblingE", ...); the program works with the
// enum and turns it into the word only where it is written or shown.

#include <string>

namespace lenvari {

enum class ChartMode {
  Other,  // a word this program does not know (a preset written by hand, or none yet)
  Letter,
  TumblingE,
  LandoltC,
  Pictures,
  Arrow,
  Image,
  Disparity,
  StrongLight,
  WorthDot,
  JacksonCross,
  AstigmaticClockDial,
};

// The mode a stored word names; Other for an unknown word.
ChartMode ChartModeOf(const std::string& word);
// The stored word of a known mode; "" for Other.
std::string ChartModeWord(ChartMode mode);

// True for the modes that draw a special target instead of letter rows (no size labels, no
// status line, no row readout).
bool IsSpecialTargetMode(ChartMode mode);

}  // namespace lenvari
