// The uninstaller's command line. A user or a deployment script gives at most
// "/silent"; the temporary copy that does the work (see helper_process.h) is started
// with "/helper" and what it needs to know. Anyone can write such a command line, so
// the copy checks the folder it is given like any other.
#pragma once

#include <windows.h>

#include <string>

#include "uninstaller/install_folder.h"

namespace lumetra {

inline constexpr wchar_t kSilentOption[] = L"/silent";
inline constexpr wchar_t kHelperOption[] = L"/helper";
inline constexpr wchar_t kFolderOption[] = L"/folder=";
inline constexpr wchar_t kParentOption[] = L"/parent=";
inline constexpr wchar_t kResultOption[] = L"/result=";

struct UninstallOptions {
    // "/silent" as an argument of its own, case-sensitive as for the setup: no window,
    // problems go to the install log, the result to the exit code.
    bool silent = false;
    // The temporary copy that removes the installation.
    bool helper = false;
    // Helper only: the install folder as given (not yet checked), the started
    // uninstaller's process to wait for, and the pipe that takes the result. Handles
    // are values inherited from the started uninstaller; null when not given.
    std::wstring folder;
    HANDLE parentProcess = nullptr;
    HANDLE resultPipe = nullptr;
};

// Reads the options from a full command line (the program's name first). Unknown
// arguments are ignored.
UninstallOptions ParseUninstallOptions(const wchar_t* commandLine);

// The argument quoted so that the system's argument splitting gives it back unchanged,
// whatever spaces, quotes or trailing backslashes it holds.
std::wstring QuoteArgument(const std::wstring& argument);

// The command line of the temporary copy at copyPath.
std::wstring HelperCommandLine(const wchar_t* copyPath, const wchar_t* folder, HANDLE parentProcess,
                               HANDLE resultPipe, bool silent);

}  // namespace lumetra
