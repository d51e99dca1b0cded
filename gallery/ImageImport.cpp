#include "gallery/ImageImport.h"

#include <algorithm>
#include <filesystem>

#include "common/NumberText.h"
#include "gallery/GalleryCells.h"
#include "gallery/GalleryFiles.h"
#include "platform/qtgui/Bitmap.h"
#include "platform/qtgui/PictureDecoding.h"
#include "store/State.h"

namespace lenvari {

int ConvertImageFile(const std::string& source, const std::string& target,
                     const std::string& mimeType,
                     const std::function<void(const std::string&)>& print, int maxWidth,
                     int maxHeight, std::string* reason) {
  const std::string from = TrimBlanks(source), to = TrimBlanks(target);
  if (from.empty() || to.empty()) return kImageOk;
  if (mimeType != "image/bmp") {
    if (print) print("Encoder not installed");
    return kImageNoEncoder;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(from, error)) {
    if (reason) *reason = "file not found";
    return kImageFileNotFound;
  }
  const Bitmap picture = DecodePictureFitted(from, maxWidth, maxHeight, reason);
  if (picture.Empty()) return kImageUnknownFormat;
  return picture.SaveBmp(to) ? kImageOk : kImageWriteFailed;
}

int SaveAsBmp(const std::string& source, const std::string& target, int maxWidth, int maxHeight,
              std::string* reason) {
  return ConvertImageFile(source, target, "image/bmp", {}, maxWidth, maxHeight, reason);
}

void LargestDisplay(const State& state, int& width, int& height) {
  width = height = 0;
  const Monitors& monitors = state.monitors;
  for (int m = 1; m <= kMaxMonitors; ++m) {
    if (m > monitors.NumberOfMonitors && m != monitors.CurrentMonitor) continue;
    width = std::max(width, monitors.ScreenWidth[m]);
    height = std::max(height, monitors.ScreenHeight[m]);
  }
}

bool AddImages(State& state, const AddImagesHost& host) {
  host.messageBox(kAddImagesIntro, kAddImagesTitle);
  const std::string source = host.selectImage();
  if (host.chooseSlot() == std::string(kGalleryEscaped)) return false;
  const std::string target = ImageSlotPath(state.DataPath, state.chart.ImageNum);
  int width = 0, height = 0;
  LargestDisplay(state, width, height);
  std::string reason;
  const int status = SaveAsBmp(source, target, width, height, &reason);
  if (status != kImageOk) {
    const std::string name = std::filesystem::path(source).filename().string();
    const std::string slot = "image " + std::to_string(state.chart.ImageNum);
    const std::string why = reason.empty() ? "" : " (" + reason + ")";
    const std::string what = status == kImageWriteFailed
                                 ? "\"" + name + "\" could not be written as " + slot
                                 : "The picture \"" + name + "\" could not be read" + why;
    host.messageBox(what + ", so " + slot + " was left as it was.  (status " +
                        std::to_string(status) + ")",
                    kAddImagesTitle);
  }
  host.rebuildImageGallery();
  return true;
}

}  // namespace lenvari
