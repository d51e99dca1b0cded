#include "store/MonitorNumbering.h"

#include <algorithm>
#include <string>

namespace lenvari {
namespace {

std::string IdentityKey(const ScreenRecord& r) {
  return r.manufacturer + '\x1f' + r.model + '\x1f' + r.serialNumber;
}

// The one index of `records` with `key`, or -1 (none, or several that cannot be told apart).
int OnlyIndexOf(const std::vector<ScreenRecord>& records, const std::string& key) {
  int found = -1;
  for (size_t i = 0; i < records.size(); ++i) {
    if (!HasIdentity(records[i]) || IdentityKey(records[i]) != key) continue;
    if (found >= 0) return -1;
    found = static_cast<int>(i);
  }
  return found;
}

}  // namespace

std::vector<int> NumberMonitors(const std::vector<ScreenRecord>& present,
                                const std::vector<ScreenRecord>& remembered) {
  const int count = static_cast<int>(present.size());
  std::vector<int> numbers(present.size(), 0);
  std::vector<bool> taken(present.size() + 1, false);
  std::vector<ScreenRecord> known;
  for (const ScreenRecord& r : remembered) known.push_back(r.known ? r : ScreenRecord{});
  for (int i = 0; i < count; ++i) {
    if (!HasIdentity(present[i])) continue;
    const std::string key = IdentityKey(present[i]);
    if (OnlyIndexOf(present, key) != i) continue;
    const int number = OnlyIndexOf(known, key) + 1;
    if (number < 1 || number > count || taken[number]) continue;
    numbers[i] = number;
    taken[number] = true;
  }
  int next = 1;
  for (int& number : numbers) {
    if (number != 0) continue;
    while (taken[next]) ++next;
    number = next;
    taken[next] = true;
  }
  return numbers;
}

}  // namespace lenvari
