// The Associations page (index 2, template 104): the file types the viewer is to open.
#include "wizard/wiz_property_page.h"

namespace lumetra {

// The page shows its template as it stands: the file-type list, its greyed-out look
// and its buttons are set up together with the file-type table.
void CWizPropertyPage::ActivateAssociationsPage() {}

}  // namespace lumetra
