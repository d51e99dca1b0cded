#include "app/loop/Clock.h"

#include <QTime>

#include <chrono>

namespace lenvari {

double SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double MonotonicSeconds() {
  using namespace std::chrono;
  return duration<double>(steady_clock::now().time_since_epoch()).count();
}

double SecondsBetween(double start, double now) {
  double elapsed = now - start;
  if (elapsed < 0) elapsed += 86400.0;
  return elapsed;
}

}  // namespace lenvari
