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
  return {NumberText(c.SizeNow),    ModeWordOf(c),
          NumberText(c.LetterSet),  NumberText(c.Grad),
          NumberText(c.RG),         NumberText(c.HShutter),
          NumberText(c.VShutter),   NumberText(c.Mask),
          c.JustOneLetter,          NumberText(custom ? *custom : 0.0f),
          NumberText(c.Foreground), NumberText(c.Background),
          NumberText(c.LetterSetFileNum)};
}

// A preset's numbers held within the stored-integer range: the keys step them by one.
int FieldInteger(const std::string& text) { return StoredInteger(IntegerOf(text)); }
float FieldReal(const std::string& text) { return StoredReal(RealOf(text)); }

void Recall(State& state, const Fields& f) {
  ChartState& c = state.chart;
  c.SizeNow = FieldInteger(f[0]);
  SetModeWord(c, f[1]);
  c.LetterSet = FieldInteger(f[2]);
  c.Grad = FieldInteger(f[3]);
  c.RG = FieldInteger(f[4]);
  c.HShutter = FieldInteger(f[5]);
  c.VShutter = FieldInteger(f[6]);
  c.Mask = FieldInteger(f[7]);
  c.JustOneLetter = f[8];
  c.LetterSetFileNum = FieldInteger(f[12]);
  if (float* custom = CustomSize(state.letters, c.LetterSetFileNum)) *custom = FieldReal(f[9]);
  c.Foreground = FieldInteger(f[10]);
  c.Background = FieldInteger(f[11]);
  c.DispFlag = FieldInteger(f[14]);
  if (c.Mode == ChartMode::Image) c.ImageNum = FieldInteger(f[15]);
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

void MemoryPreset(State& state, PresetAction action, int& n,
                  const std::function<void()>& afterStore) {
  if (n < 1 || n > kPresetCount) n = 1;
  Fields& fields = state.presets.PresetTable[n];
  if (action == PresetAction::Recall) {
    Recall(state, fields);
  } else {
    Store(state, fields);
    SaveConfiguration(state);
    if (afterStore) afterStore();
  }
}

void TempStateCopy(State& state, TempCopy action) {
  // The copy is the first column of the temporary table, one row per field.
  auto& temp = state.presets.TempState;
  if (action == TempCopy::Save) {
    const std::array<std::string, kCopiedFields> first = FirstFields(state);
    for (int k = 0; k < kCopiedFields; ++k) temp[k][0] = first[k];
    SaveConfiguration(state);
  } else {
    ChartState& c = state.chart;
    c.SizeNow = FieldInteger(temp[0][0]);
    SetModeWord(c, temp[1][0]);
    c.LetterSet = FieldInteger(temp[2][0]);
    c.Grad = FieldInteger(temp[3][0]);
    c.RG = FieldInteger(temp[4][0]);
    c.HShutter = FieldInteger(temp[5][0]);
    c.VShutter = FieldInteger(temp[6][0]);
    c.Mask = FieldInteger(temp[7][0]);
    c.JustOneLetter = temp[8][0];
    if (float* custom = CustomSize(state.letters, c.LetterSetFileNum))
      *custom = FieldReal(temp[9][0]);
    c.Foreground = FieldInteger(temp[10][0]);
    c.Background = FieldInteger(temp[11][0]);
    c.LetterSetFileNum = FieldInteger(temp[12][0]);
  }
}

}  // namespace lenvari
