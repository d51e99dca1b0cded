#pragma once
// Time of day, as the input loop counts it.

namespace lenvari {

// Seconds since midnight, with millisecond resolution.
double SecondsSinceMidnight();
// Seconds from `start` to `now`, both seconds since midnight, across one midnight.
double SecondsBetween(double start, double now);
// Seconds on a clock that never goes back or wraps (not the time of day): for waits that
// must end however the day or the system clock turns.
double MonotonicSeconds();

}  // namespace lenvari
