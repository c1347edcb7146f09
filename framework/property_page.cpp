#include "framework/property_page.h"

#include "framework/property_sheet.h"

namespace lumetra {

void CPropertyPage::Construct(UINT templateId, UINT captionId) {
    m_nTemplateId = templateId;
    m_psp = {};
    m_psp.dwSize = sizeof(m_psp);
    m_psp.dwFlags = PSP_DEFAULT;
    m_psp.hInstance = GetModuleHandleW(nullptr);
    // A template given by number lets Back/Next handlers name their target page by it.
    m_psp.pszTemplate = MAKEINTRESOURCEW(templateId);
    m_psp.pfnDlgProc = PageDialogProc;
    m_psp.lParam = reinterpret_cast<LPARAM>(this);
    if (captionId != 0) {
        m_psp.dwFlags |= PSP_USETITLE;
        m_psp.pszTitle = MAKEINTRESOURCEW(captionId);
    }
}

BOOL CPropertyPage::UpdateData(BOOL saveAndValidate) {
    if (!m_hWnd) return FALSE;
    CDataExchange exchange = {this, saveAndValidate};
    DoDataExchange(&exchange);
    return TRUE;
}

void CPropertyPage::DoDataExchange(CDataExchange*) {}

BOOL CPropertyPage::OnInitDialog() {
    UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnSetActive() {
    if (m_bFirstSetActive) {
        m_bFirstSetActive = false;
    } else {
        UpdateData(FALSE);
    }
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }
LRESULT CPropertyPage::OnWizardBack() { return 0; }
LRESULT CPropertyPage::OnWizardNext() { return 0; }
BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

BOOL CPropertyPage::OnNotify(WPARAM, LPARAM lParam, LRESULT* result) {
    const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
        case PSN_SETACTIVE: {
            const BOOL accepted = OnSetActive();
            if (HWND sheet = GetParent(m_hWnd)) PostMessageW(sheet, CPropertySheet::kPageActivatedMessage, 0, 0);
            *result = accepted ? 0 : -1;
            return TRUE;
        }
        case PSN_KILLACTIVE:
            *result = OnKillActive() ? FALSE : TRUE;
            return TRUE;
        case PSN_WIZBACK:
            *result = OnWizardBack();
            return TRUE;
        case PSN_WIZNEXT:
            *result = OnWizardNext();
            return TRUE;
        case PSN_QUERYCANCEL:
            *result = OnQueryCancel() ? FALSE : TRUE;
            return TRUE;
        default:
            return FALSE;
    }
}

INT_PTR CALLBACK CPropertyPage::PageDialogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    CPropertyPage* page = nullptr;
    if (message == WM_INITDIALOG) {
        // The sheet hands every page the copy of its description, which carries the page.
        const auto* description = reinterpret_cast<const PROPSHEETPAGEW*>(lParam);
        page = reinterpret_cast<CPropertyPage*>(description->lParam);
        SetWindowLongPtrW(window, DWLP_USER, reinterpret_cast<LONG_PTR>(page));
        page->Attach(window);
    } else {
        page = reinterpret_cast<CPropertyPage*>(GetWindowLongPtrW(window, DWLP_USER));
    }
    if (!page) return FALSE;  // messages before WM_INITDIALOG

    INT_PTR result = FALSE;
    try {
        result = page->DialogProc(message, wParam, lParam);
    } catch (...) {
        result = FALSE;  // no C++ exception may unwind into the dialog manager
    }
    if (message == WM_NCDESTROY) {
        SetWindowLongPtrW(window, DWLP_USER, 0);
        page->Detach();
    }
    return result;
}

INT_PTR CPropertyPage::DialogProc(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
        case WM_INITDIALOG:
            return OnInitDialog();
        case WM_NOTIFY: {
            LRESULT result = 0;
            if (!OnNotify(wParam, lParam, &result)) return FALSE;
            SetWindowLongPtrW(m_hWnd, DWLP_MSGRESULT, result);
            return TRUE;
        }
        case WM_COMMAND:
            return OnCommand(wParam, lParam);
        default:
            return FALSE;
    }
}

}  // namespace lumetra
