#include "app/path_helpers.h"

#include <windows.h>

#include <cstdlib>
#include <iterator>
#include <cwchar>
#include <memory>
#include <new>

#include "app/text_buffer.h"

namespace lumetra {
namespace {

// Below this length a folder keeps no leading spaces; longer texts are left alone so
// that an over-long value is never shifted around.
constexpr size_t kLeadingTrimLimit = 260;
// A folder being rebuilt component by component stays below the path limit.
constexpr size_t kBuildLimit = 259;

void RemoveTrailingSpaces(wchar_t* text) {
    size_t length = TextLength(text);
    while (length > 0 && text[length - 1] == L' ') text[--length] = L'\0';
}

// The current directory, whatever its length, so that it can always be restored; empty
// when it cannot be read.
std::unique_ptr<wchar_t[]> CurrentDirectory() {
    DWORD size = kPathCapacity;
    for (;;) {
        std::unique_ptr<wchar_t[]> folder(new (std::nothrow) wchar_t[size]);
        if (!folder) return nullptr;
        const DWORD needed = GetCurrentDirectoryW(size, folder.get());
        if (needed == 0) return nullptr;
        if (needed < size) return folder;
        size = needed;  // too small: needed is the size with terminator
    }
}

// A folder exists when it can be made the current directory; the previous one is
// restored either way.
bool FolderCanBeEntered(const wchar_t* path) {
    const std::unique_ptr<wchar_t[]> previous = CurrentDirectory();
    const bool entered = SetCurrentDirectoryW(path) != FALSE;
    if (entered && previous) SetCurrentDirectoryW(previous.get());
    return entered;
}

void RebuildFolderByComponents(wchar_t* path) {
    wchar_t built[kFolderTextCapacity] = {};
    size_t builtLength = 0;
    size_t start = 0;
    if (path[0] == L'\\' && path[1] == L'\\') {
        CopyText(built, L"\\\\");
        builtLength = 2;
        start = 2;
    }
    for (size_t i = start; i < kPathCapacity && path[i] != L'\0'; ++i) {
        if (path[i] != L'\\') {
            if (builtLength < kBuildLimit) {
                built[builtLength++] = path[i];
                built[builtLength] = L'\0';
            }
            continue;
        }
        TrimSpaces(built);
        CreateDirectoryW(built, nullptr);  // existing folders, "C:" and servers fail harmlessly
        AppendBackslashUnderPathLimit(built);
        builtLength = TextLength(built);
    }
    CopyText(path, kFolderTextCapacity, built);
    AppendBackslashUnderPathLimit(path, kFolderTextCapacity);
}

}  // namespace

void TrimSpaces(wchar_t* text) {
    RemoveTrailingSpaces(text);
    const size_t length = TextLength(text);
    if (length == 0 || text[0] != L' ' || length >= kLeadingTrimLimit) return;
    size_t first = 0;
    while (text[first] == L' ') ++first;
    std::wmemmove(text, text + first, length - first + 1);
}

void TrimAndUnquote(wchar_t* text) {
    RemoveTrailingSpaces(text);
    size_t length = TextLength(text);
    if (length == 0) return;
    if (text[length - 1] == L'"') text[--length] = L'\0';
    if (text[0] == L'"') std::wmemmove(text, text + 1, length);  // moves the terminator too
    RemoveTrailingSpaces(text);
}

int EnsureDirectory(wchar_t* path) {
    TrimSpaces(path);
    if (path[0] == L'\0') return 0;
    AppendBackslashUnderPathLimit(path, kFolderTextCapacity);
    if (FolderCanBeEntered(path)) return 1;
    RebuildFolderByComponents(path);
    return FolderCanBeEntered(path) ? 1 : 0;
}

bool SplitPath(const wchar_t* path, SplitPathParts& parts) {
    const errno_t failed = _wsplitpath_s(path, parts.drive, std::size(parts.drive), parts.folder,
                                         std::size(parts.folder), parts.name, std::size(parts.name),
                                         parts.extension, std::size(parts.extension));
    if (failed != 0) {
        parts.drive[0] = parts.folder[0] = parts.name[0] = parts.extension[0] = L'\0';
        return false;
    }
    return true;
}

void DirectoryOfPath(const wchar_t* path, wchar_t* out) {
    SplitPathParts parts;
    SplitPath(path, parts);
    AppendText(out, kFolderTextCapacity, parts.drive);
    AppendText(out, kFolderTextCapacity, parts.folder);
    if (out[0] != L'\0') AppendBackslashUnderPathLimit(out, kFolderTextCapacity);
}

}  // namespace lumetra
