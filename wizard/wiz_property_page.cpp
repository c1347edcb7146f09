#include "wizard/wiz_property_page.h"

#include "framework/click_map.h"
#include "framework/property_sheet.h"
#include "res/resource.h"
#include "wizard/wiz_property_sheet.h"
#include "wizard/wizard_pages.h"

namespace lumetra {

// The ids are unique to their pages, so one map serves all five.
const ClickMapEntry<CWizPropertyPage> CWizPropertyPage::kClickMap[] = {
    {IDC_NO_SHORTCUTS, &CWizPropertyPage::OnNoShortcuts},
    {IDC_DESKTOP_SHORTCUT, &CWizPropertyPage::OnShortcutOption},
    {IDC_THUMBNAILS_SHORTCUT, &CWizPropertyPage::OnShortcutOption},
    {IDC_START_MENU_SHORTCUT, &CWizPropertyPage::OnShortcutOption},
};

CWizPropertyPage::CWizPropertyPage()
    : m_bFirstActivation(1), m_crListBk(0), m_crListText(CLR_NONE), m_bIncluded(1), m_pSheet(nullptr) {}

CWizPropertyPage::~CWizPropertyPage() = default;

int CWizPropertyPage::ActiveIndex() const { return m_pSheet ? m_pSheet->GetActiveIndex() : -1; }

HWND CWizPropertyPage::SheetButton(int id) const { return m_pSheet ? m_pSheet->GetDlgItem(id) : nullptr; }

HWND CWizPropertyPage::PageWindow(int index) const {
    const CPropertyPage* page = m_pSheet ? m_pSheet->GetPage(index) : nullptr;
    return page ? page->m_hWnd : nullptr;
}

void CWizPropertyPage::SetHeadingFont(int controlId) {
    if (!m_pSheet) return;
    SendDlgItemMessageW(m_hWnd, controlId, WM_SETFONT, reinterpret_cast<WPARAM>(m_pSheet->m_fontHeading.GetSafeHandle()),
                        TRUE);
}

BOOL CWizPropertyPage::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* result) {
    return CPropertyPage::OnNotify(wParam, lParam, result);
}

void CWizPropertyPage::DoDataExchange(CDataExchange* pDX) {
    switch (ActiveIndex()) {
        case kWelcomePage:
            BindEulaLink(pDX);
            break;
        case kReadyPage:
            BindInstallingLabel(pDX);
            break;
        default:
            break;
    }
}

BOOL CWizPropertyPage::OnSetActive() {
    switch (ActiveIndex()) {
        case kWelcomePage:
            ActivateWelcomePage();
            break;
        case kWhatsNewPage:
            ActivateWhatsNewPage();
            break;
        case kAssociationsPage:
            ActivateAssociationsPage();
            break;
        case kReadyPage:
            ActivateReadyPage();
            break;
        case kFinishPage:
            ActivateFinishPage();
            break;
        default:
            break;
    }
    return CPropertyPage::OnSetActive();
}

LRESULT CWizPropertyPage::OnWizardBack() { return FindNextPage(FALSE); }

LRESULT CWizPropertyPage::OnWizardNext() {
    EnableWindow(SheetButton(kWizardBackButtonId), TRUE);
    switch (ActiveIndex()) {
        case kWelcomePage:
            if (!CheckTargetFolder()) return -1;
            break;
        case kReadyPage:
            if (const LRESULT target = InstallFromReadyPage(); target != 0) return target;
            break;
        default:
            break;
    }
    return FindNextPage(TRUE);
}

int CWizPropertyPage::FindNextPage(BOOL bForward) {
    if (!m_pSheet) return -1;
    const int step = bForward ? 1 : -1;
    for (int i = ActiveIndex() + step; i >= 0 && i < m_pSheet->GetPageCount(); i += step) {
        const auto* page = static_cast<const CWizPropertyPage*>(m_pSheet->GetPage(i));
        if (page->m_bIncluded) return static_cast<int>(page->GetTemplateId());
    }
    return -1;
}

BOOL CWizPropertyPage::OnCommand(WPARAM wParam, LPARAM lParam) {
    return DispatchClick(*this, kClickMap, wParam, lParam) ? TRUE : CPropertyPage::OnCommand(wParam, lParam);
}

}  // namespace lumetra
