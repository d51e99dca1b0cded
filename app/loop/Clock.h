#pragma once
// Time of day, as the input loop counts it.

namespace lenvari {

// Seconds since midnight, with millisecond resolution.
double SecondsSinceMidnight();
// Seconds from `start` to `now`, both seconds since midnight, across one midnight.
double SecondsBetween(double start, double now);
// Seconds on a clock that never jumps (no time zone, no midnight), for short waits.
double MonotonicSeconds();

}  // namespace lenvari
