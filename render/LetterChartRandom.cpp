#include "render/LetterChartRandom.h"

#include <algorithm>

namespace lenvari {
namespace {

bool StartsWith(const std::string& text, const char* prefix) { return text.rfind(prefix, 0) == 0; }

bool Acceptable(char key, bool hotv, const std::string& drawnKeys) {
  const auto count = std::count(drawnKeys.begin(), drawnKeys.end(), key);
  return count == 0 || (hotv && count == 1);
}

}  // namespace

std::string RandomPoolFor(ChartMode mode, const std::string& letterSetName,
                          const std::string& previousPool) {
  std::string pool = previousPool;
  if (mode == ChartMode::Letter) pool = "NCKSODRHVZDVK";
  if (StartsWith(letterSetName, "HOTV")) pool = "HOTV";
  if (StartsWith(letterSetName, "Pictures")) pool = "ejhbcp";
  if (StartsWith(letterSetName, "Numbers")) pool = "23456789";
  return pool;
}

std::string DrawRandomKey(const std::string& pool, bool hotv, std::string& drawnKeys,
                          std::mt19937& random) {
  if (pool.empty()) return "";
  const bool anyLeft = std::any_of(pool.begin(), pool.end(),
                                   [&](char c) { return Acceptable(c, hotv, drawnKeys); });
  if (!anyLeft) drawnKeys.clear();
  std::uniform_int_distribution<size_t> position(0, pool.size() - 1);
  char key;
  do {
    key = pool[position(random)];
  } while (!Acceptable(key, hotv, drawnKeys));
  drawnKeys += key;
  return std::string(1, key);
}

}  // namespace lenvari
