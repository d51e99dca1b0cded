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

// The furthest a desktop coordinate or a window size is believed to reach, in pixels.
inline constexpr int kLargestDesktopExtent = 1 << 20;

std::string ControlWindowFileText(const ControlWindowRecord& record);
// Nothing when the text lacks a key, gives an empty size, or a place or size beyond
// kLargestDesktopExtent.
std::optional<ControlWindowRecord> ParseControlWindowFile(const std::string& text);

// `unreadable` gets the reason when the file exists and could not be read (the caller must
// then not save over it).
std::optional<ControlWindowRecord> LoadControlWindowPlace(const std::string& dataPath,
                                                          std::string* unreadable = nullptr);
bool SaveControlWindowPlace(const std::string& dataPath, const ControlWindowRecord& record,
                            std::string* reason = nullptr);

}  // namespace lenvari
