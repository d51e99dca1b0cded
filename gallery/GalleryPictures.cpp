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

// What tells the two galleries apart: where their picture and index live, what their cells
// are drawn from, and how they are drawn.
struct GalleryKind {
  GalleryPicture GalleryPictures::*picture;
  std::string (*path)(const std::string& dataPath, int m);
  std::string (*indexPath)(const std::string& dataPath, int m);
  CellStamps (*stamps)(const State& state);
  Bitmap (*redraw)(const State& state, const OptotypeShapes& shapes, const Bitmap* gallery,
                   const std::vector<int>& cells, SaveFailures* failures);
  Bitmap (*build)(const State& state, const OptotypeShapes& shapes, SaveFailures* failures);
};

constexpr GalleryKind kPresetGallery{&GalleryPictures::preset, PresetGalleryPath,
                                     PresetGalleryIndexPath, PresetCellStamps,
                                     RedrawPresetCells, BuildPresetGallery};
constexpr GalleryKind kImageGallery{&GalleryPictures::image, ImageGalleryPath,
                                    ImageGalleryIndexPath, ImageCellStamps, RedrawImageCells,
                                    BuildImageGallery};

// A picture of the display's size is trusted cell by cell: a cell whose index stamp is not
// that of the preset or slot it stands for (a crash came between the files, or the index is
// missing) is drawn again, and the picture and index saved, before the gallery is shown.
const Bitmap& Picture(GalleryPictures& pictures, const GalleryKind& kind, const State& state,
                      const OptotypeShapes& shapes, SaveFailures* failures,
                      int cellAboutToChange = 0) {
  GalleryPicture& picture = pictures.*kind.picture;
  const int m = state.monitors.CurrentMonitor;
  const std::string path = kind.path(state.DataPath, m);
  const FileStamp stamp = StampOf(path);
  const bool unchanged = picture.path == path && stamp.time == picture.fileStamp &&
                         stamp.size == picture.fileSize && stamp.time != -1;
  if (!unchanged || !DisplaySize(picture.bitmap, state)) {
    Bitmap read = Bitmap::LoadBmp(path);
    if (!DisplaySize(read, state)) {
      RememberPicture(picture, path, kind.build(state, shapes, failures));
      return picture.bitmap;
    }
    picture = {path, stamp.time, stamp.size, std::move(read)};
  }
  std::vector<int> stale =
      StaleCells(ReadGalleryIndex(kind.indexPath(state.DataPath, m)), kind.stamps(state));
  std::erase(stale, cellAboutToChange);
  if (!stale.empty())
    RememberPicture(picture, path, kind.redraw(state, shapes, &picture.bitmap, stale, failures));
  return picture.bitmap;
}

void Rebuild(GalleryPictures& pictures, const GalleryKind& kind, const State& state,
             const OptotypeShapes& shapes, SaveFailures* failures) {
  Bitmap built = kind.build(state, shapes, failures);
  RememberPicture(pictures.*kind.picture, kind.path(state.DataPath, state.monitors.CurrentMonitor),
                  std::move(built));
}

}  // namespace

void RememberPicture(GalleryPicture& picture, const std::string& path, Bitmap bitmap) {
  const FileStamp stamp = StampOf(path);
  picture = {path, stamp.time, stamp.size, std::move(bitmap)};
}

const Bitmap& PresetGalleryPicture(GalleryPictures& pictures, const State& state,
                                   const OptotypeShapes& shapes, int cellAboutToChange,
                                   SaveFailures* failures) {
  return Picture(pictures, kPresetGallery, state, shapes, failures, cellAboutToChange);
}

const Bitmap& ImageGalleryPicture(GalleryPictures& pictures, const State& state,
                                  const OptotypeShapes& shapes, SaveFailures* failures) {
  return Picture(pictures, kImageGallery, state, shapes, failures);
}

void RebuildPresetGallery(GalleryPictures& pictures, const State& state,
                          const OptotypeShapes& shapes, SaveFailures* failures) {
  Rebuild(pictures, kPresetGallery, state, shapes, failures);
}

void RebuildImageGallery(GalleryPictures& pictures, const State& state,
                         const OptotypeShapes& shapes, SaveFailures* failures) {
  Rebuild(pictures, kImageGallery, state, shapes, failures);
}

}  // namespace lenvari
