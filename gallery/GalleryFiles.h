#pragma once
// The bitmap files of the galleries in the data folder, found without regard to letter case
// (other installations write the same names in other cases).

#include <string>

namespace lenvari {

// m + "LVGallery.bmp": the preset gallery of monitor m.
std::string PresetGalleryPath(const std::string& dataPath, int m);
// m + "LVBmap" + n + ".bmp": the display as it was when preset n was stored on monitor m.
std::string PresetSnapshotPath(const std::string& dataPath, int m, int n);
// m + "ImageGallery.bmp": the image gallery of monitor m.
std::string ImageGalleryPath(const std::string& dataPath, int m);
// m + "LVGallery.idx" and m + "ImageGallery.idx": what each cell of the gallery was drawn from.
std::string PresetGalleryIndexPath(const std::string& dataPath, int m);
std::string ImageGalleryIndexPath(const std::string& dataPath, int m);
// "LVimg" + n + ".bmp": image slot n, shared by every monitor.
std::string ImageSlotPath(const std::string& dataPath, int n);

}  // namespace lenvari
