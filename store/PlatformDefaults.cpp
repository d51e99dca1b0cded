#include "store/PlatformDefaults.h"

#include <filesystem>

namespace lenvari {
namespace fs = std::filesystem;

#ifdef _WIN32

std::string DefaultSelectedVideo() {
  std::error_code error;
  if (fs::is_directory("C:\\Program Files (x86)", error))
    return "C:\\Program Files (x86)\\Lenvari 4\\lenvarivideo.mp4";
  return "C:\\Program Files\\Lenvari 4\\lenvarivideo.mp4";
}

std::string DefaultVideoPlayer() {
  return "C:\\Program Files\\Windows Media Player\\wmplayer.exe";
}

#else

std::string DefaultSelectedVideo() {
  std::error_code error;
  fs::path folder = fs::read_symlink("/proc/self/exe", error).parent_path();
  if (error || folder.empty()) folder = fs::current_path(error);
  return (folder / "lenvarivideo.mp4").string();
}

std::string DefaultVideoPlayer() { return ""; }

#endif

}  // namespace lenvari
