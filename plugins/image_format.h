// Recognises an image format by the first bytes of a file.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumetra::plugins {

// Bytes that are enough to tell every known format apart.
inline constexpr size_t kFormatHeaderSize = 16;

// "PNG", "JPEG", "GIF", "BMP", "TIFF", "WEBP", "ICO" or nullptr when the bytes match
// none of them.
const wchar_t* DetectImageFormat(const uint8_t* header, size_t size);

}  // namespace lumetra::plugins
