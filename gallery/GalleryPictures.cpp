#include "gallery/GalleryPictures.h"

#include <algorithm>
#include <filesystem>
#include <system_error>
#include <vector>

#include "gallery/GalleryBuild.h"
#include "gallery/GalleryFiles.h"
#include "gallery/GalleryIndex.h"
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

// A picture of the display's size is trusted cell by cell: a cell whose index stamp is not
// that of the preset or slot it stands for (a crash came between the files, or the index is
// missing) is drawn again, and the picture and index saved, before the gallery is shown.
template <class Stamps, class Redraw>
const Bitmap& Picture(GalleryPicture& picture, const std::string& path,
                      const std::string& indexPath, const State& state, Stamps stamps,
                      Redraw redraw, int cellAboutToChange = 0) {
  const FileStamp stamp = StampOf(path);
  const bool unchanged = picture.path == path && stamp.time == picture.fileStamp &&
                         stamp.size == picture.fileSize && stamp.time != -1;
  if (!unchanged || !DisplaySize(picture.bitmap, state)) {
    Bitmap read = Bitmap::LoadBmp(path);
    if (!DisplaySize(read, state)) {
      RememberPicture(picture, path, redraw(nullptr, std::vector<int>{}));
      return picture.bitmap;
    }
    picture = {path, stamp.time, stamp.size, std::move(read)};
  }
  std::vector<int> stale = StaleCells(ReadGalleryIndex(indexPath), stamps());
  std::erase(stale, cellAboutToChange);
  if (!stale.empty()) RememberPicture(picture, path, redraw(&picture.bitmap, stale));
  return picture.bitmap;
}

}  // namespace

void RememberPicture(GalleryPicture& picture, const std::string& path, Bitmap bitmap) {
  const FileStamp stamp = StampOf(path);
  picture = {path, stamp.time, stamp.size, std::move(bitmap)};
}

const Bitmap& PresetGalleryPicture(GalleryPictures& pictures, const State& state,
                                   const OptotypeShapes& shapes, int cellAboutToChange,
                                   SaveFailures* failures) {
  const int m = state.monitors.CurrentMonitor;
  return Picture(pictures.preset, PresetGalleryPath(state.DataPath, m),
                 PresetGalleryIndexPath(state.DataPath, m), state,
                 [&] { return PresetCellStamps(state); },
                 [&](const Bitmap* base, const std::vector<int>& cells) {
                   return base ? RedrawPresetCells(state, shapes, base, cells, failures)
                               : BuildPresetGallery(state, shapes, failures);
                 },
                 cellAboutToChange);
}

const Bitmap& ImageGalleryPicture(GalleryPictures& pictures, const State& state,
                                  const OptotypeShapes& shapes, SaveFailures* failures) {
  const int m = state.monitors.CurrentMonitor;
  return Picture(pictures.image, ImageGalleryPath(state.DataPath, m),
                 ImageGalleryIndexPath(state.DataPath, m), state,
                 [&] { return ImageCellStamps(state); },
                 [&](const Bitmap* base, const std::vector<int>& cells) {
                   return base ? RedrawImageCells(state, shapes, base, cells, failures)
                               : BuildImageGallery(state, shapes, failures);
                 });
}

void RebuildPresetGallery(GalleryPictures& pictures, const State& state,
                          const OptotypeShapes& shapes, SaveFailures* failures) {
  Bitmap built = BuildPresetGallery(state, shapes, failures);
  RememberPicture(pictures.preset,
                  PresetGalleryPath(state.DataPath, state.monitors.CurrentMonitor),
                  std::move(built));
}

void RebuildImageGallery(GalleryPictures& pictures, const State& state,
                         const OptotypeShapes& shapes, SaveFailures* failures) {
  Bitmap built = BuildImageGallery(state, shapes, failures);
  RememberPicture(pictures.image, ImageGalleryPath(state.DataPath, state.monitors.CurrentMonitor),
                  std::move(built));
}

}  // namespace lenvari
