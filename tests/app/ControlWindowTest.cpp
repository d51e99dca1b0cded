// The examiner's control window: where it goes on the monitors present, and the live status it
// shows of the chart while the examiner works.

#include <gtest/gtest.h>

#include "app/loop/ChartDisplay.h"
#include "app/examiner/ControlWindow.h"
#include "app/loop/InputLoop.h"
#include "app/loop/ProgramEnd.h"
#include "platform/KeyScript.h"
#include "platform/qt/QtConsoleHost.h"
#include "render/ChartTestFixtures.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// The patient's 1920 x 1080 monitor at 0,0 and the examiner's 1280 x 1024 to its right.
Monitors TwoMonitors(int patient) {
  Monitors m;
  m.NumberOfMonitors = 2, m.CurrentMonitor = patient, m.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  m.MonitorRect[2] = {0, 1920, 0, 3200, 1024};
  return m;
}

}  // namespace

TEST(ControlWindowPlace, GoesOnAMonitorThatIsNotThePatientsAndKeepsTheExaminersPlace) {
  // No place yet: centred on the examiner's monitor, whichever of the two is the patient's.
  const WindowPlace first = ChooseControlWindowPlace(TwoMonitors(1), std::nullopt);
  EXPECT_EQ(Tie(first.width, first.height), Tie(kDefaultControlWidth, kDefaultControlHeight));
  const int roomWidth = 1280 - 2 * kFrameBorderAllowance;
  const int roomHeight = 1024 - kFrameTitleAllowance - kFrameBorderAllowance;
  EXPECT_EQ(first.left, 1920 + kFrameBorderAllowance + (roomWidth - kDefaultControlWidth) / 2);
  EXPECT_EQ(first.top, kFrameTitleAllowance + (roomHeight - kDefaultControlHeight) / 2);
  EXPECT_LT(ChooseControlWindowPlace(TwoMonitors(2), std::nullopt).left + kDefaultControlWidth, 1920);

  // Where the examiner put it, wholly on their monitor: kept exactly.
  const WindowPlace put{2000, 700, 900, 200};
  EXPECT_EQ(ChooseControlWindowPlace(TwoMonitors(1), put), put);
  // Sticking out past the bottom right: pulled back onto the monitor, size kept.
  const WindowPlace out = ChooseControlWindowPlace(TwoMonitors(1), WindowPlace{2800, 900, 700, 300});
  EXPECT_EQ(Tie(out.left + 700 + kFrameBorderAllowance, out.top + 300 + kFrameBorderAllowance, out.width),
            Tie(3200, 1024, 700));
  // Left on what is now the patient's monitor (after a change of patient monitor): it moves to
  // the other one, keeping its size.
  const WindowPlace moved = ChooseControlWindowPlace(TwoMonitors(2), put);
  EXPECT_LT(moved.left + moved.width, 1920);
  EXPECT_EQ(moved.width, 900);
  // Larger than the examiner's monitor: made to fit.
  const WindowPlace huge = ChooseControlWindowPlace(TwoMonitors(1), WindowPlace{1920, 0, 3000, 2000});
  EXPECT_EQ(Tie(huge.left, huge.top, huge.width, huge.height),
            Tie(1920 + kFrameBorderAllowance, kFrameTitleAllowance, roomWidth, roomHeight));
  // A place at the end of the integer range (a window system's report): onto the examiner's
  // monitor, without overflowing on the way.
  const WindowPlace far = ChooseControlWindowPlace(TwoMonitors(1), WindowPlace{2147483000, 0, 2000, 600});
  EXPECT_EQ(Tie(far.left, far.width), Tie(1920 + kFrameBorderAllowance, roomWidth));

  // One monitor: the window shares it with the chart, which stays above it.
  Monitors one = TwoMonitors(1);
  one.NumberOfMonitors = 1;
  const WindowPlace shared = ChooseControlWindowPlace(one, WindowPlace{100, 900, 760, 260});
  EXPECT_EQ(Tie(shared.left, shared.top), Tie(100, 1080 - kFrameBorderAllowance - 260));

  // The monitors present decide: the patient's switched off leaves every monitor there to the
  // examiner; the examiner's switched off leaves the patient's (one-monitor rules).
  const MonitorBox patient{0, 0, 1920, 1080}, examiner{1920, 0, 3200, 1024};
  EXPECT_EQ(Tie(ExaminerMonitors({examiner}, std::nullopt), ExaminerMonitors({patient}, patient),
                ExaminerMonitors({patient, examiner}, examiner)),
            Tie(std::vector<MonitorBox>{examiner}, std::vector<MonitorBox>{patient},
                std::vector<MonitorBox>{patient}));
  // A place on a monitor that went is brought onto one that is there.
  const WindowPlace orphan =
      PlaceOnMonitors(ExaminerMonitors({patient}, patient), WindowPlace{2000, 100, 300, 200}, 1, 1);
  EXPECT_EQ(orphan.width, 300);
  EXPECT_LE(orphan.left + 300, 1920);
  // The monitor window and the remote keep a place at the monitor's very edge; on the patient
  // monitor they go onto the examiner's.
  const WindowPlace edge{0, 40, 200, 200};
  EXPECT_EQ(KeepOnMonitors(ExaminerMonitors({patient}, patient), edge), edge);
  EXPECT_GE(KeepOnMonitors(ExaminerMonitors({patient, examiner}, patient), edge).left, 1920);
}

