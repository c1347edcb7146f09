#include "wizard/window_dpi.h"

#include "framework/handles.h"

namespace lumetra {

int GetWindowDpi(HWND window) {
    ScopedWindowDC dc(window);
    if (!dc) return kDefaultDpi;
    return GetDeviceCaps(dc.get(), LOGPIXELSX);
}

}  // namespace lumetra
