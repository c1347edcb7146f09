// Exif.dll: reads what the viewer needs from a photo's EXIF block.
#include "plugins/exif_orientation.h"
#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"EXIF",
                                           L"Liest die Ausrichtung aus den EXIF-Daten von JPEG-Fotos."};
    return &info;
}

LUMETRA_PLUGIN_EXPORT int __cdecl LumetraReadExifOrientation(const uint8_t* jpeg, size_t size) {
    return lumetra::plugins::ReadExifOrientation(jpeg, size);
}
