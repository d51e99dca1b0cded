#pragma once
// Rights on a folder this program creates for everyone who uses the PC.

#include <string>

namespace lenvari {

// Lets every user of the PC read, write, create and delete in `folder` and in everything made
// in it later (Windows: an inherited "modify" entry for the Users group, so settings saved by
// one examiner can be changed by the next). Elsewhere the folder's own permissions stand and
// this does nothing. False with `reason` when the rights could not be set.
bool ShareFolderWithAllUsers(const std::string& folder, std::string* reason = nullptr);

}  // namespace lenvari
