#include "wizard/whats_new_text.h"

#include <cstring>
#include <cwchar>
#include <cwctype>

namespace lumetra {

void PrepareWhatsNewText(const void* bytes, size_t byteCount, wchar_t* text) {
    std::memset(text, 0, kWhatsNewCapacity * sizeof(wchar_t));
    const size_t maxBytes = (kWhatsNewCapacity - 1) * sizeof(wchar_t);
    if (bytes) std::memcpy(text, bytes, byteCount < maxBytes ? byteCount : maxBytes);
    TrimAfterLastAlphanumeric(text);
}

void TrimAfterLastAlphanumeric(wchar_t* text) {
    size_t length = std::wcslen(text);
    while (length > 0 && !std::iswalnum(static_cast<wint_t>(text[length - 1]))) text[--length] = L'\0';
}

}  // namespace lumetra
