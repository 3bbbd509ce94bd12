// Time: a millisecond clock counted from process start on a monotonic clock,
// the calendar time and the local date.
#pragma once

#include <cstdint>
#include <ctime>

namespace platform {

// Milliseconds since the process started (monotonic, never processor time).
int32_t clockMillis();

// Seconds since the epoch.
std::time_t calendarTime();

// Today's day of the month (1..31) and month (1..12) in local time; false
// when the conversion fails.
bool localDate(int* day, int* month);

}  // namespace platform
