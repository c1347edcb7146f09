// Process exit codes. The values are documented for administrators who deploy silently
// and must never change meaning.
#pragma once

namespace lumetra {

enum ExitCode : int {
    kExitInstalled = 0,         // installation finished (wizard: finished with an installation)
    kExitWizardLeft = 1,        // the wizard was left without an installation
    kExitViewerRunning = 2,     // the viewer is running; nothing installed
    kExitInvalidFolder = 3,     // the target folder is empty
    kExitFolderNotCreated = 4,  // the target folder cannot be created
    kExitPayloadFailed = 5,     // the payload could not be unpacked
};

}  // namespace lumetra
