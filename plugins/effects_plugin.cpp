// Effects.dll: colour effects on 32-bit BGRA pixels; alpha stays as it is.
#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"Effekte",
                                           L"Negativ, Graustufen und Sepia f\u00fcr das ganze Bild."};
    return &info;
}

LUMETRA_PLUGIN_EXPORT void __cdecl LumetraInvertColours(uint32_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i) pixels[i] ^= 0x00FFFFFFu;
}

// Luma with the weights of ITU-R BT.601, in integer arithmetic.
static uint32_t Luma(uint32_t pixel) {
    const uint32_t blue = pixel & 0xFF;
    const uint32_t green = (pixel >> 8) & 0xFF;
    const uint32_t red = (pixel >> 16) & 0xFF;
    return (red * 299 + green * 587 + blue * 114 + 500) / 1000;
}

LUMETRA_PLUGIN_EXPORT void __cdecl LumetraToGreyscale(uint32_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const uint32_t grey = Luma(pixels[i]);
        pixels[i] = (pixels[i] & 0xFF000000u) | (grey << 16) | (grey << 8) | grey;
    }
}

LUMETRA_PLUGIN_EXPORT void __cdecl LumetraToSepia(uint32_t* pixels, size_t count) {
    for (size_t i = 0; i < count; ++i) {
        const uint32_t grey = Luma(pixels[i]);
        const uint32_t red = grey + 40 > 255 ? 255 : grey + 40;
        const uint32_t green = grey + 20 > 255 ? 255 : grey + 20;
        const uint32_t blue = grey > 20 ? grey - 20 : 0;
        pixels[i] = (pixels[i] & 0xFF000000u) | (red << 16) | (green << 8) | blue;
    }
}
