// Qt's real X11 platform on an X server without a screen (Xvfb): the chart window covers the
// monitor exactly, and the monitor window appears at its stored place with its stored client
// size.

#include <gtest/gtest.h>

#include <QJsonArray>

#include "support/DataFolderText.h"
#include "support/ProgramRun.h"
#include "support/XServer.h"
#include "support/Tie.h"

namespace lenvari {

TEST(MonitorWindowX11, ChartCoversTheMonitorAndTheMonitorWindowTakesItsStoredPlaceAndSize) {
  XServer x({"1280x1024"});
  if (!x.problem().isEmpty()) GTEST_SKIP() << x.problem().toStdString();

  // First start: the calibration, so the folder holds a monitor data file of this screen.
  ProgramRunRequest request = ScriptRequest("{Enter}{Wait:0.5}", FreshFolder("data"), "OK;OK;OK");
  request.screens = "", request.calibratedScale = 0, request.x11Display = x.display().toStdString();
  ProgramRunResult run = RunWell(request);
  ASSERT_GE(run.FrameCount(), 2);
  EXPECT_EQ(run.LastState()["ChartWindowGeometry"].toArray(), (QJsonArray{0, 0, 1280, 1024}));
  EXPECT_EQ(run.Frame(run.FrameCount()).size(), QSize(1280, 1024));

  // A strong light keeps the window at its stored size (no rows to grow for).
  SetSetting(request.dataDir, "MonitorWindowX&:", " 137 ");
  SetSetting(request.dataDir, "MonitorWindowY&:", " 211 ");
  SetSetting(request.dataDir, "ThumbnailFlag&:", " 1 ");
  request.hasAnswers = false, request.keys = "*k{Wait:1.5}*{Wait:1.5}";
  run = RunProgram(request);
  ASSERT_EQ(run.exitCode, 0) << run.errors;
  ASSERT_GE(run.MonitorCount(), 2);
  const QJsonObject state = run.MonitorState(run.MonitorCount());
  const QJsonArray stored = state["StoredSize"].toArray();
  EXPECT_EQ(Tie(state["Position"].toArray(), state["StoredPosition"].toArray(), state["ClientSize"].toArray(),
                stored[1].toInt(), run.MonitorImage(run.MonitorCount()).size()),
            Tie((QJsonArray{137, 211}), (QJsonArray{137, 211}), stored, 2 * (1024 * stored[0].toInt() / 1280),
                QSize(stored[0].toInt(), stored[1].toInt())));
}

}  // namespace lenvari
