#include "wizard/wizard_pages.h"

#include "wizard/wiz_property_page.h"
#include "wizard/wiz_property_sheet.h"

namespace lumetra {

WizardPages CreateWizardPages(CWizPropertySheet& sheet) {
    WizardPages pages;
    for (int i = 0; i < kWizardPageCount; ++i) {
        pages[i] = std::make_unique<CWizPropertyPage>();
        pages[i]->Construct(kWizardPageTemplates[i], 0);
        sheet.AddPage(pages[i].get());
        pages[i]->m_pSheet = &sheet;
    }
    return pages;
}

void DestroyWizardPages(WizardPages& pages) {
    for (int i = kWizardPageCount - 1; i >= 0; --i) pages[i].reset();
}

}  // namespace lumetra
