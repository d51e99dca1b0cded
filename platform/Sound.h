#pragma once
// The click that acknowledges each input when audio alerts are on.

#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace lenvari {

inline constexpr int kClickSampleRate = 44100;

// The click as 16-bit mono samples at kClickSampleRate: about 30 ms of a decaying tone that
// starts and ends at silence, so it does not pop.
std::vector<std::int16_t> ClickSamples();

// The samples as a mono 16-bit PCM WAVE file (RIFF, little-endian), the form Windows plays.
std::string ClickWaveFile(const std::vector<std::int16_t>& samples);

// Plays the click on the default audio output. Play() returns at once: a worker thread owns
// the output and plays while the caller goes on. Presses faster than the click coalesce into
// one more click. On a machine without an audio device it plays nothing and prints nothing.
class ClickSound {
 public:
  ClickSound();
  ~ClickSound();
  ClickSound(const ClickSound&) = delete;
  ClickSound& operator=(const ClickSound&) = delete;

  void Play();

 private:
  void Run();

  mutable std::mutex mutex_;
  std::condition_variable wake_;
  bool pending_ = false;
  bool stopping_ = false;
  std::thread worker_;  // last member: starts after the others exist
};

}  // namespace lenvari
