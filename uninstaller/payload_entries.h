// The entries of the payload archive, compiled in from the same list that writes the
// archive, so that the uninstaller removes exactly the names the setup unpacks.
#pragma once

#include <cstddef>

namespace lumetra {

struct PayloadEntry {
    // Relative to the install folder, with backslashes; a folder without a trailing one.
    const wchar_t* name;
    bool isFolder;
};

// In the archive's order: every folder comes before the files inside it.
extern const PayloadEntry kPayloadEntries[];
extern const size_t kPayloadEntryCount;

}  // namespace lumetra
