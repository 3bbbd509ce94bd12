#include "render/frame_stats.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>

namespace {

enum class State { Unknown, Off, On };
State g_state = State::Unknown;
long long g_frames = 0;
double g_frameCpuMs = 0;
double g_frameStartCpuMs = 0;
double g_firstFrameWallMs = 0;
double g_firstFrameCpuMs = 0;
double g_firstFrameShownUnixMs = 0;

double millis(clockid_t clock) {
    timespec ts;
    clock_gettime(clock, &ts);
    return ts.tv_sec * 1000.0 + ts.tv_nsec / 1e6;
}

void report() {
    std::fprintf(stderr,
                 "flurrydale: frame stats: frames=%lld frame_cpu_ms=%.1f process_cpu_ms=%.1f "
                 "wall_ms=%.1f first_frame_unix_ms=%.1f\n",
                 g_frames, g_frameCpuMs, millis(CLOCK_PROCESS_CPUTIME_ID) - g_firstFrameCpuMs,
                 millis(CLOCK_MONOTONIC) - g_firstFrameWallMs, g_firstFrameShownUnixMs);
}

bool enabled() {
    if (g_state == State::Unknown) {
        const char* env = std::getenv("FLURRYDALE_FRAME_STATS");
        g_state = env && std::strcmp(env, "1") == 0 ? State::On : State::Off;
        if (g_state == State::On) {
            g_firstFrameWallMs = millis(CLOCK_MONOTONIC);
            g_firstFrameCpuMs = millis(CLOCK_PROCESS_CPUTIME_ID);
            std::atexit(report);
        }
    }
    return g_state == State::On;
}

}  // namespace

void frameStatsBegin() {
    if (enabled()) g_frameStartCpuMs = millis(CLOCK_PROCESS_CPUTIME_ID);
}

void frameStatsEnd() {
    if (g_state != State::On) return;
    g_frameCpuMs += millis(CLOCK_PROCESS_CPUTIME_ID) - g_frameStartCpuMs;
    if (g_frames == 0) g_firstFrameShownUnixMs = millis(CLOCK_REALTIME);
    ++g_frames;
}
