#pragma once

#include <unzip.h>

namespace lumetra {

// Size of the block in which a member is decompressed and written.
inline constexpr unsigned kCopyBlockSize = 0x8000;

// Writes every entry of an open archive below the current directory, in the archive's
// order. Folders of a file are made on demand. With keepIconsLibrary 1, entries whose
// name contains "icons.dll" (any letter case) are left out. An output file that cannot
// be created (read-only, locked) is skipped; a member that cannot be opened, read or
// written, or whose CRC does not match, ends the walk, and so does an unreadable entry.
// Entries whose names are too long or would leave the current directory are skipped.
// Always returns 0.
int ExtractAllEntries(unzFile archive, int keepIconsLibrary);

}  // namespace lumetra
