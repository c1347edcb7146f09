// Formats.dll: tells the viewer which decoder a file needs, by its first bytes rather
// than its extension.
#include "plugins/image_format.h"
#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"Formate",
                                           L"Erkennt Bildformate am Dateiinhalt statt an der Endung."};
    return &info;
}

LUMETRA_PLUGIN_EXPORT const wchar_t* __cdecl LumetraDetectImageFormat(const uint8_t* header, size_t size) {
    return lumetra::plugins::DetectImageFormat(header, size);
}
