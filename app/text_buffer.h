// Safe operations on fixed wide-character buffers. Every buffer of the program's own
// logic is a caller-owned array with a fixed capacity (counted in wchar_t units, the
// terminator included). These helpers never write past it, always leave the result
// terminated and cut what does not fit; they return false when something was cut.
#pragma once

#include <cstdarg>
#include <cstddef>

namespace lumetra {

// Folder texts hold at most 519 characters plus terminator.
inline constexpr size_t kFolderTextCapacity = 520;
// The Windows path limit, used as the working limit of a path.
inline constexpr size_t kPathCapacity = 260;

size_t TextLength(const wchar_t* text);

// Replaces dest with src.
bool CopyText(wchar_t* dest, size_t capacity, const wchar_t* src);
// Copies at most maxChars characters of src.
bool CopyTextPrefix(wchar_t* dest, size_t capacity, const wchar_t* src, size_t maxChars);
// Appends src to the terminated text in dest.
bool AppendText(wchar_t* dest, size_t capacity, const wchar_t* src);
// printf-style formatting into dest. Wide strings are passed with %ls.
bool FormatText(wchar_t* dest, size_t capacity, const wchar_t* format, ...);
bool FormatTextV(wchar_t* dest, size_t capacity, const wchar_t* format, va_list args);

bool EndsWithBackslash(const wchar_t* text);
// Appends a backslash when the text does not end with one and has at most 258
// characters, so that text and backslash stay below the 260-character path limit.
void AppendBackslashUnderPathLimit(wchar_t* text, size_t capacity);

template <size_t N>
bool CopyText(wchar_t (&dest)[N], const wchar_t* src) { return CopyText(dest, N, src); }
template <size_t N>
bool AppendText(wchar_t (&dest)[N], const wchar_t* src) { return AppendText(dest, N, src); }
template <size_t N>
bool FormatText(wchar_t (&dest)[N], const wchar_t* format, ...) {
    va_list args;
    va_start(args, format);
    const bool complete = FormatTextV(dest, N, format, args);
    va_end(args);
    return complete;
}
template <size_t N>
void AppendBackslashUnderPathLimit(wchar_t (&text)[N]) { AppendBackslashUnderPathLimit(text, N); }

}  // namespace lumetra
