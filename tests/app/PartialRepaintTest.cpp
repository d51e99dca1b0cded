// A chart that clears and presents only what changed must look exactly like one drawn whole:
// a long run of keys across every mode, direct and in a mirrored room, compared pixel for
// pixel with a fresh full drawing of the same state, both on the canvas and in the window.

#include <gtest/gtest.h>

#include <QPixmap>
#include <QScreen>
#include <QGuiApplication>
#include <QImage>
#include <QTest>

#include "app/loop/ChartDisplay.h"
#include "app/commands/QuickKeys.h"
#include "render/ChartTestFixtures.h"
#include "support/FakeConsoleHost.h"
#include "support/Pixels.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

constexpr int kWidth = 640;
constexpr int kHeight = 360;

QImage FullDrawing(const ProgramContext& context) {
  State copy = context.state;
  Canvas fresh(kWidth, kHeight);
  SetChartScale(fresh, copy.monitors);
  // The same random draws as the chart's own drawing.
  DrawChart(copy, context.shapes, fresh);
  return fresh.Image().copy();
}

QImage WindowContent() {
  QTest::qWait(10);
  return QGuiApplication::primaryScreen()->grabWindow(0, 0, 0, kWidth, kHeight).toImage()
      .convertToFormat(QImage::Format_RGB32);
}

TEST(PartialRepaint, EveryKeyOfALongRunLooksLikeAFullRedraw) {
  FakeConsoleHost console;
  ProgramContext context{console};
  context.state = testing::MakeChartState(kWidth, kHeight, 250), context.state.Version = "Lenvari 4.13";
  context.state.DataPath = context.state.MasterDataPath = FreshFolder("partial-repaint");
  context.state.monitors.MonitorRect[1] = {0, 0, 0, kWidth, kHeight};
  context.chartWindow = std::make_unique<CanvasWindow>("", 0, 0, kWidth, kHeight, true);
  context.chartCanvas = std::make_unique<Canvas>(kWidth, kHeight);
  ApplyChartScale(context.state.monitors, *context.chartCanvas);
  context.chartWindow->Show();
  DrawChartFrame(context);

  // Letters, sizes, single letters, shutters, tumbling E, Landolt C, pictures, every special
  // target (the dial twice, to show its kept copy), red/green, mask, gradient, contrast.
  const std::string keys = "g+-+-j^l^^^^eecp+-+hlxd*waa+-abmgbK+-gsssddg+-r";
  int step = 0;
  for (int room = 0; room < 2; ++room) {
    context.state.settings.Mirror[1] = room == 0 ? 1 : -1;
    for (char key : keys) {
      const DispatchResult result = DispatchQuickKey(context, std::string(1, key));
      if (result.redraw) DrawChartFrame(context);
      ++step;
      // Drawn from a copy of the state, with the same random draws still to come.
      const QImage expected = FullDrawing(context);
      DrawChartFrame(context);
      ASSERT_EQ(DifferingPixels(context.chartCanvas->Image(), expected), 0)
          << "canvas after key " << step << " '" << key << "' mode "
          << ModeWordOf(context.state.chart);
      ASSERT_EQ(DifferingPixels(WindowContent(), expected), 0)
          << "window after key " << step << " '" << key << "' mode "
          << ModeWordOf(context.state.chart);
    }
  }
}

}  // namespace
}  // namespace lenvari
