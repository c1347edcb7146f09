// The font of the pages' headings.
#pragma once

#include <windows.h>

namespace lumetra {

// Arial, bold, anti-aliased, 18 pixels cell height at 96 DPI scaled to dpi; every other
// field zero.
LOGFONTW HeadingLogFont(int dpi);

}  // namespace lumetra
