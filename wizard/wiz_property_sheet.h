// CWizPropertySheet: the wizard's window, a property sheet in wizard mode holding the
// five pages. It owns what several pages share, titles the window and every message
// box, asks before the user leaves and runs the finish actions on the last page.
#pragma once

#include <windows.h>

#include "app/text_buffer.h"
#include "controls/color_static.h"
#include "controls/hyper_link.h"
#include "framework/gdi_objects.h"
#include "framework/property_sheet.h"

namespace lumetra {

class CWizPropertySheet : public CPropertySheet {
public:
    // Caption "Lumetra Setup", no parent, wizard mode. startPage is for tests.
    explicit CWizPropertySheet(UINT startPage = 0);
    ~CWizPropertySheet() override;
    const char* GetRuntimeClassName() const override { return "CWizPropertySheet"; }

    // Heading font of the pages (Arial, bold, 18 pixels at 96 DPI); made at start-up.
    CFont m_fontHeading;
    // The Associations page's list view; null until that page is first shown, which
    // also marks the list as not filled yet.
    HWND m_hFileTypeList;
    // The EULA link of the Welcome page and the waiting text of the Ready page.
    CHyperLink m_linkEula;
    CXColorStatic m_staticInstalling;
    // Title of the window and caption of every message box: "Lumetra 64-bit Setup".
    wchar_t m_szTitle[kPathCapacity];

    // Set by the Ready page when an installation finished; the exit code follows it.
    void SetInstallationDone() { m_bInstallationDone = true; }
    bool IsInstallationDone() const { return m_bInstallationDone; }

protected:
    BOOL OnInitDialog() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    void OnSysCommand(UINT id, LPARAM lParam) override;
    void OnPageActivated() override;

private:
    // "Installation beenden?" with No as the default; true when the user says Yes.
    bool ConfirmQuit();
    // Opens the FAQ page and starts the viewer as the Finish page's check boxes ask.
    void RunFinishActions();

    bool m_bInstallationDone = false;
    // The base turns an accepted close box into a posted IDCANCEL: that one is not a
    // second request to leave.
    bool m_bClosingByCloseBox = false;
};

}  // namespace lumetra
