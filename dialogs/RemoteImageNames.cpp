#include "dialogs/RemoteArtwork.h"

namespace lenvari {

QString RemoteImageName(RemoteImage image) {
  switch (image) {
    case RemoteImage::Body: return "remote";
    case RemoteImage::OvalKey: return "key-oval";
    case RemoteImage::MemoryKey: return "key-memory";
    case RemoteImage::RoundKey: return "key-round";
    case RemoteImage::UpKey: return "key-up";
    case RemoteImage::LeftKey: return "key-left";
    case RemoteImage::RightKey: return "key-right";
    case RemoteImage::DownKey: return "key-down";
    case RemoteImage::RockerUpper: return "rocker-upper";
    case RemoteImage::RockerLower: return "rocker-lower";
    case RemoteImage::RockerWhole: return "rocker-whole";
  }
  return {};
}

}  // namespace lenvari
