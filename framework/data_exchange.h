// Dialog data exchange: binds a page's template controls to the objects that handle them.
#pragma once

#include "framework/window.h"

namespace lumetra {

// One exchange between a dialog and its objects; handed to DoDataExchange.
struct CDataExchange {
    CWnd* m_pDlgWnd;
    // TRUE when the dialog is being left (data flows from the controls), FALSE when it
    // is being shown.
    BOOL m_bSaveAndValidate;
};

// Subclasses the dialog's control with the given id into control, unless control is
// already attached to a window: repeated exchanges leave the first binding in place.
// Returns whether control is attached afterwards.
bool DDX_Control(CDataExchange* pDX, int controlId, CWnd& control);

}  // namespace lumetra
