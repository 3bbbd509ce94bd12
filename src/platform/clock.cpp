#include "platform/clock.h"

#include <utility>

namespace platform {
namespace {

int64_t monotonicNanos() {
    timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return static_cast<int64_t>(ts.tv_sec) * 1000000000 + ts.tv_nsec;
}

// The instant the clock counts from: taken by whichever comes first, the
// first reading or this file's static initialisation, so that readings made
// during another file's static initialisation are counted from there too.
int64_t processStart() {
    static const int64_t start = monotonicNanos();
    return start;
}
[[maybe_unused]] const int64_t g_touchStart = processStart();

LocalDateSource& dateSource() {
    static LocalDateSource source;
    return source;
}

}  // namespace

int32_t clockMillis() {
    const int64_t elapsed = (monotonicNanos() - processStart()) / 1000000;
    // Wrap modulo 2^32 like a 32-bit millisecond counter.
    return static_cast<int32_t>(static_cast<uint32_t>(static_cast<uint64_t>(elapsed)));
}

std::time_t calendarTime() { return std::time(nullptr); }

bool localDate(int* day, int* month) {
    if (dateSource()) return dateSource()(day, month);
    std::time_t now = calendarTime();
    std::tm local;
    if (now == static_cast<std::time_t>(-1) || !localtime_r(&now, &local)) return false;
    *day = local.tm_mday;
    *month = local.tm_mon + 1;
    return true;
}

void setLocalDateSource(LocalDateSource source) { dateSource() = std::move(source); }

}  // namespace platform
