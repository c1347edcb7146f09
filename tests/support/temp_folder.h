// A folder of the test's own below the prefix's temporary folder, removed with all its
// content when the test ends. Tests that touch files work only inside one.
#pragma once

#include <string>
#include <vector>

namespace lumetra::test {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    // The folder's path without a trailing backslash.
    const std::wstring& path() const { return path_; }
    // path() + "\" + relative
    std::wstring operator/(const std::wstring& relative) const { return path_ + L"\\" + relative; }

private:
    std::wstring path_;
};

// Writes bytes to a file, replacing it.
void WriteFileBytes(const std::wstring& path, const std::string& bytes);
// The whole content of a file; empty when it cannot be read.
std::string ReadFileBytes(const std::wstring& path);
bool FileExists(const std::wstring& path);
bool FolderExists(const std::wstring& path);
// Removes a folder tree.
void RemoveTree(const std::wstring& path);
// The process's current directory.
std::wstring CurrentFolder();
// The folder of the running test program (where the build puts its fixtures), without a
// trailing backslash.
std::wstring ProgramFolder();
// Names of the files and folders directly inside a folder, sorted; folders end in "\".
std::vector<std::wstring> FolderContent(const std::wstring& folder);

// Makes a folder the current directory for the lifetime of the object.
class ScopedCurrentFolder {
public:
    explicit ScopedCurrentFolder(const std::wstring& folder);
    ~ScopedCurrentFolder();
    ScopedCurrentFolder(const ScopedCurrentFolder&) = delete;
    ScopedCurrentFolder& operator=(const ScopedCurrentFolder&) = delete;

private:
    std::wstring previous_;
};

}  // namespace lumetra::test
