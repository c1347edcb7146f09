// Capture.dll: a picture of the whole screen for the viewer to show.
#include <windows.h>

#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"Bildschirmfoto",
                                           L"Nimmt den ganzen Bildschirm als neues Bild auf."};
    return &info;
}

// A bitmap of the virtual screen; the caller deletes it with DeleteObject. nullptr when
// it cannot be made.
LUMETRA_PLUGIN_EXPORT HBITMAP __cdecl LumetraCaptureScreen() {
    const int left = GetSystemMetrics(SM_XVIRTUALSCREEN);
    const int top = GetSystemMetrics(SM_YVIRTUALSCREEN);
    const int width = GetSystemMetrics(SM_CXVIRTUALSCREEN);
    const int height = GetSystemMetrics(SM_CYVIRTUALSCREEN);
    if (width <= 0 || height <= 0) return nullptr;
    HDC screen = GetDC(nullptr);
    if (screen == nullptr) return nullptr;
    HBITMAP bitmap = nullptr;
    HDC memory = CreateCompatibleDC(screen);
    if (memory != nullptr) {
        bitmap = CreateCompatibleBitmap(screen, width, height);
        if (bitmap != nullptr) {
            const HGDIOBJ previous = SelectObject(memory, bitmap);
            BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY | CAPTUREBLT);
            SelectObject(memory, previous);
        }
        DeleteDC(memory);
    }
    ReleaseDC(nullptr, screen);
    return bitmap;
}
