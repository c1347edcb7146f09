// CStatic: a static text control of a dialog, attached with DDX_Control.
#pragma once

#include "framework/window.h"

namespace lumetra {

class CStatic : public CWnd {
public:
    const char* GetRuntimeClassName() const override { return "CStatic"; }
};

}  // namespace lumetra
