// The application object of the class framework.
//
// The framework is a thin layer over Win32 for the setup's wizard, small enough to
// read in one sitting:
//   CApplication    one global object; wWinMain calls its InitInstance once and ends the
//                   process with its exit code when InitInstance returns FALSE.
// (The window, dialog and property-sheet classes live beside this header.)
#pragma once

#include <windows.h>

namespace lumetra {

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

    // Called by wWinMain.
    int Run(HINSTANCE instance);

private:
    HINSTANCE instance_ = nullptr;
    int exitCode_ = 0;
};

}  // namespace lumetra
