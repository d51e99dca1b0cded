// The quick-key table driven directly, without windows: which rows redraw, the contrast
// ladders, the memory keys, and the rows that talk to the examiner.

#include <gtest/gtest.h>

#include <filesystem>

#include "app/AboutBox.h"
#include "app/ProgramEnd.h"
#include "app/QuickKeys.h"
#include "app/SettingsDump.h"
#include "platform/KeyTranslation.h"
#include "store/BuiltInLetterSets.h"
#include "store/BuiltInPresets.h"
#include "store/DataFolder.h"
#include "store/ExportArchive.h"
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

TEST(QuickKeyDispatch, RowsRedrawAsTabledAndUnknownInputsChangeNothing) {
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

  for (const std::string& input :
       {"x", "s", "[", "]", "p", "^", "y", "d", "*", "w", "c", "e", "l", "+", "-", "t", " ",
        "/", "=", ".", "|", "@", "b", "!", "g", "h", "m", "$", "#", "r", "i", "\t", "j", "K",
        "%", "\r", "'", "\b"}) {
    EXPECT_TRUE(bench.Key(input).redraw) << input;
  }
  for (const std::string& input : {std::string("MouseEvent"), std::string("z"), std::string("u"),
                                   std::string("v"), Ctrl('C'), Ctrl('O') + "x"}) {
    EXPECT_FALSE(bench.Key(input).redraw) << input;
  }
  // "a" redraws only when it switches the dial on.
  bench.chart.Mode = "Letter";
  EXPECT_TRUE(bench.Key("a").redraw);
  EXPECT_EQ(bench.chart.Mode, "AstigmaticClockDial");
  EXPECT_FALSE(bench.Key("a").redraw);
  EXPECT_EQ(bench.chart.Mode, "AstigmaticClockDial");
}

TEST(QuickKeyDispatch, ContrastLaddersWalkAsTheAccessibleLevelAllows) {
  Bench bench;
  std::vector<int> seen;
  for (int i = 0; i < 4; ++i) {
    bench.Key("[");
    seen.push_back(bench.chart.Foreground);
  }
  for (int i = 0; i < 7; ++i) {
    bench.Key("]");
    seen.push_back(bench.chart.Foreground);
  }
  EXPECT_EQ(seen, (std::vector<int>{90, 95, 97, 97, 95, 90, 80, 70, 60, 50, 0}));

  bench.state.settings.AccessibleContrast[1] = 25;
  bench.Key("[");
  EXPECT_EQ(bench.chart.Foreground, 75);
  bench.Key("[");
  EXPECT_EQ(bench.chart.Foreground, 75);
  bench.Key("s");
  EXPECT_EQ(bench.chart.Foreground, 0);
  EXPECT_EQ(bench.chart.Background, 100);
  bench.Key(ExtendedKey(AltLetterCode('s')));
  EXPECT_EQ(bench.chart.Foreground, 75);
}

TEST(QuickKeyDispatch, MemoryKeysRecallStoreAndWrapAroundThe36Presets) {
  Bench bench;
  bench.Key("+");
  bench.Key("m");
  bench.Key(ExtendedKey(keycode::F1 + 2), 1);  // Ctrl+F3
  EXPECT_EQ(bench.chart.CurrentMemory, 3);
  const std::string stored = Fields(bench.chart, bench.state.letters);
  // The store saved the preset file: preset 3 starts at line 43 of its 756.
  const auto file = ReadWholeFile(ResolveDataFile(bench.state.DataPath, "1presets.cfg"));
  ASSERT_TRUE(file.has_value());
  size_t at = 0;
  for (int line = 1; line < 43; ++line) at = file->find("\r\n", at) + 2;
  EXPECT_EQ(file->substr(at, 4), " 7\r\n");

  bench.Key("%");
  EXPECT_EQ(bench.chart.CurrentMemory, 1);
  EXPECT_EQ(bench.chart.SizeNow, 6);
  EXPECT_EQ(bench.chart.Mask, 0);
  EXPECT_EQ(bench.chart.ShowMemoryNumber, 1);
  bench.Key(ExtendedKey(keycode::F1 + 2));
  EXPECT_EQ(Fields(bench.chart, bench.state.letters), stored);
  EXPECT_EQ(bench.chart.SizeNow, 7);
  EXPECT_EQ(bench.chart.Mask, 1);

  bench.Key(ExtendedKey(keycode::F12));
  EXPECT_EQ(bench.chart.CurrentMemory, 12);
  EXPECT_EQ(bench.chart.Foreground, 90);  // built-in preset 12
  bench.Key(std::string(1, static_cast<char>(205)));
  EXPECT_EQ(bench.chart.CurrentMemory, 5);
  EXPECT_EQ(bench.chart.LetterSet, 2);  // built-in preset 5

  bench.chart.CurrentMemory = 36;
  bench.Key("\r");
  EXPECT_EQ(bench.chart.CurrentMemory, 1);
  bench.Key("\b");
  EXPECT_EQ(bench.chart.CurrentMemory, 36);
  EXPECT_EQ(bench.chart.Mode, "StrongLight");
  bench.Key("'");
  EXPECT_EQ(bench.chart.CurrentMemory, 35);

  bench.chart.SizeNow = 4;
  bench.Key("ControlRemoteF12");
  EXPECT_EQ(bench.chart.CurrentMemory, 12);
  EXPECT_EQ(bench.state.presets.PresetTable[12][0], " 4");
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
  bench.chart.JustOneLetter = "K";
  bench.chart.SizeNow = 0;
  bench.state.letters.LetterSize[6][0] = 12.5f;
  DumpEnvironment environment;
  environment.runMinutes = 1.5;
  environment.desktop = {-800, -600, 4000, 1680};
  environment.displayMonitors = 3;
  environment.buildDate = "Jan  2 2026";
  environment.buildTime = "10:11:12";
  EXPECT_EQ(SettingsDumpFirstPage(bench.state, environment),
            "Compiled on: Jan  2 2026\n"
            "Complie time: 10:11:12\n"
            "\n"
            " Current Settings\n"
            " Testing Distance : 20 feet\n"
            " Current Memory # :  1\n"
            " SizeNow&         :  0\n"
            " Mode$            : Letter\n"
            " LetterSet&       :  1\n"
            " Grad&            :  1\n"
            " RG&              :  0\n"
            " HShutter         :  999\n"
            " VShutter&        :  999\n"
            " Mask&            :  0\n"
            " JustOneLetter$   : K\n"
            " LetterSize!      :  12.5\n"
            " Foreground&      :  0\n"
            " Background&      :  63\n"
            " WorthDot Size    :  40\n"
            " WorthDot Mode    :  4\n"
            " Smoothing Flag   :  1\n");
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
