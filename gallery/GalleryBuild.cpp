#include "gallery/GalleryBuild.h"

#include <algorithm>
#include <cmath>

#include "gallery/GalleryCells.h"
#include "gallery/GalleryDrawing.h"
#include "gallery/GalleryFiles.h"
#include "render/DrawChart.h"
#include "store/MemoryPresets.h"
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

Bitmap SaveGallery(Canvas& canvas, const std::string& path) {
  canvas.SetPenWidth(1);
  Bitmap picture = Bitmap::FromImage(canvas.Image());
  picture.SaveBmp(path);
  return picture;
}

template <class DrawCell>
Bitmap BuildGallery(State& work, const std::string& path, DrawCell drawCell) {
  SetChartExtent(work.monitors);
  GalleryCanvas gallery(work.monitors);
  gallery.canvas.Clear(kWhite);
  for (int n = 1; n <= kGalleryCells; ++n) {
    drawCell(n, gallery);
    SetChartScale(gallery.canvas, work.monitors);
    FrameAndLabel(gallery.canvas, work.monitors, n);
  }
  return SaveGallery(gallery.canvas, path);
}

}  // namespace

Bitmap BuildPresetGallery(const State& state, const OptotypeShapes& shapes) {
  State work = state;
  const int m = Current(work.monitors);
  return BuildGallery(work, PresetGalleryPath(work.DataPath, m),
                      [&](int n, GalleryCanvas& gallery) {
                        int preset = n;
                        MemoryPreset(work, "read", preset);
                        SetChartExtent(work.monitors);
                        DrawThumbnail(work, shapes, gallery, n);
                      });
}

Bitmap BuildImageGallery(const State& state, const OptotypeShapes& shapes) {
  State work = state;
  const int m = Current(work.monitors);
  return BuildGallery(work, ImageGalleryPath(work.DataPath, m),
                      [&](int n, GalleryCanvas& gallery) {
                        work.chart.Mode = "Image";
                        work.chart.ImageNum = n;
                        DrawThumbnail(work, shapes, gallery, n);
                      });
}

Bitmap UpdatePresetThumbnail(const State& state, const Canvas& chart, const Bitmap& gallery) {
  Monitors monitors = state.monitors;
  SetChartExtent(monitors);
  const int m = Current(monitors);
  const int n = std::clamp(state.chart.CurrentMemory, 1, kGalleryCells);
  const Bitmap snapshot = Bitmap::FromImage(chart.Image());
  const bool saved = snapshot.SaveBmp(PresetSnapshotPath(state.DataPath, m, n));

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
  return SaveGallery(updated.canvas, PresetGalleryPath(state.DataPath, m));
}

}  // namespace lenvari
