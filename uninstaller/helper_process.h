// How the uninstaller removes its own file, the way Windows uninstallers do: a running
// program's file cannot be deleted, so the started uninstaller copies itself into the
// temporary folder and lets the copy (the helper) do the work. The started uninstaller
// waits for the helper's result and ends with it as its exit code, so that whoever
// started it learns the outcome. The helper then waits for it to end, deletes the
// uninstaller's file and the emptied install folder, and ends; its own file is deleted
// by the system when the last handle to it closes, which is the helper's own, inherited
// handle opened with FILE_FLAG_DELETE_ON_CLOSE.
#pragma once

#include <windows.h>

namespace lumetra {

// Started uninstaller: copies the running program into the temporary folder, starts
// the copy as the helper for the normalised install folder and waits for its result.
// False when no helper could be started: nothing has been removed then, no copy is
// left, and the caller removes the installation itself.
bool RunHelperCopy(const wchar_t* folder, bool silent, int& result);

// Helper: hands the result to the started uninstaller. A handle that is not a pipe is
// left alone.
void SendResult(HANDLE resultPipe, int result);

// Helper: waits until the started uninstaller has ended (at most a minute), so that its
// file can be deleted. A handle that is not a process is not waited for.
void WaitForStartedUninstaller(HANDLE parentProcess);

// Makes the temporary folder the current directory, so that the install folder is not
// held open by the process's current directory when it is removed.
void LeaveInstallFolder();

// When the running program cannot remove its own file: asks Windows to delete the
// uninstaller's file and the install folder (only if empty by then) at the next start.
void RemoveAtNextStart(const wchar_t* folder);

}  // namespace lumetra
