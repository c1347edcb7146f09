#include "app/viewer_settings.h"

#include <windows.h>

#include <cwchar>

#include "app/ini_folder_expansion.h"
#include "app/path_helpers.h"
#include "app/system_queries.h"
#include "app/toolbar_skin.h"

namespace lumetra {
namespace {

// Sections, keys and values of the viewer's settings file, as the viewer reads them.
constexpr wchar_t kOthersSection[] = L"Others";
constexpr wchar_t kIniFolderKey[] = L"INI_Folder";
constexpr wchar_t kLanguageSection[] = L"Language";
constexpr wchar_t kLanguageLibraryKey[] = L"DLL";
constexpr wchar_t kLanguageNameKey[] = L"Lang";
constexpr wchar_t kDefaultLanguageLibraryKey[] = L"DefaultLang";
constexpr wchar_t kGermanLanguageName[] = L"Deutsch";
constexpr wchar_t kToolbarSection[] = L"Toolbar";
constexpr wchar_t kSkinKey[] = L"Skin";
constexpr wchar_t kSkinSizeKey[] = L"Size";

// A portable viewer lives in a folder with one of these names; it looks for its
// defaults in the program folder's settings file.
constexpr const wchar_t* kPortableFolderMarkers[] = {L"Lumetra32_App", L"Lumetra64_App"};

// Capacity of the skin name read back; a longer name comes back cut, and still counts as set.
constexpr size_t kSkinNameCapacity = 260;

using SettingsPath = wchar_t[kSettingsPathCapacity];

// folder + a backslash when missing + "lu_main64.ini".
void SettingsFileIn(const wchar_t* folder, SettingsPath& path) {
    CopyText(path, folder);
    if (!EndsWithBackslash(path)) AppendText(path, L"\\");
    AppendText(path, kSettingsFileName);
}

// A fresh silent installation into the default folder keeps the settings per user in
// the application-data folder, since the program folder is not writable for users.
void RedirectDefaultFolderSettings(InstallRequest& request) {
    wchar_t defaultFolder[kFolderTextCapacity];
    DefaultInstallFolder(defaultFolder);
    if (std::wcsstr(request.TargetFolder, defaultFolder) != nullptr) {
        CopyText(request.IniFolder, kAppDataSettingsFolder);
    }
}

// The folder named by IniFolder, expanded, created and with a trailing backslash; empty
// when it comes to nothing (such as a lone reference to an unset variable), which must
// not send the settings to the Windows folder.
void ResolveSettingsFolder(const wchar_t* iniFolder, SettingsPath& folder) {
    wchar_t expanded[kFolderTextCapacity];
    if (std::wcschr(iniFolder, L'%') != nullptr) {
        ExpandIniFolder(iniFolder, expanded);
    } else {
        CopyText(expanded, iniFolder);
    }
    folder[0] = L'\0';
    if (expanded[0] == L'\0') return;
    EnsureDirectory(expanded);  // trims; a folder that cannot be made shows in the writes
    if (expanded[0] == L'\0') return;
    CopyText(folder, expanded);
    // EnsureDirectory leaves a folder of 259 or more characters without its backslash.
    if (!EndsWithBackslash(folder)) AppendText(folder, L"\\");
}

bool IsPortableSettingsPath(const wchar_t* settingsPath) {
    for (const wchar_t* marker : kPortableFolderMarkers) {
        if (std::wcsstr(settingsPath, marker) != nullptr) return true;
    }
    return false;
}

void WriteSetting(const wchar_t* file, const wchar_t* section, const wchar_t* key, const wchar_t* value) {
    WritePrivateProfileStringW(section, key, value, file);  // failures are not reported
}

void WriteGermanLanguage(const wchar_t* effectiveFile, const wchar_t* programFile, bool portable) {
    WriteSetting(effectiveFile, kLanguageSection, kLanguageLibraryKey, kGermanLanguageLibraryName);
    WriteSetting(effectiveFile, kLanguageSection, kLanguageNameKey, kGermanLanguageName);
    if (!portable) return;
    WriteSetting(programFile, kLanguageSection, kDefaultLanguageLibraryKey, kGermanLanguageLibraryName);
    WriteSetting(programFile, kLanguageSection, kLanguageNameKey, kGermanLanguageName);
}

// A skin the user (or an earlier installation) chose is kept.
void WriteToolbarSkinWhenMissing(const wchar_t* effectiveFile, const wchar_t* programFile, bool portable) {
    wchar_t skin[kSkinNameCapacity];
    GetPrivateProfileStringW(kToolbarSection, kSkinKey, L"", skin, kSkinNameCapacity, effectiveFile);
    if (skin[0] != L'\0') return;

    const ToolbarSkin chosen = ChooseToolbarSkin();
    WriteSetting(effectiveFile, kToolbarSection, kSkinKey, chosen.file);
    WriteSetting(effectiveFile, kToolbarSection, kSkinSizeKey, chosen.size);
    if (!portable) return;
    WriteSetting(programFile, kToolbarSection, kSkinKey, kToolbarSkin24.file);
    WriteSetting(programFile, kToolbarSection, kSkinSizeKey, kToolbarSkin24.size);
}

}  // namespace

void WriteViewerSettings(InstallRequest& request, wchar_t (&settingsPath)[kSettingsPathCapacity]) {
    wchar_t programFolder[kFolderTextCapacity];
    CopyText(programFolder, request.TargetFolder);
    TrimSpaces(programFolder);
    SettingsPath programFile;
    SettingsFileIn(programFolder, programFile);
    CopyText(settingsPath, programFile);

    if (request.Silent && request.IniFolder[0] == L'\0') RedirectDefaultFolderSettings(request);

    SettingsPath settingsFolder = {};
    if (request.IniFolder[0] != L'\0') ResolveSettingsFolder(request.IniFolder, settingsFolder);
    const bool separateFolder = settingsFolder[0] != L'\0';
    if (separateFolder) {
        WriteSetting(programFile, kOthersSection, kIniFolderKey, request.IniFolder);
        CopyText(settingsPath, settingsFolder);
        AppendText(settingsPath, kSettingsFileName);
    } else {
        WriteSetting(programFile, kOthersSection, kIniFolderKey, nullptr);  // deletes the key
    }

    const bool portable = separateFolder && IsPortableSettingsPath(settingsPath);
    WriteGermanLanguage(settingsPath, programFile, portable);
    WriteToolbarSkinWhenMissing(settingsPath, programFile, portable);
}

}  // namespace lumetra
