#include "payload/entry_folder.h"

#include <windows.h>

#include <cwchar>
#include <memory>
#include <new>

#include <unzip.h>

namespace lumetra {
namespace {

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool ParentIsMissing(DWORD error) { return error == ERROR_PATH_NOT_FOUND || error == ERROR_FILE_NOT_FOUND; }

}  // namespace

int MakeEntryFolder(const wchar_t* path) {
    if (path == nullptr || path[0] == L'\0') return 0;
    const size_t length = std::wcslen(path);
    std::unique_ptr<wchar_t[]> copy(new (std::nothrow) wchar_t[length + 1]());
    if (!copy) return UNZ_INTERNALERROR;
    std::wmemcpy(copy.get(), path, length);
    if (copy[length - 1] == L'/') copy[length - 1] = L'\0';  // a trailing backslash stays

    if (CreateDirectoryW(copy.get(), nullptr)) return 1;

    // The copy is terminated at or before index length, so the walk ends inside it.
    for (size_t i = 1;; ++i) {
        const wchar_t separator = copy[i];
        if (!IsSeparator(separator) && separator != L'\0') continue;
        copy[i] = L'\0';
        if (!CreateDirectoryW(copy.get(), nullptr) && ParentIsMissing(GetLastError())) return 0;
        copy[i] = separator;  // an existing folder is no reason to stop
        if (separator == L'\0') break;
    }
    return 1;
}

}  // namespace lumetra
