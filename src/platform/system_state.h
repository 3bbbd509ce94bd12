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
// pvParam (when not null) an int that receives the previous one.
BOOL SystemParametersInfoA(UINT action, UINT uiParam, void* pvParam, UINT winIni);

// Reports an NT-based platform.
BOOL GetVersionExA(OSVERSIONINFOA* info);

namespace platform {
// The flag as the layer keeps it (visible to tests).
bool screenSaverRunning();
}  // namespace platform
