// The release notes as the What's new page shows them.
#pragma once

#include <cstddef>

namespace lumetra {

// Characters of the page's working buffer; at most one less is shown.
inline constexpr size_t kWhatsNewCapacity = 10240;

// Zeroes text (kWhatsNewCapacity characters) and copies the resource's bytes into it
// as they stand, at most 20478 bytes (10239 characters): UTF-16LE, the byte-order mark
// stays the first character. Then ends the text at its last letter or digit.
void PrepareWhatsNewText(const void* bytes, size_t byteCount, wchar_t* text);

// Removes the characters after the last letter or digit (as iswalnum classifies them):
// line ends, spaces, punctuation. A text without letters or digits becomes empty.
void TrimAfterLastAlphanumeric(wchar_t* text);

}  // namespace lumetra
