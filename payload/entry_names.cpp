#include "payload/entry_names.h"

#include <windows.h>

namespace lumetra {
namespace {

char LowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c; }

bool IsSeparator(wchar_t c) { return c == L'/' || c == L'\\'; }

// Windows trims trailing dots and spaces from path components, so ".. " may climb to the
// parent folder as ".." does: any component of dots and spaces with two or more dots is
// refused.
bool IsParentComponent(const wchar_t* start, const wchar_t* end) {
    int dots = 0;
    for (const wchar_t* c = start; c != end; ++c) {
        if (*c == L'.') {
            ++dots;
        } else if (*c != L' ') {
            return false;
        }
    }
    return dots >= 2;
}

}  // namespace

bool NamesIconsLibrary(const char* name) {
    static const char kNeedle[] = "icons.dll";
    for (const char* start = name; *start != '\0'; ++start) {
        size_t i = 0;
        while (kNeedle[i] != '\0' && LowerAscii(start[i]) == kNeedle[i]) ++i;
        if (kNeedle[i] == '\0') return true;
    }
    return false;
}

bool LeavesTargetFolder(const wchar_t* name) {
    if (IsSeparator(name[0])) return true;
    const wchar_t* component = name;
    for (const wchar_t* c = name;; ++c) {
        if (*c == L':') return true;
        if (*c == L'\0' || IsSeparator(*c)) {
            if (IsParentComponent(component, c)) return true;
            if (*c == L'\0') return false;
            component = c + 1;
        }
    }
}

size_t LeafOffset(const char* name) {
    size_t leaf = 0;
    for (size_t i = 0; name[i] != '\0'; ++i) {
        if (name[i] == '/' || name[i] == '\\') leaf = i + 1;
    }
    return leaf;
}

bool WidenEntryName(const char* name, wchar_t (&wide)[kWideEntryNameCapacity]) {
    const int converted = MultiByteToWideChar(CP_ACP, 0, name, -1, wide, kWideEntryNameCapacity);
    if (converted == 0) {
        wide[0] = L'\0';
        return false;
    }
    return true;
}

}  // namespace lumetra
