// Time: a millisecond clock counted from process start on a monotonic clock,
// the calendar time and the local date.
#pragma once

#include <cstdint>
#include <ctime>
#include <functional>

namespace platform {

// Milliseconds since the process started (monotonic, never processor time).
// The count wraps around after about 24.8 days; compare two readings by
// their difference, never by their order.
int32_t clockMillis();

// Seconds since the epoch.
std::time_t calendarTime();

// Today's day of the month (1..31) and month (1..12) in local time; false
// when the conversion fails.
bool localDate(int* day, int* month);

// Replaces the source of localDate (the version-check prompt is tested on
// chosen days with it). An empty function restores the system's date.
using LocalDateSource = std::function<bool(int* day, int* month)>;
void setLocalDateSource(LocalDateSource source);

}  // namespace platform
