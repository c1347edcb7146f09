// Removing the installed files. Only the payload's own names and the program folder's
// settings files are ever deleted, and only below the install folder; a file the
// payload did not bring, and so the folder that holds it, stays.
#pragma once

#include "uninstaller/install_folder.h"

namespace lumetra {

// Deletes one file of ours. A missing name, or a folder of that name (which the payload
// did not bring), counts as done; a read-only file loses that attribute first. False
// when the file stays.
bool RemoveFileOfOurs(const wchar_t* path);

// Removes the payload's files and the program folder's settings files from the
// normalised install folder, then each payload folder that is left empty. The viewer's
// executable goes last and only when everything before it went: while anything stays,
// the viewer stays too, so that a second run still finds the installation. The
// uninstaller's own file is left for RemoveUninstallerAndFolder. True when everything
// went; otherwise failedPath names the first file that stayed.
bool RemoveInstalledFiles(const wchar_t* folder, PathText& failedPath);

// Removes the uninstaller's file, then each payload folder and the install folder when
// they are empty. True when the install folder is gone.
bool RemoveUninstallerAndFolder(const wchar_t* folder);

}  // namespace lumetra
