#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>

#include "platform/Sound.h"

namespace lenvari {
namespace {

TEST(ClickSound, SamplesAreAShortClickThatStartsAndEndsSilent) {
  const auto samples = ClickSamples();
  const double seconds = static_cast<double>(samples.size()) / kClickSampleRate;
  EXPECT_GE(seconds, 0.02);
  EXPECT_LE(seconds, 0.05);
  int peak = 0;
  for (auto s : samples) peak = std::max(peak, std::abs(static_cast<int>(s)));
  EXPECT_GT(peak, 8000);  // audible
  EXPECT_LT(peak, 32767); // not clipped
  EXPECT_LE(std::abs(static_cast<int>(samples.front())), 100);
  EXPECT_LE(std::abs(static_cast<int>(samples.back())), 100);
}

// Plays many clicks, some faster than a click lasts, while standard error is redirected to a
// file: nothing crashes or hangs, and a machine without a sound card hears nothing and reads
// nothing.
TEST(ClickSound, ManyQuickClicksNeitherHangNorPrintWithoutADevice) {
  const std::string capture = testing::TempDir() + "lenvari-sound-stderr.txt";
  std::fflush(stderr);
  const int saved = ::dup(2);
  std::FILE* file = std::fopen(capture.c_str(), "w");
  ASSERT_NE(file, nullptr);
  ::dup2(::fileno(file), 2);

  {
    ClickSound sound;
    for (int i = 0; i < 20; ++i) {
      sound.Play();
      if (i % 5 == 0) usleep(40000);  // let the worker reach the output between bursts
    }
    usleep(100000);
  }  // the destructor waits for the worker

  std::fflush(stderr);
  ::dup2(saved, 2);
  ::close(saved);
  std::fclose(file);
  std::stringstream printed;
  printed << std::ifstream(capture).rdbuf();
  std::remove(capture.c_str());
  EXPECT_EQ(printed.str(), "");
}

}  // namespace
}  // namespace lenvari
