#include "tests/support/temp_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <cstdio>

namespace lumetra::test {

namespace {
std::atomic<unsigned> g_counter{0};
}

TempFolder::TempFolder() {
    wchar_t base[MAX_PATH + 1] = {};
    GetTempPathW(MAX_PATH, base);
    for (;;) {
        wchar_t name[64];
        std::swprintf(name, 64, L"lumetra-test-%lu-%u", GetCurrentProcessId(), g_counter++);
        path_ = std::wstring(base) + name;
        if (CreateDirectoryW(path_.c_str(), nullptr)) break;
        if (GetLastError() != ERROR_ALREADY_EXISTS) {
            ADD_FAILURE() << "cannot create a temporary folder";
            break;
        }
    }
}

TempFolder::~TempFolder() { RemoveTree(path_); }

void WriteFileBytes(const std::wstring& path, const std::string& bytes) {
    FILE* file = _wfopen(path.c_str(), L"wb");
    ASSERT_NE(file, nullptr) << "cannot write the test file";
    std::fwrite(bytes.data(), 1, bytes.size(), file);
    std::fclose(file);
}

std::string ReadFileBytes(const std::wstring& path) {
    std::string bytes;
    FILE* file = _wfopen(path.c_str(), L"rb");
    if (!file) return bytes;
    char block[4096];
    size_t got;
    while ((got = std::fread(block, 1, sizeof(block), file)) > 0) bytes.append(block, got);
    std::fclose(file);
    return bytes;
}

bool FileExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && !(attributes & FILE_ATTRIBUTE_DIRECTORY);
}

bool FolderExists(const std::wstring& path) {
    const DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

void RemoveTree(const std::wstring& path) {
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((path + L"\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            const std::wstring name = found.cFileName;
            if (name == L"." || name == L"..") continue;
            const std::wstring child = path + L"\\" + name;
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
                RemoveTree(child);
            } else {
                SetFileAttributesW(child.c_str(), FILE_ATTRIBUTE_NORMAL);
                DeleteFileW(child.c_str());
            }
        } while (FindNextFileW(search, &found));
        FindClose(search);
    }
    RemoveDirectoryW(path.c_str());
}

std::wstring CurrentFolder() {
    wchar_t folder[1024] = {};
    GetCurrentDirectoryW(1024, folder);
    return folder;
}

std::wstring ProgramFolder() {
    wchar_t path[1024] = {};
    GetModuleFileNameW(nullptr, path, 1024);
    std::wstring folder = path;
    return folder.substr(0, folder.find_last_of(L'\\'));
}

std::vector<std::wstring> FolderContent(const std::wstring& folder) {
    std::vector<std::wstring> names;
    WIN32_FIND_DATAW found;
    HANDLE search = FindFirstFileW((folder + L"\\*").c_str(), &found);
    if (search == INVALID_HANDLE_VALUE) return names;
    do {
        const std::wstring name = found.cFileName;
        if (name == L"." || name == L"..") continue;
        names.push_back(name + ((found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) ? L"\\" : L""));
    } while (FindNextFileW(search, &found));
    FindClose(search);
    std::sort(names.begin(), names.end());
    return names;
}

ScopedCurrentFolder::ScopedCurrentFolder(const std::wstring& folder) : previous_(CurrentFolder()) {
    EXPECT_TRUE(SetCurrentDirectoryW(folder.c_str()));
}

ScopedCurrentFolder::~ScopedCurrentFolder() { SetCurrentDirectoryW(previous_.c_str()); }

}  // namespace lumetra::test
