#include "gallery/GalleryVisit.h"

#include <algorithm>

#include "gallery/GalleryCells.h"
#include "gallery/GalleryDrawing.h"
#include "render/DrawChart.h"
#include "store/State.h"

namespace lenvari {
namespace {

struct VisitKind {
  bool record = false;
  bool memoryCodes = false;
  const char* firstBanner = "";
  const char* laterBanner = "";
};

// The whole picture, the selection and the banner: every step repaints all of it, so a
// shorter banner never leaves the ends of a longer one behind.
void PaintVisit(State& state, Canvas& chart, const Bitmap& picture, int cell,
                const char* banner) {
  if (picture.Width() != chart.PixelWidth() || picture.Height() != chart.PixelHeight())
    chart.Clear(kWhite);
  chart.SetScale(0, 0, chart.PixelWidth(), chart.PixelHeight());
  chart.StretchBitmap(picture, {0, 0, static_cast<double>(chart.PixelWidth()),
                                static_cast<double>(chart.PixelHeight())});
  SetChartScale(chart, state.monitors);
  DrawCellFrame(chart, state.monitors, cell, kSelectionRed);
  if (banner) DrawRecordBanner(chart, state.monitors, banner);
}

std::string Visit(State& state, Canvas& chart, const Bitmap& picture, int& cell,
                  const VisitKind& kind, const GalleryVisitHost& host) {
  SetChartExtent(state.monitors);
  const double penWidth = chart.PenWidth();
  const int remembered = cell;
  cell = std::clamp(cell, 1, kGalleryCells);
  PaintVisit(state, chart, picture, cell, kind.record ? kind.firstBanner : nullptr);
  host.present();
  host.prepareInput();
  bool finished = false, escaped = false;
  while (!finished) {
    host.refreshMonitorWindow();
    const std::string input = host.waitForInput();
    const CellMove move =
        MoveSelection(cell, input, kind.memoryCodes, state.chart.MouseX, state.chart.MouseY,
                      state.monitors.ChartWidth, state.monitors.ChartHeight);
    cell = move.cell;
    finished = move.finished;
    escaped = move.escaped;
    if (escaped) cell = remembered;
    PaintVisit(state, chart, picture, std::clamp(cell, 1, kGalleryCells),
               kind.record ? kind.laterBanner : nullptr);
    host.present();
    chart.SetPenWidth(penWidth);
    host.refreshMonitorWindow();
  }
  return escaped ? kGalleryEscaped : kGalleryChosen;
}

}  // namespace

std::string PresetGallery(State& state, Canvas& chart, const Bitmap& picture,
                          const GalleryVisitHost& host) {
  const VisitKind kind{state.chart.GalleryMode == PresetAction::Store, true, kPresetRecordBanner,
                       kPresetRecordBannerAfterMove};
  return Visit(state, chart, picture, state.chart.CurrentMemory, kind, host);
}

std::string ImageGallery(State& state, Canvas& chart, const Bitmap& picture,
                         PresetAction mode, const GalleryVisitHost& host) {
  const VisitKind kind{mode == PresetAction::Store, false, kImageRecordBanner,
                       kImageRecordBannerAfterMove};
  return Visit(state, chart, picture, state.chart.ImageNum, kind, host);
}

}  // namespace lenvari
