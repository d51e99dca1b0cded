#include "app/commands/MemoryKeys.h"

#include <QThread>

#include "app/commands/PresetGalleryCommand.h"
#include "platform/KeyTranslation.h"
#include "store/MemoryPresets.h"
#include "store/Presets.h"

namespace lenvari {
namespace {

constexpr int kRemoteMemoryBase = 200;
// The range of the keyboard memory keys: F1 up to the code F12 is treated as.
constexpr int kLastMemoryKeyCode = 70;

int Code(char c) { return static_cast<unsigned char>(c); }

// F11 and F12 have codes of their own; they are handled as the two codes after F10.
std::string FoldFunctionKey(const std::string& input) {
  if (input == ExtendedKey(keycode::F11)) return ExtendedKey(keycode::F10 + 1);
  if (input == ExtendedKey(keycode::F12)) return ExtendedKey(keycode::F10 + 2);
  if (input == "%") return ExtendedKey(keycode::F1);
  return input;
}

}  // namespace

int RemoteStoreNumber(const std::string& input) {
  static const std::string kPrefix = "ControlRemoteF";
  if (input.size() != kPrefix.size() + 2 || input.compare(0, kPrefix.size(), kPrefix) != 0)
    return 0;
  const char tens = input[kPrefix.size()], ones = input[kPrefix.size() + 1];
  if (tens < '0' || tens > '9' || ones < '0' || ones > '9') return 0;
  const int n = (tens - '0') * 10 + (ones - '0');
  return n >= 1 && n <= 12 ? n : 0;
}

bool IsMemoryKey(const std::string& input) {
  if (input == ExtendedKey(keycode::F11) || input == ExtendedKey(keycode::F12) || input == "%")
    return true;
  if (input.size() == 1 && Code(input[0]) > kRemoteMemoryBase &&
      Code(input[0]) <= kRemoteMemoryBase + 12)
    return true;
  // A text range, as the keyboard buffer may hold several function keys at once.
  return input >= ExtendedKey(keycode::F1) && input <= ExtendedKey(kLastMemoryKeyCode);
}

int MemoryKeyNumber(const std::string& input) {
  const std::string key = FoldFunctionKey(input);
  if (key.empty()) return 1;
  if (Code(key[0]) < kRemoteMemoryBase) return Code(key.back()) - (keycode::F1 - 1);
  return Code(key[0]) - kRemoteMemoryBase;
}

void RecallCurrentMemory(ProgramContext& context) {
  MemoryPreset(context.state, PresetAction::Recall, context.state.chart.CurrentMemory);
}

void StoreCurrentMemory(ProgramContext& context) {
  int& n = context.state.chart.CurrentMemory;
  // The thumbnail is drawn on a canvas of its own, so the chart window needs no redraw here.
  MemoryPreset(context.state, PresetAction::Store, n, [&] { BuildPresetThumbnail(context, n); });
}

void MemoryKey(ProgramContext& context, const std::string& input) {
  context.console.BringToFront();
  QThread::yieldCurrentThread();
  const std::string key = FoldFunctionKey(input);
  context.state.chart.CurrentMemory = MemoryKeyNumber(input);
  const bool keyboard = !key.empty() && Code(key[0]) < kRemoteMemoryBase;
  if (keyboard && context.inputWait.CtrlDown != 0) {
    StoreCurrentMemory(context);
  } else {
    RecallCurrentMemory(context);
  }
}

void NextMemory(ProgramContext& context) {
  int& n = context.state.chart.CurrentMemory;
  n = n + 1 > kPresetCount ? 1 : n + 1;
  RecallCurrentMemory(context);
}

void PreviousMemory(ProgramContext& context) {
  int& n = context.state.chart.CurrentMemory;
  n = n - 1 < 1 ? kPresetCount : n - 1;
  RecallCurrentMemory(context);
}

}  // namespace lenvari

namespace lenvari {

void PresetGalleryRecall(ProgramContext& context) {
  context.state.chart.GalleryMode = PresetAction::Recall;
  OpenPresetGallery(context);
  RecallCurrentMemory(context);
}

void PresetGalleryStore(ProgramContext& context) {
  context.state.chart.GalleryMode = PresetAction::Store;
  if (OpenPresetGallery(context) != kGalleryCancelled) StoreCurrentMemory(context);
}

}  // namespace lenvari
