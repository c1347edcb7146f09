#include "app/system_queries.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "app/text_buffer.h"
#include "tests/support/registry_sandbox.h"

namespace lumetra {
namespace {

using test::RegistrySandbox;
using test::WriteRegistryString;

constexpr wchar_t kOpenCommandKey[] = L"SOFTWARE\\Classes\\Lumetra\\shell\\open\\command";
constexpr wchar_t kCurrentVersionKey[] = L"Software\\Microsoft\\Windows\\CurrentVersion";

TEST(FindPreviousInstallFolder, ReadsTheViewersOpenCommand) {
    struct Case {
        std::wstring command;
        int found;
        const wchar_t* folder;
    };
    const Case cases[] = {
        {L"\"C:\\Program Files\\Lumetra\\lu_main64.exe\" \"%1\"", 1, L"C:\\Program Files\\Lumetra\\"},
        {L"\"D:\\Tools\\lu_main64.exe", 1, L"D:\\Tools\\"},  // no closing quote
        {L"\"C:\\Program Files\\Lumetra\\lu_main32.exe\" \"%1\"", 0, L""},
        {L"\"C:\\Other\\viewer.exe\" \"%1\"", 0, L""},
        {L"\"C:\\X\\LU_MAIN64.EXE\" \"%1\"", 0, L""},  // the name test is case-sensitive
        {L"", 0, L""},
        // Without quotes the path ends with the viewer's name, spaces and all.
        {L"C:\\Program Files\\Lumetra\\lu_main64.exe %1", 1, L"C:\\Program Files\\Lumetra\\"},
    };
    for (const Case& c : cases) {
        RegistrySandbox registry;
        WriteRegistryString(HKEY_LOCAL_MACHINE, kOpenCommandKey, nullptr, c.command);
        wchar_t folder[kFolderTextCapacity];
        CopyText(folder, L"junk");
        EXPECT_EQ(FindPreviousInstallFolder(folder), c.found) << ::testing::PrintToString(c.command);
        EXPECT_STREQ(folder, c.folder);
    }
}

TEST(FindPreviousInstallFolder, NothingRegistered) {
    RegistrySandbox registry;
    wchar_t folder[kFolderTextCapacity] = L"junk";
    EXPECT_EQ(FindPreviousInstallFolder(folder), 0);
    EXPECT_STREQ(folder, L"");
}

TEST(FindPreviousInstallFolder, OverlongCommandIsReadSafely) {
    RegistrySandbox registry;
    const std::wstring command = L"\"C:\\" + std::wstring(300, L'a') + L"\\lu_main64.exe\" \"%1\"";
    WriteRegistryString(HKEY_LOCAL_MACHINE, kOpenCommandKey, nullptr, command);
    wchar_t folder[kFolderTextCapacity];
    FindPreviousInstallFolder(folder);
    EXPECT_LT(TextLength(folder), kFolderTextCapacity);
}

TEST(DefaultInstallFolder, FollowsProgramFilesDir) {
    struct Case {
        const wchar_t* programFiles;  // null: the key is missing
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Program Files", L"C:\\Program Files\\Lumetra"},
        {L"D:\\Programme\\", L"D:\\Programme\\Lumetra"},
        {nullptr, L"C:\\Lumetra\\"},
    };
    for (const Case& c : cases) {
        RegistrySandbox registry;
        if (c.programFiles) {
            WriteRegistryString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"ProgramFilesDir", c.programFiles);
        }
        wchar_t folder[kFolderTextCapacity];
        DefaultInstallFolder(folder);
        EXPECT_STREQ(folder, c.expected);
    }
}

TEST(DefaultInstallFolder, KeyWithoutTheValueGivesTheFallback) {
    RegistrySandbox registry;
    WriteRegistryString(HKEY_LOCAL_MACHINE, kCurrentVersionKey, L"ProgramFilesPath", L"C:\\Programme");
    wchar_t folder[kFolderTextCapacity];
    DefaultInstallFolder(folder);
    EXPECT_STREQ(folder, L"C:\\Lumetra\\");
}

TEST(IsWindowsVersionAtLeast, AgreesWithTheReportedVersion) {
    OSVERSIONINFOW version = {};
    version.dwOSVersionInfoSize = sizeof(version);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    ASSERT_TRUE(GetVersionExW(&version));
#pragma GCC diagnostic pop
    for (unsigned short minor : {0, 1, 2, 3}) {
        const bool expected = version.dwMajorVersion > 6 ||
                              (version.dwMajorVersion == 6 && version.dwMinorVersion >= minor);
        EXPECT_EQ(IsWindowsVersionAtLeast(minor), expected) << "6." << minor;
    }
    EXPECT_TRUE(IsWindowsVersionAtLeast(0));  // every supported Windows is Vista or later
}

}  // namespace
}  // namespace lumetra
