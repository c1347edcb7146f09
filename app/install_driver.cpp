#include "app/install_driver.h"

#include <windows.h>

#include <cstdio>
#include <utility>

#include "app/build_constants.h"
#include "app/icons_library.h"
#include "app/install_log.h"
#include "app/path_helpers.h"
#include "app/resource_strings.h"
#include "app/settings_conversion.h"
#include "app/text_buffer.h"
#include "app/viewer_settings.h"
#include "framework/handles.h"
#include "registration/application_registration.h"
#include "payload/extract_payload.h"
#include "res/resource.h"

namespace lumetra {
namespace {

enum class ReportOrder { MessageFirst, FolderFirst };

// One report per failure: a log line "<message>: <folder>" (or folder first) on the
// silent path, an error box with the message in the wizard.
void ReportFailure(const InstallRequest& request, unsigned messageId, const wchar_t* folder,
                   ReportOrder order) {
    wchar_t message[kFolderTextCapacity];
    LoadResourceString(messageId, message);
    if (!request.Silent) {
        MessageBoxW(GetActiveWindow(), message, request.Caption, MB_OK | MB_ICONERROR);
        return;
    }
    const bool messageFirst = order == ReportOrder::MessageFirst;
    wchar_t line[kFolderTextCapacity];  // a longer line is cut
    CopyText(line, messageFirst ? message : folder);
    AppendText(line, L": ");
    AppendText(line, messageFirst ? folder : message);
    AppendLogEntry(line);
}

int Fail(InstallFailure kind, InstallFailure* failure) {
    if (failure) *failure = kind;
    return 0;
}

// The settings file is rewritten in UTF-16LE last, after everything that writes it. A
// file that cannot be opened stays in its 8-bit form.
void ConvertSettingsFile(const wchar_t* settingsPath) {
    UniqueStdioFile settings(_wfopen(settingsPath, L"rb"));
    if (settings) ConvertSettingsToUnicode(settingsPath, std::move(settings));
}

}  // namespace

int RunInstall(InstallRequest& request, InstallFailure* failure) {
    if (failure) *failure = InstallFailure::None;

    wchar_t workingFolder[kFolderTextCapacity];
    CopyText(workingFolder, request.TargetFolder);
    if (workingFolder[0] == L'\0') {
        ReportFailure(request, IDS_INVALID_TARGET_FOLDER, workingFolder, ReportOrder::MessageFirst);
        return Fail(InstallFailure::InvalidFolder, failure);
    }
    if (EnsureDirectory(workingFolder) == 0) {
        ReportFailure(request, IDS_CANNOT_CREATE_FOLDER, workingFolder, ReportOrder::MessageFirst);
        return Fail(InstallFailure::FolderNotCreated, failure);
    }

    wchar_t pluginFolder[kFolderTextCapacity];
    CopyText(pluginFolder, workingFolder);
    AppendText(pluginFolder, kPluginsFolderName);
    if (pluginFolder[0] != L'\0') EnsureDirectory(pluginFolder);  // a missing one is no failure

    wchar_t iconsLibrary[kFolderTextCapacity];
    CopyText(iconsLibrary, pluginFolder);
    AppendText(iconsLibrary, kIconsLibraryName);
    const int keepIconsLibrary = DecideKeepIconsLibrary(iconsLibrary);

    if (ExtractPayload(workingFolder, keepIconsLibrary) != 0) {
        ReportFailure(request, IDS_INSTALL_FAILED, workingFolder, ReportOrder::FolderFirst);
        return Fail(InstallFailure::PayloadFailed, failure);
    }

    // The viewer's settings file, in the program folder or the settings folder.
    wchar_t settingsPath[kSettingsPathCapacity];
    WriteViewerSettings(request, settingsPath);

    // Registration with the shell. It takes the folder as the request holds it and
    // normalises it itself; whatever fails inside is skipped without a report.
    RegisterApplication(request.TargetFolder, request.AssociateFiles, request.StartMenuShortcut,
                        request.DesktopShortcut, request.ThumbnailsShortcut, request.AllUsers,
                        request.Selection);

    ConvertSettingsFile(settingsPath);
    return 1;
}

}  // namespace lumetra
