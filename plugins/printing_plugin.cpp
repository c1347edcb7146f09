// Printing.dll: where an image goes on a page.
#include <windows.h>

#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"Drucken",
                                           L"Ordnet ein Bild mit Seitenr\u00e4ndern in Millimetern auf der Seite an."};
    return &info;
}

// The image fitted into the page less its margins, centred; sizes in device pixels,
// margin in millimetres at the given resolution (dots per inch).
LUMETRA_PLUGIN_EXPORT RECT __cdecl LumetraPlaceOnPage(int imageWidth, int imageHeight, int pageWidth,
                                                      int pageHeight, int marginMillimetres, int dpi) {
    RECT place = {0, 0, 0, 0};
    const long long margin = static_cast<long long>(marginMillimetres) * dpi * 10 / 254;
    const long long width = pageWidth - 2 * margin;
    const long long height = pageHeight - 2 * margin;
    if (imageWidth <= 0 || imageHeight <= 0 || width <= 0 || height <= 0) return place;
    long long fittedWidth = width;
    long long fittedHeight = width * imageHeight / imageWidth;
    if (fittedHeight > height) {
        fittedHeight = height;
        fittedWidth = height * imageWidth / imageHeight;
    }
    place.left = static_cast<LONG>(margin + (width - fittedWidth) / 2);
    place.top = static_cast<LONG>(margin + (height - fittedHeight) / 2);
    place.right = static_cast<LONG>(place.left + fittedWidth);
    place.bottom = static_cast<LONG>(place.top + fittedHeight);
    return place;
}
