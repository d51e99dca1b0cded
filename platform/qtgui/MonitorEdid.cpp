#include "platform/qtgui/MonitorEdid.h"

#include <cstdint>

namespace lenvari {
namespace {

constexpr size_t kBlockSize = 128;
constexpr unsigned char kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
constexpr size_t kDescriptors[4] = {54, 72, 90, 108};
constexpr unsigned char kSerialTag = 0xFF, kNameTag = 0xFC;

unsigned Byte(const std::string& edid, size_t at) { return static_cast<unsigned char>(edid[at]); }

// A display descriptor's text: up to 13 characters, ended by a line feed, padded with spaces.
std::string DescriptorText(const std::string& edid, size_t at) {
  std::string text;
  for (size_t i = at + 5; i < at + 18; ++i) {
    const unsigned c = Byte(edid, i);
    if (c == 0x0A || c == 0x00) break;
    text += c >= 0x20 && c < 0x7F ? static_cast<char>(c) : '?';
  }
  while (!text.empty() && text.back() == ' ') text.pop_back();
  return text;
}

std::string FindDescriptor(const std::string& edid, unsigned char tag) {
  for (size_t at : kDescriptors)
    if (Byte(edid, at) == 0 && Byte(edid, at + 1) == 0 && Byte(edid, at + 3) == tag)
      return DescriptorText(edid, at);
  return "";
}

}  // namespace

DisplayIdentity IdentityFromEdid(const std::string& edid) {
  DisplayIdentity identity;
  if (edid.size() < kBlockSize) return identity;
  for (size_t i = 0; i < sizeof kHeader; ++i)
    if (Byte(edid, i) != kHeader[i]) return identity;

  const unsigned maker = Byte(edid, 8) << 8 | Byte(edid, 9);
  for (int shift : {10, 5, 0}) {
    const unsigned letter = (maker >> shift) & 0x1F;
    if (letter >= 1 && letter <= 26) identity.manufacturer += static_cast<char>('A' + letter - 1);
  }
  identity.model = FindDescriptor(edid, kNameTag);
  identity.serialNumber = FindDescriptor(edid, kSerialTag);
  const std::uint32_t serial = Byte(edid, 12) | Byte(edid, 13) << 8 | Byte(edid, 14) << 16 |
                               static_cast<std::uint32_t>(Byte(edid, 15)) << 24;
  if (identity.serialNumber.empty() && serial != 0) identity.serialNumber = std::to_string(serial);

  // The first detailed timing (a non-zero pixel clock) gives millimetres; the basic parameters
  // only whole centimetres, and zero for a projector.
  const size_t timing = kDescriptors[0];
  if (Byte(edid, timing) != 0 || Byte(edid, timing + 1) != 0) {
    identity.physicalWidthMm = Byte(edid, timing + 12) | (Byte(edid, timing + 14) & 0xF0) << 4;
    identity.physicalHeightMm = Byte(edid, timing + 13) | (Byte(edid, timing + 14) & 0x0F) << 8;
  }
  if (identity.physicalWidthMm <= 0 || identity.physicalHeightMm <= 0) {
    identity.physicalWidthMm = Byte(edid, 21) * 10.0;
    identity.physicalHeightMm = Byte(edid, 22) * 10.0;
  }
  return identity;
}

}  // namespace lenvari
