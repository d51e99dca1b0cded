#include "app/Clock.h"

#include <chrono>

#include <QTime>

namespace lenvari {

double SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double SecondsBetween(double start, double now) {
  double elapsed = now - start;
  if (elapsed < 0) elapsed += 86400.0;
  return elapsed;
}

double MonotonicSeconds() {
  using Clock = std::chrono::steady_clock;
  return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

}  // namespace lenvari
