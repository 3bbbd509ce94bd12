// The screen saver password, checked and changed by the system's password
// providers, which are loaded for each call and freed again. NT-based
// systems ask for nothing; on Linux neither provider library exists.
#include <cstring>

#include "platform/library.h"
#include "platform/system_state.h"
#include "platform/window.h"
#include "shell/screensaver_app.h"

namespace {
typedef BOOL (*VerifyScreenSavePwdFn)(HWND window);
typedef DWORD (*PwdChangePasswordFn)(const char* provider, HWND parent, DWORD reserved1, DWORD reserved2);

template <typename Fn>
Fn entryPoint(HMODULE library, const char* name) {
    return reinterpret_cast<Fn>(GetProcAddress(library, name));
}
}  // namespace

PasswordCheck CScreensaverApp::CheckPassword(HWND saverWindow) {
    OSVERSIONINFOA version;
    std::memset(&version, 0, sizeof version);
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);  // a failure leaves platform 0: the provider path
    if (version.dwPlatformId == VER_PLATFORM_WIN32_NT) return PasswordCheck::Accepted;

    HMODULE provider = LoadLibraryA("PASSWORD.CPL");
    if (!provider) return PasswordCheck::NoProvider;
    auto verify = entryPoint<VerifyScreenSavePwdFn>(provider, "VerifyScreenSavePwd");
    if (!verify) {
        FreeLibrary(provider);
        return PasswordCheck::NoProvider;
    }
    // The pointer is visible while the provider's dialog is up; the hide
    // count afterwards is what it was.
    ShowCursor(TRUE);
    const BOOL answer = verify(saverWindow);
    ShowCursor(FALSE);
    FreeLibrary(provider);
    return answer == 1 ? PasswordCheck::Accepted : PasswordCheck::Refused;
}

bool CScreensaverApp::VerifyPassword(HWND saverWindow) {
    return CheckPassword(saverWindow) == PasswordCheck::Accepted;
}

void CScreensaverApp::ChangePassword() {
    HMODULE provider = LoadLibraryA("MPR.DLL");
    if (!provider) return;
    if (auto change = entryPoint<PwdChangePasswordFn>(provider, "PwdChangePasswordA"))
        change("SCRSAVE", GetDesktopWindow(), 0, 0);  // the result is not used
    FreeLibrary(provider);
}
