// The wizard's pages: their order, which is their index in the sheet, and the dialog
// template each is built from.
#pragma once

#include <array>
#include <memory>

#include "res/resource.h"
#include "wizard/wiz_property_page.h"

namespace lumetra {

class CWizPropertySheet;

enum WizardPageIndex : int {
    kWelcomePage = 0,
    kWhatsNewPage = 1,
    kAssociationsPage = 2,
    kReadyPage = 3,
    kFinishPage = 4,
};

inline constexpr int kWizardPageCount = 5;

// Templates in page order.
inline constexpr unsigned kWizardPageTemplates[kWizardPageCount] = {
    IDD_WELCOME, IDD_WHATS_NEW, IDD_ASSOCIATIONS, IDD_READY, IDD_FINISH,
};

// The five page objects; they must outlive the sheet's DoModal.
using WizardPages = std::array<std::unique_ptr<CWizPropertyPage>, kWizardPageCount>;

// Creates the pages on their templates (no captions) and adds them to the sheet in page
// order, each knowing its sheet.
WizardPages CreateWizardPages(CWizPropertySheet& sheet);

// Destroys the pages in reverse order of creation.
void DestroyWizardPages(WizardPages& pages);

}  // namespace lumetra
