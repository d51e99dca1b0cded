#pragma once
// The examiner's control window keeps its place and size across restarts in a small file of
// this program's own ("lvcontrolwindow.cfg"), so the files shared with other installations keep
// their layout. Written the way every settings file is: key line, value line, CR LF, atomically.

#include <optional>
#include <string>

namespace lenvari {

inline constexpr const char* kControlWindowFileName = "lvcontrolwindow.cfg";

// Device pixels: the frame's top-left corner and the client area's size.
struct ControlWindowRecord {
  int left = 0, top = 0, width = 0, height = 0;
  bool operator==(const ControlWindowRecord&) const = default;
};

std::string ControlWindowFileText(const ControlWindowRecord& record);
// Nothing when the text lacks a key or gives an empty size.
std::optional<ControlWindowRecord> ParseControlWindowFile(const std::string& text);

std::optional<ControlWindowRecord> LoadControlWindowPlace(const std::string& dataPath);
bool SaveControlWindowPlace(const std::string& dataPath, const ControlWindowRecord& record);

}  // namespace lenvari
