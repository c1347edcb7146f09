// Removing the shell links of an installation: the Start-menu group "Lumetra" and the
// desktop links, for the current user and for all users. A link is removed only when
// its target, read through the shell's link object, lies inside the install folder.
#pragma once

#include <cstddef>

#include "uninstaller/install_folder.h"

namespace lumetra {

// The target path stored in a link; false when the file is not a readable link.
bool ReadLinkTarget(const wchar_t* linkPath, PathText& target);

// Removes the links in linkFolder (ending in a backslash) whose target lies inside the
// normalised install folder: every "*.lnk" when names is null, else only the named link
// files. Other files and links stay.
void RemoveLinksInto(const wchar_t* linkFolder, const wchar_t* installFolder, const wchar_t* const* names,
                     size_t nameCount);

// Both Start-menu groups (removed when then empty) and the viewer's two desktop links
// on both desktops.
void RemoveShortcuts(const wchar_t* installFolder);

}  // namespace lumetra
