// Compare.dll: how far two images of the same size differ.
#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"Vergleich",
                                           L"Vergleicht zwei Bilder gleicher Gr\u00f6\u00dfe Pixel f\u00fcr Pixel."};
    return &info;
}

// Pixels whose colour differs by more than the tolerance in any channel.
LUMETRA_PLUGIN_EXPORT size_t __cdecl LumetraCountDifferentPixels(const uint32_t* first, const uint32_t* second,
                                                                 size_t count, unsigned tolerance) {
    size_t different = 0;
    for (size_t i = 0; i < count; ++i) {
        for (unsigned shift = 0; shift < 24; shift += 8) {
            const int a = static_cast<int>((first[i] >> shift) & 0xFF);
            const int b = static_cast<int>((second[i] >> shift) & 0xFF);
            if (static_cast<unsigned>(a > b ? a - b : b - a) > tolerance) {
                ++different;
                break;
            }
        }
    }
    return different;
}
