#pragma once
// The texts of the remote help: one line per key group beside the picture, and the longer
// explanation of each key shown when it is clicked.

#include <span>
#include <string>

namespace lenvari {

struct RemoteHelpLine {
  int group;  // lines of one group stand together; a half line separates groups
  const char* text;
};

std::span<const RemoteHelpLine> RemoteHelpLines();

// The explanation of the key with this heading ("W4D"), without the heading; "" for a heading
// that has none.
std::string RemoteKeyExplanation(const std::string& heading);

// The message the remote help shows for a key: heading, a blank line, the explanation.
std::string RemoteKeyDetails(const std::string& heading);

}  // namespace lenvari
