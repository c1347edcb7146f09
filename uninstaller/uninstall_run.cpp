#include "uninstaller/uninstall_run.h"

#include <windows.h>

#include "app/build_constants.h"
#include "app/install_log.h"
#include "app/resource_strings.h"
#include "uninstaller/file_removal.h"
#include "uninstaller/helper_process.h"
#include "uninstaller/install_folder.h"
#include "uninstaller/link_removal.h"
#include "uninstaller/registration_removal.h"
#include "uninstaller/uninstall_exit_codes.h"
#include "uninstaller/uninstall_options.h"
#include "uninstaller/uninstaller_resource.h"

namespace lumetra {
namespace {

using MessageText = wchar_t[kFolderTextCapacity];

// "4.59"
void VersionText(wchar_t (&text)[16]) { FormatText(text, L"%d.%d", ViewerVersion.major, ViewerVersion.minor); }

// A text of the string table formatted with up to two texts; a longer result is cut.
void LoadMessage(unsigned id, MessageText& message, const wchar_t* first = L"", const wchar_t* second = L"") {
    MessageText format;
    LoadResourceString(id, format);
    FormatText(message, format, first, second);
}

// One report of a problem: an install-log entry in the current directory when silent,
// otherwise a message box.
void ReportProblem(bool silent, const wchar_t* message, UINT icon) {
    if (silent) {
        AppendLogEntry(message);
    } else {
        MessageBoxW(nullptr, message, kSetupCaption, MB_OK | icon);
    }
}

bool ViewerIsRunning() { return FindWindowW(kViewerWindowClass, nullptr) != nullptr; }

// The checks before anything is removed, repeated by the helper: the folder must hold
// the viewer, and the viewer must not be running. A refusal is reported, and its exit
// code given in refusal.
bool MayRemove(const wchar_t* folder, bool found, bool silent, int& refusal) {
    MessageText message;
    if (!found) {
        LoadMessage(IDS_NOT_INSTALLED, message, folder);
        ReportProblem(silent, message, MB_ICONERROR);
        refusal = kUninstallNotInstalled;
        return false;
    }
    if (ViewerIsRunning()) {
        LoadMessage(IDS_VIEWER_RUNNING, message);
        ReportProblem(silent, message, MB_ICONWARNING);
        refusal = kUninstallViewerRunning;
        return false;
    }
    return true;
}

// No is the default answer: Enter alone removes nothing.
bool ConfirmUninstall() {
    wchar_t version[16];
    VersionText(version);
    MessageText question;
    LoadMessage(IDS_CONFIRM_UNINSTALL, question, version);
    return MessageBoxW(nullptr, question, kSetupCaption, MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) == IDYES;
}

void ReportIncomplete(bool silent, const wchar_t* failedPath) {
    MessageText message;
    LoadMessage(IDS_INCOMPLETE, message, failedPath);
    ReportProblem(silent, message, MB_ICONERROR);
}

// The last word of an interactive removal: done, and whether the folder stayed because
// it holds files of the user's.
void ShowRemoved(const wchar_t* folder, bool folderGone) {
    wchar_t version[16];
    VersionText(version);
    MessageText message;
    if (folderGone) {
        LoadMessage(IDS_REMOVED, message, version);
    } else {
        LoadMessage(IDS_REMOVED_FOLDER_KEPT, message, version, folder);
    }
    MessageBoxW(nullptr, message, kSetupCaption, MB_OK | MB_ICONINFORMATION);
}

// Windows may hold the file of an ended process for a moment: the uninstaller's file is
// tried again for up to two seconds. True when the install folder is gone.
bool RemoveUninstallerAndFolderSoon(const wchar_t* folder) {
    PathText uninstaller;
    FormatText(uninstaller, L"%ls%ls", folder, kUninstallerExeName);
    for (int attempt = 1;; ++attempt) {
        const bool folderGone = RemoveUninstallerAndFolder(folder);
        if (folderGone || attempt == 20 || GetFileAttributesW(uninstaller) == INVALID_FILE_ATTRIBUTES) {
            return folderGone;
        }
        Sleep(100);
    }
}

// The temporary copy: checks the folder it was given, removes the installation, hands
// the result over, and once the started uninstaller has ended, removes its file and
// the emptied install folder.
int RunAsHelper(const UninstallOptions& options) {
    PathText folder;
    const bool normalised = NormaliseFolder(options.folder.c_str(), folder);
    const bool found = normalised && HoldsViewer(folder);
    int result = kUninstallNoResult;
    if (MayRemove(normalised ? folder : options.folder.c_str(), found, options.silent, result)) {
        PathText failedPath = {};
        result = RemoveInstallation(folder, failedPath);
        if (result == kUninstallIncomplete) ReportIncomplete(options.silent, failedPath);
    }
    SendResult(options.resultPipe, result);
    if (result != kUninstallRemoved) return result;

    WaitForStartedUninstaller(options.parentProcess);
    LeaveInstallFolder();
    const bool folderGone = RemoveUninstallerAndFolderSoon(folder);
    if (!options.silent) ShowRemoved(folder, folderGone);
    return result;
}

// Without a temporary copy the running program removes the installation itself; its
// own file and the folder are left to the next start of Windows.
int RemoveInPlace(const wchar_t* folder, bool silent) {
    PathText failedPath = {};
    const int result = RemoveInstallation(folder, failedPath);
    if (result == kUninstallIncomplete) {
        ReportIncomplete(silent, failedPath);
        return result;
    }
    LeaveInstallFolder();
    const bool folderGone = RemoveUninstallerAndFolder(folder);
    if (!folderGone) RemoveAtNextStart(folder);
    if (!silent) ShowRemoved(folder, folderGone);
    return result;
}

int RunAsStarted(const UninstallOptions& options) {
    PathText folder;
    const bool found = FindInstallFolder(folder);
    int refusal = kUninstallNoResult;
    if (!MayRemove(folder, found, options.silent, refusal)) return refusal;
    if (!options.silent && !ConfirmUninstall()) return kUninstallCancelled;

    int result = kUninstallNoResult;
    if (!RunHelperCopy(folder, options.silent, result)) return RemoveInPlace(folder, options.silent);
    if (result == kUninstallNoResult) {
        MessageText message;
        LoadMessage(IDS_NO_RESULT, message);
        ReportProblem(options.silent, message, MB_ICONERROR);
    }
    return result;
}

}  // namespace

int RemoveInstallation(const wchar_t* folder, PathText& failedPath) {
    if (!RemoveInstalledFiles(folder, failedPath)) return kUninstallIncomplete;
    RemoveShortcuts(folder);
    if (RegistrationBelongsTo(folder)) RemoveRegistration();
    return kUninstallRemoved;
}

int RunUninstaller(const wchar_t* commandLine) {
    const UninstallOptions options = ParseUninstallOptions(commandLine);
    return options.helper ? RunAsHelper(options) : RunAsStarted(options);
}

}  // namespace lumetra
