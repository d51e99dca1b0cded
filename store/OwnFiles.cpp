#include "store/OwnFiles.h"

#include <algorithm>
#include <cctype>
#include <regex>
#include <system_error>

#include "common/TextCase.h"
#include "platform/FileAccess.h"

namespace lenvari {
namespace fs = std::filesystem;
namespace {

bool AllAlphanumeric(const std::string& text) {
  return std::all_of(text.begin(), text.end(),
                     [](unsigned char c) { return std::isalnum(c) != 0; });
}

}  // namespace

bool IsOwnFileName(const std::string& name) {
  static const std::regex own(
      "globalconfig\\.cfg|lvmonitordata\\.cfg|lvdisplay\\.cfg|lvscreenidentity\\.cfg|"
      "lvcontrolwindow\\.cfg|lvphoneremote\\.cfg|lenvari archive\\.zip|lv(10|[0-9])\\.let|"
      "(10|[1-9])(lvconfig|presets)\\.cfg|(10|[1-9])(lvgallery|imagegallery)\\.(bmp|idx)|"
      "(10|[1-9])lvbmap([1-9]|[12][0-9]|3[0-6])\\.bmp|lvimg([1-9]|[12][0-9]|3[0-6])\\.bmp");
  return std::regex_match(LowerCase(name), own);
}

bool IsLeftoverOfSave(const std::string& name) {
  if (IsTemporaryName(name)) return true;
  // The archive library writes "<temporary>.XXXXXX" before it renames it to the temporary name.
  if (const size_t dot = name.rfind('.'); dot != std::string::npos && name.size() - dot == 7 &&
                                          AllAlphanumeric(name.substr(dot + 1)) &&
                                          IsTemporaryName(name.substr(0, dot)))
    return true;
  const std::string lower = LowerCase(name);
  if (lower.ends_with(".tmp") && IsOwnFileName(name.substr(0, name.size() - 4))) return true;
  if (const size_t dot = name.rfind('.'); dot != std::string::npos && name.size() - dot == 7 &&
                                          AllAlphanumeric(name.substr(dot + 1))) {
    const std::string stem = name.substr(0, dot);
    if (LowerCase(stem).ends_with(".bmp") && IsOwnFileName(stem)) return true;
  }
  static const std::regex archiveTemporary("\\.lenvari archive\\.zip\\.[0-9]+\\.tmp");
  return std::regex_match(lower, archiveTemporary);
}

std::vector<std::string> RemoveLeftoversOfSaves(const std::string& folder,
                                                fs::file_time_type before) {
  std::vector<std::string> removed;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!IsLeftoverOfSave(name) || !NotARegularFile(it->path().string()).empty()) continue;
    std::error_code fileError;
    const auto changed = fs::last_write_time(it->path(), fileError);
    if (fileError || changed >= before) continue;
    if (fs::remove(it->path(), fileError)) removed.push_back(name);
  }
  std::sort(removed.begin(), removed.end());
  return removed;
}

std::vector<std::string> OwnNamesThatAreNotFiles(const std::string& folder) {
  std::vector<std::string> found;
  std::error_code error;
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    const std::string name = it->path().filename().string();
    if (!IsOwnFileName(name)) continue;
    if (const std::string kind = NotARegularFile(it->path().string()); !kind.empty())
      found.push_back(it->path().string() + ": it is " + kind);
  }
  std::sort(found.begin(), found.end());
  return found;
}

}  // namespace lenvari
