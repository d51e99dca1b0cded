#include "app/loop/KeyArrival.h"

#include <algorithm>

namespace lenvari {
namespace {

constexpr int kRemoteWords = 12;

std::string RemoteWord(int n) {
  return "ControlRemoteF" + std::string(1, static_cast<char>('0' + n / 10)) +
         std::string(1, static_cast<char>('0' + n % 10));
}

bool IsRemoteWord(const std::string& text) {
  for (int n = 1; n <= kRemoteWords; ++n)
    if (text == RemoteWord(n)) return true;
  return false;
}

void ReleaseHeld(KeyArrival& arrival) {
  for (char c : arrival.held)
    arrival.ready.push_back({std::string(1, c), arrival.heldAlt, arrival.heldCtrl});
  arrival.held.clear();
}

}  // namespace

std::vector<std::string> SplitKeys(const std::string& joined) {
  std::vector<std::string> keys;
  for (size_t i = 0; i < joined.size(); ++i) {
    const size_t length = joined[i] == '\0' && i + 1 < joined.size() ? 2 : 1;
    keys.push_back(joined.substr(i, length));
    i += length - 1;
  }
  return keys;
}

bool BeginsRemoteWord(const std::string& text) {
  if (text.empty()) return false;
  for (int n = 1; n <= kRemoteWords; ++n) {
    const std::string word = RemoteWord(n);
    if (text.size() < word.size() && word.compare(0, text.size(), text) == 0) return true;
  }
  return false;
}

void ReceiveKeys(KeyArrival& arrival, const std::string& joined, int altDown, int ctrlDown,
                 double now) {
  for (const std::string& key : SplitKeys(joined)) {
    const std::string joinedWithHeld = arrival.held + key;
    if (!arrival.held.empty() && IsRemoteWord(joinedWithHeld)) {
      arrival.ready.push_back({joinedWithHeld, arrival.heldAlt, arrival.heldCtrl});
      arrival.held.clear();
      continue;
    }
    if (!arrival.held.empty() && BeginsRemoteWord(joinedWithHeld)) {
      arrival.held = joinedWithHeld;
      arrival.lastHeldAt = now;
      continue;
    }
    // The held keys were no word: they go on as they came, and this key starts afresh.
    ReleaseHeld(arrival);
    if (BeginsRemoteWord(key)) {
      arrival.held = key;
      arrival.heldAlt = altDown;
      arrival.heldCtrl = ctrlDown;
      arrival.lastHeldAt = now;
    } else {
      arrival.ready.push_back({key, altDown, ctrlDown});
    }
  }
}

void ReleaseOverdueKeys(KeyArrival& arrival, double now) {
  if (!arrival.held.empty() && SecondsUntilOverdue(arrival, now) <= 0) ReleaseHeld(arrival);
}

double SecondsUntilOverdue(const KeyArrival& arrival, double now) {
  if (arrival.held.empty()) return 0;
  return std::max(0.0, arrival.lastHeldAt + kRemoteWordGapSeconds - now);
}

}  // namespace lenvari
