// Time to open a gallery (paint the prepared picture and the selection frame), to build the
// preset gallery (36 thumbnails and its file), to update one preset's cell after a store (its
// snapshot file, the cell, the gallery file), and to build the image gallery, at 1920 x 1080
// and 3840 x 2160, the image gallery with all 36 slots full, and the import of a 48-megapixel
// photo. Files go to a temporary folder.

#include <benchmark/benchmark.h>

#include <QGuiApplication>
#include <QImage>
#include <QTemporaryDir>

#include "gallery/GalleryBuild.h"
#include "gallery/GalleryCells.h"
#include "gallery/GalleryVisit.h"
#include "gallery/ImageImport.h"
#include "render/DrawChart.h"
#include "render/OptotypeShapes.h"
#include "store/BuiltInLetterSets.h"
#include "store/BuiltInPresets.h"
#include "store/MemoryPresets.h"
#include "store/SettingsFiles.h"
#include "store/State.h"

namespace lenvari {
namespace {

const OptotypeShapes& Shapes() {
  static const OptotypeShapes shapes = LoadOptotypeShapes();
  return shapes;
}

struct Folder {
  QTemporaryDir dir;
  std::string Path() const { return dir.path().toStdString(); }
};

State GalleryState(int width, int height, const std::string& folder) {
  State state;
  state.DataPath = folder;
  state.monitors.NumberOfMonitors = 1;
  state.monitors.CurrentMonitor = 1;
  ApplyDefaultSettings(state.settings, state.monitors, 1);
  state.monitors.ScreenWidth[1] = width;
  state.monitors.ScreenHeight[1] = height;
  state.monitors.MasterScaleX[1] = 343 * width / 1920;
  state.monitors.MasterScaleY[1] = 343 * width / 1920;
  SetChartExtent(state.monitors);
  for (int f = 0; f <= kLetterSetFiles; ++f) FillBuiltInLetterSet(state.letters, f);
  FillBuiltInPresets(state.presets);
  state.chart.CurrentMemory = 1;
  MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
  return state;
}

int Width(const benchmark::State& bench) { return static_cast<int>(bench.range(0)); }
int Height(const benchmark::State& bench) { return static_cast<int>(bench.range(1)); }

// One step of a visit: the whole picture, the red frame and the presentation's copy out.
void BM_OpenGallery(benchmark::State& bench) {
  Folder folder;
  State state = GalleryState(Width(bench), Height(bench), folder.Path());
  const Bitmap picture = BuildPresetGallery(state, Shapes());
  Canvas chart(Width(bench), Height(bench));
  SetChartScale(chart, state.monitors);
  for (auto _ : bench) {
    GalleryVisitHost host;
    host.waitForInput = [&] { return std::string("\r"); };
    host.present = [&] { benchmark::DoNotOptimize(chart.Image().constBits()); };
    host.refreshMonitorWindow = [] {};
    host.prepareInput = [] {};
    state.chart.GalleryMode = PresetAction::Recall;
    benchmark::DoNotOptimize(PresetGallery(state, chart, picture, host));
  }
}

void BM_BuildPresetGallery(benchmark::State& bench) {
  Folder folder;
  const State state = GalleryState(Width(bench), Height(bench), folder.Path());
  for (auto _ : bench) benchmark::DoNotOptimize(BuildPresetGallery(state, Shapes()).Width());
}

void BM_UpdatePresetThumbnail(benchmark::State& bench) {
  Folder folder;
  State state = GalleryState(Width(bench), Height(bench), folder.Path());
  Bitmap gallery = BuildPresetGallery(state, Shapes());
  Canvas chart(Width(bench), Height(bench));
  SetChartScale(chart, state.monitors);
  DrawChart(state, Shapes(), chart);
  state.chart.CurrentMemory = 8;
  for (auto _ : bench) gallery = UpdatePresetThumbnail(state, chart, gallery);
}

void BM_BuildImageGallery(benchmark::State& bench) {
  Folder folder;
  const State state = GalleryState(Width(bench), Height(bench), folder.Path());
  QImage photo(1600, 1200, QImage::Format_RGB32);
  photo.fill(Qt::darkCyan);
  for (int n = 1; n <= 36; n += 5)
    photo.save(QString::fromStdString(folder.Path() + "/lvimg" + std::to_string(n) + ".bmp"));
  for (auto _ : bench) benchmark::DoNotOptimize(BuildImageGallery(state, Shapes()).Width());
}

// Every slot full, each picture as large as import keeps it (the display's size).
void BM_BuildImageGalleryFullSlots(benchmark::State& bench) {
  Folder folder;
  const State state = GalleryState(Width(bench), Height(bench), folder.Path());
  QImage photo(Width(bench), Height(bench), QImage::Format_RGB32);
  for (int y = 0; y < photo.height(); ++y)
    for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, qRgb(x % 256, y % 256, (x + y) % 256));
  for (int n = 1; n <= 36; ++n)
    photo.save(QString::fromStdString(folder.Path() + "/lvimg" + std::to_string(n) + ".bmp"));
  for (auto _ : bench) benchmark::DoNotOptimize(BuildImageGallery(state, Shapes()).Width());
}

// Importing a 48-megapixel phone photo (8064 x 6048 JPEG) into a slot.
void BM_ImportLargePhoto(benchmark::State& bench) {
  Folder folder;
  State state = GalleryState(Width(bench), Height(bench), folder.Path());
  const std::string jpeg = folder.Path() + "/phone.jpg";
  {
    QImage photo(8064, 6048, QImage::Format_RGB32);
    for (int y = 0; y < photo.height(); ++y)
      for (int x = 0; x < photo.width(); ++x) photo.setPixel(x, y, qRgb(x % 256, y % 256, 90));
    photo.save(QString::fromStdString(jpeg), "JPG", 90);
  }
  int width = 0, height = 0;
  LargestDisplay(state, width, height);
  for (auto _ : bench)
    benchmark::DoNotOptimize(SaveAsBmp(jpeg, folder.Path() + "/lvimg1.bmp", width, height));
}

#define GALLERY_SIZES ->Args({1920, 1080})->Args({3840, 2160})->Unit(benchmark::kMillisecond)
BENCHMARK(BM_OpenGallery) GALLERY_SIZES->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildPresetGallery) GALLERY_SIZES->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_UpdatePresetThumbnail) GALLERY_SIZES->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildImageGallery) GALLERY_SIZES->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK(BM_BuildImageGalleryFullSlots) GALLERY_SIZES->Repetitions(3)->ReportAggregatesOnly(true);
BENCHMARK(BM_ImportLargePhoto)->Args({1920, 1080})->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace lenvari

// The cell numbers and banners are text, which needs the application's font database.
int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
