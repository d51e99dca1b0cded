#pragma once
// The two file choosers of the program: a picture to import and a video to play.

#include <string>

namespace lenvari {

inline constexpr const char* kSelectImageTitle = "Lenvari Acuity - Select Image File";
inline constexpr const char* kSelectImageFilter =
    "Image Files (*.JPG, *.BMP, *.PNG, *.GIF, *.TIF)|*.JPG;*.PNG;*.BMP;*.GIF;*.TIF|";
inline constexpr const char* kSelectVideoTitle = "Lenvari Acuity - Select Video File";
inline constexpr const char* kSelectVideoFilter =
    "Video Files (*.MP4, *.MOV, *.WMV, *.MPG, *.AVI)|*.MP4;*.MOV;*.WMV;*.MPG;*.AVI|";

// Each starts in `folder` (the current directory when empty) with `file` as the initial name
// and returns the chosen existing file, or "" when the chooser was cancelled.
std::string SELECTBMP(std::string& folder, std::string& file);
std::string SELECTVIDEO(std::string& folder, std::string& file);

}  // namespace lenvari
