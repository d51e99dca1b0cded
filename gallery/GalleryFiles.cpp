#include "gallery/GalleryFiles.h"

#include "store/DataFolder.h"

namespace lenvari {

std::string PresetGalleryPath(const std::string& dataPath, int m) {
  return ResolveDataFile(dataPath, std::to_string(m) + "LVGallery.bmp");
}

std::string PresetSnapshotPath(const std::string& dataPath, int m, int n) {
  return ResolveDataFile(dataPath, std::to_string(m) + "LVBmap" + std::to_string(n) + ".bmp");
}

std::string ImageGalleryPath(const std::string& dataPath, int m) {
  return ResolveDataFile(dataPath, std::to_string(m) + "ImageGallery.bmp");
}

std::string PresetGalleryIndexPath(const std::string& dataPath, int m) {
  return ResolveDataFile(dataPath, std::to_string(m) + "LVGallery.idx");
}

std::string ImageGalleryIndexPath(const std::string& dataPath, int m) {
  return ResolveDataFile(dataPath, std::to_string(m) + "ImageGallery.idx");
}

std::string ImageSlotPath(const std::string& dataPath, int n) {
  return ResolveDataFile(dataPath, "LVimg" + std::to_string(n) + ".bmp");
}

}  // namespace lenvari
