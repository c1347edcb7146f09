#include "uninstaller/install_folder.h"

#include <windows.h>

#include "app/build_constants.h"
#include "framework/handles.h"
#include "registration/registry_names.h"

namespace lumetra {
namespace {

bool IsDriveLetter(wchar_t c) { return (c >= L'A' && c <= L'Z') || (c >= L'a' && c <= L'z'); }

// "X:\" or "\\server\share": a relative text would name a folder below whatever the
// current directory happens to be.
bool IsAbsolutePath(const wchar_t* text) {
    if (IsDriveLetter(text[0]) && text[1] == L':' && (text[2] == L'\\' || text[2] == L'/')) return true;
    return (text[0] == L'\\' || text[0] == L'/') && (text[1] == L'\\' || text[1] == L'/');
}

// The full path with "." and ".." resolved and, where the names exist, their long form,
// so that "C:\PROGRA~1\x" and "c:\program files\x" compare equal.
bool CanonicalPath(const wchar_t* text, PathText& path) {
    PathText full;
    const DWORD fullLength = GetFullPathNameW(text, kPathCapacity, full, nullptr);
    if (fullLength == 0 || fullLength >= kPathCapacity) return false;
    const DWORD longLength = GetLongPathNameW(full, path, kPathCapacity);
    if (longLength == 0 || longLength >= kPathCapacity) return CopyText(path, full);
    return true;
}

bool StartsWithIgnoringCase(const wchar_t* text, const wchar_t* prefix) {
    const size_t prefixLength = TextLength(prefix);
    if (TextLength(text) < prefixLength || prefixLength == 0) return false;
    return CompareStringOrdinal(text, static_cast<int>(prefixLength), prefix, static_cast<int>(prefixLength),
                                TRUE) == CSTR_EQUAL;
}

}  // namespace

bool NormaliseFolder(const wchar_t* text, PathText& folder) {
    folder[0] = L'\0';
    wchar_t trimmed[kFolderTextCapacity];
    if (!CopyText(trimmed, text)) return false;
    size_t length = TextLength(trimmed);
    size_t start = 0;
    while (start < length && trimmed[start] == L' ') ++start;
    while (length > start && trimmed[length - 1] == L' ') --length;
    if (length - start >= 2 && trimmed[start] == L'"' && trimmed[length - 1] == L'"') {
        ++start;
        --length;
    }
    trimmed[length] = L'\0';
    const wchar_t* candidate = trimmed + start;
    if (candidate[0] == L'\0' || !IsAbsolutePath(candidate)) return false;

    PathText canonical;
    if (!CanonicalPath(candidate, canonical)) return false;
    if (!EndsWithBackslash(canonical) && !AppendText(canonical, L"\\")) return false;
    return CopyText(folder, canonical);
}

bool HoldsViewer(const wchar_t* folder) {
    PathText viewer;
    if (!FormatText(viewer, L"%ls%ls", folder, kViewerExeName)) return false;
    const DWORD attributes = GetFileAttributesW(viewer);
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

bool IsPathInsideFolder(const wchar_t* path, const wchar_t* folder) {
    if (path == nullptr || !IsAbsolutePath(path) || !EndsWithBackslash(folder)) return false;
    PathText canonical;
    if (!CanonicalPath(path, canonical)) return false;
    return TextLength(canonical) > TextLength(folder) && StartsWithIgnoringCase(canonical, folder);
}

bool IsSameFolder(const wchar_t* first, const wchar_t* second) {
    return TextLength(first) == TextLength(second) && StartsWithIgnoringCase(first, second);
}

bool ProgramFolder(PathText& folder) {
    folder[0] = L'\0';
    PathText program;
    const DWORD length = GetModuleFileNameW(nullptr, program, kPathCapacity);
    if (length == 0 || length >= kPathCapacity) return false;
    wchar_t* lastSeparator = nullptr;
    for (wchar_t* c = program; *c != L'\0'; ++c) {
        if (*c == L'\\') lastSeparator = c;
    }
    if (lastSeparator == nullptr) return false;
    lastSeparator[1] = L'\0';
    return NormaliseFolder(program, folder);
}

bool ReadInstallLocation(PathText& folder) {
    folder[0] = L'\0';
    UniqueHKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, kUninstallKey, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    wchar_t location[kFolderTextCapacity] = {};
    DWORD type = REG_NONE;
    DWORD bytes = sizeof(location) - sizeof(wchar_t);  // room for a terminator of our own
    if (RegQueryValueExW(key.get(), kInstallLocationValue, nullptr, &type, reinterpret_cast<BYTE*>(location),
                         &bytes) != ERROR_SUCCESS ||
        type != REG_SZ) {
        return false;
    }
    location[bytes / sizeof(wchar_t)] = L'\0';
    return NormaliseFolder(location, folder);
}

bool FindInstallFolder(PathText& folder) {
    PathText own;
    const bool haveOwn = ProgramFolder(own);
    if (haveOwn && HoldsViewer(own)) return CopyText(folder, own);
    PathText registered;
    if (ReadInstallLocation(registered) && HoldsViewer(registered)) return CopyText(folder, registered);
    CopyText(folder, haveOwn ? own : L"");
    return false;
}

}  // namespace lumetra
