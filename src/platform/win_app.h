// The application class of the window framework, as far as the saver needs
// it: a name, the registry key name the framework keeps its profile under,
// initialisation, and the per-message pre-translation the run loops call.
#pragma once

#include <string>

#include "platform/win_types.h"

class CWinApp {
public:
    explicit CWinApp(const char* appName = nullptr);
    virtual ~CWinApp();
    CWinApp(const CWinApp&) = delete;
    CWinApp& operator=(const CWinApp&) = delete;

    // Initialises the application; false ends it without a message loop.
    virtual BOOL InitInstance();
    // Offered every message a run loop removes before it is dispatched;
    // true would mean it was handled here.
    virtual BOOL PreTranslateMessage(MSG* msg);

    // Nothing reads or writes settings through the framework's profile; the
    // name is only kept.
    void SetRegistryKey(const char* key);
    const std::string& registryKey() const { return registryKey_; }
    // The application's name: the one given, else the program's file name.
    const std::string& appName() const { return appName_; }

    // The command-line tail: the text after the program's own file name.
    std::string m_lpCmdLine;

private:
    std::string appName_;
    std::string registryKey_;
};
