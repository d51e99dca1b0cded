#include "gallery/GalleryIndex.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <system_error>

#include "common/NumberText.h"
#include "gallery/GalleryFiles.h"
#include "platform/FileAccess.h"
#include "store/FieldReader.h"
#include "store/State.h"
#include "store/ValueWriter.h"

namespace lenvari {
namespace {

constexpr const char* kCellKey = "Cell";

std::uint64_t Fnv1a(const std::string& text) {
  std::uint64_t hash = 14695981039346656037ull;
  for (unsigned char c : text) {
    hash ^= c;
    hash *= 1099511628211ull;
  }
  return hash;
}

std::string Hex(std::uint64_t value) {
  static const char* kDigits = "0123456789abcdef";
  std::string text(16, '0');
  for (int i = 15; i >= 0; --i, value >>= 4) text[static_cast<size_t>(i)] = kDigits[value & 15];
  return text;
}

// The monitor's size and scale: a calibration changes every cell.
std::string Geometry(const State& state) {
  const int m = std::clamp(state.monitors.CurrentMonitor, 1, kMaxMonitors);
  const Monitors& monitors = state.monitors;
  return std::to_string(monitors.ScreenWidth[m]) + "x" + std::to_string(monitors.ScreenHeight[m]) +
         "@" + std::to_string(monitors.MasterScaleX[m]) + "," +
         std::to_string(monitors.MasterScaleY[m]);
}

std::string SlotStamp(const std::string& path) {
  namespace fs = std::filesystem;
  if (const std::string kind = NotARegularFile(path); !kind.empty()) return kind;
  std::error_code error;
  const auto size = fs::file_size(path, error);
  if (error) return "none";
  const auto time = fs::last_write_time(path, error);
  if (error) return "none";
  return std::to_string(size) + ":" + std::to_string(time.time_since_epoch().count());
}

}  // namespace

CellStamps PresetCellStamps(const State& state) {
  CellStamps stamps;
  const std::string geometry = Geometry(state);
  for (int n = 1; n <= kGalleryCells; ++n) {
    std::string fields = geometry;
    for (const std::string& field : state.presets.PresetTable[n]) fields += '\x1f' + field;
    stamps[n] = Hex(Fnv1a(fields));
  }
  return stamps;
}

CellStamps ImageCellStamps(const State& state) {
  CellStamps stamps;
  const std::string geometry = Geometry(state);
  for (int n = 1; n <= kGalleryCells; ++n)
    stamps[n] = Hex(Fnv1a(geometry + '\x1f' + SlotStamp(ImageSlotPath(state.DataPath, n))));
  return stamps;
}

std::string GalleryIndexText(const CellStamps& stamps) {
  std::string text;
  for (int n = 1; n <= kGalleryCells; ++n)
    if (!stamps[n].empty()) AppendSetting(text, kCellKey + std::to_string(n) + "$:", stamps[n]);
  return text;
}

CellStamps ParseGalleryIndex(const std::string& text) {
  CellStamps stamps;
  FieldReader reader{text};
  std::string key, value;
  while (ReadLineField(reader, key) && ReadLineField(reader, value)) {
    key = TrimBlanks(key);
    if (!key.starts_with(kCellKey) || !key.ends_with("$:")) continue;
    const std::string number = key.substr(4, key.size() - 6);
    if (number.empty() || number.size() > 2 ||
        !std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; }))
      continue;
    const int n = std::stoi(number);
    if (n >= 1 && n <= kGalleryCells) stamps[n] = TrimBlanks(value);
  }
  return stamps;
}

CellStamps ReadGalleryIndex(const std::string& indexPath) {
  const FileRead read = ReadDataFile(indexPath);
  return read.Read() ? ParseGalleryIndex(read.bytes) : CellStamps{};
}

bool WriteGalleryIndex(const std::string& indexPath, const CellStamps& stamps,
                       std::string* reason) {
  return WriteFileAtomically(indexPath, GalleryIndexText(stamps), reason);
}

std::vector<int> StaleCells(const CellStamps& drawn, const CellStamps& present) {
  std::vector<int> stale;
  for (int n = 1; n <= kGalleryCells; ++n)
    if (drawn[n].empty() || drawn[n] != present[n]) stale.push_back(n);
  return stale;
}

}  // namespace lenvari
