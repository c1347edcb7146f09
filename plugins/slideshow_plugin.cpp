// Slideshow.dll: the order of a slide show, in sequence or shuffled.
#include "plugins/plugin_api.h"

LUMETRA_PLUGIN_EXPORT const LumetraPlugInInfo* __cdecl LumetraDescribePlugIn() {
    static const LumetraPlugInInfo info = {kPlugInInterfaceVersion, L"Diashow",
                                           L"Bestimmt die Reihenfolge der Bilder einer Diashow."};
    return &info;
}

// Shuffles indices 0..count-1 into order (Fisher-Yates with a small xorshift generator,
// so that the same seed repeats the same show).
LUMETRA_PLUGIN_EXPORT void __cdecl LumetraShuffleSlides(unsigned* order, unsigned count, unsigned seed) {
    unsigned state = seed | 1u;
    for (unsigned i = 0; i < count; ++i) order[i] = i;
    for (unsigned i = count; i > 1; --i) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        const unsigned j = state % i;
        const unsigned swap = order[i - 1];
        order[i - 1] = order[j];
        order[j] = swap;
    }
}

// The slide after current, wrapping around at the end; -1 for an empty show.
LUMETRA_PLUGIN_EXPORT int __cdecl LumetraNextSlide(int current, int count) {
    if (count <= 0) return -1;
    return current < 0 || current >= count - 1 ? 0 : current + 1;
}
