#include "registration/application_registration.h"

#include <windows.h>

#include "app/build_constants.h"
#include "app/path_helpers.h"
#include "app/resource_strings.h"
#include "framework/handles.h"
#include "registration/file_associations.h"
#include "registration/registry_names.h"
#include "registration/registry_writes.h"
#include "registration/shortcuts.h"
#include "res/resource.h"

namespace lumetra {
namespace {

constexpr wchar_t kViewerClassIconKey[] = L"SOFTWARE\\Classes\\Lumetra\\DefaultIcon";
constexpr wchar_t kApplicationCommandKey[] = L"SOFTWARE\\Lumetra\\shell\\open\\command";

constexpr wchar_t kViewerClassName[] = L"Lumetra";
constexpr wchar_t kFriendlyAppName[] = L"Lumetra 64-bit";
// Formatted with the viewer's major and minor version.
constexpr wchar_t kDisplayNameFormat[] = L"Lumetra %d.%d (64-bit)";
constexpr wchar_t kDisplayVersionFormat[] = L"%d.%d";
constexpr wchar_t kApplicationDescription[] =
    L"Picture viewer, editor and converter - one of the most popular viewers worldwide";
// Kilobytes; a fixed figure, not measured from the installed files.
constexpr DWORD kEstimatedSizeKb = 7168;

// "Durchsuchen mit &Lumetra" on every folder and drive, opening the viewer's thumbnail
// browser. The caption is the verb's key name and its text.
void WriteBrowseVerbs(const ApplicationPaths& paths) {
    wchar_t caption[kPathCapacity];
    LoadResourceString(IDS_BROWSE_VERB, caption);
    if (caption[0] == L'\0') return;  // an empty name would overwrite the shell key itself
    for (const wchar_t* browsable : kBrowsableClasses) {
        wchar_t verbKey[kPathCapacity];
        wchar_t commandKey[kPathCapacity];
        if (!FormatText(verbKey, kBrowseVerbKeyFormat, browsable, caption) ||
            !FormatText(commandKey, L"%ls\\command", verbKey)) {
            continue;
        }
        SetDefaultString(HKEY_LOCAL_MACHINE, verbKey, caption);
        SetDefaultString(HKEY_LOCAL_MACHINE, commandKey, paths.browseCommand);
    }
}

// The viewer's own class, without an icon of its own. A DefaultIcon key with subkeys
// survives the deletion, which is accepted.
void WriteViewerClass(const ApplicationPaths& paths) {
    SetDefaultString(HKEY_LOCAL_MACHINE, kViewerClassKey, kViewerClassName);
    SetDefaultString(HKEY_LOCAL_MACHINE, kViewerOpenCommandKey, paths.openCommand);
    RegDeleteKeyW(HKEY_LOCAL_MACHINE, kViewerClassIconKey);
}

// The entry the shell's Open-with list shows for the executable.
void WriteApplicationsEntry(const ApplicationPaths& paths) {
    wchar_t entryKey[kPathCapacity];
    wchar_t commandKey[kPathCapacity];
    FormatText(entryKey, kApplicationsEntryFormat, kViewerExeName);
    FormatText(commandKey, L"%ls\\shell\\open\\command", entryKey);
    SetDefaultString(HKEY_CLASSES_ROOT, commandKey, paths.openCommand);
    UniqueHKey entry = OpenKey(HKEY_CLASSES_ROOT, entryKey, KEY_ALL_ACCESS);
    if (entry) SetStringValue(entry.get(), L"FriendlyAppName", kFriendlyAppName);
}

// A named value of the uninstall entry: a string, or a number when text is null.
struct UninstallValue {
    const wchar_t* name;
    const wchar_t* text;
    DWORD number;
};

// The entry of Programs and Features.
void WriteUninstallEntry(const ApplicationPaths& paths) {
    wchar_t displayName[kPathCapacity];
    wchar_t displayVersion[kPathCapacity];
    wchar_t uninstallString[kFolderTextCapacity];
    wchar_t displayIcon[kFolderTextCapacity];
    FormatText(displayName, kDisplayNameFormat, ViewerVersion.major, ViewerVersion.minor);
    FormatText(displayVersion, kDisplayVersionFormat, ViewerVersion.major, ViewerVersion.minor);
    FormatText(uninstallString, L"\"%ls%ls\"", paths.folder, kUninstallerExeName);
    FormatText(displayIcon, L"%ls,0", paths.executable);

    const UninstallValue values[] = {
        {L"DisplayName", displayName, 0},
        {L"UninstallString", uninstallString, 0},
        {L"Publisher", kCompanyName, 0},
        {kInstallLocationValue, paths.folder, 0},
        {L"DisplayVersion", displayVersion, 0},
        {L"DisplayIcon", displayIcon, 0},
        {L"VersionMajor", nullptr, static_cast<DWORD>(ViewerVersion.major)},
        {L"VersionMinor", nullptr, static_cast<DWORD>(ViewerVersion.minor)},
        {L"EstimatedSize", nullptr, kEstimatedSizeKb},
    };

    SetDefaultString(HKEY_LOCAL_MACHINE, kUninstallKey, L"");  // creates the key
    UniqueHKey entry = OpenKey(HKEY_LOCAL_MACHINE, kUninstallKey, KEY_ALL_ACCESS);
    if (!entry) return;
    for (const UninstallValue& value : values) {
        if (value.text) {
            SetStringValue(entry.get(), value.name, value.text);
        } else {
            SetDwordValue(entry.get(), value.name, value.number);
        }
    }
}

// The application key, its capabilities (whose file associations the
// association writer fills) and its place among the registered applications. That list
// is only joined where Windows keeps one: the key is never created here.
void WriteApplicationKey(const ApplicationPaths& paths) {
    CreateKey(HKEY_LOCAL_MACHINE, kApplicationKey);
    wchar_t command[kFolderTextCapacity];
    if (FormatText(command, L"\"%ls\"", paths.executable)) {
        SetDefaultString(HKEY_LOCAL_MACHINE, kApplicationCommandKey, command);
    }
    if (UniqueHKey capabilities = CreateKey(HKEY_LOCAL_MACHINE, kCapabilitiesKey)) {
        SetStringValue(capabilities.get(), L"ApplicationDescription", kApplicationDescription);
    }
    CreateKey(HKEY_LOCAL_MACHINE, kCapabilityAssociationsKey);
    if (UniqueHKey registered = OpenKey(HKEY_LOCAL_MACHINE, kRegisteredApplicationsKey, KEY_SET_VALUE)) {
        SetStringValue(registered.get(), kRegisteredApplicationName, kCapabilitiesKey);
    }
}

}  // namespace

bool DeriveApplicationPaths(const wchar_t* installFolder, ApplicationPaths& paths) {
    wchar_t folder[kFolderTextCapacity];
    CopyText(folder, installFolder);
    TrimSpaces(folder);
    if (folder[0] == L'\0') return false;
    AppendBackslashUnderPathLimit(folder);
    return EndsWithBackslash(folder) && CopyText(paths.folder, folder) &&
           FormatText(paths.executable, L"%ls%ls", paths.folder, kViewerExeName) &&
           FormatText(paths.openCommand, L"\"%ls\" \"%%1\"", paths.executable) &&
           FormatText(paths.browseCommand, L"\"%ls\" \"%%1\" /thumbs", paths.executable);
}

void RegisterApplication(const wchar_t* targetFolder, int associateFiles, int startMenuShortcut,
                         int desktopShortcut, int thumbnailsShortcut, int allUsers,
                         const AssociationSelection& selection) {
    ApplicationPaths paths;
    if (!DeriveApplicationPaths(targetFolder, paths)) return;

    CreateShortcuts(paths.folder, paths.executable, startMenuShortcut, desktopShortcut, thumbnailsShortcut,
                    allUsers);
    if (thumbnailsShortcut != 0) WriteBrowseVerbs(paths);
    WriteViewerClass(paths);
    WriteApplicationsEntry(paths);
    WriteUninstallEntry(paths);
    WriteApplicationKey(paths);
    RegisterFileAssociations(paths.executable, paths.openCommand, selection, associateFiles);
}

}  // namespace lumetra
