#include "platform/FolderRights.h"

namespace lenvari {

#ifndef _WIN32
// A folder under the user's own data folder is the user's; a shared one is set up by the
// administrator (platform/win/FolderRightsWin.cpp holds the Windows version).
bool ShareFolderWithAllUsers(const std::string&, std::string*) { return true; }
#endif

}  // namespace lenvari
