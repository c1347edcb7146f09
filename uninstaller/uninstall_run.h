// One run of lm_uninstall.exe, started by the user, a deployment script or the setup's
// links and uninstall entry, or as the temporary helper copy.
#pragma once

#include "uninstaller/install_folder.h"

namespace lumetra {

// Runs the uninstaller for a full command line and gives its exit code
// (uninstall_exit_codes.h).
int RunUninstaller(const wchar_t* commandLine);

// What one removal does, in its order: the files (the viewer last), and only when they
// all went, the shell links and the registration, when that registration is this
// folder's. Gives kUninstallRemoved or kUninstallIncomplete; failedPath names the first
// file that stayed.
int RemoveInstallation(const wchar_t* folder, PathText& failedPath);

}  // namespace lumetra
