// The application object of the class framework (framework/framework.h shows the
// whole framework): one global object; wWinMain calls its InitInstance once and ends
// the process with its exit code when InitInstance returns FALSE.
#pragma once

#include <windows.h>

namespace lumetra {

class CWnd;

class CApplication {
public:
    CApplication();
    virtual ~CApplication();
    CApplication(const CApplication&) = delete;
    CApplication& operator=(const CApplication&) = delete;

    // The one application object, or null before it is constructed.
    static CApplication* Current();

    // Start-up work. Returning FALSE ends the program; TRUE runs a message loop until
    // WM_QUIT.
    virtual BOOL InitInstance() = 0;

    HINSTANCE Instance() const { return instance_; }
    int ExitCode() const { return exitCode_; }
    void SetExitCode(int code) { exitCode_ = code; }

    // The window that stands for the application while it runs (the wizard sheet), or
    // null. Not owned.
    CWnd* MainWindow() const { return mainWindow_; }
    void SetMainWindow(CWnd* window) { mainWindow_ = window; }

    // Called by wWinMain.
    int Run(HINSTANCE instance);

private:
    HINSTANCE instance_ = nullptr;
    int exitCode_ = 0;
    CWnd* mainWindow_ = nullptr;
};

}  // namespace lumetra
