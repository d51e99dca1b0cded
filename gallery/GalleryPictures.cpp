#include "gallery/GalleryPictures.h"

#include <algorithm>
#include <filesystem>
#include <system_error>

#include "gallery/GalleryBuild.h"
#include "gallery/GalleryFiles.h"
#include "store/State.h"

namespace lenvari {
namespace {

struct FileStamp {
  long long time = -1;
  long long size = -1;
};

FileStamp StampOf(const std::string& path) {
  std::error_code error;
  const auto time = std::filesystem::last_write_time(path, error);
  if (error) return {};
  const auto size = std::filesystem::file_size(path, error);
  if (error) return {};
  return {static_cast<long long>(time.time_since_epoch().count()), static_cast<long long>(size)};
}

bool DisplaySize(const Bitmap& bitmap, const State& state) {
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  return !bitmap.Empty() && bitmap.Width() == state.monitors.ScreenWidth[m] &&
         bitmap.Height() == state.monitors.ScreenHeight[m];
}

template <class Build>
const Bitmap& Picture(GalleryPicture& picture, const std::string& path, const State& state,
                      Build build) {
  const FileStamp stamp = StampOf(path);
  const bool unchanged = picture.path == path && stamp.time == picture.fileStamp &&
                         stamp.size == picture.fileSize && stamp.time != -1;
  if (unchanged && DisplaySize(picture.bitmap, state)) return picture.bitmap;
  Bitmap read = Bitmap::LoadBmp(path);
  if (DisplaySize(read, state)) {
    picture = {path, stamp.time, stamp.size, std::move(read)};
  } else {
    RememberPicture(picture, path, build());
  }
  return picture.bitmap;
}

}  // namespace

void RememberPicture(GalleryPicture& picture, const std::string& path, Bitmap bitmap) {
  const FileStamp stamp = StampOf(path);
  picture = {path, stamp.time, stamp.size, std::move(bitmap)};
}

const Bitmap& PresetGalleryPicture(GalleryPictures& pictures, const State& state,
                                   const OptotypeShapes& shapes) {
  const std::string path = PresetGalleryPath(state.DataPath, state.monitors.CurrentMonitor);
  return Picture(pictures.preset, path, state, [&] { return BuildPresetGallery(state, shapes); });
}

const Bitmap& ImageGalleryPicture(GalleryPictures& pictures, const State& state,
                                  const OptotypeShapes& shapes) {
  const std::string path = ImageGalleryPath(state.DataPath, state.monitors.CurrentMonitor);
  return Picture(pictures.image, path, state, [&] { return BuildImageGallery(state, shapes); });
}

void RebuildPresetGallery(GalleryPictures& pictures, const State& state,
                          const OptotypeShapes& shapes) {
  Bitmap built = BuildPresetGallery(state, shapes);
  RememberPicture(pictures.preset,
                  PresetGalleryPath(state.DataPath, state.monitors.CurrentMonitor),
                  std::move(built));
}

void RebuildImageGallery(GalleryPictures& pictures, const State& state,
                         const OptotypeShapes& shapes) {
  Bitmap built = BuildImageGallery(state, shapes);
  RememberPicture(pictures.image, ImageGalleryPath(state.DataPath, state.monitors.CurrentMonitor),
                  std::move(built));
}

}  // namespace lenvari
