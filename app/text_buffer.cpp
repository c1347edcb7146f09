#include "app/text_buffer.h"

#include <cwchar>

namespace lumetra {

size_t TextLength(const wchar_t* text) { return text ? std::wcslen(text) : 0; }

bool CopyTextPrefix(wchar_t* dest, size_t capacity, const wchar_t* src, size_t maxChars) {
    if (capacity == 0) return false;
    size_t i = 0;
    bool complete = true;
    if (src) {
        for (; src[i] != L'\0' && i < maxChars; ++i) {
            if (i + 1 >= capacity) {
                complete = false;
                break;
            }
            dest[i] = src[i];
        }
    }
    dest[i] = L'\0';
    return complete;
}

bool CopyText(wchar_t* dest, size_t capacity, const wchar_t* src) {
    return CopyTextPrefix(dest, capacity, src, static_cast<size_t>(-1));
}

bool AppendText(wchar_t* dest, size_t capacity, const wchar_t* src) {
    if (capacity == 0) return false;
    size_t length = 0;
    while (length < capacity && dest[length] != L'\0') ++length;
    if (length == capacity) {  // unterminated on entry: terminate, nothing fits
        dest[capacity - 1] = L'\0';
        return false;
    }
    return CopyText(dest + length, capacity - length, src);
}

bool FormatTextV(wchar_t* dest, size_t capacity, const wchar_t* format, va_list args) {
    if (capacity == 0) return false;
    // vswprintf writes at most capacity characters including the terminator and
    // reports a negative count when the result did not fit.
    const int written = std::vswprintf(dest, capacity, format, args);
    dest[capacity - 1] = L'\0';
    if (written < 0) return false;
    return static_cast<size_t>(written) < capacity;
}

bool FormatText(wchar_t* dest, size_t capacity, const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const bool complete = FormatTextV(dest, capacity, format, args);
    va_end(args);
    return complete;
}

bool EndsWithBackslash(const wchar_t* text) {
    const size_t length = TextLength(text);
    return length > 0 && text[length - 1] == L'\\';
}

void AppendBackslashUnderPathLimit(wchar_t* text, size_t capacity) {
    const size_t length = TextLength(text);
    if (length <= 258 && !EndsWithBackslash(text) && length + 1 < capacity) {
        text[length] = L'\\';
        text[length + 1] = L'\0';
    }
}

}  // namespace lumetra
