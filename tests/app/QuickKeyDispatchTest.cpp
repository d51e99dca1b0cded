// The quick-key table driven directly, without windows: inputs that match no row, and the rows
// that talk to the examiner.

#include <gtest/gtest.h>

#include "app/AboutBox.h"
#include "app/ProgramEnd.h"
#include "app/QuickKeys.h"
#include "app/SettingsDump.h"
#include "platform/KeyTranslation.h"
#include "store/BuiltInLetterSets.h"
#include "store/BuiltInPresets.h"
#include "store/DataFolder.h"
#include "store/MemoryPresets.h"
#include "store/SettingsFiles.h"
#include "support/FakeConsoleHost.h"
#include "support/ProgramRun.h"

namespace lenvari {
namespace {

std::string Ctrl(char letter) { return std::string(1, static_cast<char>(letter - 'A' + 1)); }

// A program context as start-up leaves it on a first start with one calibrated monitor, but
// without windows: every row runs, nothing is drawn.
struct Bench {
  FakeConsoleHost console;
  ProgramContext context{console};
  State& state = context.state;
  ChartState& chart = context.state.chart;

  Bench() {
    state.Version = "Lenvari 4.13";
    state.DataPath = FreshFolder("data");
    state.MasterDataPath = state.DataPath;
    Monitors& monitors = state.monitors;
    monitors.NumberOfMonitors = 1;
    monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
    monitors.ScreenWidth[1] = 1920;
    monitors.ScreenHeight[1] = 1080;
    monitors.MasterScaleX[1] = 400;
    monitors.MasterScaleY[1] = 400;
    monitors.ChartWidth = 4800;
    monitors.ChartHeight = 2700;
    ApplyDefaultSettings(state.settings, monitors, 1);
    for (int f = 0; f <= kLetterSetFiles; ++f) FillBuiltInLetterSet(state.letters, f);
    FillBuiltInPresets(state.presets);
    chart.CurrentMemory = 1;
    chart.ImageNum = 1;
    MemoryPreset(state, "read", chart.CurrentMemory);
  }

