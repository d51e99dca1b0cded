#include "app/commands/SettingsDump.h"

#include <algorithm>
#include <initializer_list>

#include "app/loop/Clock.h"
#include "app/loop/WaitForInput.h"
#include "common/NumberText.h"

namespace lenvari {
namespace {

constexpr size_t kPrintZone = 14;

std::string Line(const std::string& label, const std::string& value) {
  return label + value + "\n";
}

std::string Line(const std::string& label, double value) {
  return Line(label, NumberText(value));
}

// Values in print zones: each value after the first starts at the next column that is a
// multiple of 14.
std::string Zoned(std::string text, std::initializer_list<int> values) {
  bool first = true;
  for (int value : values) {
    if (!first) text.append(kPrintZone - text.size() % kPrintZone, ' ');
    text += NumberText(value);
    first = false;
  }
  return text + "\n";
}

bool ValidFile(int f) { return f >= 0 && f <= kLetterSetFiles; }

}  // namespace

std::string SettingsDumpFirstPage(const State& state, const DumpEnvironment& environment) {
  const ChartState& c = state.chart;
  const Settings& s = state.settings;
  const int m = state.monitors.CurrentMonitor;
  const int f = c.LetterSetFileNum;
  const double letterSize =
      ValidFile(f) && c.SizeNow >= 0 && c.SizeNow <= kMaxSizes ? state.letters.LetterSize[f][c.SizeNow]
                                                               : 0;
  std::string text;
  text += "Compiled on: " + environment.buildDate + "\n";
  text += "Complie time: " + environment.buildTime + "\n";
  text += "\n";
  text += " Current Settings\n";
  text += Line(" Testing Distance : ", s.TestDistance[m]);
  text += Line(" Current Memory # : ", c.CurrentMemory);
  text += Line(" SizeNow&         : ", c.SizeNow);
  text += Line(" Mode$            : ", ModeWordOf(c));
  text += Line(" LetterSet&       : ", c.LetterSet);
  text += Line(" Grad&            : ", c.Grad);
  text += Line(" RG&              : ", c.RG);
  text += Line(" HShutter         : ", c.HShutter);
  text += Line(" VShutter&        : ", c.VShutter);
  text += Line(" Mask&            : ", c.Mask);
  text += Line(" JustOneLetter$   : ", c.JustOneLetter);
  text += Line(" LetterSize!      : ", letterSize);
  text += Line(" Foreground&      : ", c.Foreground);
  text += Line(" Background&      : ", c.Background);
  text += Line(" WorthDot Size    : ", s.WorthDotSize[m]);
  text += Line(" WorthDot Mode    : ", s.WorthDotMode[m]);
  text += Line(" Smoothing Flag   : ", s.SmoothingFlag);
  return text;
}

std::string SettingsDumpSecondPage(const State& state, const DumpEnvironment& environment) {
  const ChartState& c = state.chart;
  const Settings& s = state.settings;
  const Monitors& monitors = state.monitors;
  const int m = monitors.CurrentMonitor;
  const int f = c.LetterSetFileNum;
  const VirtualDesktop& d = environment.desktop;
  std::string text;
  text += Line(" LetterSetFileNum&: ", f);
  text += Line(" LetterSetName$   : ", ValidFile(f) ? state.letters.LetterSetName[f] : "");
  text += Line(" MaxVShutter&     : ", s.MaxVShutter[m]);
  text += Line(" DispFlag&        : ", c.DispFlag);
  text += Line(" Master Scale X   : ", monitors.MasterScaleX[m]);
  text += Line(" Master Scale Y   : ", monitors.MasterScaleY[m]);
  text += Line(" Current Run Time : ", NumberText(environment.runMinutes) + " minutes");
  text += Line(" Data Path        : ", state.DataPath);
  text += Line(" Master Data Path : ", state.MasterDataPath);
  text += Line(" Acuity Base      : ", s.AcuityBase);
  text += Line(" Accessible Contst: ", s.AccessibleContrast[m]);
  text += Line(" Foreground       : ", c.Foreground);
  text += Zoned(" Virtual Desktop  : ",
                {d.left, d.top, d.width, d.height, environment.displayMonitors});
  text += Line(" Number of Monitors:", monitors.NumberOfMonitors);
  text += Line(" SelectedVideo$   : ", s.SelectedVideo);
  text += Line(" VideoPlayer$     : ", s.VideoPlayer);
  text += Line(" ShowVirtualRemote&   : ", s.ShowVirtualRemote);
  for (int n = 1; n <= std::min(monitors.NumberOfMonitors, kMaxMonitors); ++n) {
    const auto& r = monitors.MonitorRect[n];
    text += NumberText(n) + "   " + NumberText(r[1]) + ", " + NumberText(r[2]) + ", " +
            NumberText(r[3]) + ", " + NumberText(r[4]) + "\n";
  }
  return text;
}

void ShowSettingsDump(ProgramContext& context) {
  ConsoleHost& console = context.console;
  DumpEnvironment environment;
  environment.runMinutes =
      SecondsBetween(context.state.chart.StartTime, SecondsSinceMidnight()) / 60;
  environment.desktop = VirtualDesktopMetrics();
  environment.displayMonitors = static_cast<int>(EnumDisplayMonitors().size());
  environment.buildDate = __DATE__;
  environment.buildTime = __TIME__;

  console.Console80x(25);
  console.ClearScreen();
  console.Print(SettingsDumpFirstPage(context.state, environment));
  console.Print("PRESS A KEY FOR MORE\n");
  WaitForInput(context);
  console.Print(SettingsDumpSecondPage(context.state, environment));
  WaitForInput(context);
  // The key that ends the dump also takes the text screen away again.
  console.ClearScreen();
}

}  // namespace lenvari
