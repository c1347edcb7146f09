// The fixed, ordered table of the file types the setup offers to associate with the
// viewer. The row index links the Associations page's list, the AssociationSelection
// and the registration, so the order of the rows is part of the contract.
#pragma once

#include <cstddef>

#include "registration/association_selection.h"

namespace lumetra {

// The extensions the table registers in all.
inline constexpr size_t kExtensionCount = 86;
// The most extensions one row stands for.
inline constexpr size_t kMaxExtensionsPerRow = 4;

// Where the registry class of an extension takes its icon from.
enum class IconSource {
    FileItself,     // the file's own content ("%1")
    ProgramIcon0,   // icon 0 of the viewer's executable
    ProgramIcon8,   // icon 8: audio
    ProgramIcon9,   // icon 9: video
};

struct ExtensionEntry {
    const wchar_t* extension;     // lower case, without the dot
    const wchar_t* progIdSuffix;  // the class is "Lumetra." followed by this
    IconSource icon;
};

struct FileTypeEntry {
    // The extensions in upper case joined by "/", as the list's first column shows them.
    const wchar_t* listText;
    // The list's second column; a trailing " *" marks a format read through a plug-in.
    const wchar_t* description;
    bool isImageFormat;
    size_t extensionCount;
    ExtensionEntry extensions[kMaxExtensionsPerRow];
};

// Rows 0 to 61; the first ImageRowCount rows are the image formats.
extern const FileTypeEntry FileTypeTable[kFileTypeRowCount];

}  // namespace lumetra
