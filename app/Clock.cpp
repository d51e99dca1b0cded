#include "app/Clock.h"

#include <QTime>

namespace lenvari {

double SecondsSinceMidnight() { return QTime::currentTime().msecsSinceStartOfDay() / 1000.0; }

double SecondsBetween(double start, double now) {
  double elapsed = now - start;
  if (elapsed < 0) elapsed += 86400.0;
  return elapsed;
}

}  // namespace lenvari
