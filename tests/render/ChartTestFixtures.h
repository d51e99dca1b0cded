#pragma once
// Chart states for the drawing tests: the first-start settings, a monitor of a given size and
// the letter-set files the tests use, filled by hand so the tests do not depend on files.

#include <string>
#include <vector>

#include "render/DrawChart.h"
#include "store/State.h"

namespace lenvari::testing {

struct SizeRow {
  float denominator;
  std::vector<std::string> lines;  // letter sets 1, 2, ...
};

// Fills file f from its rows, smallest size first, as loading a file would (row 0 = row 1).
inline void FillLetterFile(LetterSets& letters, int f, const std::string& name,
                           const std::vector<SizeRow>& rowsSmallestFirst) {
  letters.LetterSetName[f] = name;
  letters.NumSizes[f] = static_cast<int>(rowsSmallestFirst.size());
  letters.NumLetterSets[f] = static_cast<int>(rowsSmallestFirst.front().lines.size());
  letters.SnellenNumerator[f] = 20;
  letters.MaxColumns[f] = 0;
  for (size_t j = 0; j < rowsSmallestFirst.size(); ++j) {
    const SizeRow& row = rowsSmallestFirst[j];
    letters.LetterSize[f][j + 1] = row.denominator;
    for (size_t s = 0; s < row.lines.size(); ++s) {
      letters.LetterLines[f][s + 1][j + 1] = row.lines[s];
      if (j == 0) letters.LetterLines[f][s + 1][0] = row.lines[s];
      letters.MaxColumns[f] = std::max(letters.MaxColumns[f], static_cast<int>(row.lines[s].size()));
    }
  }
}

inline std::vector<SizeRow> SloanRows() {
  return {{10, {"RHSDK", "CKZOH", "NCVKD"}}, {15, {"DOVHR", "ONRKD", "CZSHN"}},
          {20, {"CZRHS", "KZVDC", "ONVSR"}}, {25, {"ONHRC", "VSHZO", "KDNRO"}},
          {30, {"DKSNV", "HDKCR", "ZKCSV"}}, {40, {"ZSOKN", "CSRHN", "DVOHC"}},
          {50, {"CKDNR", "SVZDK", "OHVKC"}}, {60, {"SRZKD", "NCVOZ", "HZCKO"}},
          {70, {"HZOVC", "RHSDV", "NCKHD"}}, {80, {"NVDOR", "SNROH", "ZHCSR"}},
          {100, {"VHCNO", "ODHKR", "SZRDN"}}, {200, {"SVHCZ", "ZKCSN", "HCDRO"}},
          {400, {"OZDVK", "CRHDV", "RKVSN"}}};
}

inline void FillTestLetterSets(LetterSets& letters) {
  FillLetterFile(letters, 1, "Sloan 5 letter", SloanRows());
  FillLetterFile(letters, 6, "ETDRS Standard", SloanRows());
  FillLetterFile(letters, 2, "HOTV",
                 {{10, {"OHVTV"}}, {15, {"HTOVH"}}, {20, {"TOVHO"}}, {25, {"TOHVT"}},
                  {30, {"TVHOH"}}, {40, {"HTOVT"}}, {50, {"OVHTO"}}, {60, {"TVHOV"}},
                  {70, {"OHVTO"}}, {80, {"TVOVH"}}, {100, {"VTOHV"}}, {200, {"HOTVT"}},
                  {400, {"VTHTO"}}});
  FillLetterFile(letters, 7, "Numbers",
                 {{10, {"34862"}}, {15, {"54682"}}, {20, {"52498"}}, {25, {"28596"}},
                  {30, {"96523"}}, {40, {"42738"}}, {50, {"72659"}}, {60, {"87294"}},
                  {70, {"45826"}}, {80, {"57862"}}, {100, {"94628"}}, {200, {"87295"}},
                  {400, {"34926"}}});
  FillLetterFile(letters, 8, "Pictures",
                 {{10, {"jbcpeh"}}, {15, {"bhecpj"}}, {20, {"hejpbc"}}, {25, {"cpbhej"}},
                  {30, {"pcejbh"}}, {40, {"hejbcp"}}, {50, {"jcbeph"}}, {60, {"bhcjep"}},
                  {70, {"ebphcj"}}, {80, {"bjhepc"}}, {100, {"pbcjeh"}}, {200, {"hejpbc"}},
                  {400, {"ejbcph"}}});
}

// First-start settings of monitor 1, the built-in preset 1 (ETDRS Standard at 20/40 with the
// gradient rows below it, all rows and columns) and a calibrated monitor.
inline State MakeChartState(int screenWidth = 1920, int screenHeight = 1080, int masterScale = 343) {
  State state;
  Monitors& monitors = state.monitors;
  monitors.NumberOfMonitors = 1;
  monitors.CurrentMonitor = 1;
  monitors.ScreenWidth[1] = screenWidth;
  monitors.ScreenHeight[1] = screenHeight;
  monitors.MasterScaleX[1] = masterScale;
  monitors.MasterScaleY[1] = masterScale;
  SetChartExtent(monitors);

  Settings& settings = state.settings;
  settings.TestDistance[1] = "20 feet";
  settings.LabelSize[1] = 10;
  settings.LabelColor[1] = "Blue";
  settings.Mirror[1] = 1;
  settings.MaxVShutter[1] = 4;
  settings.JacksonCrossTargetSize[1] = 30;
  settings.WorthDotSize[1] = 40;
  settings.WorthDotMode[1] = 4;
  settings.AccessibleContrast[1] = 10;
  settings.StatusBar[1] = 1;
  settings.FixDispFusionLock[1] = 1;
  settings.ShowTestDistance[1] = 1;
  settings.AstigMode = "DialWithLabels";
  settings.AcuityBase = 20;
  settings.RedGreenOrRedBlue = "RedGreen";
  settings.MyRed = static_cast<int>(RgbColour(255, 0, 0));
  settings.MyGreen = static_cast<int>(RgbColour(0, 255, 0));
  settings.MyBlue = static_cast<int>(RgbColour(0, 0, 255));
  settings.MyBlack = static_cast<int>(RgbColour(0, 0, 0));
  settings.SmoothingFlag = 1;

  FillTestLetterSets(state.letters);
  state.chart.SizeNow = 6;
  state.chart.Mode = "Letter";
  state.chart.LetterSet = 1;
  state.chart.Grad = 1;
  state.chart.HShutter = 999;
  state.chart.VShutter = 999;
  state.chart.LetterSetFileNum = 6;
  state.chart.CurrentMemory = 1;
  state.chart.ImageNum = 1;
  return state;
}

}  // namespace lenvari::testing
