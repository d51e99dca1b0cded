#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>

#include "platform/Sound.h"

namespace lenvari {
namespace {

TEST(ClickSound, SamplesAreAShortClickThatStartsAndEndsSilent) {
  const auto samples = ClickSamples();
  const double seconds = static_cast<double>(samples.size()) / kClickSampleRate;
  EXPECT_TRUE(seconds >= 0.02 && seconds <= 0.05) << seconds;
  int peak = 0;
  for (auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_TRUE(peak > 8000 && peak < 32767) << peak;  // audible, not clipped
  EXPECT_LE(std::abs(static_cast<int>(samples.front())), 100);
  EXPECT_LE(std::abs(static_cast<int>(samples.back())), 100);
}

// Plays many clicks, some faster than a click lasts, while standard error is captured: nothing
// crashes or hangs, and a machine without a sound card hears nothing and reads nothing.
TEST(ClickSound, ManyQuickClicksNeitherHangNorPrintWithoutADevice) {
  ::testing::internal::CaptureStderr();
  {
    ClickSound sound;
    for (int i = 0; i < 20; ++i) {
      sound.Play();
      if (i % 5 == 0) usleep(40000);  // let the worker reach the output between bursts
    }
    usleep(100000);
  }  // the destructor waits for the worker
  EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
}

}  // namespace
}  // namespace lenvari
