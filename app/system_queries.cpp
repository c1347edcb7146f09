#include "app/system_queries.h"

#include <windows.h>

#include <cwchar>

#include "app/build_constants.h"
#include "app/path_helpers.h"
#include "app/text_buffer.h"
#include "framework/handles.h"
#include "registration/registry_names.h"

namespace lumetra {
namespace {

constexpr wchar_t kCurrentVersionKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";
constexpr wchar_t kProgramFilesValue[] = L"ProgramFilesDir";

// Reads a string value of HKEY_LOCAL_MACHINE into a 260-character buffer. A value that
// does not fit counts as unreadable; the result is always terminated.
bool ReadMachineString(const wchar_t* keyPath, const wchar_t* valueName,
                       wchar_t (&value)[kPathCapacity]) {
    value[0] = L'\0';
    UniqueHKey key;
    if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, keyPath, 0, KEY_QUERY_VALUE, key.put()) != ERROR_SUCCESS) {
        return false;
    }
    DWORD bytes = sizeof(value);
    if (RegQueryValueExW(key.get(), valueName, nullptr, nullptr, reinterpret_cast<BYTE*>(value),
                         &bytes) != ERROR_SUCCESS) {
        value[0] = L'\0';
        return false;
    }
    // Registry strings need not be terminated: keep at most 259 characters.
    const size_t characters = bytes / sizeof(wchar_t);
    value[characters < kPathCapacity ? characters : kPathCapacity - 1] = L'\0';
    return true;
}

}  // namespace

bool InstallFolderFromOpenCommand(const wchar_t* command, wchar_t* folder) {
    folder[0] = L'\0';
    const wchar_t* viewer = std::wcsstr(command, kViewerExeName);
    if (command[0] == L'\0' || viewer == nullptr) return false;

    // The executable's path is the quoted first word. A command written without quotes
    // has no closing quote to look for, so its path ends with the viewer's file name.
    wchar_t executable[kPathCapacity] = {};
    if (command[0] == L'"') {
        const wchar_t* start = command + 1;
        const wchar_t* end = std::wcschr(start, L'"');
        const size_t length = end ? static_cast<size_t>(end - start) : TextLength(start);
        CopyTextPrefix(executable, kPathCapacity, start, length);
    } else {
        const size_t length = static_cast<size_t>(viewer - command) + TextLength(kViewerExeName);
        CopyTextPrefix(executable, kPathCapacity, command, length);
    }

    SplitPathParts parts;
    SplitPath(executable, parts);
    FormatText(folder, kFolderTextCapacity, L"%ls%ls", parts.drive, parts.folder);
    AppendBackslashUnderPathLimit(folder, kFolderTextCapacity);
    return true;
}

int FindPreviousInstallFolder(wchar_t* folder) {
    folder[0] = L'\0';
    wchar_t command[kPathCapacity];
    if (!ReadMachineString(kViewerOpenCommandKey, nullptr, command)) return 0;
    return InstallFolderFromOpenCommand(command, folder) ? 1 : 0;
}

void DefaultInstallFolder(wchar_t* folder) {
    CopyText(folder, kFolderTextCapacity, kFallbackInstallFolder);
    wchar_t programFiles[kPathCapacity];
    if (!ReadMachineString(kCurrentVersionKey, kProgramFilesValue, programFiles)) return;

    wchar_t result[kFolderTextCapacity];
    CopyText(result, programFiles);
    if (!EndsWithBackslash(result)) AppendText(result, L"\\");
    AppendText(result, kProductFolderName);
    CopyText(folder, kFolderTextCapacity, result);
}

bool IsWindowsVersionAtLeast(unsigned short minor) {
    OSVERSIONINFOEXW wanted = {};
    wanted.dwOSVersionInfoSize = sizeof(wanted);
    wanted.dwMajorVersion = 6;
    wanted.dwMinorVersion = minor;
    wanted.wServicePackMajor = 0;
    DWORDLONG condition = 0;
    condition = VerSetConditionMask(condition, VER_MAJORVERSION, VER_GREATER_EQUAL);
    condition = VerSetConditionMask(condition, VER_MINORVERSION, VER_GREATER_EQUAL);
    condition = VerSetConditionMask(condition, VER_SERVICEPACKMAJOR, VER_GREATER_EQUAL);
    return VerifyVersionInfoW(&wanted, VER_MAJORVERSION | VER_MINORVERSION | VER_SERVICEPACKMAJOR,
                              condition) != FALSE;
}

}  // namespace lumetra
