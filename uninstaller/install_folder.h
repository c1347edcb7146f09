// Which folder an uninstallation may touch, and what lies inside it. Every removal
// starts from a folder that passed these checks; a command line or a registry value
// alone never decides what is deleted.
#pragma once

#include "app/text_buffer.h"

namespace lumetra {

using PathText = wchar_t[kPathCapacity];

// Makes a folder text the canonical form every comparison uses: an absolute path
// ("X:\..." or "\\server\share\..."), with "." and ".." resolved, the long form of names
// that exist, and a trailing backslash. Surrounding spaces and one pair of quotes are
// dropped. False, with folder empty, for an empty or relative text or one that does not
// fit the path limit.
bool NormaliseFolder(const wchar_t* text, PathText& folder);

// True when the normalised folder holds the viewer's executable as a file.
bool HoldsViewer(const wchar_t* folder);

// True when path names something strictly inside the normalised folder (at any depth),
// compared the way Windows compares file names: without regard to case, after "." and
// ".." are resolved. The folder itself is not inside.
bool IsPathInsideFolder(const wchar_t* path, const wchar_t* folder);

// True when two normalised folders are the same.
bool IsSameFolder(const wchar_t* first, const wchar_t* second);

// The folder the running program was started from, normalised.
bool ProgramFolder(PathText& folder);

// The uninstall entry's "InstallLocation", normalised; false when there is none.
bool ReadInstallLocation(PathText& folder);

// The installation to remove: the program's own folder when it holds the viewer,
// otherwise the uninstall entry's folder when that holds it. False when neither does;
// folder then names the program's own folder, for the report.
bool FindInstallFolder(PathText& folder);

}  // namespace lumetra
