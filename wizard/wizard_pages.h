// The wizard's pages: their order, which is their index in the sheet, and the dialog
// template each is built from.
#pragma once

#include "res/resource.h"

namespace lumetra {

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

}  // namespace lumetra
