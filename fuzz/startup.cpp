// A whole start on a damaged data folder: the input is the folder's files, one piece each.
// Besides surviving it, the start must leave a folder that the next start reads as it is,
// writing every file back byte for byte.

#include <unistd.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>

#include "FolderStart.h"
#include "RoundTrip.h"

using namespace lenvari;
namespace fs = std::filesystem;

namespace {

// In memory where the system has it: every save is flushed to its disk.
fs::path Folder() {
  const fs::path base = fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  return base / ("lenvari-fuzz-start-" + std::to_string(::getpid()));
}

std::map<std::string, std::string> Files(const fs::path& folder) {
  std::map<std::string, std::string> files;
  for (const auto& entry : fs::directory_iterator(folder))
    files[entry.path().filename().string()] = ReadWholeFile(entry.path().string()).value_or("");
  return files;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  static const fs::path folder = Folder();
  static const std::vector<std::string> names = StartFileNames();
  [[maybe_unused]] static const int cleanUp = std::atexit([] { fs::remove_all(Folder()); });
  fs::remove_all(folder);
  fs::create_directories(folder);
  const std::string input(reinterpret_cast<const char*>(data), size);
  size_t from = 0;
  for (size_t n = 0; n < names.size() && from <= input.size(); ++n) {
    const size_t end = std::min(input.find(kFileSeparator, from), input.size());
    std::ofstream(folder / names[n], std::ios::binary) << input.substr(from, end - from);
    from = end + 1;
  }

  const State first = StartOn(folder.string());
  for (int f = 0; f <= kLetterSetFiles; ++f) {
    if (first.letters.NumSizes[f] >= 1) continue;
    std::fprintf(stderr, "letter-set file %d has no sizes after the start\n", f);
    std::abort();
  }
  const std::map<std::string, std::string> started = Files(folder);
  StartOn(folder.string());
  const std::map<std::string, std::string> again = Files(folder);
  for (const auto& [name, bytes] : again) {
    const auto before = started.find(name);
    if (before == started.end()) {
      std::fprintf(stderr, "the second start wrote %s, which the first did not\n", name.c_str());
      std::abort();
    }
    if (bytes != before->second) std::fprintf(stderr, "the second start rewrote %s:\n", name.c_str());
    ExpectSameText(before->second, bytes);
  }
  if (again.size() != started.size()) {
    std::fprintf(stderr, "the second start removed a file the first one left\n");
    std::abort();
  }
  return 0;
}
