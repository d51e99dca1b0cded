#include <windows.h>
#include <aclapi.h>
#include <sddl.h>

#include <filesystem>

#include "platform/FolderRights.h"

namespace lenvari {

bool ShareFolderWithAllUsers(const std::string& folder, std::string* reason) {
  const auto fail = [reason](const char* step, DWORD code) {
    if (reason) *reason = std::string(step) + " (Windows error " + std::to_string(code) + ")";
    return false;
  };
  BYTE usersSid[SECURITY_MAX_SID_SIZE];
  DWORD sidSize = sizeof usersSid;
  if (!::CreateWellKnownSid(WinBuiltinUsersSid, nullptr, usersSid, &sidSize))
    return fail("the Users group is unknown", ::GetLastError());

  std::wstring path = std::filesystem::path(folder).wstring();
  PACL present = nullptr;
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  DWORD code = ::GetNamedSecurityInfoW(path.c_str(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                       nullptr, nullptr, &present, nullptr, &descriptor);
  if (code != ERROR_SUCCESS) return fail("the folder's rights cannot be read", code);

  // "Modify": everything but changing the rights or the owner, for the folder, its subfolders
  // and its files, also those created later.
  EXPLICIT_ACCESS_W access{};
  access.grfAccessPermissions = FILE_GENERIC_READ | FILE_GENERIC_WRITE | FILE_GENERIC_EXECUTE | DELETE;
  access.grfAccessMode = GRANT_ACCESS;
  access.grfInheritance = SUB_CONTAINERS_AND_OBJECTS_INHERIT;
  access.Trustee.TrusteeForm = TRUSTEE_IS_SID;
  access.Trustee.TrusteeType = TRUSTEE_IS_WELL_KNOWN_GROUP;
  access.Trustee.ptstrName = reinterpret_cast<LPWSTR>(usersSid);
  PACL shared = nullptr;
  code = ::SetEntriesInAclW(1, &access, present, &shared);
  if (code == ERROR_SUCCESS)
    code = ::SetNamedSecurityInfoW(path.data(), SE_FILE_OBJECT, DACL_SECURITY_INFORMATION,
                                   nullptr, nullptr, shared, nullptr);
  if (shared) ::LocalFree(shared);
  ::LocalFree(descriptor);
  return code == ERROR_SUCCESS || fail("the folder's rights cannot be set", code);
}

}  // namespace lenvari
