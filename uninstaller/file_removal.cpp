#include "uninstaller/file_removal.h"

#include <windows.h>

#include "app/build_constants.h"
#include "uninstaller/payload_entries.h"

namespace lumetra {
namespace {

// The program folder's settings file, and the temporary file its conversion to
// Unicode can leave behind; the settings in the application-data folder stay.
constexpr const wchar_t* kProgramFolderSettingsFiles[] = {kSettingsFileName, kSettingsTempFileName};

bool IsNamed(const wchar_t* name, const wchar_t* expected) {
    return CompareStringOrdinal(name, -1, expected, -1, TRUE) == CSTR_EQUAL;
}

// Each payload folder, deepest first, then nothing else: folders are removed only when
// empty, so a file of the user's keeps its folder.
void RemoveEmptyPayloadFolders(const wchar_t* folder) {
    for (size_t i = kPayloadEntryCount; i-- > 0;) {
        const PayloadEntry& entry = kPayloadEntries[i];
        PathText path;
        if (entry.isFolder && FormatText(path, L"%ls%ls", folder, entry.name)) RemoveDirectoryW(path);
    }
}

// Removes folder + name; records the first file that stays.
bool RemoveNamedFile(const wchar_t* folder, const wchar_t* name, PathText& failedPath) {
    PathText path;
    if (!FormatText(path, L"%ls%ls", folder, name)) return true;  // longer than any path the setup wrote
    if (RemoveFileOfOurs(path)) return true;
    if (failedPath[0] == L'\0') CopyText(failedPath, path);
    return false;
}

}  // namespace

bool RemoveFileOfOurs(const wchar_t* path) {
    const DWORD attributes = GetFileAttributesW(path);
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return true;
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) {
        SetFileAttributesW(path, attributes & ~static_cast<DWORD>(FILE_ATTRIBUTE_READONLY));
    }
    if (DeleteFileW(path)) return true;
    return GetFileAttributesW(path) == INVALID_FILE_ATTRIBUTES;
}

bool RemoveInstalledFiles(const wchar_t* folder, PathText& failedPath) {
    failedPath[0] = L'\0';
    bool complete = true;
    for (size_t i = 0; i < kPayloadEntryCount; ++i) {
        const PayloadEntry& entry = kPayloadEntries[i];
        if (entry.isFolder || IsNamed(entry.name, kViewerExeName) || IsNamed(entry.name, kUninstallerExeName)) {
            continue;
        }
        complete = RemoveNamedFile(folder, entry.name, failedPath) && complete;
    }
    for (const wchar_t* name : kProgramFolderSettingsFiles) {
        complete = RemoveNamedFile(folder, name, failedPath) && complete;
    }
    if (complete) complete = RemoveNamedFile(folder, kViewerExeName, failedPath);
    RemoveEmptyPayloadFolders(folder);
    return complete;
}

bool RemoveUninstallerAndFolder(const wchar_t* folder) {
    PathText uninstaller;
    if (FormatText(uninstaller, L"%ls%ls", folder, kUninstallerExeName)) RemoveFileOfOurs(uninstaller);
    RemoveEmptyPayloadFolders(folder);
    return RemoveDirectoryW(folder) || GetFileAttributesW(folder) == INVALID_FILE_ATTRIBUTES;
}

}  // namespace lumetra
