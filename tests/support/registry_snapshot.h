// Exact comparison of what a registry tree holds with what a test expects: every key and
// every value becomes one line, with the value's type, byte count and data.
#pragma once

#include <windows.h>

#include <set>
#include <string>

namespace lumetra::test {

// Lines of one registry tree:
//   key:   "<key path>"
//   value: "<key path> | <name, or @ for the unnamed value> = <type> <byte count> <data>"
// Key paths are relative to the root and lower-cased (registry names ignore case);
// value names and data are as stored.
using RegistryLines = std::set<std::wstring>;

// Every key below root (the root itself not included) and every value of root and below.
RegistryLines SnapshotRegistry(HKEY root);

// Builds the lines a test expects; adding a key or value adds the missing parent keys.
class ExpectedRegistry {
public:
    // A key without values of its own.
    void Key(const std::wstring& path);
    // A REG_SZ value whose byte count includes the terminator; name null: the unnamed value.
    void String(const std::wstring& path, const wchar_t* name, const std::wstring& data);
    // A 4-byte REG_DWORD value.
    void Dword(const std::wstring& path, const wchar_t* name, DWORD data);
    // Lines already there, such as a snapshot of the registry before the code under test ran.
    void Include(const RegistryLines& lines) { lines_.insert(lines.begin(), lines.end()); }

    const RegistryLines& lines() const { return lines_; }

private:
    RegistryLines lines_;
};

// The line of one value, as SnapshotRegistry writes it.
std::wstring ValueLine(const std::wstring& path, const wchar_t* name, DWORD type, const void* data,
                       size_t bytes);

// Fails the current test with the lines that are missing and the lines that are not
// expected (at most a screenful of each), labelled with what.
void ExpectRegistryLines(const RegistryLines& actual, const RegistryLines& expected, const char* what);

}  // namespace lumetra::test
