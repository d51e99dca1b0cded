// Time to draw one chart frame: the built-in preset 1 letter chart at two screen sizes with and
// without smoothing, each special target, and a gallery thumbnail.

#include <benchmark/benchmark.h>

#include <QImage>

#include <memory>

#include "platform/Canvas.h"
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

// First-start settings on one monitor of the given size, showing built-in preset 1
// (ETDRS Standard, 20/40 and the gradient rows below it, all rows and columns).
State PresetOneState(int width, int height, int smoothing) {
  State state;
  state.monitors.NumberOfMonitors = 1;
  state.monitors.CurrentMonitor = 1;
  ApplyDefaultSettings(state.settings, state.monitors, 1);
  state.monitors.CurrentMonitor = 1;
  state.monitors.ScreenWidth[1] = width;
  state.monitors.ScreenHeight[1] = height;
  state.monitors.MasterScaleX[1] = 343;
  state.monitors.MasterScaleY[1] = 343;
  SetChartExtent(state.monitors);
  state.settings.SmoothingFlag = smoothing;
  for (int f = 0; f <= kLetterSetFiles; ++f) FillBuiltInLetterSet(state.letters, f);
  FillBuiltInPresets(state.presets);
  state.chart.CurrentMemory = 1;
  MemoryPreset(state, "read", state.chart.CurrentMemory);
  return state;
}

void RunFrames(benchmark::State& bench, State& state, int width, int height) {
  Canvas canvas(width, height);
  SetChartScale(canvas, state.monitors);
  for (auto _ : bench) {
    DrawChart(state, Shapes(), canvas);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}

void BM_LetterFrame(benchmark::State& bench) {
  const int width = static_cast<int>(bench.range(0));
  const int height = static_cast<int>(bench.range(1));
  State state = PresetOneState(width, height, static_cast<int>(bench.range(2)));
  RunFrames(bench, state, width, height);
}
BENCHMARK(BM_LetterFrame)
    ->ArgNames({"w", "h", "smoothing"})
    ->Args({1920, 1080, 1})
    ->Args({1920, 1080, 0})
    ->Args({3840, 2160, 1})
    ->Args({3840, 2160, 0})
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

void TargetFrame(benchmark::State& bench, const char* mode) {
  State state = PresetOneState(1920, 1080, 1);
  state.chart.Mode = mode;
  RunFrames(bench, state, 1920, 1080);
}
BENCHMARK_CAPTURE(TargetFrame, JacksonCross, "JacksonCross")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, WorthDot, "WorthDot")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, Disparity, "Disparity")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, StrongLight, "StrongLight")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, ClockDial, "AstigmaticClockDial")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// A gallery cell: the reduced frame of a preset on a small canvas with the chart's unit window.
void BM_Thumbnail(benchmark::State& bench) {
  State state = PresetOneState(1920, 1080, 1);
  Canvas canvas(240, 135);
  SetChartScale(canvas, state.monitors);
  canvas.SetAntialias(true);
  for (auto _ : bench) {
    DrawChartForThumbnail(state, Shapes(), canvas);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_Thumbnail)->Unit(benchmark::kMicrosecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace lenvari

BENCHMARK_MAIN();
