// Time of one monitor-window update with the thumbnail on, after a 3840 x 2160 frame: the rows,
// the shrunk copy of the frame already drawn, and handing the picture to the window. The chart
// itself is not redrawn for it.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QDir>

#include <memory>

#include "app/loop/ChartDisplay.h"
#include "app/commands/MonitorWindowCommand.h"
#include "platform/qt/QtConsoleHost.h"
#include "render/DrawChart.h"
#include "store/BuiltInLetterSets.h"
#include "store/BuiltInPresets.h"
#include "store/MemoryPresets.h"
#include "store/SettingsFiles.h"

namespace lenvari {
namespace {

void BM_MonitorWindowUpdate(benchmark::State& bench) {
  QtConsoleHost console;
  ProgramContext context(console);
  State& state = context.state;
  state.DataPath = (QDir::tempPath() + "/lenvari-bench-monitor").toStdString();
  QDir().mkpath(QString::fromStdString(state.DataPath));
  Monitors& monitors = state.monitors;
  monitors.NumberOfMonitors = 1;
  monitors.CurrentMonitor = 1;
  monitors.MonitorRect[1] = {0, 0, 0, 3840, 2160};
  monitors.ScreenWidth[1] = 3840;
  monitors.ScreenHeight[1] = 2160;
  monitors.MasterScaleX[1] = monitors.MasterScaleY[1] = 686;
  ApplyDefaultSettings(state.settings, monitors, 1);
  state.settings.ThumbnailFlag = 1;
  state.settings.MonitorWindowFlag = 1;
  for (int f = 0; f <= kLetterSetFiles; ++f) FillBuiltInLetterSet(state.letters, f);
  FillBuiltInPresets(state.presets);
  state.chart.CurrentMemory = 1;
  MemoryPreset(state, PresetAction::Recall, state.chart.CurrentMemory);
  context.shapes = LoadOptotypeShapes();
  OpenChartWindow(context);
  OpenMonitorWindow(context);
  DrawChart(state, context.shapes, *context.chartCanvas);
  UpdateMonitorWindow(context);  // the first one settles the size
  for (auto _ : bench) {
    UpdateMonitorWindow(context);
    benchmark::DoNotOptimize(context.monitorCanvas->Image().constBits());
  }
  CloseMonitorWindow(context);
}
BENCHMARK(BM_MonitorWindowUpdate)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

}  // namespace
}  // namespace lenvari

int main(int argc, char** argv) {
  QApplication application(argc, argv);  // windows and fonts need it; bench.sh picks offscreen
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