TEST(ControlWindowStatus, ShowsWhatThePatientSeesAndTheDigitsBeingTyped) {
  QtConsoleHost host;
  ProgramContext context(host);
  context.state = testing::MakeChartState(1920, 1080, 400), context.state.DataPath = FreshFolder("data");
  context.state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
  OpenChartWindow(context);

  // Whether the status shows `part`, printing it when not.
  const auto shows = [&](const std::string& part) {
    return ::testing::AssertionResult(host.StatusText().find(part) != std::string::npos)
           << host.StatusText();
  };
  RunOnePass(context, "[");
  // Grey 229 on white, named 10 %, is a Weber contrast of 21.6 % on an sRGB screen; the top
  // row's stroke error in light and the smallest size drawn within 5 %.
  for (const char* part :
       {"Letter  20/", "contrast 10 % (Weber 21.6 %)", " % off", "  best 20/", "preset 1"})
    EXPECT_TRUE(shows(part));
  EXPECT_FALSE(shows("typed"));
  // Whether the calibration was made on the monitor now in use.
  ScreenRecords& screens = context.state.screens;
  screens.Calibrated[1].known = screens.Present[1].known = true, screens.Calibrated[1].model = "U2419H";
  screens.Present[1].model = "U2419H";
  RunOnePass(context, "]");
  EXPECT_TRUE(shows("calibration: made on this monitor"));
  screens.Present[1].model = "U2720Q";
  RunOnePass(context, "]");
  EXPECT_TRUE(shows("NOT FOR THIS MONITOR - The patient monitor has changed"));
  EXPECT_TRUE(shows("contrast 30 %"));
  EXPECT_FALSE(shows("gamma"));  // the sRGB curve
  // A gamma matched by eye is named, and the Weber contrast is the one under it.
  context.state.display.DisplayGamma = 2.35, context.gammaMatch.matchedByEye = true;
  RunOnePass(context, "[");
  EXPECT_TRUE(shows("contrast 20 % (Weber 40.8 %)"));
  EXPECT_TRUE(shows("  gamma 2.35 by eye"));

  // "3" starts a typed size; "5" follows; the run's script ends before Enter.
  std::string error;
  const auto steps = ParseKeyScript("5", error);
  ASSERT_TRUE(steps) << error;
  context.script.active = true;
  context.script.steps.assign(steps->begin(), steps->end());
  EXPECT_THROW(RunOnePass(context, "3"), ProgramEnd);
  EXPECT_TRUE(shows("typed: 35"));
  // Nothing of it reached the patient's chart.
  EXPECT_EQ(context.state.chart.SizeNow, testing::MakeChartState(1920, 1080, 400).chart.SizeNow);
}

}  // namespace lenvari
