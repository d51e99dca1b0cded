#include "gallery/GalleryBuild.h"

#include <algorithm>
#include <cmath>

#include "gallery/GalleryCells.h"
#include "gallery/GalleryDrawing.h"
#include "gallery/GalleryFiles.h"
#include "gallery/GalleryIndex.h"
#include "render/DrawChart.h"
#include "store/MemoryPresets.h"
#include "store/SaveFailures.h"
#include "store/State.h"

namespace lenvari {
namespace {

int Current(const Monitors& monitors) {
  return std::clamp(monitors.CurrentMonitor, 1, kMaxMonitors);
}

// Cell n's pixels on the display: the sixth of the width and of the height it covers.
struct PixelBox {
  int left, top, right, bottom;
  int Width() const { return right - left; }
  int Height() const { return bottom - top; }
};

PixelBox CellPixels(int n, int screenWidth, int screenHeight) {
  const int c = CellColumn(n), r = CellRow(n);
  const auto at = [](int index, int extent) {
    return static_cast<int>(std::lround(static_cast<double>(index) * extent / kGalleryColumns));
  };
  return {at(c - 1, screenWidth), at(r, screenHeight), at(c, screenWidth), at(r + 1, screenHeight)};
}

// The display-size canvas a gallery is drawn on, in chart units of the current monitor.
struct GalleryCanvas {
  Canvas canvas;
  explicit GalleryCanvas(const Monitors& monitors)
      : canvas(std::max(1, monitors.ScreenWidth[Current(monitors)]),
               std::max(1, monitors.ScreenHeight[Current(monitors)])) {}
  void PixelScale() {
    canvas.SetScale(0, 0, canvas.PixelWidth(), canvas.PixelHeight());
  }
};

// Draws the chart the state describes into the cell: a cell-size canvas whose unit window is
// the chart's whole range, so the chart lays itself out as on the full display.
void DrawThumbnail(State& state, const OptotypeShapes& shapes, GalleryCanvas& gallery, int n) {
  const Canvas& whole = gallery.canvas;
  const PixelBox box = CellPixels(n, whole.PixelWidth(), whole.PixelHeight());
  Canvas cell(box.Width(), box.Height());
  SetChartScale(cell, state.monitors);
  cell.SetAntialias(true);
  DrawChartForThumbnail(state, shapes, cell);
  gallery.PixelScale();
  gallery.canvas.StretchCanvas(cell, {static_cast<double>(box.left), static_cast<double>(box.top),
                                      static_cast<double>(box.right),
                                      static_cast<double>(box.bottom)});
}

void FrameAndLabel(Canvas& canvas, const Monitors& monitors, int n) {
  DrawCellFrame(canvas, monitors, n, kCellFrameGrey);
  DrawCellLabel(canvas, monitors, n);
}

// The picture first, then the index of what its cells show: the index never claims a cell
// that the picture on the disk does not hold.
Bitmap SaveGallery(Canvas& canvas, const std::string& path, const std::string& indexPath,
                   const CellStamps& stamps, SaveFailures* failures) {
  canvas.SetPenWidth(1);
  Bitmap picture = Bitmap::FromImage(canvas.Image());
  std::string reason;
  if (!picture.SaveBmp(path, &reason)) {
    if (failures) NoteSaveFailure(*failures, path, reason);
  } else if (!WriteGalleryIndex(indexPath, stamps, &reason) && failures) {
    NoteSaveFailure(*failures, indexPath, reason);
  }
  return picture;
}

// Draws `cells` over `base` (over white when there is none) and saves the picture and its
// index.
template <class DrawCell>
Bitmap DrawGallery(State& work, const Bitmap* base, const std::vector<int>& cells,
                   const std::string& path, const std::string& indexPath,
                   const CellStamps& stamps, SaveFailures* failures, DrawCell drawCell) {
  SetChartExtent(work.monitors);
  GalleryCanvas gallery(work.monitors);
  gallery.canvas.Clear(kWhite);
  if (base) {
    gallery.PixelScale();
    gallery.canvas.StretchBitmap(*base, {0, 0, static_cast<double>(gallery.canvas.PixelWidth()),
                                         static_cast<double>(gallery.canvas.PixelHeight())});
  }
  for (int n : cells) {
    drawCell(n, gallery);
    SetChartScale(gallery.canvas, work.monitors);
    FrameAndLabel(gallery.canvas, work.monitors, n);
  }
  return SaveGallery(gallery.canvas, path, indexPath, stamps, failures);
}

std::vector<int> AllCells() {
  std::vector<int> cells;
  for (int n = 1; n <= kGalleryCells; ++n) cells.push_back(n);
  return cells;
}

}  // namespace

Bitmap RedrawPresetCells(const State& state, const OptotypeShapes& shapes, const Bitmap* gallery,
                         const std::vector<int>& cells, SaveFailures* failures) {
  State work = state;
  const int m = Current(work.monitors);
  return DrawGallery(work, gallery, cells, PresetGalleryPath(work.DataPath, m),
                     PresetGalleryIndexPath(work.DataPath, m), PresetCellStamps(state), failures,
                     [&](int n, GalleryCanvas& canvas) {
                       int preset = n;
                       MemoryPreset(work, PresetAction::Recall, preset);
                       SetChartExtent(work.monitors);
                       DrawThumbnail(work, shapes, canvas, n);
                     });
}

Bitmap RedrawImageCells(const State& state, const OptotypeShapes& shapes, const Bitmap* gallery,
                        const std::vector<int>& cells, SaveFailures* failures) {
  State work = state;
  const int m = Current(work.monitors);
  return DrawGallery(work, gallery, cells, ImageGalleryPath(work.DataPath, m),
                     ImageGalleryIndexPath(work.DataPath, m), ImageCellStamps(state), failures,
                     [&](int n, GalleryCanvas& canvas) {
                       work.chart.Mode = ChartMode::Image;
                       work.chart.ImageNum = n;
                       DrawThumbnail(work, shapes, canvas, n);
                     });
}

Bitmap BuildPresetGallery(const State& state, const OptotypeShapes& shapes,
                          SaveFailures* failures) {
  return RedrawPresetCells(state, shapes, nullptr, AllCells(), failures);
}

Bitmap BuildImageGallery(const State& state, const OptotypeShapes& shapes,
                         SaveFailures* failures) {
  return RedrawImageCells(state, shapes, nullptr, AllCells(), failures);
}

Bitmap UpdatePresetThumbnail(const State& state, const Canvas& chart, const Bitmap& gallery,
                             SaveFailures* failures) {
  Monitors monitors = state.monitors;
  SetChartExtent(monitors);
  const int m = Current(monitors);
  const int n = std::clamp(state.chart.CurrentMemory, 1, kGalleryCells);
  const Bitmap snapshot = Bitmap::FromImage(chart.Image());
  const std::string snapshotPath = PresetSnapshotPath(state.DataPath, m, n);
  std::string reason;
  const bool saved = snapshot.SaveBmp(snapshotPath, &reason);
  if (!saved && failures) NoteSaveFailure(*failures, snapshotPath, reason);

  GalleryCanvas updated(monitors);
  const double width = updated.canvas.PixelWidth(), height = updated.canvas.PixelHeight();
  if (gallery.Width() != width || gallery.Height() != height) updated.canvas.Clear(kWhite);
  updated.PixelScale();
  updated.canvas.StretchBitmap(gallery, {0, 0, width, height});
  const PixelBox box = CellPixels(n, updated.canvas.PixelWidth(), updated.canvas.PixelHeight());
  const RectF cell{static_cast<double>(box.left), static_cast<double>(box.top),
                   static_cast<double>(box.right), static_cast<double>(box.bottom)};
  // The snapshot as written (the file holds exactly these pixels); one that did not reach the
  // disk leaves the cell empty rather than showing the preset stored there before.
  if (saved) {
    updated.canvas.StretchBitmap(snapshot.Resized(box.Width(), box.Height()), cell);
  } else {
    updated.canvas.FillBox(cell, kWhite);
  }
  SetChartScale(updated.canvas, monitors);
  FrameAndLabel(updated.canvas, monitors, n);
  CellStamps stamps = PresetCellStamps(state);
  if (!saved) stamps[n].clear();  // drawn again at the next visit
  return SaveGallery(updated.canvas, PresetGalleryPath(state.DataPath, m),
                     PresetGalleryIndexPath(state.DataPath, m), stamps, failures);
}

}  // namespace lenvari
