#pragma once
// Where the keys of the handheld remote lie on its picture, and what each one does: the code
// the virtual remote writes for it, and the explanation the remote help shows for it.

#include <span>

#include "dialogs/RemoteArtwork.h"

namespace lenvari {

// The picture of the remote is 239 x 660 pixels; key positions are pixels on it.
constexpr int kRemotePictureWidth = 239;
constexpr int kRemotePictureHeight = 660;

struct VirtualRemoteKey {
  int id;
  const char* label;  // the key's name, also its accessible name
  RemoteImage image;
  int x, y, width, height;
  const char* code;   // written to the mailbox; one to three characters
};

// Image Gallery's identifier: a double click on it writes the tab character instead of "i".
constexpr int kImageGalleryKeyId = 1487;

// The virtual remote's buttons in the order they are built (by identifier).
std::span<const VirtualRemoteKey> VirtualRemoteKeys();

struct RemoteHelpKey {
  int id;
  const char* label;    // accessible name
  RemoteImage image;
  int x, y, width, height;  // on the picture; the help window adds the picture's offset
  const char* heading;  // the explanation shown for it (see RemoteHelpTexts.h)
};

// The remote help's buttons: the same keys, except that each rocker is one whole-rocker key.
std::span<const RemoteHelpKey> RemoteHelpKeys();

}  // namespace lenvari
