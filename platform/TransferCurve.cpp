#include "platform/TransferCurve.h"

#include <algorithm>
#include <cmath>

namespace lenvari {
namespace {

double SrgbLight(double v) { return v <= 0.04045 ? v / 12.92 : std::pow((v + 0.055) / 1.055, 2.4); }

}  // namespace

TransferCurve::TransferCurve(double gamma) : gamma_(gamma > 0 ? gamma : 0), encode_(kLightSteps + 1) {
  auto light = [this](double v) { return gamma_ > 0 ? std::pow(v, gamma_) : SrgbLight(v); };
  for (int v = 0; v < 256; ++v)
    decode_[static_cast<size_t>(v)] = static_cast<std::uint16_t>(std::lround(light(v / 255.0) * kLightSteps));
  // Value v is nearest for every light between the lights of v - 1/2 and v + 1/2: filling by
  // these bounds rounds in value exactly, with one power per value instead of one per entry.
  size_t next = 0;
  for (int v = 0; v < 256; ++v) {
    const double upper = v == 255 ? kLightSteps + 1.0 : light((v + 0.5) / 255.0) * kLightSteps;
    const size_t end = std::min(encode_.size(), static_cast<size_t>(std::ceil(upper)));
    for (; next < end; ++next) encode_[next] = static_cast<std::uint8_t>(v);
  }
}

double TransferCurve::Light(int value) const {
  const double v = std::clamp(value, 0, 255) / 255.0;
  return gamma_ > 0 ? std::pow(v, gamma_) : SrgbLight(v);
}

}  // namespace lenvari
