// Makes the unpacked viewer known to Windows: shortcuts, the browse verbs for folders and
// drives, the viewer's class, its Applications entry, the uninstall entry, the
// application key with its capabilities, and finally the file associations.
#pragma once

#include "app/text_buffer.h"
#include "registration/association_selection.h"

namespace lumetra {

// The texts every registration step is built from, derived once from the install folder.
struct ApplicationPaths {
    // The install folder trimmed of spaces, ending in a backslash.
    wchar_t folder[kPathCapacity];
    // folder + "lu_main64.exe"
    wchar_t executable[kPathCapacity];
    // "<executable>" "%1"
    wchar_t openCommand[kFolderTextCapacity];
    // "<executable>" "%1" /thumbs
    wchar_t browseCommand[kFolderTextCapacity];
};

// Fills paths from an install folder as the request holds it (surrounding spaces and a
// missing backslash allowed). Returns false when the folder is empty, or when it is so
// long that the executable's path would not fit the 260-character path limit; nothing
// may then be registered, since every entry would name a cut path.
bool DeriveApplicationPaths(const wchar_t* installFolder, ApplicationPaths& paths);

// Runs the whole registration in its fixed order; nothing is reported and nothing stops
// it. Does nothing when DeriveApplicationPaths fails. Everything goes to
// HKEY_LOCAL_MACHINE except the Applications entry (HKEY_CLASSES_ROOT) and the user's
// choices written by the file associations; allUsers only chooses the shortcut folders.
void RegisterApplication(const wchar_t* targetFolder, int associateFiles, int startMenuShortcut,
                         int desktopShortcut, int thumbnailsShortcut, int allUsers,
                         const AssociationSelection& selection);

}  // namespace lumetra
