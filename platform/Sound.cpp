#include "platform/Sound.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <numbers>
#include <optional>

#if defined(LENVARI_HAVE_ALSA)
#include <alsa/asoundlib.h>
#elif defined(_WIN32)
#include <windows.h>
#include <mmsystem.h>
#endif

namespace lenvari {

std::vector<std::int16_t> ClickSamples() {
  constexpr double kSeconds = 0.030;
  constexpr double kToneHz = 2000.0;
  constexpr double kDecayPerSecond = 160.0;  // about 40 dB down by the end
  constexpr double kRampSeconds = 0.001;      // fade in and out against clicks of the edges
  const int count = static_cast<int>(kSeconds * kClickSampleRate);
  std::vector<std::int16_t> samples(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) {
    const double t = static_cast<double>(i) / kClickSampleRate;
    const double remaining = static_cast<double>(count - 1 - i) / kClickSampleRate;
    const double ramp = std::min({1.0, t / kRampSeconds, remaining / kRampSeconds});
    const double value = std::sin(2.0 * std::numbers::pi * kToneHz * t) *
                         std::exp(-kDecayPerSecond * t) * ramp;
    samples[static_cast<std::size_t>(i)] = static_cast<std::int16_t>(std::lround(value * 16000.0));
  }
  return samples;
}

#if defined(LENVARI_HAVE_ALSA)
namespace {

// ALSA reports every failure (no sound card, no configuration) on standard error, which
// would fill the examiner's console on a machine without audio. A click that cannot be
// played is not worth a word.
void SilentAlsaError(const char*, int, const char*, int, const char*, ...) {}

// The open output, kept between clicks so a click starts without the cost of opening.
class AlsaOutput {
 public:
  ~AlsaOutput() {
    if (pcm_) snd_pcm_close(pcm_);
  }

  bool Play(const std::vector<std::int16_t>& samples) {
    if (!pcm_ && !Open()) return false;
    snd_pcm_prepare(pcm_);
    const std::int16_t* data = samples.data();
    snd_pcm_uframes_t left = samples.size();
    while (left > 0) {
      snd_pcm_sframes_t written = snd_pcm_writei(pcm_, data, left);
      if (written < 0) written = snd_pcm_recover(pcm_, static_cast<int>(written), 1);
      if (written < 0) {
        // The device went away; the next click opens it afresh.
        snd_pcm_close(pcm_);
        pcm_ = nullptr;
        return false;
      }
      data += written;
      left -= static_cast<snd_pcm_uframes_t>(written);
    }
    snd_pcm_drain(pcm_);
    return true;
  }

 private:
  bool Open() {
    // A failed open costs little but is not repeated on every key press.
    const auto now = std::chrono::steady_clock::now();
    if (failedAt_ && now - *failedAt_ < std::chrono::seconds(5)) return false;
    snd_lib_error_set_handler(&SilentAlsaError);
    // Opened without blocking, so a device held by another program fails at once instead of
    // stalling the click until it is free.
    if (snd_pcm_open(&pcm_, "default", SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0 ||
        snd_pcm_nonblock(pcm_, 0) < 0 ||
        snd_pcm_set_params(pcm_, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1,
                           kClickSampleRate, 1, 50000) < 0) {
      if (pcm_) snd_pcm_close(pcm_);
      pcm_ = nullptr;
      failedAt_ = now;
      return false;
    }
    failedAt_.reset();
    return true;
  }

  snd_pcm_t* pcm_ = nullptr;
  std::optional<std::chrono::steady_clock::time_point> failedAt_;
};

}  // namespace
#elif defined(_WIN32)
namespace {

// Windows plays a WAVE file held in memory; the click is made into one once.
class WaveOutput {
 public:
  bool Play(const std::vector<std::int16_t>& samples) {
    if (wave_.empty()) wave_ = ClickWaveFile(samples);
    // Synchronous on the worker thread; a PC without audio output returns FALSE at once.
    return PlaySoundA(wave_.data(), nullptr, SND_MEMORY | SND_SYNC | SND_NODEFAULT) != FALSE;
  }

 private:
  std::string wave_;
};

}  // namespace
#endif

std::string ClickWaveFile(const std::vector<std::int16_t>& samples) {
  std::string file;
  const auto put = [&file](std::uint32_t value, int bytes) {
    for (int i = 0; i < bytes; ++i) file.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  };
  const auto dataBytes = static_cast<std::uint32_t>(samples.size() * 2);
  file += "RIFF", put(36 + dataBytes, 4), file += "WAVEfmt ", put(16, 4);
  put(1, 2), put(1, 2), put(kClickSampleRate, 4), put(kClickSampleRate * 2, 4), put(2, 2);
  put(16, 2), file += "data", put(dataBytes, 4);
  for (const std::int16_t sample : samples) put(static_cast<std::uint16_t>(sample), 2);
  return file;
}

ClickSound::ClickSound() : worker_([this] { Run(); }) {}

ClickSound::~ClickSound() {
  {
    std::lock_guard lock(mutex_);
    stopping_ = true;
  }
  wake_.notify_one();
  worker_.join();
}

void ClickSound::Play() {
  {
    std::lock_guard lock(mutex_);
    pending_ = true;
  }
  wake_.notify_one();
}

void ClickSound::Run() {
#if defined(LENVARI_HAVE_ALSA)
  const std::vector<std::int16_t> samples = ClickSamples();
  AlsaOutput output;
#elif defined(_WIN32)
  const std::vector<std::int16_t> samples = ClickSamples();
  WaveOutput output;
#endif
  std::unique_lock lock(mutex_);
  for (;;) {
    wake_.wait(lock, [this] { return pending_ || stopping_; });
    if (stopping_) return;
    pending_ = false;
    lock.unlock();
#if defined(LENVARI_HAVE_ALSA) || defined(_WIN32)
    output.Play(samples);
#endif
    lock.lock();
  }
}

}  // namespace lenvari
