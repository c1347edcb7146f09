#include "framework/data_exchange.h"

namespace lumetra {

bool DDX_Control(CDataExchange* pDX, int controlId, CWnd& control) {
    if (control.GetSafeHwnd()) return true;
    if (!pDX || !pDX->m_pDlgWnd) return false;
    return control.SubclassWindow(pDX->m_pDlgWnd->GetDlgItem(controlId));
}

}  // namespace lumetra
