#pragma once
// The display's transfer curve: how an 8-bit value becomes light. Smoothed edges are mixed in
// light, not in values, so that a half-covered pixel gives half of the difference in light and a
// stroke looks as wide as it is.

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace lenvari {

// Light as a fraction of the full range in 16 bits (0 .. 65535).
constexpr int kLightSteps = 65535;

// The light of an 8-bit value as a fraction of the full range: a pure power `gamma` when above
// 0 (a measured display), otherwise the sRGB curve.
double DisplayLight(int value, double gamma);

// A light between two neighbouring 8-bit values, drawn as an 8 x 8 ordered dither: `high` in
// `highCount` of the 64 places of each cell, `low` in the others.
struct DitheredValue {
  int low = 0, high = 0;
  int highCount = 0;  // 0 .. 63
  bool operator==(const DitheredValue&) const = default;
};
inline constexpr int kDitherCell = 8;
DitheredValue DitherLight(double light, double gamma);
// The light of a dithered value averaged over its cell.
double DitheredLight(const DitheredValue& value, double gamma);
// Whether the pixel (x, y) of the image takes the high value: its place in the cell's ordered
// (Bayer) pattern, 0 .. 63, against the count.
bool DitherTakesHigh(int x, int y, int highCount);

class TransferCurve {
 public:
  // `gamma` above 0 is a pure power curve (a measured display); otherwise the sRGB curve.
  explicit TransferCurve(double gamma = 0);

  // Light of an 8-bit value as a fraction of the full range (looked up: the stroke readout asks
  // for it once per pixel of every row after each key).
  double Light(int value) const { return light_[static_cast<std::size_t>(std::clamp(value, 0, 255))]; }
  // Light of an 8-bit value in 16 bits.
  std::uint16_t Decode(int value) const { return decode_[static_cast<unsigned>(value) & 0xFF]; }
  // The nearest 8-bit value for a light in 16 bits (nearest in value, as the display shows it).
  std::uint8_t Encode(int light) const { return encode_[static_cast<unsigned>(light) & 0xFFFF]; }
  // A pixel `coverage` / 255 covered by `ink` over `under`, mixed in light. 255 gives `ink`
  // exactly and 0 leaves `under`. `carry` is the light the pixels before it in a covered run
  // were given too much (negative: too little) by rounding to 8 bits; it is paid back here, so
  // that the run as a whole, a stroke across its width, has its light to half a step. Start a
  // run with 0.
  std::uint8_t Mix(int coverage, int ink, int under, int& carry) const {
    if (coverage >= 255) return static_cast<std::uint8_t>(ink);
    if (coverage <= 0 || ink == under) return static_cast<std::uint8_t>(under);
    const int wanted = (coverage * Decode(ink) + (255 - coverage) * Decode(under) + 127) / 255 + carry;
    const std::uint8_t value = Encode(wanted < 0 ? 0 : wanted > kLightSteps ? kLightSteps : wanted);
    carry = wanted - Decode(value);
    return value;
  }

 private:
  double gamma_ = 0;
  std::array<double, 256> light_{};
  std::array<std::uint16_t, 256> decode_{};
  std::vector<std::uint8_t> encode_;
};

}  // namespace lenvari
