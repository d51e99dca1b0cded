#pragma once
// How the patient's screen turns values into light, kept in a small file of this program's own
// ("lvdisplay.cfg"), so the files shared with other installations keep their layout: whether
// contrast levels are drawn at their true luminance, and a measured display gamma. Written the
// way every settings file is: key line, value line, CR LF, atomically.

#include <string>

namespace lenvari {

inline constexpr const char* kDisplayFileName = "lvdisplay.cfg";

// A measured gamma outside this range is taken for a typing error: the sRGB curve is used.
inline constexpr double kLowestDisplayGamma = 1.0;
inline constexpr double kHighestDisplayGamma = 4.0;

struct DisplayOptions {
  // 1: a contrast level c % draws the letters at (1 - c/100) of the background's luminance,
  // dithered between two values where needed; 0: at the grey floor(Foreground x 255 / 100).
  int LuminanceContrast = 0;
  // The display's measured power curve; 0: the sRGB curve.
  double DisplayGamma = 0;
  bool operator==(const DisplayOptions&) const = default;
};

std::string DisplayFileText(const DisplayOptions& options);
// What the text gives; a missing or damaged value keeps its default.
DisplayOptions ParseDisplayFile(const std::string& text);

// The defaults when the file is missing or unreadable; `unreadable` gets the reason when the
// file exists and could not be read (the caller must then not save over it).
DisplayOptions LoadDisplayOptions(const std::string& dataPath, std::string* unreadable = nullptr);
// False when it could not be written, with the reason in `reason`.
bool SaveDisplayOptions(const std::string& dataPath, const DisplayOptions& options,
                        std::string* reason = nullptr);

}  // namespace lenvari
