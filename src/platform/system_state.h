// System state: the screen-saver-running flag and the platform version.
#pragma once

#include "platform/win_types.h"

struct OSVERSIONINFOA {
    DWORD dwOSVersionInfoSize;
    DWORD dwMajorVersion;
    DWORD dwMinorVersion;
    DWORD dwBuildNumber;
    DWORD dwPlatformId;
    char szCSDVersion[128];
};

// Only SPI_SETSCREENSAVERRUNNING is supported: uiParam is the new state,
// pvParam (when not null) an int that receives the previous one. Other
// actions answer FALSE and change nothing.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, void* pvParam, UINT winIni);

// Reports an NT-based platform. The record's size field must be 148
// (sizeof(OSVERSIONINFOA)); otherwise the call fails and fills nothing.
BOOL GetVersionExA(OSVERSIONINFOA* info);

namespace platform {

// The flag as the layer keeps it (visible to tests).
bool screenSaverRunning();

// The platform identifier GetVersionExA reports (VER_PLATFORM_WIN32_NT
// unless changed); tests choose another one to reach the code paths of
// systems with password providers.
void setReportedPlatformId(DWORD platformId);

}  // namespace platform
