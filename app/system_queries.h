// Queries of the system shared by the silent path, the wizard and the registration.
#pragma once

namespace lumetra {

// Fills folder (520 characters) with the folder of an earlier installation, taken from
// the open command of the viewer's class, with a trailing backslash. Returns 1 when one
// was found; otherwise leaves folder empty and returns 0.
int FindPreviousInstallFolder(wchar_t* folder);

// Fills folder (520 characters) with the program-files folder followed by "Lumetra",
// or "C:\Lumetra\" when the program-files folder cannot be read.
void DefaultInstallFolder(wchar_t* folder);

// True when Windows is version 6 with at least the given minor version, or later.
bool IsWindowsVersionAtLeast(unsigned short minor);
// The minor version that makes Windows 6.x Windows 8.
inline constexpr unsigned short kWindows8MinorVersion = 2;

// The installation folder named by an open command such as "<folder>lu_main64.exe" "%1",
// with a trailing backslash; false when the command does not name the viewer.
bool InstallFolderFromOpenCommand(const wchar_t* command, wchar_t* folder);

}  // namespace lumetra
