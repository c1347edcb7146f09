#include "viewer/folder_images.h"

#include <windows.h>

#include <algorithm>
#include <cwchar>

namespace lumetra::viewer {
namespace {

bool IsImageName(const wchar_t* name) {
    static const wchar_t* const kExtensions[] = {L".bmp", L".gif", L".ico", L".jpeg", L".jpg",
                                                 L".png", L".tif", L".tiff", L".webp"};
    const wchar_t* dot = std::wcsrchr(name, L'.');
    if (dot == nullptr) return false;
    for (const wchar_t* extension : kExtensions) {
        if (_wcsicmp(dot, extension) == 0) return true;
    }
    return false;
}

}  // namespace

std::vector<std::wstring> ImagesInFolder(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    std::wstring pattern = folder;
    if (!pattern.empty() && pattern.back() != L'\\') pattern += L'\\';
    pattern += L'*';
    HANDLE search = FindFirstFileW(pattern.c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        if (!(found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) && IsImageName(found.cFileName)) {
            names.push_back(found.cFileName);
        }
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end(),
              [](const std::wstring& a, const std::wstring& b) { return _wcsicmp(a.c_str(), b.c_str()) < 0; });
    return names;
}

std::wstring FolderOf(const std::wstring& path) {
    if (path.empty()) {
        wchar_t current[MAX_PATH] = {};
        GetCurrentDirectoryW(MAX_PATH, current);
        return current;
    }
    const DWORD attributes = GetFileAttributesW(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY)) {
        std::wstring folder = path;
        while (folder.size() > 3 && folder.back() == L'\\') folder.pop_back();
        return folder;
    }
    const size_t separator = path.find_last_of(L"\\/");
    if (separator == std::wstring::npos) return FolderOf(std::wstring());
    return path.substr(0, separator == 2 && path[1] == L':' ? 3 : separator);
}

}  // namespace lumetra::viewer
