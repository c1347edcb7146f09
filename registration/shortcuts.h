// The shell links of an installation: the Start-menu group "Lumetra" and up to two links
// on the desktop, for the current user or for all users. A link that cannot be made is
// simply missing; nothing is reported.
#pragma once

namespace lumetra {

// folder: the normalised install folder (ending in a backslash); executablePath: folder
// + "lu_main64.exe". Makes, each only when its flag is set and in this order, the
// Start-menu group, the viewer's desktop link and the thumbnails desktop link.
void CreateShortcuts(const wchar_t* folder, const wchar_t* executablePath, int startMenuShortcut,
                     int desktopShortcut, int thumbnailsShortcut, int allUsers);

// The group's links to the viewer, its thumbnail view, the uninstaller (before Windows
// 8 only), the text documents and the help file; removes the links of versions 4.58 and
// 4.57. The group is created when missing and reused when it exists.
void CreateStartMenuGroup(const wchar_t* folder, int allUsers);

// A link named linkName (with ".lnk") on the current user's or the common desktop.
// iconPath, description and arguments may be null. Returns 1 when saved, else 0.
int CreateDesktopLink(const wchar_t* target, const wchar_t* linkName, const wchar_t* iconPath,
                      const wchar_t* description, const wchar_t* arguments, int iconIndex, int allUsers);

// A link named linkName in folder (ending in a backslash), without a description.
// arguments and iconPath may be null. Returns 1 when saved, else 0; also 0, without
// saving anything, when the link's path would not fit the 260-character path limit.
int CreateFolderLink(const wchar_t* folder, const wchar_t* linkName, const wchar_t* target,
                     const wchar_t* arguments, const wchar_t* iconPath, int iconIndex);

}  // namespace lumetra
