// Exit codes of lm_uninstall.exe. Deployment scripts read them after a silent run, so a
// value never changes meaning.
#pragma once

namespace lumetra {

enum UninstallExitCode : int {
    kUninstallRemoved = 0,         // removed; a folder that holds files of the user's stays
    kUninstallCancelled = 1,       // the user answered No; nothing removed
    kUninstallViewerRunning = 2,   // the viewer is running; nothing removed
    kUninstallNotInstalled = 3,    // the folder does not hold the viewer; nothing removed
    kUninstallIncomplete = 4,      // a file could not be removed; the installation stays
                                   // registered, so that a second run can finish
    kUninstallNoResult = 5,        // the temporary copy that does the work ended without a result
};

}  // namespace lumetra
