// The quick-key table driven directly, without windows: inputs that match no row, the rows
// that talk to the examiner, and the edges a key script does not reach (custom sizes between
// and beyond the table, typed sizes that round, memory-key numbers, wrap-arounds, the
// configuration corner).

#include <gtest/gtest.h>

#include <QApplication>
#include <QByteArray>
#include <QTimer>
#include <QWidget>

#include <tuple>
#include <vector>

#include "app/examiner/AboutBox.h"
#include "app/commands/ChartModeKeys.h"
#include "app/commands/MemoryKeys.h"
#include "app/commands/ProgramCommands.h"
#include "app/loop/ProgramEnd.h"
#include "app/commands/QuickKeys.h"
#include "app/commands/SettingsDump.h"
#include "app/commands/ShutterKeys.h"
#include "app/commands/SizeStepping.h"
#include "app/commands/SnellenEntry.h"
#include "platform/KeyTranslation.h"
#include "render/ChartTestFixtures.h"
#include "store/BuiltInPresets.h"
#include "store/DataFolder.h"
#include "store/MemoryPresets.h"
#include "support/FakeConsoleHost.h"
#include "support/ProgramRun.h"
#include "support/Tie.h"

namespace lenvari {
namespace {

// A program context as start-up leaves it on a first start with one monitor calibrated at 400,
// but without windows: every row runs, nothing is drawn.
struct Bench {
  FakeConsoleHost console;
  ProgramContext context{console};
  State& state = context.state;
  ChartState& chart = context.state.chart;

  Bench() {
    state = testing::MakeChartState(1920, 1080, 400);
    state.Version = "Lenvari 4.13", state.DataPath = state.MasterDataPath = FreshFolder("data");
    state.monitors.MonitorRect[1] = {0, 0, 0, 1920, 1080};
    FillBuiltInPresets(state.presets);
    MemoryPreset(state, PresetAction::Recall, chart.CurrentMemory);
  }

