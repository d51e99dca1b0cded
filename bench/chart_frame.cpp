// Time to draw one chart frame: the built-in preset 1 letter chart at two screen sizes with and
// without smoothing, each special target, and a gallery thumbnail.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>

#include <memory>

#include "app/examiner/ControlWindow.h"
#include "platform/qtgui/Canvas.h"
#include "platform/qt/CanvasWindow.h"
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
  MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
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
  state.chart.Mode = ChartModeOf(mode);
  RunFrames(bench, state, 1920, 1080);
}
BENCHMARK_CAPTURE(TargetFrame, JacksonCross, "JacksonCross")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, WorthDot, "WorthDot")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, Disparity, "Disparity")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, StrongLight, "StrongLight")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame, ClockDial, "AstigmaticClockDial")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The special targets on a 4K patient monitor, each drawn again as a key redraws it.
void TargetFrame4K(benchmark::State& bench, const char* mode) {
  State state = PresetOneState(3840, 2160, 1);
  state.chart.Mode = ChartModeOf(mode);
  RunFrames(bench, state, 3840, 2160);
}
BENCHMARK_CAPTURE(TargetFrame4K, JacksonCross, "JacksonCross")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame4K, WorthDot, "WorthDot")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame4K, Disparity, "Disparity")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame4K, StrongLight, "StrongLight")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);
BENCHMARK_CAPTURE(TargetFrame4K, ClockDial, "AstigmaticClockDial")->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// The dial as "a" shows it after a letter chart at 4K: the dial drawn over the letters' place
// (from its kept copy after the first time), the letter chart drawn untimed in between.
void BM_ClockDialAfterLetters4K(benchmark::State& bench) {
  State state = PresetOneState(3840, 2160, 1);
  Canvas canvas(3840, 2160);
  SetChartScale(canvas, state.monitors);
  for (auto _ : bench) {
    bench.PauseTiming();
    state.chart.Mode = ChartMode::Letter;
    DrawChart(state, Shapes(), canvas);
    canvas.TakeChangedRects();
    bench.ResumeTiming();
    state.chart.Mode = ChartMode::AstigmaticClockDial;
    DrawChart(state, Shapes(), canvas);
    benchmark::DoNotOptimize(canvas.Image().constBits());
  }
}
BENCHMARK(BM_ClockDialAfterLetters4K)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// What the running program pays per key at 4K: the chart changes size (a new set of rows),
// is drawn, presented to its window and flushed to the window system.
void BM_LetterFramePresented(benchmark::State& bench) {
  State state = PresetOneState(3840, 2160, 1);
  Canvas canvas(3840, 2160);
  SetChartScale(canvas, state.monitors);
  CanvasWindow window("", 0, 0, 3840, 2160, true);
  window.Show();
  const int size = state.chart.SizeNow;
  for (auto _ : bench) {
    state.chart.SizeNow = state.chart.SizeNow == size ? size + 1 : size;
    DrawChart(state, Shapes(), canvas);
    window.Present(canvas);
    QCoreApplication::processEvents();
  }
}
BENCHMARK(BM_LetterFramePresented)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

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

// The control window's live status after every key, with its stroke readout and best acuity,
// at 4K where the strokes are widest.
void BM_LiveStatus(benchmark::State& bench) {
  State state = PresetOneState(3840, 2160, 1);
  Canvas canvas(3840, 2160);
  SetChartScale(canvas, state.monitors);
  DrawChart(state, Shapes(), canvas);
  for (auto _ : bench) benchmark::DoNotOptimize(LiveStatusText(state, ""));
}
BENCHMARK(BM_LiveStatus)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

}  // namespace
}  // namespace lenvari

int main(int argc, char** argv) {
  // The presented-frame benchmark needs a window system; the offscreen one serves.
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
