// The Finish page (index 4, template 110): the installation is complete; what to do
// when the wizard is left.
#include "app/resource_strings.h"
#include "framework/property_sheet.h"
#include "res/resource.h"
#include "wizard/wiz_property_page.h"
#include "wizard/wiz_property_sheet.h"

namespace lumetra {

void CWizPropertyPage::ActivateFinishPage() {
    SetHeadingFont(IDC_FINISH_HEADING);
    CheckDlgButton(m_hWnd, IDC_SHOW_FAQ, BST_CHECKED);
    CheckDlgButton(m_hWnd, IDC_START_VIEWER, BST_CHECKED);
    // From here the Cancel button finishes the wizard (see CWizPropertySheet::OnCommand).
    wchar_t finishText[64];
    LoadResourceString(IDS_FINISH_BUTTON, finishText);
    SetWindowTextW(SheetButton(IDCANCEL), finishText);
    EnableWindow(SheetButton(kWizardBackButtonId), FALSE);
    EnableWindow(SheetButton(kWizardNextButtonId), FALSE);
}

}  // namespace lumetra
