// Reads the orientation tag of a JPEG file's EXIF block.
#pragma once

#include <cstddef>
#include <cstdint>

namespace lumetra::plugins {

// The EXIF orientation (1 to 8) of a JPEG file held in memory, 0 when the file has none
// or is no JPEG. Reads only inside the given bytes.
int ReadExifOrientation(const uint8_t* jpeg, size_t size);

}  // namespace lumetra::plugins
