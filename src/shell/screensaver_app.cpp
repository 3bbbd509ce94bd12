#include "shell/screensaver_app.h"

#include "platform/system_state.h"
#include "platform/window.h"
#include "settings/int_text.h"

namespace {

CScreensaverApp* g_instance = nullptr;

// Lower-cases the ASCII letters only: every byte of a multi-byte character
// is 0x80 or above and stays as it is, and the switches are ASCII.
std::string loweredCopy(const std::string& text) {
    std::string out = text;
    for (char& c : out)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return out;
}

bool contains(const std::string& text, const char* what) { return text.find(what) != std::string::npos; }

}  // namespace

RunMode chooseRunMode(const std::string& commandTail) {
    const std::string tail = loweredCopy(commandTail);
    // Each later hit overrides the earlier ones.
    RunMode mode = RunMode::ConfigureDialog;
    if (contains(tail, "/s") || contains(tail, "-s")) mode = RunMode::FullScreen;
    if (contains(tail, "/a") || contains(tail, "-a")) mode = RunMode::PasswordChange;
    if (contains(tail, "/p") || contains(tail, "-p")) mode = RunMode::Preview;
    if (contains(tail, "/testpreview")) mode = RunMode::TestPreview;
    return mode;
}

HWND previewParentFromTail(const std::string& commandTail) {
    const std::string tail = loweredCopy(commandTail);
    std::size_t at = tail.find("/p");
    if (at == std::string::npos) at = tail.find("-p");
    if (at == std::string::npos) return nullptr;
    // The switch and exactly one separator character are skipped; a tail
    // that ends before the number gives 0.
    const std::size_t start = at + 3;
    if (start > tail.size()) return nullptr;
    int32_t number = 0;
    if (!readDecimalInt(tail.c_str() + start, &number)) return nullptr;
    return hwndFromId(static_cast<uintptr_t>(static_cast<intptr_t>(number)));
}

CScreensaverApp::CScreensaverApp() : CWinApp(nullptr) { g_instance = this; }

CScreensaverApp::~CScreensaverApp() {
    if (g_instance == this) g_instance = nullptr;
}

CScreensaverApp* CScreensaverApp::instance() { return g_instance; }

BOOL CScreensaverApp::InitInstance() { return InitInstance(m_lpCmdLine); }

BOOL CScreensaverApp::InitInstance(const std::string& commandTail) {
    m_lpCmdLine = commandTail;
    // The common control classes and control containment of the desktop
    // framework have no counterpart here: the dialog's toolkit needs no
    // registration.
    CWinApp::InitInstance();
    SetRegistryKey("Local AppWizard-Generated Applications");
    const RunMode mode = chooseRunMode(commandTail);

    int previous = 0;  // receives the flag's old state; not used
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 1, &previous, 0);
    switch (mode) {
        case RunMode::FullScreen:
            RunFullScreen();
            break;
        case RunMode::ConfigureDialog:
            Configure();
            break;
        case RunMode::Preview:
            RunPreview(previewParentFromTail(commandTail));
            break;
        case RunMode::TestPreview: {
            HWND host = CreateTestPreviewHost();
            RunPreview(host);
            if (host) DestroyWindow(host);  // it may already be gone
            break;
        }
        case RunMode::PasswordChange:
            ChangePassword();
            break;
    }
    SystemParametersInfoA(SPI_SETSCREENSAVERRUNNING, 0, &previous, 0);
    return FALSE;
}