  DispatchResult Key(const std::string& input, int ctrlDown = 0, int altDown = 0) {
    context.CtrlDown = ctrlDown;
    context.AltDown = altDown;
    return DispatchQuickKey(context, input);
  }
};

std::string Fields(const ChartState& c, const LetterSets& letters) {
  return std::to_string(c.SizeNow) + c.Mode + std::to_string(c.LetterSet) +
         std::to_string(c.Grad) + std::to_string(c.RG) + std::to_string(c.HShutter) +
         std::to_string(c.VShutter) + std::to_string(c.Mask) + c.JustOneLetter +
         std::to_string(letters.LetterSize[c.LetterSetFileNum][0]) +
         std::to_string(c.Foreground) + std::to_string(c.Background) +
         std::to_string(c.LetterSetFileNum) + std::to_string(c.DispFlag) +
         std::to_string(c.ImageNum) + std::to_string(c.CurrentMemory) +
         std::to_string(c.PointerMode) + std::to_string(c.RandomFlag);
}

TEST(QuickKeyDispatch, UnknownInputsChangeNothing) {
  Bench bench;
  const std::string before = Fields(bench.chart, bench.state.letters);
  for (const std::string& input :
       {std::string("o"), std::string("n"), Ctrl('B'), std::string("AB"),
        std::string("ControlRemoteF13"), ExtendedKey(AltLetterCode('q')), std::string("~"),
        std::string(1, static_cast<char>(200))}) {
    const DispatchResult result = bench.Key(input);
    EXPECT_FALSE(result.redraw) << input;
    EXPECT_FALSE(result.endPass) << input;
  }
  EXPECT_EQ(Fields(bench.chart, bench.state.letters), before);
  EXPECT_TRUE(bench.console.messages.empty());

}

TEST(QuickKeyDispatch, QuickKeyListEndsThePassAndParksTheConsole) {
  Bench bench;
  bench.chart.DispFlag = 1;
  const DispatchResult result = bench.Key("q");
  EXPECT_TRUE(result.endPass);
  EXPECT_FALSE(result.redraw);
  EXPECT_EQ(bench.chart.DispFlag, 0);
  EXPECT_EQ(bench.console.topMost, 0);
  EXPECT_EQ(bench.console.movedX, 0);
  EXPECT_EQ(bench.console.movedY, 1081);
}

TEST(QuickKeyDispatch, MonitorChangeMirrorAndExportTalkToTheExaminer) {
  Bench bench;
  bench.Key(Ctrl('A'));
  ASSERT_EQ(bench.console.messages.size(), 1u);
  EXPECT_EQ(bench.console.messages[0].title, "Lenvari Acuity");
  EXPECT_EQ(bench.console.messages[0].message,
            "Only one monitor detected.  Unable to change to alternate monitor.");
  EXPECT_EQ(bench.state.monitors.CurrentMonitor, 1);

  EXPECT_TRUE(bench.Key(Ctrl('R')).redraw);
  EXPECT_EQ(bench.state.settings.Mirror[1], -1);
  const auto settings = ReadWholeFile(ResolveDataFile(bench.state.DataPath, "1lvconfig.cfg"));
  ASSERT_TRUE(settings.has_value());
  EXPECT_NE(settings->find("Mirror&:\r\n-1 \r\n"), std::string::npos);

  bench.console.messageAnswers = {kIdCancel};
  EXPECT_FALSE(bench.Key(Ctrl('Z')).redraw);
  ASSERT_EQ(bench.console.messages.size(), 2u);
  EXPECT_EQ(bench.console.messages[1].title, "Lenvari Export to ZIP File");
  EXPECT_EQ(bench.console.messages[1].message,
            "Please select the directory to save the Lenvari Archive.  The file will be named "
            "'Lenvari Archive.zip' and can be copied back to the Program Data directory to "
            "migrate your system's configuration to another computer");
  EXPECT_EQ(bench.console.messages[1].style & 0x0F, kMbOkCancel);
}

TEST(QuickKeyDispatch, CtrlQAsksBeforeEndingAndNoCarriesOn) {
  Bench bench;
  bench.console.messageAnswers = {kIdNo};
  const DispatchResult result = bench.Key(Ctrl('Q'));
  EXPECT_FALSE(result.redraw);
  ASSERT_EQ(bench.console.messages.size(), 1u);
  EXPECT_EQ(bench.console.messages[0].title, "Quit Lenvari Now?");
  EXPECT_EQ(bench.console.messages[0].message, "Do you want to exit?");
  EXPECT_THROW(bench.Key(Ctrl('Q')), ProgramEnd);  // the box's default is Yes
}

TEST(AboutBox, ShowsNameAndVersionUnlessASpaceCameFirst) {
  Bench bench;
  bench.context.script.active = true;  // no waiting
  bench.console.keys = " ";
  ShowAboutBox(bench.context);
  EXPECT_EQ(bench.console.printed, "");
  ShowAboutBox(bench.context);
  EXPECT_EQ(bench.console.printed,
            "\\tLenvari Acuity -  Vision Testing Software  \\n\\n\\tVersion Lenvari 4.13\\n\\n");
}

TEST(SettingsDump, PagesListTheStateUnderTheirLabels) {
  Bench bench;
  bench.state.monitors.NumberOfMonitors = 3;
  bench.state.monitors.MonitorRect[2] = {0, 1920, 0, 3200, 1024};
  bench.state.monitors.MonitorRect[3] = {0, -800, -600, 0, 0};
  DumpEnvironment environment;
  environment.runMinutes = 1.5;
  environment.desktop = {-800, -600, 4000, 1680};
  environment.displayMonitors = 3;
  environment.buildDate = "Jan  2 2026";
  environment.buildTime = "10:11:12";
  const std::string second = SettingsDumpSecondPage(bench.state, environment);
  const std::string expectedStart =
      " LetterSetFileNum&:  6\n"
      " LetterSetName$   : ETDRS Standard\n"
      " MaxVShutter&     :  4\n"
      " DispFlag&        :  0\n"
      " Master Scale X   :  400\n"
      " Master Scale Y   :  400\n"
      " Current Run Time :  1.5 minutes\n"
      " Data Path        : " + bench.state.DataPath + "\n"
      " Master Data Path : " + bench.state.DataPath + "\n"
      " Acuity Base      :  20\n"
      " Accessible Contst:  10\n"
      " Foreground       :  0\n"
      // Each value after the first starts in the next 14-column zone.
      " Virtual Desktop  : -800    -600           4000          1680          3\n"
      " Number of Monitors: 3\n";
  EXPECT_EQ(second.substr(0, expectedStart.size()), expectedStart);
  const std::string expectedEnd =
      " ShowVirtualRemote&   :  0\n"
      " 1    0,  0,  1920,  1080\n"
      " 2    1920,  0,  3200,  1024\n"
      " 3   -800, -600,  0,  0\n";
  ASSERT_GE(second.size(), expectedEnd.size());
  EXPECT_EQ(second.substr(second.size() - expectedEnd.size()), expectedEnd);
}

}  // namespace
}  // namespace lenvari
