#include <gtest/gtest.h>
#include <time.h>

#include <cstdint>

#include "platform/clock.h"
#include "platform/system_state.h"

TEST(Clock, CountsWallMillisecondsNotProcessorTime) {
    const int32_t before = platform::clockMillis();
    // Sleeping uses no processor time: a processor-time clock would not move.
    timespec pause{0, 30 * 1000 * 1000};
    nanosleep(&pause, nullptr);
    const int32_t after = platform::clockMillis();
    EXPECT_GE(after - before, 30);
    EXPECT_LT(after - before, 5000);  // milliseconds, not microseconds
    EXPECT_GE(before, 0);  // counted from process start, not from boot or the epoch
    EXPECT_LT(before, 10 * 60 * 1000);
    int32_t last = after;
    for (int i = 0; i < 1000; ++i) {
        int32_t now = platform::clockMillis();
        EXPECT_GE(now, last);
        last = now;
    }
}

TEST(Clock, LocalDateFromTheSystemOrAChosenSource) {
    std::time_t now = platform::calendarTime();
    std::tm local;
    ASSERT_NE(localtime_r(&now, &local), nullptr);
    int day = 0, month = 0;
    ASSERT_TRUE(platform::localDate(&day, &month));
    // Around midnight the two readings may fall on different days.
    if (day == local.tm_mday) {
        EXPECT_EQ(month, local.tm_mon + 1);
    }
    EXPECT_GE(day, 1);
    EXPECT_LE(day, 31);

    platform::setLocalDateSource([](int* d, int* m) {
        *d = 21;
        *m = 12;
        return true;
    });
    EXPECT_TRUE(platform::localDate(&day, &month));
    EXPECT_EQ(day, 21);
    EXPECT_EQ(month, 12);
    platform::setLocalDateSource([](int*, int*) { return false; });
    EXPECT_FALSE(platform::localDate(&day, &month));
    platform::setLocalDateSource(nullptr);
    EXPECT_TRUE(platform::localDate(&day, &month));
}

TEST(SystemState, RunningFlagKeepsThePreviousState) {
    int previous = -1;
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previous, 0));
    EXPECT_EQ(previous, 0);
    EXPECT_TRUE(platform::screenSaverRunning());
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previous, 0));
    EXPECT_EQ(previous, 1);
    ASSERT_TRUE(SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, nullptr, 0));
    EXPECT_FALSE(platform::screenSaverRunning());
    EXPECT_FALSE(SystemParametersInfoA(17 /* another action */, 1, &previous, 0));
    EXPECT_FALSE(platform::screenSaverRunning());
}

TEST(SystemState, VersionReportsNTUnlessTestsChooseAnother) {
    OSVERSIONINFOA info{};
    info.dwOSVersionInfoSize = sizeof info;
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_NT);

    platform::setReportedPlatformId(VER_PLATFORM_WIN32_WINDOWS);
    ASSERT_TRUE(GetVersionExA(&info));
    EXPECT_EQ(info.dwPlatformId, VER_PLATFORM_WIN32_WINDOWS);
    platform::setReportedPlatformId(VER_PLATFORM_WIN32_NT);

    OSVERSIONINFOA wrongSize{};
    wrongSize.dwOSVersionInfoSize = 20;
    EXPECT_FALSE(GetVersionExA(&wrongSize));
    EXPECT_EQ(wrongSize.dwPlatformId, 0u);
}
