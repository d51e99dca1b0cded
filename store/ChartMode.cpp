#include "store/ChartMode.h"

namespace lenvari {
namespace {

struct ModeWord {
  ChartMode mode;
  const char* word;
};

constexpr ModeWord kWords[] = {
    {ChartMode::Letter, "Letter"},
    {ChartMode::TumblingE, "TumblingE"},
    {ChartMode::LandoltC, "LandoltC"},
    {ChartMode::Pictures, "Pictures"},
    {ChartMode::Arrow, "Arrow"},
    {ChartMode::Image, "Image"},
    {ChartMode::Disparity, "Disparity"},
    {ChartMode::StrongLight, "StrongLight"},
    {ChartMode::WorthDot, "WorthDot"},
    {ChartMode::JacksonCross, "JacksonCross"},
    {ChartMode::AstigmaticClockDial, "AstigmaticClockDial"},
};

}  // namespace

ChartMode ChartModeOf(const std::string& word) {
  for (const ModeWord& w : kWords)
    if (word == w.word) return w.mode;
  return ChartMode::Other;
}

std::string ChartModeWord(ChartMode mode) {
  for (const ModeWord& w : kWords)
    if (mode == w.mode) return w.word;
  return "";
}

bool IsSpecialTargetMode(ChartMode mode) {
  switch (mode) {
    case ChartMode::AstigmaticClockDial: case ChartMode::WorthDot: case ChartMode::Disparity:
    case ChartMode::JacksonCross: case ChartMode::StrongLight: case ChartMode::Image:
      return true;
    default:
      return false;
  }
}

}  // namespace lenvari
