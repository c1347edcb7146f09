#include "uninstaller/install_folder.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "tests/support/registry_sandbox.h"
#include "tests/support/temp_folder.h"

namespace lumetra {
namespace {

using test::RegistrySandbox;
using test::TempFolder;
using test::WriteFileBytes;
using test::WriteRegistryString;

constexpr wchar_t kUninstallKey[] = L"SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Lumetra64";

std::wstring Normalised(const wchar_t* text) {
    PathText folder;
    return NormaliseFolder(text, folder) ? std::wstring(folder) : std::wstring(L"<refused>");
}

TEST(NormaliseFolder, GivesOneCanonicalAbsoluteFormOrRefuses) {
    struct Case {
        const wchar_t* text;
        const wchar_t* expected;
    };
    const Case cases[] = {
        {L"C:\\Tools\\Lumetra", L"C:\\Tools\\Lumetra\\"},
        {L"  \"C:\\Tools\\Lumetra\\\"  ", L"C:\\Tools\\Lumetra\\"},
        {L"C:\\Tools\\Lumetra\\..\\..\\Andere", L"C:\\Andere\\"},
        {L"C:\\Tools\\.\\Lumetra\\", L"C:\\Tools\\Lumetra\\"},
        {L"C:/Tools/Lumetra", L"C:\\Tools\\Lumetra\\"},
        {L"C:\\", L"C:\\"},
        {L"\\\\server\\share\\Lumetra", L"\\\\server\\share\\Lumetra\\"},
        // A relative folder would depend on the current directory.
        {L"Lumetra", L"<refused>"},
        {L"C:Lumetra", L"<refused>"},
        {L"\\Lumetra", L"<refused>"},
        {L"", L"<refused>"},
        {L"   ", L"<refused>"},
        {L"\"\"", L"<refused>"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Normalised(c.text), c.expected) << testing::PrintToString(std::wstring(c.text));
    }
    // Beyond the path limit nothing is cut: a cut path would name another folder.
    EXPECT_EQ(Normalised((L"C:\\" + std::wstring(256, L'a')).c_str()), L"<refused>");
    EXPECT_EQ(Normalised((L"C:\\" + std::wstring(255, L'a')).c_str()), L"C:\\" + std::wstring(255, L'a') + L"\\");
}

TEST(IsPathInsideFolder, ComparesResolvedPathsWithoutRegardToCase) {
    const wchar_t folder[] = L"C:\\Program Files\\Lumetra\\";
    struct Case {
        const wchar_t* path;
        bool inside;
    };
    const Case cases[] = {
        {L"C:\\Program Files\\Lumetra\\lu_main64.exe", true},
        {L"c:\\PROGRAM FILES\\lumetra\\help\\lu_main32_deutsch.chm", true},
        {L"C:\\Program Files\\Lumetra\\Plugins\\..\\l_about.txt", true},
        {L"C:\\Program Files\\Lumetra", false},    // the folder itself
        {L"C:\\Program Files\\Lumetra\\", false},  // the folder itself
        {L"C:\\Program Files\\Lumetra2\\lu_main64.exe", false},
        {L"C:\\Program Files\\Lumetra\\..\\Other\\x.exe", false},
        {L"C:\\Windows\\notepad.exe", false},
        {L"lu_main64.exe", false},  // relative: says nothing about where
        {L"", false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsPathInsideFolder(c.path, folder), c.inside) << testing::PrintToString(std::wstring(c.path));
    }
    EXPECT_FALSE(IsPathInsideFolder(L"C:\\Program Files\\Lumetra\\x", L"C:\\Program Files\\Lumetra"))
        << "a folder without its backslash is not normalised";
}

TEST(HoldsViewer, OnlyAFileOfThatNameCounts) {
    TempFolder root;
    PathText folder;
    ASSERT_TRUE(NormaliseFolder(root.path().c_str(), folder));
    EXPECT_FALSE(HoldsViewer(folder));
    CreateDirectoryW((root / L"lu_main64.exe").c_str(), nullptr);
    EXPECT_FALSE(HoldsViewer(folder)) << "a folder of that name";
    RemoveDirectoryW((root / L"lu_main64.exe").c_str());
    WriteFileBytes(root / L"LU_MAIN64.EXE", "MZ");
    EXPECT_TRUE(HoldsViewer(folder));
}

TEST(FindInstallFolder, TakesTheUninstallEntryOnlyWhenItHoldsTheViewer) {
    RegistrySandbox registry;
    TempFolder installation;
    PathText expected;
    ASSERT_TRUE(NormaliseFolder(installation.path().c_str(), expected));
    PathText own;
    ASSERT_TRUE(ProgramFolder(own));

    PathText folder;
    EXPECT_FALSE(FindInstallFolder(folder)) << "no entry, and the test's folder holds no viewer";
    EXPECT_STREQ(folder, own) << "the program's own folder is named in the report";

    WriteRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation", installation.path());
    EXPECT_FALSE(FindInstallFolder(folder)) << "the entry's folder holds no viewer";

    WriteFileBytes(installation / L"lu_main64.exe", "MZ");
    ASSERT_TRUE(FindInstallFolder(folder));
    EXPECT_STREQ(folder, expected);

    WriteRegistryString(HKEY_LOCAL_MACHINE, kUninstallKey, L"InstallLocation", L"Lumetra\\");
    EXPECT_FALSE(FindInstallFolder(folder)) << "a relative location";
}

}  // namespace
}  // namespace lumetra
