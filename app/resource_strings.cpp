#include "app/resource_strings.h"

#include <windows.h>

namespace lumetra {

void LoadResourceString(unsigned id, wchar_t* text, size_t capacity) {
    if (capacity == 0) return;
    text[0] = L'\0';
    const int limit = capacity > 0x7FFFFFFF ? 0x7FFFFFFF : static_cast<int>(capacity);
    if (LoadStringW(GetModuleHandleW(nullptr), id, text, limit) <= 0) text[0] = L'\0';
    text[capacity - 1] = L'\0';
}

}  // namespace lumetra
