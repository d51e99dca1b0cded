#include "store/DataFolder.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace lenvari {
namespace fs = std::filesystem;
namespace {

std::string Lower(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return text;
}

std::string SharedApplicationDataFolder() {
#ifdef _WIN32
  if (const char* programData = std::getenv("ProgramData"); programData && *programData)
    return programData;
  return "";
#else
  if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) return xdg;
  if (const char* home = std::getenv("HOME"); home && *home)
    return (fs::path(home) / ".local" / "share").string();
  return "";
#endif
}

std::string WithoutTrailingSeparators(std::string path) {
  while (path.size() > 1 && (path.back() == '/' || path.back() == '\\')) path.pop_back();
  return path;
}

std::string ProgramFolder() {
  std::error_code error;
  const fs::path self = fs::read_symlink("/proc/self/exe", error);
  if (error) return fs::current_path(error).string();
  return self.parent_path().string();
}

}  // namespace

std::string GetDataFolder(const std::string& product, const std::string& program,
                          const std::string& overrideFolder) {
  std::error_code error;
  if (!overrideFolder.empty()) {
    fs::create_directories(overrideFolder, error);
    return WithoutTrailingSeparators(fs::absolute(overrideFolder, error).string());
  }
  const std::string base = WithoutTrailingSeparators(SharedApplicationDataFolder());
  if (!base.empty()) {
    const fs::path folder = fs::path(base) / product / program;
    fs::create_directories(folder, error);
    return folder.string();
  }
  return ProgramFolder();
}

std::string ResolveDataFile(const std::string& folder, const std::string& name) {
  const fs::path exact = fs::path(folder) / name;
  std::error_code error;
  if (fs::exists(exact, error)) return exact.string();
  const std::string wanted = Lower(name);
  for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
    if (Lower(it->path().filename().string()) == wanted) return it->path().string();
  }
  return (fs::path(folder) / wanted).string();
}

std::optional<std::string> ReadWholeFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return std::nullopt;
  std::ostringstream bytes;
  bytes << in.rdbuf();
  if (in.bad()) return std::nullopt;
  return bytes.str();
}

bool WriteFileAtomically(const std::string& path, const std::string& bytes) {
  // A file that already holds these bytes is left alone: every start saves all settings, and
  // flushing a dozen unchanged files to the disk would hold the first chart back for a second.
  if (const std::optional<std::string> present = ReadWholeFile(path); present && *present == bytes)
    return true;
  const fs::path target(path);
  fs::path temporary = target;
  temporary += ".tmp";
  std::error_code error;
  {
    std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
    if (!out) return false;
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      out.close();
      fs::remove(temporary, error);
      return false;
    }
  }
#ifndef _WIN32
  // The bytes must be on the disk before the rename makes them the file.
  if (int fd = ::open(temporary.c_str(), O_RDONLY); fd >= 0) {
    ::fsync(fd);
    ::close(fd);
  }
#endif
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return false;
  }
  return true;
}

void KeepBackup(const std::string& path) {
  std::error_code error;
  if (!fs::exists(path, error)) return;
  fs::copy_file(path, path + ".bak", fs::copy_options::overwrite_existing, error);
}

}  // namespace lenvari
