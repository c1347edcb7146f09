// Expansion of the environment references in a settings folder such as
// "%APPDATA%\Lumetra".
#pragma once

#include <cstddef>

#include "app/text_buffer.h"

namespace lumetra {

// Longest variable name that is looked up; a longer name is cut to this many characters.
inline constexpr size_t kEnvironmentNameLimit = 260;
// Longest part of a variable's value that is taken; the rest is cut.
inline constexpr size_t kEnvironmentValueLimit = 259;
// Longest expanded text; what goes beyond is cut.
inline constexpr size_t kExpandedFolderLimit = kFolderTextCapacity - 1;

// Writes text into result (capacity in wchar_t units, at most 519 characters are used)
// with every "%NAME%" replaced by the value of the environment variable NAME. A name
// runs to the next "%" or to the end of the text. An unset variable and an empty name
// ("%%") leave nothing behind, percent signs included. Returns false when a name, a
// value or the result had to be cut; result is always terminated.
bool ExpandIniFolder(const wchar_t* text, wchar_t* result, size_t capacity);

template <size_t N>
bool ExpandIniFolder(const wchar_t* text, wchar_t (&result)[N]) {
    return ExpandIniFolder(text, result, N);
}

}  // namespace lumetra
