#include "platform/win_app.h"

#include <errno.h>

CWinApp::CWinApp(const char* appName) {
    if (appName)
        appName_ = appName;
    else if (program_invocation_short_name)
        appName_ = program_invocation_short_name;
}

CWinApp::~CWinApp() = default;

BOOL CWinApp::InitInstance() { return TRUE; }

BOOL CWinApp::PreTranslateMessage(MSG*) { return FALSE; }

void CWinApp::SetRegistryKey(const char* key) { registryKey_ = key ? key : ""; }
