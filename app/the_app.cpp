#include "app/the_app.h"

#include <commctrl.h>

#include "app/build_constants.h"
#include "app/command_line.h"
#include "app/dll_hardening.h"
#include "app/exit_codes.h"
#include "app/install_driver.h"
#include "app/install_log.h"
#include "app/install_request.h"
#include "app/resource_strings.h"
#include "res/resource.h"
#include "wizard/heading_font.h"
#include "wizard/window_dpi.h"
#include "wizard/wiz_property_sheet.h"
#include "wizard/wizard_pages.h"

namespace lumetra {
namespace {

TheApp g_theApp;
CWizPropertySheet g_wizardSheet;

int ExitCodeFor(InstallFailure failure) {
    switch (failure) {
        case InstallFailure::None: return kExitInstalled;
        case InstallFailure::InvalidFolder: return kExitInvalidFolder;
        case InstallFailure::FolderNotCreated: return kExitFolderNotCreated;
        case InstallFailure::PayloadFailed: return kExitPayloadFailed;
    }
    return kExitPayloadFailed;
}

}  // namespace

TheApp::TheApp() : m_logFontHeading() {}

TheApp::~TheApp() = default;

BOOL TheApp::InitInstance() {
    HardenDllSearch();

    INITCOMMONCONTROLSEX controls = {};
    controls.dwSize = sizeof(controls);
    controls.dwICC = 0xFF;  // the eight classic groups, list view and property sheet among them
    InitCommonControlsEx(&controls);

    if (HasSilentSwitch(GetCommandLineW())) {
        RunSilentInstallation();
    } else {
        RunWizard();
    }
    return FALSE;
}

void TheApp::RunSilentInstallation() {
    if (FindWindowW(kViewerWindowClass, nullptr) != nullptr) {
        wchar_t warning[260];
        LoadResourceString(IDS_VIEWER_RUNNING, warning);
        AppendLogEntry(warning);
        SetExitCode(kExitViewerRunning);
        return;
    }

    InstallRequest request;
    ApplySilentDefaults(request);
    ParseSilentOptions(GetCommandLineW(), request);

    InstallFailure failure = InstallFailure::None;
    RunInstall(request, &failure);
    SetExitCode(ExitCodeFor(failure));
}

void TheApp::RunWizard() {
    CWizPropertySheet& sheet = g_wizardSheet;

    m_logFontHeading = HeadingLogFont(GetWindowDpi(nullptr));  // the screen's DPI
    sheet.m_fontHeading.Attach(CreateFontIndirectW(&m_logFontHeading));
    sheet.m_hFileTypeList = nullptr;

    // The pages live for the whole wizard; the sheet only points to them.
    WizardPages pages = CreateWizardPages(sheet);
    SetMainWindow(&sheet);
    sheet.DoModal();
    SetMainWindow(nullptr);
    DestroyWizardPages(pages);

    // The wizard never writes the install log; the exit code tells a caller the outcome.
    SetExitCode(sheet.IsInstallationDone() ? kExitInstalled : kExitWizardLeft);
}

}  // namespace lumetra