  DispatchResult Key(const std::string& input, int ctrlDown = 0, int altDown = 0) {
    context.inputWait.CtrlDown = ctrlDown, context.inputWait.AltDown = altDown;
    return DispatchQuickKey(context, input);
  }
};

auto Fields(const ChartState& c, const LetterSets& letters) {
  return std::tuple(c.SizeNow, ModeWordOf(c), c.LetterSet, c.Grad, c.RG, c.HShutter, c.VShutter,
                    c.Mask, c.JustOneLetter, letters.LetterSize[c.LetterSetFileNum][0],
                    c.Foreground, c.Background, c.LetterSetFileNum, c.DispFlag, c.ImageNum,
                    c.CurrentMemory, c.PointerMode, c.RandomFlag);
}

TEST(QuickKeyDispatch, UnknownInputsChangeNothing) {
  Bench bench;
  const auto before = Fields(bench.chart, bench.state.letters);
  for (const std::string& input :
       {std::string("o"), std::string("n"), CtrlKey('B'), std::string("AB"),
        std::string("ControlRemoteF13"), ExtendedKey(AltLetterCode('q')), std::string("~"),
        std::string(1, static_cast<char>(200))}) {
    const DispatchResult result = bench.Key(input);
    EXPECT_FALSE(result.redraw || result.endPass) << input;
  }
  EXPECT_EQ(Fields(bench.chart, bench.state.letters), before);
  EXPECT_TRUE(bench.console.messages.empty());
}

TEST(QuickKeyDispatch, RowsThatTalkToTheExaminer) {
  Bench bench;
  // "q" shows the quick-key list, ends the pass and leaves the control window where the
  // examiner put it.
  bench.chart.DispFlag = 1;
  std::string shown;
  QTimer::singleShot(0, [&] {
    if (QWidget* dialog = QApplication::activeModalWidget()) {
      shown = dialog->windowTitle().toStdString();
      dialog->close();
    }
  });
  const DispatchResult list = bench.Key("q");
  EXPECT_EQ(Tie(shown, list.endPass, list.redraw, bench.chart.DispFlag, bench.console.placements),
            Tie("Lenvari Acuity Quick Keys", true, false, 0, 0));

  // Ctrl+A on one monitor and Ctrl+Z cancelled: their boxes, word for word, are the message
  // table's run.
  bench.Key(CtrlKey('A'));
  EXPECT_EQ(bench.state.monitors.CurrentMonitor, 1);

  // Ctrl+R's mirrored frame is the quick-key run's; it is saved at once.
  bench.Key(CtrlKey('R'));
  const auto settings = ReadWholeFile(ResolveDataFile(bench.state.DataPath, "1lvconfig.cfg"));
  ASSERT_TRUE(settings.has_value());
  EXPECT_NE(settings->find("Mirror&:\r\n-1 \r\n"), std::string::npos);

  // Ctrl+Q asks; the box's default is No, which carries on, and Yes ends the program.
  EXPECT_FALSE(bench.Key(CtrlKey('Q')).redraw);
  ASSERT_EQ(bench.console.messages.size(), 2u);
  EXPECT_EQ(bench.console.messages[1].title, "Quit Lenvari Now?");
  EXPECT_NE(bench.console.messages[1].style & kMbDefButton2, 0);
  bench.console.messageAnswers = {kIdYes};
  EXPECT_THROW(bench.Key(CtrlKey('Q')), ProgramEnd);
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
  bench.state.monitors.NumberOfMonitors = 3, bench.state.monitors.MonitorRect[2] = {0, 1920, 0, 3200, 1024};
  bench.state.monitors.MonitorRect[3] = {0, -800, -600, 0, 0};
  DumpEnvironment environment;
  environment.runMinutes = 1.5, environment.desktop = {-800, -600, 4000, 1680};
  environment.displayMonitors = 3, environment.buildDate = "Jan  2 2026", environment.buildTime = "10:11:12";
  std::string second = SettingsDumpSecondPage(bench.state, environment);
  // The lines the scripted run does not show (the run time, the master data path, the virtual
  // desktop with each value after the first in the next 14-column zone, several monitors) with
  // the rest of the page, word for word: its checksum, the page printed when it differs.
  for (size_t at; (at = second.find(bench.state.DataPath)) != std::string::npos;)
    second.replace(at, bench.state.DataPath.size(), "<data>");
  EXPECT_EQ(qChecksum(QByteArrayView(second)), 0x47B5) << second;
}

constexpr int kFile = 3;

// File 3 with the sizes 10, 15, 20, 25, 30, 40, 50 (index 1 the smallest).
LetterSets SevenSizes() {
  LetterSets letters;
  const float sizes[] = {10, 15, 20, 25, 30, 40, 50};
  letters.NumSizes[kFile] = 7;
  for (int i = 1; i <= 7; ++i) letters.LetterSize[kFile][i] = sizes[i - 1];
  for (int f = 1; f <= kLetterSetFiles; ++f) letters.LetterSize[f][0] = 11;
  letters.MaxColumns[kFile] = 5, letters.NumLetterSets[kFile] = 3;
  return letters;
}

ChartState AtSize(int size, float custom, LetterSets& letters) {
  ChartState chart;
  chart.LetterSetFileNum = kFile, chart.SizeNow = size;
  letters.LetterSize[kFile][0] = custom;
  return chart;
}

TEST(SizeStepping, PlusAndMinusStayWithinTheFileAndLeaveTheCustomSizeToItsNeighbours) {
  LetterSets letters = SevenSizes();
  // At the ends of the file nothing changes. A custom size equal to a standard one: "+" goes
  // past it, "-" below it; beyond the table, to its end.
  const struct {
    int size;
    float custom;
    bool up;
    int expected;
  } cases[] = {{7, 11, true, 7}, {1, 11, false, 1}, {0, 30, true, 6}, {0, 30, false, 4}, {0, 90, true, 7}, {0, 5, false, 1}};
  for (const auto& c : cases) {
    ChartState chart = AtSize(c.size, c.custom, letters);
    c.up ? SizeUp(chart, letters) : SizeDown(chart, letters);
    EXPECT_EQ(chart.SizeNow, c.expected) << c.size << " " << c.custom << (c.up ? " +" : " -");
  }
}

TEST(SizeStepping, PageKeysStepByTheRowsShownOnlyWithTheGradient) {
  LetterSets letters = SevenSizes();
  // Without the gradient one size a press; with it, by the rows shown, to the file's end. A custom
  // size (22) is left like "+" and "-" do.
  using Step = void (*)(ChartState&, const LetterSets&);
  const struct {
    int size, grad;
    std::vector<Step> steps;
    int expected;
  } cases[] = {{2, 0, {SizeUpByRows}, 3}, {3, 1, {SizeUpByRows, SizeUpByRows}, 7}, {0, 1, {SizeUpByRows}, 4},
               {0, 0, {SizeDownByRows}, 3}, {0, 0, {LeaveCustomSizeUpward, LeaveCustomSizeUpward}, 4}};
  for (const auto& c : cases) {
    ChartState chart = AtSize(c.size, 22, letters);
    chart.Grad = c.grad, chart.RowsShown = 3;
    for (Step step : c.steps) step(chart, letters);
    EXPECT_EQ(chart.SizeNow, c.expected) << c.size << " " << c.steps.size();
  }
}

TEST(SnellenEntry, AMatchSelectsTheSizeAWholeValueInRangeBecomesTheCustomSize) {
  LetterSets letters = SevenSizes();
  ChartState chart = AtSize(2, 11, letters);
  chart.Grad = 1, chart.VShutter = 999;
  ApplySnellenEntry(chart, letters, "35");
  for (int f = 1; f <= kLetterSetFiles; ++f) EXPECT_EQ(letters.LetterSize[f][0], 35) << f;

  chart = AtSize(3, 11, letters);
  ApplySnellenEntry(chart, letters, "60");   // beyond the largest size
  ApplySnellenEntry(chart, letters, "abc");  // no number
  EXPECT_EQ(Tie(chart.SizeNow, letters.LetterSize[kFile][0]), Tie(3, 11));

  ApplySnellenEntry(chart, letters, "12.5");  // rounds half to even
  EXPECT_EQ(letters.LetterSize[kFile][0], 12);
  ApplySnellenEntry(chart, letters, "9.5");
  EXPECT_EQ(letters.LetterSize[kFile][0], 10);

  letters.LetterSize[kFile][2] = 6.3f;  // a size that is not exact in binary
  ApplySnellenEntry(chart, letters, "6.3");
  EXPECT_EQ(chart.SizeNow, 2);
}

TEST(MemoryKeys, FunctionKeysPercentAndRemoteCodesNameTheirPresets) {
  EXPECT_EQ(Tie(MemoryKeyNumber(ExtendedKey(keycode::F1 + 9)), MemoryKeyNumber(ExtendedKey(keycode::F11)),
                MemoryKeyNumber(std::string(1, static_cast<char>(212)))),
            Tie(10, 11, 12));
  for (const std::string& other :
       {std::string(1, static_cast<char>(200)), std::string(1, static_cast<char>(213)),
        ExtendedKey(keycode::Home)})
    EXPECT_FALSE(IsMemoryKey(other));
  // Two function keys in one buffer: the last one counts.
  const std::string two = ExtendedKey(keycode::F1) + ExtendedKey(keycode::F1 + 2);
  EXPECT_TRUE(IsMemoryKey(two));
  EXPECT_EQ(MemoryKeyNumber(two), 3);

  EXPECT_EQ(RemoteStoreNumber("ControlRemoteF01"), 1);
  for (const char* other : {"ControlRemoteF13", "ControlRemoteF00", "ControlRemoteF1",
                            "ControlRemoteF012", "controlRemoteF01"})
    EXPECT_EQ(RemoteStoreNumber(other), 0) << other;
}

TEST(ShutterKeys, AltJumpsTheColumnsToTheEnds) {
  ChartState chart;
  chart.HShutter = 3;
  std::vector<int> columns;
  for (auto step : {+[](ChartState& c) { MoreColumns(c, 1, 5, 1); }, +[](ChartState& c) { FewerColumns(c, 1, 5, 1); },
                    +[](ChartState& c) { FewerColumns(c, 0, 5, 1); }})
    step(chart), columns.push_back(chart.HShutter);
  EXPECT_EQ(columns, (std::vector<int>{999, 1, 1}));
}

TEST(ChartModeKeys, CycleImagesLetterFilesAndLinesWrapAround) {
  ChartState chart;
  chart.LetterSetFileNum = 8, chart.Mode = ChartMode::WorthDot;
  OptotypeCycle(chart);
  EXPECT_EQ(std::pair(chart.Mode, chart.LetterSetFileNum), std::pair(ChartMode::WorthDot, 8));

  chart.ImageNum = 36;
  ImageKey(chart);
  EXPECT_EQ(chart.Mode, ChartMode::Image);
  EXPECT_EQ(chart.ImageNum, 36);  // entering the image mode keeps the slot
  ImageKey(chart);
  EXPECT_EQ(chart.ImageNum, 1);

  LetterSets letters = SevenSizes();
  letters.NumLetterSets[4] = 1;
  chart.LetterSetFileNum = kFile, chart.LetterSet = 3, chart.JustOneLetter = "K";
  LetterSetFileKey(chart, letters);  // from the image: letters again, same file
  EXPECT_EQ(std::tuple(chart.Mode, chart.LetterSetFileNum, chart.JustOneLetter), std::tuple(ChartMode::Letter, kFile, ""));
  LetterSetFileKey(chart, letters);
  EXPECT_EQ(std::pair(chart.LetterSetFileNum, chart.LetterSet), std::pair(4, 1));  // file 4 has one line only
  chart.LetterSetFileNum = 10;
  LetterSetFileKey(chart, letters);
  EXPECT_EQ(chart.LetterSetFileNum, 1);

  chart.LetterSetFileNum = kFile, chart.LetterSet = 2;
  NextLine(chart, letters);
  EXPECT_EQ(chart.LetterSet, 3);
  NextLine(chart, letters);
  EXPECT_EQ(chart.LetterSet, 1);
}

TEST(ProgramCommands, OnlyAClickInTheTopRightCornerOpensTheConfiguration) {
  // 1920 x 1080 at scale 400: the corner begins beyond x = 2156 and above y = -1181.
  EXPECT_TRUE(IsConfigurationCorner(2157, -1182, 1920, 1080, 400, 400));
  EXPECT_FALSE(IsConfigurationCorner(2156, -1182, 1920, 1080, 400, 400));
  EXPECT_FALSE(IsConfigurationCorner(2157, -1181, 1920, 1080, 400, 400));
  // An uncalibrated monitor does not divide by zero.
  EXPECT_FALSE(IsConfigurationCorner(0, 0, 1920, 1080, 0, 0));
}

}  // namespace
}  // namespace lenvari
