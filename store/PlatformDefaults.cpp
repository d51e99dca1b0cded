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

std::string DefaultSelectedVideoBeside(const std::string& programFolder) {
  if (programFolder.empty()) return "";
  std::error_code error;
  const fs::path video =
      (fs::path(programFolder).parent_path() / "share" / "lenvari-acuity" / "lenvarivideo.mp4").lexically_normal();
  return fs::is_regular_file(video, error) ? video.string() : "";
}

std::string DefaultSelectedVideo() {
  std::error_code error;
  const fs::path program = fs::read_symlink("/proc/self/exe", error);
  return error ? "" : DefaultSelectedVideoBeside(program.parent_path().string());
}

std::string DefaultVideoPlayer() { return ""; }

#endif

}  // namespace lenvari
