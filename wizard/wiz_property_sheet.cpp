#include "wizard/wiz_property_sheet.h"

#include "app/build_constants.h"
#include "app/resource_strings.h"
#include "res/resource.h"
#include "wizard/finish_actions.h"
#include "wizard/wizard_pages.h"

namespace lumetra {

CWizPropertySheet::CWizPropertySheet(UINT startPage)
    : CPropertySheet(L"Lumetra Setup", nullptr, startPage), m_hFileTypeList(nullptr), m_szTitle() {
    SetWizardMode();
}

CWizPropertySheet::~CWizPropertySheet() = default;

BOOL CWizPropertySheet::OnInitDialog() {
    CopyText(m_szTitle, kSetupCaption);
    // Creates and activates the Welcome page, which may already show a message box.
    const BOOL result = CPropertySheet::OnInitDialog();
    wchar_t cancelText[64];
    LoadResourceString(IDS_CANCEL_BUTTON, cancelText);
    SetDlgItemTextW(m_hWnd, IDCANCEL, cancelText);
    SetWindowTextW(m_hWnd, m_szTitle);
    return result;
}

void CWizPropertySheet::OnPageActivated() {
    // The sheet gives the window the page's own (empty) caption on every page change.
    SetWindowTextW(m_hWnd, m_szTitle);
}

BOOL CWizPropertySheet::OnCommand(WPARAM wParam, LPARAM lParam) {
    if (LOWORD(wParam) != IDCANCEL) return CPropertySheet::OnCommand(wParam, lParam);
    // IDCANCEL is the Cancel button (on the last page "Fertig stellen") and Escape.
    if (m_bClosingByCloseBox) {
        m_bClosingByCloseBox = false;
    } else if (GetActiveIndex() == kFinishPage) {
        RunFinishActions();
    } else if (!ConfirmQuit()) {
        return TRUE;
    }
    return CPropertySheet::OnCommand(wParam, lParam);
}

void CWizPropertySheet::OnSysCommand(UINT id, LPARAM lParam) {
    // The low four bits of a system command are the system's own.
    if ((id & 0xFFF0) == SC_CLOSE) {
        if (GetActiveIndex() != kFinishPage && !ConfirmQuit()) return;
        m_bClosingByCloseBox = true;
    }
    CPropertySheet::OnSysCommand(id, lParam);
}

bool CWizPropertySheet::ConfirmQuit() {
    wchar_t question[kPathCapacity];
    LoadResourceString(IDS_CONFIRM_QUIT, question);
    return MessageBoxW(m_hWnd, question, m_szTitle, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void CWizPropertySheet::RunFinishActions() {
    const CPropertyPage* finishPage = GetPage(kFinishPage);
    const CPropertyPage* welcomePage = GetPage(kWelcomePage);
    if (!finishPage || !finishPage->m_hWnd) return;
    if (IsDlgButtonChecked(finishPage->m_hWnd, IDC_SHOW_FAQ) == BST_CHECKED) OpenFaqPage();
    if (IsDlgButtonChecked(finishPage->m_hWnd, IDC_START_VIEWER) == BST_CHECKED && welcomePage &&
        welcomePage->m_hWnd) {
        // The folder as typed, not trimmed; at most 259 characters are read, and a
        // longer folder cannot give a viewer path that fits anyway.
        wchar_t folder[kPathCapacity] = {};
        GetDlgItemTextW(welcomePage->m_hWnd, IDC_TARGET_FOLDER, folder, static_cast<int>(kPathCapacity));
        StartViewer(folder);
    }
}

}  // namespace lumetra
