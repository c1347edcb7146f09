// RunInstall: one complete installation described by an InstallRequest.
#pragma once

#include "app/install_request.h"

namespace lumetra {

// Which step stopped an installation; the exit code of a silent run follows it.
enum class InstallFailure {
    None,
    InvalidFolder,     // the target folder is empty
    FolderNotCreated,  // the target folder cannot be made
    PayloadFailed,     // the payload could not be unpacked
};

// Runs the installation. Returns 1 when it finished and 0 when it failed; a failure is
// reported once, in the install log for a silent request and in a message box
// otherwise. request.IniFolder may be rewritten by the settings step. When failure is
// given it receives the failing step.
int RunInstall(InstallRequest& request, InstallFailure* failure = nullptr);

}  // namespace lumetra
