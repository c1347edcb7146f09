#include "uninstaller/link_removal.h"

#include <windows.h>
#include <shlobj.h>
#include <wrl/client.h>

#include <string>
#include <vector>

#include "app/build_constants.h"
#include "app/resource_strings.h"
#include "framework/handles.h"
#include "uninstaller/file_removal.h"
#include "uninstaller/uninstaller_resource.h"

namespace lumetra {
namespace {

// The links the setup puts on a desktop; the user's own links there are left alone,
// wherever they point.
constexpr unsigned kDesktopLinkNameIds[] = {IDS_LINK_DESKTOP_VIEWER, IDS_LINK_DESKTOP_THUMBNAILS};

struct FindOwner {
    using Handle = HANDLE;
    static Handle Invalid() { return INVALID_HANDLE_VALUE; }
    static void Close(Handle find) { FindClose(find); }
};
using UniqueFindHandle = UniqueResource<FindOwner>;

// A special folder with a trailing backslash; false when the shell does not know it.
// Unlike the setup, no stand-in folder is used: links are only looked for where the
// shell keeps them.
bool ResolveShellFolder(int csidl, PathText& folder) {
    folder[0] = L'\0';
    LPITEMIDLIST rawIdList = nullptr;
    if (FAILED(SHGetSpecialFolderLocation(nullptr, csidl, &rawIdList))) return false;
    UniqueCoTaskMemory idList(rawIdList);
    if (!SHGetPathFromIDListW(rawIdList, folder) || folder[0] == L'\0') return false;
    return EndsWithBackslash(folder) || AppendText(folder, L"\\");
}

void RemoveLinkIfInto(const wchar_t* linkPath, const wchar_t* installFolder) {
    PathText target;
    if (ReadLinkTarget(linkPath, target) && IsPathInsideFolder(target, installFolder)) RemoveFileOfOurs(linkPath);
}

void RemoveStartMenuGroup(int programsCsidl, const wchar_t* installFolder) {
    PathText group;
    if (!ResolveShellFolder(programsCsidl, group) || !AppendText(group, kStartMenuGroupName) ||
        !AppendText(group, L"\\")) {
        return;
    }
    RemoveLinksInto(group, installFolder, nullptr, 0);
    RemoveDirectoryW(group);  // only when empty: the user may keep links of their own there
}

void RemoveDesktopLinks(int desktopCsidl, const wchar_t* installFolder) {
    PathText desktop;
    if (!ResolveShellFolder(desktopCsidl, desktop)) return;
    wchar_t names[2][kPathCapacity];
    const wchar_t* namePointers[2] = {names[0], names[1]};
    for (size_t i = 0; i < 2; ++i) {
        LoadResourceString(kDesktopLinkNameIds[i], names[i], kPathCapacity);
        if (names[i][0] == L'\0' || !AppendText(names[i], kPathCapacity, L".lnk")) names[i][0] = L'\0';
    }
    RemoveLinksInto(desktop, installFolder, namePointers, 2);
}

}  // namespace

bool ReadLinkTarget(const wchar_t* linkPath, PathText& target) {
    target[0] = L'\0';
    ScopedComInitialization com;  // declared first: the interfaces go before COM does
    Microsoft::WRL::ComPtr<IShellLinkW> link;
    Microsoft::WRL::ComPtr<IPersistFile> file;
    if (FAILED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_PPV_ARGS(&link))) ||
        FAILED(link.As(&file)) || FAILED(file->Load(linkPath, STGM_READ))) {
        return false;
    }
    // The stored path as written, not resolved: resolving could search the disk for a
    // moved target and name a file outside the install folder.
    if (FAILED(link->GetPath(target, kPathCapacity, nullptr, SLGP_RAWPATH))) {
        target[0] = L'\0';
        return false;
    }
    target[kPathCapacity - 1] = L'\0';
    return target[0] != L'\0';
}

void RemoveLinksInto(const wchar_t* linkFolder, const wchar_t* installFolder, const wchar_t* const* names,
                     size_t nameCount) {
    if (!EndsWithBackslash(linkFolder)) return;
    if (names != nullptr) {
        for (size_t i = 0; i < nameCount; ++i) {
            PathText linkPath;
            if (names[i] != nullptr && names[i][0] != L'\0' &&
                FormatText(linkPath, L"%ls%ls", linkFolder, names[i])) {
                RemoveLinkIfInto(linkPath, installFolder);
            }
        }
        return;
    }
    PathText pattern;
    if (!FormatText(pattern, L"%ls*.lnk", linkFolder)) return;
    // Collected first: a folder is not to be changed while it is being listed.
    std::vector<std::wstring> linkPaths;
    WIN32_FIND_DATAW found;
    UniqueFindHandle find(FindFirstFileW(pattern, &found));
    if (!find) return;
    do {
        PathText linkPath;
        if ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0 &&
            FormatText(linkPath, L"%ls%ls", linkFolder, found.cFileName)) {
            linkPaths.emplace_back(linkPath);
        }
    } while (FindNextFileW(find.get(), &found));
    for (const std::wstring& linkPath : linkPaths) RemoveLinkIfInto(linkPath.c_str(), installFolder);
}

void RemoveShortcuts(const wchar_t* installFolder) {
    RemoveStartMenuGroup(CSIDL_PROGRAMS, installFolder);
    RemoveStartMenuGroup(CSIDL_COMMON_PROGRAMS, installFolder);
    RemoveDesktopLinks(CSIDL_DESKTOP, installFolder);
    RemoveDesktopLinks(CSIDL_COMMON_DESKTOPDIRECTORY, installFolder);
}

}  // namespace lumetra
