// The saver itself: the application object whose operations create the
// saver window, draw paced frames and run the configuration dialog.
#pragma once

#include "shell/screensaver_app.h"

class CTestScreensaver : public CScreensaverApp {
public:
    // Looks the data directory up and loads the settings, so that their
    // error boxes are the first thing a user sees, whatever the mode.
    CTestScreensaver();

    HWND CreateFullScreenWindow() override;
    void TickFullScreen() override;
    void EndFullScreen() override;
    void ResumeFullScreen() override;
    void Configure() override;
    HWND CreatePreviewWindow(HWND parent) override;
    void TickPreview() override;
    void EndPreview() override;
    void ResumePreview() override;
    const char* GetCompanyName() override;

    // The saver window: none until it is created, none again once it is
    // destroyed (the window records both).
    HWND saverWindow() const { return saverWindow_; }
    void setSaverWindow(HWND window) { saverWindow_ = window; }

private:
    HWND saverWindow_;
};
