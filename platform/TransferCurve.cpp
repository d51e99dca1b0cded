#include "platform/TransferCurve.h"

#include <algorithm>
#include <cmath>

namespace lenvari {
namespace {

double SrgbLight(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }

// The 8 x 8 ordered-dither matrix: each count of high places spreads them evenly over the cell.
constexpr int kBayer[kDitherCell][kDitherCell] = {
    {0, 32, 8, 40, 2, 34, 10, 42},  {48, 16, 56, 24, 50, 18, 58, 26},
    {12, 44, 4, 36, 14, 46, 6, 38}, {60, 28, 52, 20, 62, 30, 54, 22},
    {3, 35, 11, 43, 1, 33, 9, 41},  {51, 19, 59, 27, 49, 17, 57, 25},
    {15, 47, 7, 39, 13, 45, 5, 37}, {63, 31, 55, 23, 61, 29, 53, 21}};

}  // namespace

double DisplayLight(int value, double gamma) {
  const double v = std::clamp(value, 0, 255) / 255.0;
  return gamma > 0 ? std::pow(v, gamma) : SrgbLight(v);
}

DitheredValue DitherLight(double light, double gamma) {
  light = std::clamp(light, 0.0, 1.0);
  int low = 0;
  while (low < 255 && DisplayLight(low + 1, gamma) <= light) ++low;
  if (low == 255) return {255, 255, 0};
  const double lower = DisplayLight(low, gamma), upper = DisplayLight(low + 1, gamma);
  const int count = static_cast<int>(std::lround((light - lower) / (upper - lower) * 64));
  if (count >= 64) return {low + 1, low + 1, 0};
  if (count <= 0) return {low, low, 0};
  return {low, low + 1, count};
}

double DitheredLight(const DitheredValue& value, double gamma) {
  const double share = value.highCount / 64.0;
  return (1 - share) * DisplayLight(value.low, gamma) + share * DisplayLight(value.high, gamma);
}

bool DitherTakesHigh(int x, int y, int highCount) {
  return kBayer[y & (kDitherCell - 1)][x & (kDitherCell - 1)] < highCount;
}

TransferCurve::TransferCurve(double gamma) : gamma_(gamma > 0 ? gamma : 0), encode_(kLightSteps + 1) {
  auto light = [this](double v) { return gamma_ > 0 ? std::pow(v, gamma_) : SrgbLight(v); };
  for (int v = 0; v < 256; ++v) {
    light_[static_cast<size_t>(v)] = DisplayLight(v, gamma_);
    decode_[static_cast<size_t>(v)] = static_cast<std::uint16_t>(std::lround(light(v / 255.0) * kLightSteps));
  }
  // Value v is nearest for every light between the lights of v - 1/2 and v + 1/2: filling by
  // these bounds rounds in value exactly, with one power per value instead of one per entry.
  size_t next = 0;
  for (int v = 0; v < 256; ++v) {
    const double upper = v == 255 ? kLightSteps + 1.0 : light((v + 0.5) / 255.0) * kLightSteps;
    const size_t end = std::min(encode_.size(), static_cast<size_t>(std::ceil(upper)));
    for (; next < end; ++next) encode_[next] = static_cast<std::uint8_t>(v);
  }
}

}  // namespace lenvari
