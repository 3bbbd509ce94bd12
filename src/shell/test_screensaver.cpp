#include "shell/test_screensaver.h"

#include "config_ui/configure.h"
#include "settings/options.h"
#include "shell/data_dir.h"
#include "shell/frame_pacing.h"
#include "shell/saver_window.h"

CTestScreensaver::CTestScreensaver() : saverWindow_(nullptr) {
    LookUpDataDir();
    g_options.load("options.xml");
}

HWND CTestScreensaver::CreateFullScreenWindow() {
    // Set first: the window's creation message already depends on it.
    IsFullScreen = true;
    saverWindow_ = CreateSaverWindow(true, nullptr);
    return saverWindow_;
}

void CTestScreensaver::TickFullScreen() { DrawFrameIfDue(); }

void CTestScreensaver::EndFullScreen() {}

void CTestScreensaver::ResumeFullScreen() {}

void CTestScreensaver::Configure() { runConfigurationDialog(); }

HWND CTestScreensaver::CreatePreviewWindow(HWND parent) {
    IsFullScreen = false;
    saverWindow_ = CreateSaverWindow(false, parent);
    return saverWindow_;
}

void CTestScreensaver::TickPreview() { DrawFrameIfDue(); }

void CTestScreensaver::EndPreview() {}

void CTestScreensaver::ResumePreview() {}

const char* CTestScreensaver::GetCompanyName() { return "Quillbrook"; }
