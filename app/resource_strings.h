// Texts of the program's German string table.
#pragma once

#include <cstddef>

namespace lumetra {

// Loads string-table entry id of the running program into text (capacity characters,
// terminator included). A missing entry gives an empty text.
void LoadResourceString(unsigned id, wchar_t* text, size_t capacity);

template <size_t N>
void LoadResourceString(unsigned id, wchar_t (&text)[N]) { LoadResourceString(id, text, N); }

}  // namespace lumetra
