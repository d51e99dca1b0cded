#include "app/commands/PresetGalleryCommand.h"

#include "app/examiner/GalleryHost.h"
#include "gallery/GalleryBuild.h"
#include "gallery/GalleryFiles.h"
#include "render/DrawChart.h"

namespace lenvari {

std::string OpenPresetGallery(ProgramContext& context) {
  if (!context.chartCanvas) return kGalleryCancelled;
  const Bitmap& picture = PresetGalleryPicture(context.galleries, context.state, context.shapes, 0,
                                               &context.state.saveFailures);
  return PresetGallery(context.state, *context.chartCanvas, picture,
                       MakeGalleryVisitHost(context));
}

void BuildPresetThumbnail(ProgramContext& context, int n) {
  if (!context.chartCanvas) return;
  State& state = context.state;
  state.chart.CurrentMemory = n;
  // The snapshot is the chart as the display shows it once stored; the pass presents it after.
  DrawChart(state, context.shapes, *context.chartCanvas);
  const Bitmap& gallery =
      PresetGalleryPicture(context.galleries, state, context.shapes, n, &state.saveFailures);
  Bitmap updated = UpdatePresetThumbnail(state, *context.chartCanvas, gallery, &state.saveFailures);
  RememberPicture(context.galleries.preset,
                  PresetGalleryPath(state.DataPath, state.monitors.CurrentMonitor),
                  std::move(updated));
}

}  // namespace lenvari
