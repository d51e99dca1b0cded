#pragma once
// Keys on their way from the keyboard sources (the console, the monitor window, the chart
// window) to the dispatch. The wait wakes the moment a key arrives, so each key would be one
// input; two things need more than that:
// - A handheld remote's receiver types a press-and-hold of memory button n as the word
//   "ControlRemoteF01" .. "ControlRemoteF12", one key a few milliseconds after the other. A key
//   that can begin such a word is held back, and the keys after it join it while they keep
//   forming the start of a word; a whole word is one input. When they stop forming one, or no
//   key follows within `kRemoteWordGapSeconds`, the held keys go on one by one, in order, each
//   as the quick key it is. Every other key goes on at once.
// - Keys taken together (the program was busy while they were typed) are each an input of
//   their own, in order, so none is lost to a joined string that no quick key matches.

#include <deque>
#include <string>
#include <vector>

namespace lenvari {

// The longest gap between two keys of one remote word. A receiver is a keyboard that reports
// at 125 Hz or faster: a character needs a press and a release report, 16 ms at most, so 50 ms
// leaves room for a busy machine while the slowest typing this must not join (a key every
// 150 ms) and ordinary typing stay well apart. Only a key that can begin a word ("C") waits
// for it.
inline constexpr double kRemoteWordGapSeconds = 0.05;

// One input for the dispatch, with the modifier state of the keys it came with.
struct KeyInput {
  std::string text;
  int altDown = 0;
  int ctrlDown = 0;
};

struct KeyArrival {
  // The start of a remote word, held back, with the modifier state it came with and the
  // monotonic time its last key arrived.
  std::string held;
  int heldAlt = 0, heldCtrl = 0;
  double lastHeldAt = 0;
  // Inputs ready for the dispatch, oldest first.
  std::deque<KeyInput> ready;
};

// The single keys of a joined key string, in order: an extended key is its two characters
// (code 0 and the key code), every other key one character.
std::vector<std::string> SplitKeys(const std::string& joined);

// True when `text` is the start of a remote word but not a whole one.
bool BeginsRemoteWord(const std::string& text);

// Takes the keys a source joined, at monotonic time `now`, with the modifier state of the
// source.
void ReceiveKeys(KeyArrival& arrival, const std::string& joined, int altDown, int ctrlDown,
                 double now);

// Held keys that waited longer than the gap by `now` go on one by one.
void ReleaseOverdueKeys(KeyArrival& arrival, double now);

// Seconds from `now` until the held keys are overdue (0 when nothing is held or it is time).
double SecondsUntilOverdue(const KeyArrival& arrival, double now);

}  // namespace lenvari
