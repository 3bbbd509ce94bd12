// The reusable screen saver application: it turns the command-line tail into
// one of five run modes, brackets the run with the system's
// screen-saver-running flag and drives the mode with its own message loops.
// What the saver draws and how it is configured is left to ten abstract
// operations that a concrete saver implements.
#pragma once

#include <string>

#include "platform/win_app.h"
#include "platform/win_types.h"

enum class RunMode { FullScreen = 0, ConfigureDialog = 1, Preview = 2, TestPreview = 3, PasswordChange = 4 };

// The mode the command-line tail asks for; the switches are found as plain
// substrings of a lower-cased copy (see the .cpp for the precedence).
RunMode chooseRunMode(const std::string& commandTail);

// The parent window a preview tail names: the decimal number read with the
// rules of atoi from three characters after the first "/p" (else "-p").
HWND previewParentFromTail(const std::string& commandTail);

// How a password check went. The run loop needs to tell a refusal from a
// system that has no password provider at all.
enum class PasswordCheck { Accepted, Refused, NoProvider };

class CScreensaverApp : public CWinApp {
public:
    CScreensaverApp();
    ~CScreensaverApp() override;

    // The application object of the process (the saver window reaches it
    // through this); set by the constructor.
    static CScreensaverApp* instance();

    // Runs the mode the tail names (the text after the program's own name)
    // and returns false, so that no framework message loop follows.
    BOOL InitInstance(const std::string& commandTail);
    // The same with the tail the framework keeps (m_lpCmdLine).
    BOOL InitInstance() override;

    // The saver's own work, in this slot order.
    virtual HWND CreateFullScreenWindow() = 0;
    virtual void TickFullScreen() = 0;
    virtual void EndFullScreen() = 0;
    virtual void ResumeFullScreen() = 0;
    virtual void Configure() = 0;
    virtual HWND CreatePreviewWindow(HWND parent) = 0;
    virtual void TickPreview() = 0;
    virtual void EndPreview() = 0;
    virtual void ResumePreview() = 0;
    virtual const char* GetCompanyName() = 0;

    // The run loops (run_loops.cpp).
    void RunFullScreen();
    void RunPreview(HWND parent);
    HWND CreateTestPreviewHost();

    // The password services (passwords.cpp).
    bool VerifyPassword(HWND saverWindow);
    void ChangePassword();
    // VerifyPassword with the reason of a refusal.
    PasswordCheck CheckPassword(HWND saverWindow);
};

// The test-preview host's window procedure: paints itself black.
LRESULT PreviewHostWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
