#include "registration/shortcuts.h"

#include <windows.h>
#include <shlobj.h>

#include "app/build_constants.h"
#include "app/path_helpers.h"
#include "app/resource_strings.h"
#include "app/system_queries.h"
#include "app/text_buffer.h"
#include "framework/handles.h"
#include "registration/shell_link.h"
#include "res/resource.h"

namespace lumetra {
namespace {

using PathText = wchar_t[kPathCapacity];

constexpr wchar_t kThumbnailsArguments[] = L"/thumbs";
constexpr int kThumbnailsIconIndex = 7;

// Versions whose group link this version's link replaces; older ones are left alone.
constexpr ViewerVersionNumber kReplacedVersions[] = {{4, 58}, {4, 57}};

// The group's links to documents of the install folder, some in a subfolder, in the
// order the group lists them.
struct DocumentLink {
    unsigned nameId;
    const wchar_t* subfolder;  // null: directly in the install folder
    const wchar_t* fileName;
};
constexpr DocumentLink kDocumentLinks[] = {
    {IDS_LINK_ABOUT, nullptr, kAboutFileName},
    {IDS_LINK_CHANGES, nullptr, kChangesFileName},
    {IDS_LINK_OPTIONS, nullptr, kOptionsFileName},
    {IDS_LINK_PLUGINS, nullptr, kPluginListFileName},
    {IDS_LINK_LANGUAGES, nullptr, kLanguageListFileName},
    {IDS_LINK_HELP, kHelpFolderName, kHelpFileName},
};

// A link's file name: its text from the string table and ".lnk". False when the text is
// missing or the name does not fit.
bool LoadLinkFileName(unsigned id, PathText& name) {
    LoadResourceString(id, name);
    return name[0] != L'\0' && AppendText(name, L".lnk");
}

// The name of the Start-menu link of one version of the viewer, such as "Lumetra 64 4.59.lnk".
bool VersionedLinkFileName(ViewerVersionNumber version, PathText& name) {
    PathText format;
    LoadResourceString(IDS_LINK_VIEWER_VERSIONED, format);
    return format[0] != L'\0' && FormatText(name, format, version.major, version.minor) &&
           AppendText(name, L".lnk");
}

// A text from the string table, or null when it is missing.
const wchar_t* LoadOptionalText(unsigned id, PathText& text) {
    LoadResourceString(id, text);
    return text[0] != L'\0' ? text : nullptr;
}

// The path of a special folder ending in a backslash. When the shell cannot resolve it,
// the Windows folder stands in. False when neither can be had within the path limit.
bool ResolveShellFolder(int csidl, PathText& folder) {
    folder[0] = L'\0';
    LPITEMIDLIST rawIdList = nullptr;
    const bool located = SUCCEEDED(SHGetSpecialFolderLocation(GetActiveWindow(), csidl, &rawIdList));
    UniqueCoTaskMemory idList(rawIdList);
    if (!located || !idList || !SHGetPathFromIDListW(rawIdList, folder) || folder[0] == L'\0') {
        const UINT length = GetWindowsDirectoryW(folder, kPathCapacity);
        if (length == 0 || length >= kPathCapacity) {
            folder[0] = L'\0';
            return false;
        }
    }
    AppendBackslashUnderPathLimit(folder);
    return EndsWithBackslash(folder);
}

// Saves a link named linkName in folder. A path, name or target that would be cut at the
// path limit saves nothing: a cut path would name another file.
int SaveLinkInFolder(const wchar_t* folder, const wchar_t* linkName, const ShellLinkProperties& properties) {
    PathText linkPath;
    if (properties.target == nullptr || linkName == nullptr || linkName[0] == L'\0' ||
        !EndsWithBackslash(folder) || !FormatText(linkPath, L"%ls%ls", folder, linkName)) {
        return 0;
    }
    return SaveShellLink(linkPath, properties);
}

void RemoveReplacedLinks(const wchar_t* group) {
    for (const ViewerVersionNumber& version : kReplacedVersions) {
        PathText name;
        PathText path;
        if (VersionedLinkFileName(version, name) && FormatText(path, L"%ls%ls", group, name)) {
            DeleteFileW(path);  // a missing link is no error
        }
    }
}

void CreateDocumentLink(const wchar_t* group, const wchar_t* folder, const DocumentLink& document) {
    PathText name;
    PathText target;
    const bool targetFits = document.subfolder
                                ? FormatText(target, L"%ls%ls\\%ls", folder, document.subfolder, document.fileName)
                                : FormatText(target, L"%ls%ls", folder, document.fileName);
    if (targetFits && LoadLinkFileName(document.nameId, name)) {
        CreateFolderLink(group, name, target, nullptr, nullptr, 0);
    }
}

}  // namespace

void CreateShortcuts(const wchar_t* folder, const wchar_t* executablePath, int startMenuShortcut,
                     int desktopShortcut, int thumbnailsShortcut, int allUsers) {
    // COM stays initialised across all links: each link's own initialisation is then
    // only counted, and the apartment is not torn down and built again for every link,
    // which made the links the slowest part of a small installation.
    ScopedComInitialization com;
    if (startMenuShortcut != 0) CreateStartMenuGroup(folder, allUsers);

    PathText name;
    PathText description;
    if (desktopShortcut != 0 && LoadLinkFileName(IDS_LINK_DESKTOP_VIEWER, name)) {
        CreateDesktopLink(executablePath, name, nullptr, LoadOptionalText(IDS_DESCRIPTION_VIEWER, description),
                          nullptr, 0, allUsers);
    }
    if (thumbnailsShortcut != 0 && LoadLinkFileName(IDS_LINK_DESKTOP_THUMBNAILS, name)) {
        CreateDesktopLink(executablePath, name, executablePath,
                          LoadOptionalText(IDS_DESCRIPTION_THUMBNAILS, description), kThumbnailsArguments,
                          kThumbnailsIconIndex, allUsers);
    }
}

void CreateStartMenuGroup(const wchar_t* folder, int allUsers) {
    PathText programs;
    PathText executable;
    if (!ResolveShellFolder(allUsers ? CSIDL_COMMON_PROGRAMS : CSIDL_PROGRAMS, programs) ||
        !FormatText(executable, L"%ls%ls", folder, kViewerExeName)) {
        return;
    }
    wchar_t group[kFolderTextCapacity];
    FormatText(group, L"%ls%ls", programs, kStartMenuGroupName);
    EnsureDirectory(group);  // a group that cannot be made simply gets no links

    PathText name;
    if (VersionedLinkFileName(ViewerVersion, name)) {
        SaveLinkInFolder(group, name, {executable, nullptr, nullptr, 0, nullptr});
    }
    RemoveReplacedLinks(group);
    if (LoadLinkFileName(IDS_LINK_GROUP_THUMBNAILS, name)) {
        SaveLinkInFolder(group, name, {executable, kThumbnailsArguments, executable, kThumbnailsIconIndex, nullptr});
    }
    // From Windows 8 on, programs are uninstalled from the system's own list only.
    PathText uninstaller;
    if (!IsWindowsVersionAtLeast(kWindows8MinorVersion) &&
        FormatText(uninstaller, L"%ls%ls", folder, kUninstallerExeName) &&
        LoadLinkFileName(IDS_LINK_UNINSTALL, name)) {
        SaveLinkInFolder(group, name, {uninstaller, nullptr, nullptr, 0, nullptr});
    }
    for (const DocumentLink& document : kDocumentLinks) CreateDocumentLink(group, folder, document);
}

int CreateDesktopLink(const wchar_t* target, const wchar_t* linkName, const wchar_t* iconPath,
                      const wchar_t* description, const wchar_t* arguments, int iconIndex, int allUsers) {
    PathText desktop;
    if (!ResolveShellFolder(allUsers ? CSIDL_COMMON_DESKTOPDIRECTORY : CSIDL_DESKTOP, desktop)) return 0;
    return SaveLinkInFolder(desktop, linkName, {target, arguments, iconPath, iconIndex, description});
}

int CreateFolderLink(const wchar_t* folder, const wchar_t* linkName, const wchar_t* target,
                     const wchar_t* arguments, const wchar_t* iconPath, int iconIndex) {
    return SaveLinkInFolder(folder, linkName, {target, arguments, iconPath, iconIndex, nullptr});
}

}  // namespace lumetra
