#pragma once

#include <cstdint>

namespace lumetra {

// Gives an extracted file the entry's time as its creation and last-write time; the
// last-access time stays as writing left it. dosDateTime holds the DOS date in its high
// and the DOS time in its low 16 bits, read as local time. Failures are ignored: a file
// that cannot be opened or a date that is no date keeps its times.
void SetEntryFileTime(const wchar_t* path, uint32_t dosDateTime);

}  // namespace lumetra
