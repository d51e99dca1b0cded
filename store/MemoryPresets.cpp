#include "store/MemoryPresets.h"

#include <array>

#include "common/NumberText.h"
#include "store/FieldReader.h"
#include "store/SettingsFiles.h"

namespace lenvari {
namespace {

using Fields = std::array<std::string, kPresetFields>;

// The custom size lives with the letter-set file; a file number outside the tables (from a
// damaged preset) has no custom size to read or write.
float* CustomSize(LetterSets& letters, int file) {
  if (file < 0 || file > kLetterSetFiles) return nullptr;
  return &letters.LetterSize[file][0];
}

constexpr int kCopiedFields = 13;  // fields 0 .. 12, what the temporary copy holds

// Fields 0 .. 12 of the chart state as a store writes them.
std::array<std::string, kCopiedFields> FirstFields(State& state) {
  const ChartState& c = state.chart;
  const float* custom = CustomSize(state.letters, c.LetterSetFileNum);
  return {NumberText(c.SizeNow),    c.Mode,
          NumberText(c.LetterSet),  NumberText(c.Grad),
          NumberText(c.RG),         NumberText(c.HShutter),
          NumberText(c.VShutter),   NumberText(c.Mask),
          c.JustOneLetter,          NumberText(custom ? *custom : 0.0f),
          NumberText(c.Foreground), NumberText(c.Background),
          NumberText(c.LetterSetFileNum)};
}

void Recall(State& state, const Fields& f) {
  ChartState& c = state.chart;
  c.SizeNow = IntegerOf(f[0]);
  c.Mode = f[1];
  c.LetterSet = IntegerOf(f[2]);
  c.Grad = IntegerOf(f[3]);
  c.RG = IntegerOf(f[4]);
  c.HShutter = IntegerOf(f[5]);
  c.VShutter = IntegerOf(f[6]);
  c.Mask = IntegerOf(f[7]);
  c.JustOneLetter = f[8];
  c.LetterSetFileNum = IntegerOf(f[12]);
  if (float* custom = CustomSize(state.letters, c.LetterSetFileNum)) *custom = RealOf(f[9]);
  c.Foreground = IntegerOf(f[10]);
  c.Background = IntegerOf(f[11]);
  c.DispFlag = IntegerOf(f[14]);
  if (c.Mode == "Image") c.ImageNum = IntegerOf(f[15]);
  c.ShowMemoryNumber = 1;
}

void Store(State& state, Fields& f) {
  const std::array<std::string, kCopiedFields> first = FirstFields(state);
  for (int k = 0; k < kCopiedFields; ++k) f[k] = first[k];
  const int monitor = state.monitors.CurrentMonitor;
  const bool known = monitor >= 1 && monitor <= kMaxMonitors;
  f[13] = NumberText(known ? state.settings.MaxVShutter[monitor] : 0);
  f[14] = NumberText(state.chart.DispFlag);
  f[15] = NumberText(state.chart.ImageNum);
}

}  // namespace

void MemoryPreset(State& state, const std::string& action, int& n,
                  const std::function<void()>& afterStore) {
  if (n < 1 || n > kPresetCount) n = 1;
  Fields& fields = state.presets.PresetTable[n];
  if (action == "read") {
    Recall(state, fields);
  } else if (action == "write") {
    Store(state, fields);
    SaveConfiguration(state);
    if (afterStore) afterStore();
  }
}

void TempStateCopy(State& state, const std::string& action) {
  // The copy is the first column of the temporary table, one row per field.
  auto& temp = state.presets.TempState;
  if (action == "TWrite") {
    const std::array<std::string, kCopiedFields> first = FirstFields(state);
    for (int k = 0; k < kCopiedFields; ++k) temp[k][0] = first[k];
    SaveConfiguration(state);
  } else if (action == "TRead") {
    ChartState& c = state.chart;
    c.SizeNow = IntegerOf(temp[0][0]);
    c.Mode = temp[1][0];
    c.LetterSet = IntegerOf(temp[2][0]);
    c.Grad = IntegerOf(temp[3][0]);
    c.RG = IntegerOf(temp[4][0]);
    c.HShutter = IntegerOf(temp[5][0]);
    c.VShutter = IntegerOf(temp[6][0]);
    c.Mask = IntegerOf(temp[7][0]);
    c.JustOneLetter = temp[8][0];
    if (float* custom = CustomSize(state.letters, c.LetterSetFileNum))
      *custom = RealOf(temp[9][0]);
    c.Foreground = IntegerOf(temp[10][0]);
    c.Background = IntegerOf(temp[11][0]);
    c.LetterSetFileNum = IntegerOf(temp[12][0]);
  }
}

}  // namespace lenvari
