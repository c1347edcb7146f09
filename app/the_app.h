// The setup's application object: start-up, then either the silent installation or the
// wizard. Both paths end the program when they are done.
#pragma once

#include <windows.h>

#include "framework/application.h"

namespace lumetra {

class TheApp : public CApplication {
public:
    TheApp();
    ~TheApp() override;

    // Always returns FALSE: there is no message loop of the application's own.
    BOOL InitInstance() override;

private:
    void RunSilentInstallation();
    void RunWizard();

    // Describes the wizard's heading font.
    LOGFONTW m_logFontHeading;
};

}  // namespace lumetra
