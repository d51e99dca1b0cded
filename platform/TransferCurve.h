#pragma once
// The display's transfer curve: how an 8-bit value becomes light. Smoothed edges are mixed in
// light, not in values, so that a half-covered pixel gives half of the difference in light and a
// stroke looks as wide as it is.

#include <array>
#include <cstdint>
#include <vector>

namespace lenvari {

// Light as a fraction of the full range in 16 bits (0 .. 65535).
constexpr int kLightSteps = 65535;

class TransferCurve {
 public:
  // `gamma` above 0 is a pure power curve (a measured display); otherwise the sRGB curve.
  explicit TransferCurve(double gamma = 0);

  double Gamma() const { return gamma_; }
  // Light of an 8-bit value as a fraction of the full range.
  double Light(int value) const;
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
  std::array<std::uint16_t, 256> decode_{};
  std::vector<std::uint8_t> encode_;
};

}  // namespace lenvari
