#include "gallery/ImageImport.h"

#include <filesystem>

#include "common/NumberText.h"
#include "gallery/GalleryCells.h"
#include "gallery/GalleryFiles.h"
#include "platform/Bitmap.h"
#include "store/State.h"

namespace lenvari {

int ConvertImageFile(const std::string& source, const std::string& target,
                     const std::string& mimeType,
                     const std::function<void(const std::string&)>& print) {
  const std::string from = TrimBlanks(source), to = TrimBlanks(target);
  if (from.empty() || to.empty()) return kImageOk;
  if (mimeType != "image/bmp") {
    if (print) print("Encoder not installed");
    return kImageNoEncoder;
  }
  std::error_code error;
  if (!std::filesystem::is_regular_file(from, error)) return kImageFileNotFound;
  const Bitmap picture = Bitmap::Load(from);
  if (picture.Empty()) return kImageUnknownFormat;
  return picture.SaveBmp(to) ? kImageOk : kImageWriteFailed;
}

int SaveAsBmp(const std::string& source, const std::string& target) {
  return ConvertImageFile(source, target, "image/bmp");
}

bool AddImages(State& state, const AddImagesHost& host) {
  host.messageBox(kAddImagesIntro, kAddImagesTitle);
  const std::string source = host.selectImage();
  if (host.chooseSlot() == std::string(kGalleryEscaped)) return false;
  const std::string target = ImageSlotPath(state.DataPath, state.chart.ImageNum);
  const int status = SaveAsBmp(source, target);
  if (status != kImageOk) {
    const std::string name = std::filesystem::path(source).filename().string();
    const std::string slot = "image " + std::to_string(state.chart.ImageNum);
    const std::string what = status == kImageWriteFailed
                                 ? "\"" + name + "\" could not be written as " + slot
                                 : "The picture \"" + name + "\" could not be read";
    host.messageBox(what + ", so " + slot + " was left as it was.  (status " +
                        std::to_string(status) + ")",
                    kAddImagesTitle);
  }
  host.rebuildImageGallery();
  return true;
}

}  // namespace lenvari
