#include "common/VirtualRemoteMailbox.h"

namespace lenvari {

void VirtualRemoteMailbox::Write(const std::string& text) {
  std::uint64_t packed = 0;
  for (size_t i = 0; i < text.size() && i < 4; ++i) {
    if (text[i] == '\0') break;
    packed |= static_cast<std::uint64_t>(static_cast<unsigned char>(text[i])) << (8 * i);
  }
  slot_.store(packed);
}

std::string VirtualRemoteMailbox::Take() {
  std::uint64_t packed = slot_.exchange(0);
  std::string text;
  while (packed != 0 && text.size() < 4) {
    text += static_cast<char>(packed & 0xFF);
    packed >>= 8;
  }
  return text;
}

bool VirtualRemoteMailbox::Empty() const { return slot_.load() == 0; }

std::array<unsigned char, 5> VirtualRemoteMailbox::Bytes() const {
  std::uint64_t packed = slot_.load();
  std::array<unsigned char, 5> bytes{};
  for (unsigned char& byte : bytes) {
    byte = static_cast<unsigned char>(packed & 0xFF);
    packed >>= 8;
  }
  return bytes;
}

}  // namespace lenvari
