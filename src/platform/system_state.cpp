#include "platform/system_state.h"

#include <cstring>

namespace {
bool g_screenSaverRunning = false;
DWORD g_platformId = VER_PLATFORM_WIN32_NT;
}  // namespace

namespace platform {
bool screenSaverRunning() { return g_screenSaverRunning; }
void setReportedPlatformId(DWORD platformId) { g_platformId = platformId; }
}  // namespace platform

BOOL SystemParametersInfoA(UINT action, UINT uiParam, void* pvParam, UINT /*winIni*/) {
    if (action != SPI_SETSCREENSAVERRUNNING) return FALSE;
    if (pvParam) *static_cast<int*>(pvParam) = g_screenSaverRunning ? 1 : 0;
    g_screenSaverRunning = uiParam != 0;
    return TRUE;
}

BOOL GetVersionExA(OSVERSIONINFOA* info) {
    if (!info || info->dwOSVersionInfoSize != sizeof(OSVERSIONINFOA)) return FALSE;
    info->dwMajorVersion = 10;
    info->dwMinorVersion = 0;
    info->dwBuildNumber = 0;
    info->dwPlatformId = g_platformId;
    std::memset(info->szCSDVersion, 0, sizeof info->szCSDVersion);
    return TRUE;
}
